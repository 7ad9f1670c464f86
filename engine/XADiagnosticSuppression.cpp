#include "engine/XADiagnosticSuppression.h"

#include "codemodel/clang/XAAnnotations.h"
#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XAString.h"
#include "engine/XAClangFilePaths.h"
#include "engine/XADiagnosticPosition.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kMacroNamePrefix = "TESSARY_IGNORED";
constexpr std::string_view kOnLineSuffix = "_ON_LINE";
constexpr std::string_view kInFileSuffix = "_IN_FILE";
constexpr std::string_view kSuppressAnnotationPrefix = "suppress:";
// Probes for the entity a macro stands in never go further than this.
constexpr unsigned kMaximumProbes = 10001;

constexpr std::array<CXCursorKind, 3> kMethodScopeKinds = {CXCursor_ObjCInstanceMethodDecl,
                                                           CXCursor_ObjCClassMethodDecl, CXCursor_FunctionDecl};
constexpr std::array<CXCursorKind, 2> kClassScopeKinds = {CXCursor_ObjCImplementationDecl, CXCursor_ObjCInterfaceDecl};
constexpr std::array<CXCursorKind, 1> kFileScopeKinds = {CXCursor_TranslationUnit};
// The bare TESSARY_IGNORED: the innermost of them all.
constexpr std::array<CXCursorKind, 6> kDefaultScopeKinds = {
    CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl, CXCursor_FunctionDecl,
    CXCursor_ObjCImplementationDecl, CXCursor_ObjCInterfaceDecl,   CXCursor_TranslationUnit};

struct ScopeSuffix {
    std::string_view suffix;
    XACursorKindList kinds;
};

// Suffixes of macro names and the kinds of cursor that bound what they silence; the first that a name ends with
// applies.
const std::array<ScopeSuffix, 4> &scopeSuffixes() {
    static const std::array<ScopeSuffix, 4> suffixes = {{{kInFileSuffix, kFileScopeKinds},
                                                         {"_IN_METHOD", kMethodScopeKinds},
                                                         {"_IN_FUNCTION", kMethodScopeKinds},
                                                         {"_IN_CLASS", kClassScopeKinds}}};
    return suffixes;
}

XACursorKindList scopeKindsForMacroName(std::string_view standardizedName) {
    for (const ScopeSuffix &scope : scopeSuffixes()) {
        if (standardizedName.ends_with(scope.suffix)) {
            return scope.kinds;
        }
    }
    return kDefaultScopeKinds;
}

// Where a cursor is, as the file shows it: its file, 1-based line and column, and byte offset.
struct ExpansionLocation {
    CXFile file = nullptr;
    unsigned line = 0;
    unsigned column = 0;
    unsigned offset = 0;
};

ExpansionLocation expansionLocationOfCursor(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    ExpansionLocation location;
    clang.clang_getExpansionLocation(clang.clang_getCursorLocation(cursor), &location.file, &location.line,
                                     &location.column, &location.offset);
    return location;
}

// "<file> [<line>:<column>]" of the cursor, as warnings about annotations name it.
std::string placeOfCursor(CXCursor cursor) {
    ExpansionLocation location = expansionLocationOfCursor(cursor);
    return XANormalizedFilePathOfCursor(cursor).value_or("") + " [" + std::to_string(location.line) + ":" +
           std::to_string(location.column) + "]";
}

void reportWarning(const XAProgressHandler &progress, std::string message) {
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindWarning, std::move(message)));
    }
}

std::string joinedQuoted(const std::vector<std::string> &names) {
    std::string joined;
    for (const std::string &name : names) {
        joined += (joined.empty() ? "\"" : ", \"") + name + "\"";
    }
    return joined;
}

// A cursor that can stand for the entity around an offset: not null, not "no declaration found", and not a
// preprocessing cursor (the suppression macro itself is one), which belongs to no entity.
bool isEntityCandidate(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXCursorKind kind = clang.clang_getCursorKind(cursor);
    return !clang.clang_Cursor_isNull(cursor) && kind != CXCursor_NoDeclFound && !clang.clang_isPreprocessing(kind);
}

