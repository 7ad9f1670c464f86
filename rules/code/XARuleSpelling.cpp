// Misspelled English words in the names of classes, properties and methods, and optionally of functions, variables
// and parameters. While the files are parsed, each thread's Hunspell checker finds candidates, kept as provisional
// findings in the run's state; after the code, only the words that neither American nor British English accepts
// are reported.

#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XATextOffsets.h"
#include "core/XAUserFolders.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAProjectTarget.h"
#include "project/XASpellChecker.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr const char *kKnownWords = "knownWords";
constexpr const char *kCheckOnlyPublicInterfaces = "checkOnlyPublicInterfaces";
constexpr const char *kCheckVariablesAndParameters = "checkVariablesAndParameters";
constexpr const char *kCheckCFunctions = "checkCFunctions";
constexpr const char *kMinWordLength = "minWordLength";

constexpr const char *kKnownWordsKey = "SpellingRuleWordWhitelist"; // with the run's other settings
constexpr const char *kProvisionalDiagnosticsKey = "SpellingRuleProvisionalDiagnostics";
constexpr const char *kCheckedDeclarationsKey = "Spelling_reportedDeclarationsSet";
constexpr const char *kWordListResource = "SpellCheckDictionaries/whitelist.txt";

using XAWordSet = std::set<std::string>;

// What the per-cursor phase needs of the run, worked out once before the code.
struct SpellingRunSettings {
    XAWordSet knownWords; // trimmed and lower-cased
    std::optional<std::string> classPrefix;
    std::size_t minWordLength = 5;
    bool checkOnlyPublicInterfaces = false;
    bool checkVariablesAndParameters = false;
    bool checkCFunctions = false;
};

std::string normalizedWord(std::string_view word) { return xa_lowercased(xa_trimmed(word)); }

// Programming words that dictionaries lack, each also in its plural. Read once per process.
const std::unordered_set<std::string> &programmingWords() {
    static const std::unordered_set<std::string> words = [] {
        std::unordered_set<std::string> set;
        const std::optional<std::string> path = xa_pathForResourcePath(kWordListResource);
        XAError error("No such resource");
        const std::optional<std::string> text = path ? XAContentsOfFile(*path, &error) : std::nullopt;
        if (!text) {
            XALog(XALogLevelDebug, "Error reading resource file %s: %s", kWordListResource, error.message.c_str());
            return set;
        }
        for (const std::string &line : xa_lines(*text)) {
            if (!xa_trimmed(line).empty()) {
                set.insert(normalizedWord(line));
                set.insert(normalizedWord(line + "s"));
            }
        }
        return set;
    }();
    return words;
}

// The word without a common prefix ("refetch" gives "fetch"); the word itself when it has none. No prefix of the list
// begins another, so at most one applies.
std::string wordWithoutKnownPrefix(const std::string &word) {
    static constexpr std::array<std::string_view, 12> prefixes = {"pre", "post", "sub",   "super", "hyper", "un",
                                                                  "re",  "meta", "multi", "trans", "true",  "auto"};
    const std::string lowercased = xa_lowercased(word);
    for (std::string_view prefix : prefixes) {
        if (lowercased.starts_with(prefix)) {
            return word.substr(prefix.size());
        }
    }
    return word;
}

// Hunspell's verdict with the prefix tried off.
bool isMisspelledForThisThread(const std::string &word) {
    const XASpellChecker &checker = XASpellChecker::spellCheckerForCurrentThreadWithEnglishLanguage();
    const std::string stripped = wordWithoutKnownPrefix(word);
    return !checker.isSpelledCorrectly(word) &&
           !(stripped != word && !stripped.empty() && checker.isSpelledCorrectly(stripped));
}

// The words of a name, less the class prefix, long enough, not all capitals, that the thread's checker rejects. Each
// thread keeps its answers by class prefix, minimum length and name, so a name met again (a shared header's names,
// once per file) costs a lookup.
const std::vector<std::string> &candidateWordsForThisThread(const std::string &name, const SpellingRunSettings &run) {
    thread_local std::unordered_map<std::string, std::vector<std::string>> candidatesByKey;
    std::string key = run.classPrefix.value_or("");
    key += '\0';
    key += std::to_string(run.minWordLength);
    key += '\0';
    key += name;
    const auto known = candidatesByKey.find(key);
    if (known != candidatesByKey.end()) {
        return known->second;
    }
    std::vector<std::string> candidates;
    for (const std::string &word : xa_asciiWordsFromCodeSymbolWithKnownPrefix(name, run.classPrefix)) {
        if (!xa_isAllUppercase(word) && xa_trimmed(word).size() >= run.minWordLength &&
            isMisspelledForThisThread(word)) {
            candidates.push_back(word);
        }
    }
    return candidatesByKey.emplace(std::move(key), std::move(candidates)).first->second;
}

