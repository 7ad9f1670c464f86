// The pattern [NSString stringWithFormat:NSLocalizedString(key, comment), arguments...]: every translation of the
// key must have format specifiers that fit the types of the arguments the call passes, and no more specifiers than
// arguments. The pass before the code reads the target's `.strings` tables once into the run's state; each call
// reads them from there.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XALocalizedStringLookups.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XACollections.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XALocalizationRuleSupport.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XABuildSettingValues.h"
#include "project/XAProjectTarget.h"

#include <map>
#include <memory>

namespace {

// Locale identifier -> key-value table, in the order read (development region first).
using LocaleTables = std::vector<std::pair<std::string, XADictionary>>;
// Table name -> its localisations.
using StringTables = std::map<std::string, LocaleTables>;

using Endings = std::vector<std::string>;

// Each base ending with each length modifier in front of it, base endings outermost.
Endings withModifiers(const Endings &modifiers, const Endings &bases) {
    Endings endings;
    for (const std::string &base : bases) {
        for (const std::string &modifier : modifiers) {
            endings.push_back(modifier + base);
        }
    }
    return endings;
}

const Endings kSigned = {"i", "d", "D", "c", "C"};
const Endings kUnsigned = {"u", "U", "x", "X", "o", "O", "c", "C"};
const Endings kFloating = {"f", "F", "e", "E", "g", "G", "a", "A"};

// The conversion endings a format argument of the type may use; none for a type without a row (enumerations,
// records, BOOL, and typedefs, which libclang reports as elaborated types), which leaves the call unchecked.
std::optional<Endings> acceptedEndingsOfType(CXType type) {
    const std::string spelling = XATypeSpelling(type).value_or("");
    if (spelling == "intmax_t") {
        return withModifiers({"j"}, kSigned);
    }
    if (spelling == "uintmax_t") {
        return withModifiers({"j"}, kUnsigned);
    }
    switch (type.kind) {
    case CXType_Char_S:
        return withModifiers({"hh"}, kSigned);
    case CXType_Short:
        return withModifiers({"h"}, kSigned);
    case CXType_Int:
        return kSigned;
    case CXType_Long:
        return withModifiers({"l"}, kSigned);
    case CXType_LongLong:
        return withModifiers({"ll", "q"}, kSigned);
    case CXType_Char_U:
    case CXType_UChar:
        return withModifiers({"hh"}, kUnsigned);
    case CXType_UShort:
        return withModifiers({"h"}, kUnsigned);
    case CXType_UInt:
        return kUnsigned;
    case CXType_ULong:
        return withModifiers({"l"}, kUnsigned);
    case CXType_ULongLong:
        return withModifiers({"ll", "q"}, kUnsigned);
    case CXType_Float:
    case CXType_Double:
        return kFloating;
    case CXType_LongDouble:
        return withModifiers({"L"}, kFloating);
    default:
        break;
    }
    if (XAIsObjCRetainableTypeKind(type.kind)) {
        return Endings{"@", "p"};
    }
    if (XAIsPointerTypeKind(type.kind)) {
        return spelling == "char *" ? Endings{"s", "S", "p"} : Endings{"p"};
    }
    return std::nullopt;
}

struct FormatArgument {
    Endings acceptedEndings;
    std::string typeName;
};

// The arguments after the format, or none when one of them has a type the rule cannot check.
std::optional<std::vector<FormatArgument>> formatArguments(CXCursor message) {
    std::vector<FormatArgument> arguments;
    const unsigned count = XAChildCount(message);
    for (unsigned i = 2; i < count; ++i) {
        const CXType type = XACursorType(XAChildAtIndex(message, i));
        std::optional<Endings> endings = acceptedEndingsOfType(type);
        if (!endings) {
            return std::nullopt;
        }
        arguments.push_back({std::move(*endings), XATypeSpelling(type).value_or("")});
    }
    return arguments;
}

bool endsWithAny(const std::string &specifier, const Endings &endings) {
    return std::any_of(endings.begin(), endings.end(),
                       [&](const std::string &ending) { return specifier.ends_with(ending); });
}

// What is wrong with the translation's specifiers for these arguments, as list-item texts.
std::vector<std::string> formatProblems(const std::string &translation, const std::vector<FormatArgument> &arguments) {
    std::vector<std::string> problems;
    const std::vector<std::string> specifiers = xa_formatSpecifiersInStringInLogicalOrder(translation, true);
    for (std::size_t i = 0; i < specifiers.size(); ++i) {
        const std::string &specifier = specifiers[i];
        if (specifier.find('*') != std::string::npos) {
            continue; // the width or precision takes an argument of its own
        }
        const std::string ordinal = xa_wordForIndexedPosition(i);
        if (i >= arguments.size()) {
            problems.push_back("No value is given for the " + ordinal + " format specifier <string>" +
                               xa_escapedForXML(specifier) + "</string>");
        } else if (!endsWithAny(specifier, arguments[i].acceptedEndings)) {
            std::vector<std::string> accepted;
            for (const std::string &ending : arguments[i].acceptedEndings) {
                accepted.push_back("<string>%" + xa_escapedForXML(ending) + "</string>");
            }
            problems.push_back(
                "The " + ordinal + " format argument type is <codesymbol>" + xa_escapedForXML(arguments[i].typeName) +
                "</codesymbol>, but the format specifier is <string>" + xa_escapedForXML(specifier) +
                "</string> (the format specifier should be one of: " + xa_componentsJoinedByString(accepted, ", ") +
                ")");
        }
    }
    return problems;
}

std::string stateKey(const std::string &ruleShortName) { return "StringTables_" + ruleShortName; }

} // namespace