// The cursor of the entity a macro stands in: probed byte by byte from the start of its line up to the macro; when
// that finds only the macro itself (a macro in the first column), the place right after the macro.
CXCursor entityAroundMacro(CXCursor macro, const ExpansionLocation &location) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXTranslationUnit unit = clang.clang_Cursor_getTranslationUnit(macro);
    auto cursorAt = [&](unsigned offset) {
        return clang.clang_getCursor(unit, clang.clang_getLocationForOffset(unit, location.file, offset));
    };
    const unsigned lineStart =
        location.column > 0 ? location.offset - std::min(location.offset, location.column - 1) : location.offset;
    const unsigned probes = std::min(std::max(location.column, 1u), kMaximumProbes);
    CXCursor candidate = clang.clang_getNullCursor();
    for (unsigned probe = 0; probe < probes; ++probe) {
        candidate = cursorAt(lineStart + probe);
        if (isEntityCandidate(candidate)) {
            return candidate;
        }
    }
    return cursorAt(XACursorExtentEnd(macro).offset);
}

} // namespace

// ---- The record ----

XADiagnosticSuppression XADiagnosticSuppression::suppressionForRuleShortName(std::optional<std::string> shortName,
                                                                             std::vector<XARegex> filePathRegexes) {
    XADiagnosticSuppression suppression;
    if (shortName) {
        suppression.suppressedRuleShortNames_.push_back(std::move(*shortName));
    }
    suppression.filePathRegexes_ = std::move(filePathRegexes);
    return suppression;
}

std::string XADiagnosticSuppression::description() const {
    std::string names;
    for (const std::string &name : suppressedRuleShortNames_) {
        names += (names.empty() ? "" : ", ") + name;
    }
    return "XADiagnosticSuppression: [" + std::to_string(startByteOffset_) + " - " + std::to_string(endByteOffset_) +
           "] (" + names + ") " + filePath_.value_or("(null)");
}

bool XADiagnosticSuppression::suppressesDiagnostic(const XADiagnostic &diagnostic) const {
    const bool ruleIsListed = std::find(suppressedRuleShortNames_.begin(), suppressedRuleShortNames_.end(),
                                        diagnostic.ruleShortName()) != suppressedRuleShortNames_.end();
    const std::optional<std::string> &path = diagnostic.filePath();
    if (filePathRegexes_) {
        return ruleIsListed && path &&
               std::any_of(filePathRegexes_->begin(), filePathRegexes_->end(),
                           [&path](const XARegex &regex) { return regex.matches(*path); });
    }
    if (!path || path != filePath_ || !ruleIsListed) {
        return false;
    }
    if (appliesToEntireFile_) {
        return true;
    }
    const std::optional<XADiagnosticPosition> &start = diagnostic.startPositionBytes();
    const std::optional<XADiagnosticPosition> &end = diagnostic.endPositionBytes();
    return start && end && startByteOffset_ <= start->offset && end->offset <= endByteOffset_;
}

// ---- Macros ----

std::string XADiagnosticSuppression::standardizedSuppressionMacroNameFromName(std::string_view name) {
    std::string words = xa_camelCaseToSentenceCase(name);
    std::replace(words.begin(), words.end(), ' ', '_');
    std::string standardized = xa_uppercased(words);
    for (size_t found = standardized.find("TESS_ARY"); found != std::string::npos;
         found = standardized.find("TESS_ARY", found)) {
        standardized.replace(found, 8, "TESSARY");
    }
    return standardized;
}

bool XADiagnosticSuppression::cursorIsSuppressionMacroExpansion(CXCursor cursor) {
    if (XALibclang::fn().clang_getCursorKind(cursor) != CXCursor_MacroExpansion) {
        return false;
    }
    std::optional<std::string> spelling = XACursorSpelling(cursor);
    if (!spelling || spelling->size() < 7 || xa_lowercased(spelling->substr(0, 7)) != "tessary") {
        return false;
    }
    std::string name = standardizedSuppressionMacroNameFromName(*spelling);
    if (!name.starts_with(kMacroNamePrefix)) {
        return false;
    }
    return name == kMacroNamePrefix || name.ends_with(kOnLineSuffix) ||
           std::any_of(scopeSuffixes().begin(), scopeSuffixes().end(),
                       [&name](const ScopeSuffix &scope) { return name.ends_with(scope.suffix); });
}

