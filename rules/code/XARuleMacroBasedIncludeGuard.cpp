// Headers guarded by "#ifndef NAME_H" and "#define NAME_H", which the once pragma says in one line.

#include "codemodel/clang/XACursorText.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "engine/XARule.h"

#include <algorithm>

#include <map>
#include <memory>
#include <mutex>

namespace {

constexpr const char *kGuardedNamesKey = "MacroBasedIncludeGuard_namesAfterIfndefByHeaderPath";
constexpr std::string_view kIfndef = "#ifndef ";

// What follows each "#ifndef " of a header, to the end of its line: the text contains "#ifndef NAME" exactly when
// one of these begins with NAME. Each header is read once per run, by the first thread that asks.
class HeaderIfndefTexts {
public:
    bool containsIfndefOf(const std::string &path, const std::string &name) {
        const std::vector<std::string> &texts = textsOfHeader(path);
        return std::any_of(texts.begin(), texts.end(), [&](const std::string &text) { return text.starts_with(name); });
    }

private:
    const std::vector<std::string> &textsOfHeader(const std::string &path) {
        std::lock_guard lock(mutex_);
        const auto found = textsByPath_.find(path);
        if (found != textsByPath_.end()) {
            return found->second;
        }
        return textsByPath_.emplace(path, readTexts(path)).first->second;
    }

    // An unreadable header, or one that is not UTF-8, has none.
    static std::vector<std::string> readTexts(const std::string &path) {
        std::vector<std::string> texts;
        const std::optional<std::string> contents = XAContentsOfFile(path, nullptr);
        std::string storage;
        if (!contents || XAValidUTF8(*contents, storage).data() != contents->data()) {
            return texts;
        }
        for (std::size_t found = contents->find(kIfndef); found != std::string::npos;
             found = contents->find(kIfndef, found + 1)) {
            const std::size_t start = found + kIfndef.size();
            const std::size_t end = contents->find('\n', start);
            texts.push_back(contents->substr(start, end == std::string::npos ? std::string::npos : end - start));
        }
        return texts;
    }

    std::mutex mutex_;
    std::map<std::string, std::vector<std::string>> textsByPath_;
};

} // namespace

struct XARuleMacroBasedIncludeGuard : XACursorRule<XARuleMacroBasedIncludeGuard> {
    static XAXMLString ruleName() { return XAXMLString("Macro-based include guard"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Simplify the header by replacing the macro definition check -based include guard with the "
                           "‘once’ pragma.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Wikipedia: Pragma once", "https://en.wikipedia.org/wiki/Pragma_once")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_MacroDefinition}; }

    static XADiagnostics applyBeforeCodeWithContext(XARuleContext &context) {
        context.stateStore().setObject(std::make_shared<HeaderIfndefTexts>(), kGuardedNamesKey);
        return {};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_MacroDefinition || !XACursorIsInHeaderFile(cursor)) {
            return {};
        }
        const std::string name = XACursorSpelling(cursor).value_or("");
        const std::optional<std::string> path = XACursorFilePath(cursor);
        if (!xa_uppercased(name).ends_with("_H") || !path) {
            return {};
        }
        const std::optional<std::shared_ptr<HeaderIfndefTexts>> texts =
            context.stateStore().copyOfObjectFromStateKey<std::shared_ptr<HeaderIfndefTexts>>(kGuardedNamesKey);
        if (!texts || !(*texts)->containsIfndefOf(*path, name)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceMedium)};
    }
};

TESSARY_REGISTER_RULE(XARuleMacroBasedIncludeGuard)