struct XARuleTranslationFormatUsage : XACursorRule<XARuleTranslationFormatUsage> {
    static XAXMLString ruleName() { return XAXMLString("Translation format usage"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when the types of format arguments used in code do not match the format specifiers "
                           "in translated versions of a localized string.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Experimental", "Localization"}; }
    static std::vector<XARuleOptionGroup> optionGroups() {
        std::vector<XARuleOptionGroup> groups = XACursorRule<XARuleTranslationFormatUsage>::optionGroups();
        groups.push_back(XALocalizationRulesOptionGroup());
        return groups;
    }

    // Reads the tables once; later calls share them read-only.
    static XADiagnostics applyBeforeCodeWithContext(XARuleContext &context) {
        std::vector<std::shared_ptr<XAProjectFile>> stringsFiles;
        for (const auto &file : context.projectTarget()->resourceFiles()) {
            if (file->isStringsFile()) {
                stringsFiles.push_back(file);
            }
        }
        auto tables = std::make_shared<StringTables>();
        for (const auto &file : context.project()->resourceFilesSortedWithDevRegionFilesFirst(stringsFiles)) {
            if (!file->localeIdentifier()) {
                continue;
            }
            std::optional<XADictionary> table = XAReadStringsTableReportingErrors(*file, context);
            if (table) {
                storeTable(*tables, XAStringsTableNameOfFile(*file), *file->localeIdentifier(), std::move(*table));
            }
        }
        context.stateStore().setObject(std::shared_ptr<const StringTables>(std::move(tables)),
                                       stateKey(ruleShortName()));
        return {};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr || !XAMessageCallsMethod("NSString", "stringWithFormat:", false, cursor)) {
            return {};
        }
        const std::vector<XALocalizationKeyUsage> usages =
            XALocalizationKeyUsagesOfCursor(XAStripParensCastsAndUnexposed(XAMessageReceiver(cursor, 0)),
                                            stringsForOption(kXALocalizedStringRoutinesOption, context));
        if (usages.empty()) {
            return {};
        }
        const std::optional<std::vector<FormatArgument>> arguments = formatArguments(cursor);
        const auto tables = context.stateStore().copyOfObjectFromStateKey<std::shared_ptr<const StringTables>>(
            stateKey(ruleShortName()));
        if (!arguments || !tables || !*tables) {
            return {};
        }
        XADiagnostics diagnostics;
        for (const XALocalizationKeyUsage &usage : usages) {
            const auto table = (*tables)->find(usage.table);
            if (table == (*tables)->end()) {
                continue;
            }
            for (const auto &[localeIdentifier, translations] : table->second) {
                const XAValue *translation = translations.get(usage.key);
                if (!translation || !translation->string() || translation->string()->empty()) {
                    continue;
                }
                const std::vector<std::string> problems = formatProblems(*translation->string(), *arguments);
                if (!problems.empty()) {
                    diagnostics.push_back(mismatch(cursor, usage, localeIdentifier, *translation->string(), problems));
                }
            }
        }
        return diagnostics;
    }

private:
    // A later file of the same table and locale replaces an earlier one.
    static void storeTable(StringTables &tables, const std::string &tableName, const std::string &localeIdentifier,
                           XADictionary table) {
        LocaleTables &localisations = tables[tableName];
        for (auto &[identifier, existing] : localisations) {
            if (identifier == localeIdentifier) {
                existing = std::move(table);
                return;
            }
        }
        localisations.emplace_back(localeIdentifier, std::move(table));
    }

    static XADiagnostic mismatch(CXCursor message, const XALocalizationKeyUsage &usage,
                                 const std::string &localeIdentifier, const std::string &translation,
                                 const std::vector<std::string> &problems) {
        const std::string info = "<p>The format specifiers in the " + XALanguageDisplayName(localeIdentifier) +
                                 " translation for key <string>" + xa_escapedForXML(usage.key) + "</string> (<string>" +
                                 xa_escapedForXML(translation) + "</string>) do not match the usage here:</p><ul>" +
                                 xa_componentsJoinedByString(xa_htmlListItems(problems), "") + "</ul>";
        return diagnosticWithCursor(message, XAXMLString(info), usage.table + "." + usage.key,
                                    XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                    XADiagnosticConfidenceLow);
    }
};

TESSARY_REGISTER_RULE(XARuleTranslationFormatUsage)