std::vector<std::string> XADiagnosticSuppression::argumentsOfSuppressionMacroCursor(CXCursor cursor) {
    std::vector<std::string> arguments;
    bool inParentheses = false;
    for (const XAClangToken &token : XATokensOfCursor(cursor).value_or(std::vector<XAClangToken>())) {
        if (!inParentheses) {
            inParentheses = token.isKind(CXToken_Punctuation, "(");
        } else if (token.isKind(CXToken_Punctuation, ")")) {
            break;
        } else if (token.kind() == CXToken_Identifier && token.spelling()) {
            arguments.push_back(*token.spelling());
        }
    }
    return arguments;
}

std::vector<std::string> XADiagnosticSuppression::validatedRuleNames(const std::vector<std::string> &names,
                                                                     CXCursor suppressionCursor,
                                                                     const XAProgressHandler &progress,
                                                                     const XARuleRegistry &registry) {
    const std::vector<std::string> publicNames = registry.allPublicRuleShortNames();
    std::vector<std::string> known;
    std::vector<std::string> unknown;
    for (const std::string &name : names) {
        const std::string lowerName = xa_lowercased(name);
        auto found = std::find_if(publicNames.begin(), publicNames.end(), [&lowerName](const std::string &publicName) {
            return xa_lowercased(publicName) == lowerName;
        });
        (found != publicNames.end() ? known : unknown).push_back(found != publicNames.end() ? *found : name);
    }
    if (!unknown.empty()) {
        reportWarning(progress, "Diagnostics suppression annotation in " + placeOfCursor(suppressionCursor) +
                                    ": Unknown rule names in annotation: " + joinedQuoted(unknown));
    }
    return known;
}

std::optional<std::vector<std::string>>
XADiagnosticSuppression::ruleNamesFromSuppressionMacroCursor(CXCursor cursor, const XAProgressHandler &progress,
                                                             const XARuleRegistry &registry) {
    std::vector<std::string> arguments = argumentsOfSuppressionMacroCursor(cursor);
    if (arguments.empty()) {
        return std::nullopt;
    }
    return validatedRuleNames(arguments, cursor, progress, registry);
}

std::optional<XADiagnosticSuppression::Region>
XADiagnosticSuppression::startAndEndByteOffsetsForSuppressionMacroCursor(CXCursor cursor,
                                                                         const XAProgressHandler &progress) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const std::string name = standardizedSuppressionMacroNameFromName(XACursorSpelling(cursor).value_or(""));
    const ExpansionLocation location = expansionLocationOfCursor(cursor);
    if (name.ends_with(kOnLineSuffix)) {
        std::optional<std::string> path = XANormalizedFilePathOfCursor(cursor);
        std::optional<XADiagnosticPositions> line =
            path ? XADiagnosticPosition::startAndEndPositionsForLine(location.line, *path) : std::nullopt;
        if (!line) {
            return std::nullopt;
        }
        return Region(line->first().offset, line->second().offset);
    }

    CXCursor scope = clang.clang_getNullCursor();
    if (name.ends_with(kInFileSuffix)) {
        scope = clang.clang_getTranslationUnitCursor(clang.clang_Cursor_getTranslationUnit(cursor));
    } else {
        const XACursorKindList scopeKinds = scopeKindsForMacroName(name);
        const CXCursor candidate = entityAroundMacro(cursor, location);
        scope = scopeKinds.contains(clang.clang_getCursorKind(candidate)) ? candidate
                                                                          : XAAncestorOfKinds(candidate, scopeKinds);
    }
    const CXCursorKind scopeKind = clang.clang_getCursorKind(scope);
    if (clang.clang_Cursor_isNull(scope) || scopeKind == CXCursor_NoDeclFound) {
        reportWarning(progress, "Diagnostics suppression annotation " + XACursorSpelling(cursor).value_or("") + " in " +
                                    placeOfCursor(cursor) +
                                    ": Cannot determine which entity this annotation refers to. Position the "
                                    "annotation inside the code entity it should refer to.");
        return std::nullopt;
    }
    if (scopeKind == CXCursor_TranslationUnit) {
        return Region(std::nullopt, std::nullopt);
    }
    return Region(XACursorExtentStart(scope).offset, XACursorExtentEnd(scope).offset);
}