// The after-code judgement: neither American nor British English accepts the word, nor the word without its prefix.
bool isMisspelledInEnglish(const std::string &word) {
    const std::string stripped = wordWithoutKnownPrefix(word);
    return xa_wordIsMisspelledInEnglish(word) &&
           (stripped == word || stripped.empty() || xa_wordIsMisspelledInEnglish(stripped));
}

} // namespace

struct XARuleSpelling : XACursorRule<XARuleSpelling> {
    static XAXMLString ruleName() { return XAXMLString("Spelling error"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns if some words in code symbol names are spelled incorrectly.</p> <p>This rule "
                           "expects code symbol names to be in English (US and/or GB).</p>");
    }
    static std::vector<std::string> tags() { return {"Style", "Pedantic"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kKnownWords, "Known words",
                                                 "Don’t consider these words misspelled. Case insensitive.",
                                                 XAOptionValue::stringArray({}), XAOptionValueTypeStringArray),
                XARuleOption::ruleOptionWithName(kCheckOnlyPublicInterfaces, "Check only public interfaces",
                                                 "Limits spell checking to public headers.", XAOptionValue(false),
                                                 XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(kCheckVariablesAndParameters, "Check variables and parameters",
                                                 "Check also variable and parameter declarations.",
                                                 XAOptionValue(false), XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(kCheckCFunctions, "Check C functions",
                                                 "Check also function declarations.", XAOptionValue(false),
                                                 XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(kMinWordLength, "Minimum word length",
                                                 "Don’t warn about words shorter than this.", XAOptionValue(5),
                                                 XAOptionValueTypePositiveInteger)};
    }
    static std::vector<int> cursorKinds() {
        return {CXCursor_ObjCPropertyDecl,
                CXCursor_ObjCInterfaceDecl,
                CXCursor_ClassDecl,
                CXCursor_ObjCInstanceMethodDecl,
                CXCursor_ObjCClassMethodDecl,
                CXCursor_FunctionDecl,
                CXCursor_VarDecl,
                CXCursor_ParmDecl};
    }

    static bool appliesToContext(XARuleContext &) {
        for (const std::string &language : XASpellChecker::availableLanguages()) {
            const std::string name = xa_lowercased(language);
            if (name == "en" || name == "en_us" || name == "en_gb") {
                return true;
            }
        }
        return false;
    }
    static std::string applicationConditionDescription() {
        return "Applies on systems that have either the en_US or the en_GB dictionary installed.";
    }

    // The known words are the option's and the names of the project, the target and the organization.
    static XADiagnostics applyBeforeCodeWithContext(XARuleContext &context) {
        auto run = std::make_shared<SpellingRunSettings>();
        for (const std::string &word : stringsForOption(kKnownWords, context)) {
            run->knownWords.insert(normalizedWord(word));
        }
        if (context.project()) {
            run->knownWords.insert(normalizedWord(context.project()->projectName()));
            run->knownWords.insert(normalizedWord(context.project()->organizationName().value_or("")));
            run->classPrefix = context.project()->classPrefix();
        }
        run->knownWords.insert(normalizedWord(context.projectTarget() ? context.projectTarget()->name() : ""));
        const std::optional<XAOptionValue> length = valueForOption(kMinWordLength, context);
        run->minWordLength =
            static_cast<std::size_t>(std::max<std::int64_t>(length ? length->integer().value_or(5) : 5, 0));
        run->checkOnlyPublicInterfaces = boolForOption(kCheckOnlyPublicInterfaces, context);
        run->checkVariablesAndParameters = boolForOption(kCheckVariablesAndParameters, context);
        run->checkCFunctions = boolForOption(kCheckCFunctions, context);
        context.stateStore().setObject(std::shared_ptr<const SpellingRunSettings>(std::move(run)), kKnownWordsKey);
        return {};
    }

    // Cheap tests first; the macro test and the accessor test only for names with misspelled words.
    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        const std::optional<std::shared_ptr<const SpellingRunSettings>> run =
            context.stateStore().copyOfObjectFromStateKey<std::shared_ptr<const SpellingRunSettings>>(kKnownWordsKey);
        if (!run || !isCheckedKind(kind, **run) || !isInCheckedFile(cursor, **run)) {
            return {};
        }
        const std::optional<std::string> name = XACursorSpelling(cursor);
        if (!name || xa_containsNonASCIICodePoints(*name)) {
            return {};
        }
        const std::set<std::string> words = misspelledWordsInSymbolName(*name, **run);
        if (words.empty() || XACursorIsInMacroExpansion(cursor) || isAccessorDeclaredForProperty(cursor, kind)) {
            return {};
        }
        // A header's declaration is met once per file that includes it; its findings are made once.
        const XACursorPosition start = XACursorExtentStart(cursor);
        const std::string place =
            XACursorFilePath(cursor).value_or("") + ":" + std::to_string(start.offset) + ":" + std::to_string(kind);
        if (context.stateStore().addValueAndReturnWhetherItAlreadyExisted(place, kCheckedDeclarationsKey)) {
            return {};
        }
        for (const std::string &word : words) {
            context.stateStore().addValueToStateList(provisionalDiagnostic(cursor, *name, word),
                                                     kProvisionalDiagnosticsKey);
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const std::vector<XADiagnostic> provisional = context.stateStore()
                                                          .copyOfStateList<XADiagnostic>(kProvisionalDiagnosticsKey)
                                                          .value_or(std::vector<XADiagnostic>{});
        context.stateStore().removeObjectForStateKey(kProvisionalDiagnosticsKey);
        context.stateStore().removeObjectForStateKey(kCheckedDeclarationsKey);
        std::map<std::string, bool> verdicts; // by normalised word, for this pass
        XADiagnostics confirmed;
        for (const XADiagnostic &diagnostic : provisional) {
            const std::string word = diagnostic.instanceIdentifier().value_or("");
            const auto [verdict, isNew] = verdicts.try_emplace(normalizedWord(word), false);
            if (isNew) {
                verdict->second = isMisspelledInEnglish(word);
            }
            if (verdict->second) {
                confirmed.push_back(diagnostic);
            }
        }
        return confirmed;
    }

    // The words of the name, less its class prefix, that the thread's checker rejects and no list knows.
    static std::set<std::string> misspelledWordsInSymbolName(const std::string &name, const SpellingRunSettings &run) {
        std::set<std::string> misspelled;
        for (const std::string &word : candidateWordsForThisThread(name, run)) {
            const std::string normalized = normalizedWord(word);
            if (!run.knownWords.contains(normalized) && !programmingWords().contains(normalized)) {
                misspelled.insert(word);
            }
        }
        return misspelled;
    }

private:
    static bool isCheckedKind(int kind, const SpellingRunSettings &run) {
        switch (kind) {
        case CXCursor_VarDecl:
        case CXCursor_ParmDecl:
            return run.checkVariablesAndParameters;
        case CXCursor_FunctionDecl:
            return run.checkCFunctions;
        case CXCursor_ObjCPropertyDecl:
        case CXCursor_ObjCInterfaceDecl:
        case CXCursor_ClassDecl:
        case CXCursor_ObjCInstanceMethodDecl:
        case CXCursor_ObjCClassMethodDecl:
            return true;
        default:
            return false;
        }
    }

    // The getter and setter that the compiler declares for a property come with the property's own name and place;
    // the property's finding covers them. A method written in code begins with "-" or "+".
    static bool isAccessorDeclaredForProperty(CXCursor cursor, int kind) {
        if (kind != CXCursor_ObjCInstanceMethodDecl && kind != CXCursor_ObjCClassMethodDecl) {
            return false;
        }
        const std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(cursor);
        return !tokens || tokens->empty() ||
               !(tokens->front().isKind(CXToken_Punctuation, "-") || tokens->front().isKind(CXToken_Punctuation, "+"));
    }

    static bool isInCheckedFile(CXCursor cursor, const SpellingRunSettings &run) {
        return !run.checkOnlyPublicInterfaces || (XACursorIsInHeaderFile(cursor) && !XACursorIsInPrivateHeader(cursor));
    }

    static XADiagnostic provisionalDiagnostic(CXCursor cursor, const std::string &name, const std::string &word) {
        const std::string text = word.size() == name.size()
                                     ? "The word <string>" + xa_escapedForXML(word) + "</string> may be misspelled."
                                     : "The word <string>" + xa_escapedForXML(word) +
                                           "</string> in the symbol name <codesymbol>" + xa_escapedForXML(name) +
                                           "</codesymbol> may be misspelled.";
        return diagnosticWithCursor(cursor, XAXMLString(text), word, XADiagnosticImpactStyle,
                                    XADiagnosticSeverityConcern, XADiagnosticConfidenceLow);
    }
};

TESSARY_REGISTER_RULE(XARuleSpelling)