std::optional<XADiagnosticSuppression>
XADiagnosticSuppression::suppressionFromSuppressionMacroCursor(CXCursor cursor, const XAProgressHandler &progress,
                                                               const XARuleRegistry &registry) {
    std::optional<std::vector<std::string>> names = ruleNamesFromSuppressionMacroCursor(cursor, progress, registry);
    if (!names || names->empty()) {
        reportWarning(progress, "Diagnostics suppression annotation in " + placeOfCursor(cursor) +
                                    ": No rule names found in annotation.");
        return std::nullopt;
    }
    std::optional<Region> region = startAndEndByteOffsetsForSuppressionMacroCursor(cursor, progress);
    if (!region) {
        return std::nullopt;
    }
    XADiagnosticSuppression suppression;
    suppression.suppressedRuleShortNames_ = std::move(*names);
    suppression.filePath_ = XANormalizedFilePathOfCursor(cursor);
    if (!region->first() && !region->second()) {
        suppression.appliesToEntireFile_ = true;
    } else {
        suppression.startByteOffset_ = region->first().value_or(0);
        suppression.endByteOffset_ = region->second().value_or(0);
    }
    return suppression;
}

// ---- Annotations ----

std::vector<std::string> XADiagnosticSuppression::ruleNamesFromAnnotatedCursor(CXCursor cursor,
                                                                               const XAProgressHandler &progress,
                                                                               const XARuleRegistry &registry) {
    std::vector<std::string> names;
    for (const std::string &annotation : XATessaryAnnotationsOfCursor(cursor).value_or(std::vector<std::string>())) {
        if (annotation.starts_with(kSuppressAnnotationPrefix) && annotation.size() > kSuppressAnnotationPrefix.size()) {
            names.push_back(annotation.substr(kSuppressAnnotationPrefix.size()));
        }
    }
    return names.empty() ? names : validatedRuleNames(names, cursor, progress, registry);
}

std::optional<XADiagnosticSuppression>
XADiagnosticSuppression::suppressionForValidatedRuleNames(const std::vector<std::string> &names,
                                                          CXCursor coveringCursor) {
    if (names.empty()) {
        return std::nullopt;
    }
    XADiagnosticSuppression suppression;
    suppression.suppressedRuleShortNames_ = names;
    suppression.startByteOffset_ = XACursorExtentStart(coveringCursor).offset;
    suppression.endByteOffset_ = XACursorExtentEnd(coveringCursor).offset;
    suppression.filePath_ = XANormalizedFilePathOfCursor(coveringCursor);
    return suppression;
}

std::optional<XADiagnosticSuppression>
XADiagnosticSuppression::suppressionFromAnnotatedCursor(CXCursor cursor, const XAProgressHandler &progress,
                                                        const XARuleRegistry &registry) {
    return suppressionForValidatedRuleNames(ruleNamesFromAnnotatedCursor(cursor, progress, registry), cursor);
}

std::vector<XADiagnosticSuppression> XARuleDiagnosticSuppressionsWithContext(const XARuleDescriptor &rule,
                                                                            const XARuleContext &context) {
    std::optional<XAOptionValue> value = context.resolvedValueForRuleOptionNamed("ignoredFileRegexes", rule.shortName);
    std::vector<XARegex> regexes;
    if (value && value->isArray()) {
        for (const XAOptionValue &element : *value->array()) {
            if (element.isRegex()) {
                regexes.push_back(*element.regex());
            }
        }
    }
    if (regexes.empty()) {
        return {};
    }
    return {XADiagnosticSuppression::suppressionForRuleShortName(rule.shortName, std::move(regexes))};
}
