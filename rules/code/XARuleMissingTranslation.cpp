// Keys that code loads through NSLocalizedString and its relatives but that a language's tables lack, and
// translations that are empty or still a placeholder. Every file records the keys it loads in the run's state; the
// pass after the code holds them against the target's string tables, each read once.

#include "core/XACollections.h"
#include "core/XALocales.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XALocalizationRuleSupport.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr const char *kCheckDevRegion = "checkDevRegion";
constexpr const char *kIgnoredKeyPrefixes = "ignoredKeyPrefixes";

using FileList = std::vector<std::shared_ptr<XAProjectFile>>;
// Object identifier of a strings file -> its table; files that could not be read have none.
using StringsTables = std::map<std::string, XADictionary>;

bool hasAnyPrefix(const std::string &text, const std::vector<std::string> &prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const std::string &prefix) { return text.starts_with(prefix); });
}

const XADictionary *tableOfFile(const XAProjectFile &file, const StringsTables &tables) {
    const auto table = tables.find(file.objectID().value_or(""));
    return table == tables.end() ? nullptr : &table->second;
}

struct Translation {
    std::string key;
    std::string label;
    std::string value;
};

// The translations of a table: a string entry as it is; each plural form of a `.stringsdict` entry labelled
// "<key> (<form>)", the format's own "NSString…" keys left out.
std::vector<Translation> flattenedTranslations(const XADictionary &table) {
    std::vector<Translation> pairs;
    for (const auto &[key, value] : table) {
        if (const std::string *text = value.string()) {
            pairs.push_back({key, key, *text});
            continue;
        }
        const XADictionary *entry = value.dictionary();
        if (!entry) {
            continue;
        }
        for (const auto &[variable, rules] : *entry) {
            const XADictionary *forms = rules.dictionary();
            if (variable.starts_with("NSString") || !forms) {
                continue;
            }
            for (const auto &[form, text] : *forms) {
                if (!form.starts_with("NSString") && text.string()) {
                    pairs.push_back({key, key + " (" + form + ")", *text.string()});
                }
            }
        }
    }
    return pairs;
}

// "fixme" anywhere, "todo" except in Spanish and Portuguese, where it is a word.
bool isPlaceholder(const std::string &value, const std::optional<std::string> &localeIdentifier) {
    const std::string word = xa_lowercased(xa_trimmed(value));
    if (word == "fixme") {
        return true;
    }
    if (word != "todo") {
        return false;
    }
    const std::optional<std::string> language =
        localeIdentifier ? xa_languageCode(xa_localeWithLocaleIdentifier(*localeIdentifier)) : std::nullopt;
    return language != "es" && language != "pt";
}

FileList sortedBySpecificity(FileList files) {
    std::stable_sort(files.begin(), files.end(),
                     [](const auto &a, const auto &b) { return a->localeSpecificity() < b->localeSpecificity(); });
    return files;
}

std::map<std::string, FileList> filesByTable(const FileList &files, bool (XAProjectFile::*kind)() const) {
    std::map<std::string, FileList> grouped;
    for (const auto &file : files) {
        if (((*file).*kind)()) {
            grouped[XAStringsTableNameOfFile(*file)].push_back(file);
        }
    }
    return grouped;
}

FileList filesServingLocale(const FileList &files, const icu::Locale &locale) {
    return XALocalizationsMatchingLocale(files, locale, [](const std::shared_ptr<XAProjectFile> &file) {
        return file->localeIdentifier().value_or("");
    });
}

bool anyFileHoldsKey(const FileList &files, const std::string &key, const StringsTables &tables) {
    return std::any_of(files.begin(), files.end(), [&](const auto &file) {
        const XADictionary *table = tableOfFile(*file, tables);
        return table && table->contains(key);
    });
}

// The most specific file that should hold the key: a `.stringsdict` file only when it is more specific than every
// `.strings` candidate.
const XAProjectFile &fileToReport(const FileList &stringsFiles, const FileList &stringsDictFiles) {
    if (stringsFiles.empty()) {
        return *stringsDictFiles.back();
    }
    if (!stringsDictFiles.empty() &&
        stringsDictFiles.back()->localeSpecificity() > stringsFiles.back()->localeSpecificity()) {
        return *stringsDictFiles.back();
    }
    return *stringsFiles.back();
}

} // namespace

struct XARuleMissingTranslation : XACursorRule<XARuleMissingTranslation> {
    static XAXMLString ruleName() { return XAXMLString("Missing translation"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when a key used as argument to <codesymbol>NSLocalizedString</codesymbol> or its "
                           "variants has no translation.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Recommended", "Localization"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kCheckDevRegion, "Warn about missing development region translations",
                                                 "Enable this if you do not use the key as an implicit default value.",
                                                 XAOptionValue(false), XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(
                    kIgnoredKeyPrefixes, "Ignored key prefixes",
                    "Do not warn about missing translations for keys that start with these prefixes.",
                    XAOptionValue::stringArray({}), XAOptionValueTypeStringArray)};
    }
    static std::vector<XARuleOptionGroup> optionGroups() {
        std::vector<XARuleOptionGroup> groups = XACursorRule<XARuleMissingTranslation>::optionGroups();
        groups.push_back(XALocalizationRulesOptionGroup());
        return groups;
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_CallExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_CallExpr && kind != CXCursor_ObjCMessageExpr) {
            return {};
        }
        const std::vector<std::string> routines = stringsForOption(kXALocalizedStringRoutinesOption, context);
        const std::vector<std::string> ignoredPrefixes = stringsForOption(kIgnoredKeyPrefixes, context);
        for (XALocalizationKeyUsage &usage : XALocalizationKeyUsagesOfCursor(cursor, routines)) {
            if (!hasAnyPrefix(usage.key, ignoredPrefixes)) {
                context.stateStore().addValueToStateList(std::move(usage),
                                                         XALocalizationKeyUsagesStateKey(ruleShortName()));
            }
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const StringsTables tables = readStringsTables(context);
        XADiagnostics diagnostics = checkForTodoValues(context, tables);
        XADiagnostics missing = checkForMissingValuesForUsedKeys(context, tables);
        diagnostics.insert(diagnostics.end(), missing.begin(), missing.end());
        return diagnostics;
    }

    // Every strings and stringsdict file of the project, each read once.
    static StringsTables readStringsTables(const XARuleContext &context) {
        StringsTables tables;
        for (const auto &file : context.project()->files()) {
            if (!file->isStringsFile() && !file->isStringsDictFile()) {
                continue;
            }
            if (std::optional<XADictionary> table = XAReadStringsTableReportingErrors(*file, context)) {
                tables.insert_or_assign(file->objectID().value_or(""), std::move(*table));
            }
        }
        return tables;
    }

    static XADiagnostics checkForTodoValues(const XARuleContext &context, const StringsTables &tables) {
        XADiagnostics diagnostics;
        const bool checkDevRegion = boolForOption(kCheckDevRegion, context);
        const std::vector<std::string> ignoredPrefixes = stringsForOption(kIgnoredKeyPrefixes, context);
        for (const auto &file : context.projectTarget()->resourceFiles()) {
            if ((!file->isStringsFile() && !file->isStringsDictFile()) ||
                (!checkDevRegion && context.project()->resourceFileIsDevRegionFile(*file))) {
                continue;
            }
            const XADictionary *table = tableOfFile(*file, tables);
            if (!table) {
                continue; // unreadable, and reported as such
            }
            const std::string language = XALanguageDisplayName(file->localeIdentifier().value_or(""));
            for (const auto &[key, label, value] : flattenedTranslations(*table)) {
                if (hasAnyPrefix(label, ignoredPrefixes) ||
                    (!isPlaceholder(value, file->localeIdentifier()) && !xa_trimmed(value).empty())) {
                    continue;
                }
                const std::string info = "The " + language + " translation for <string>" + xa_escapedForXML(label) +
                                         "</string> has value <string>" + xa_escapedForXML(value) + "</string>";
                diagnostics.push_back(diagnosticWithFile(file->pathOnDisk(), XAXMLString(info), key,
                                                         XADiagnosticImpactFunctionality, XADiagnosticSeverityError,
                                                         XADiagnosticConfidenceHigh));
            }
        }
        return diagnostics;
    }

    static XADiagnostics checkForMissingValuesForUsedKeys(const XARuleContext &context, const StringsTables &tables) {
        const FileList &resources = context.projectTarget()->resourceFiles();
        const std::map<std::string, FileList> stringsFiles = filesByTable(resources, &XAProjectFile::isStringsFile);
        const std::map<std::string, FileList> stringsDictFiles =
            filesByTable(resources, &XAProjectFile::isStringsDictFile);
        // Table -> keys, each (table, key) once and in a stable order.
        std::map<std::string, std::set<std::string>> usedKeys;
        for (const XALocalizationKeyUsage &usage : XARecordedLocalizationKeyUsages(context, ruleShortName())) {
            usedKeys[usage.table].insert(usage.key);
        }
        const std::vector<std::string> languages = context.project()->supportedLocalizationLocaleIdentifiersForTarget(
            *context.projectTarget(), *context.projectBuildConfig());
        const bool checkDevRegion = boolForOption(kCheckDevRegion, context);
        // A String Catalog holds every language of its table itself, whatever the folders hold.
        const std::set<std::string> catalogTables =
            XATablesOfTargetResourcesWithExtension(*context.projectTarget(), "xcstrings");
        XADiagnostics diagnostics;
        for (const auto &[tableName, keys] : usedKeys) {
            if (catalogTables.contains(tableName)) {
                continue;
            }
            const FileList tableStringsFiles = sortedBySpecificity(valueOrEmpty(stringsFiles, tableName));
            const FileList tableStringsDictFiles = sortedBySpecificity(valueOrEmpty(stringsDictFiles, tableName));
            for (const std::string &key : keys) {
                for (const std::string &language : languages) {
                    if (!checkDevRegion && context.project()->localeIdentifierIsDevelopmentRegion(language)) {
                        continue;
                    }
                    const icu::Locale locale = xa_localeWithLocaleIdentifier(language);
                    std::optional<XADiagnostic> diagnostic =
                        missingTranslation(key, tableName, language, filesServingLocale(tableStringsFiles, locale),
                                           filesServingLocale(tableStringsDictFiles, locale), tables);
                    if (diagnostic) {
                        diagnostics.push_back(std::move(*diagnostic));
                    }
                }
            }
        }
        return diagnostics;
    }

private:
    static FileList valueOrEmpty(const std::map<std::string, FileList> &grouped, const std::string &table) {
        const auto files = grouped.find(table);
        return files == grouped.end() ? FileList() : files->second;
    }

    static std::optional<XADiagnostic> missingTranslation(const std::string &key, const std::string &tableName,
                                                          const std::string &language, const FileList &stringsFiles,
                                                          const FileList &stringsDictFiles,
                                                          const StringsTables &tables) {
        const std::string translation = "The " + XALanguageDisplayName(language) + " translation for <string>" +
                                        xa_escapedForXML(key) + "</string>";
        if (stringsFiles.empty() && stringsDictFiles.empty()) {
            return diagnosticWithFile(
                std::nullopt,
                XAXMLString(translation + " is missing: no string resource files found for the table <string>" +
                            xa_escapedForXML(tableName) + "</string>."),
                key, XADiagnosticImpactFunctionality, XADiagnosticSeverityError, XADiagnosticConfidenceHigh);
        }
        if (anyFileHoldsKey(stringsDictFiles, key, tables) || anyFileHoldsKey(stringsFiles, key, tables)) {
            return std::nullopt;
        }
        return diagnosticWithFile(fileToReport(stringsFiles, stringsDictFiles).pathOnDisk(),
                                  XAXMLString(translation + " is missing"), key, XADiagnosticImpactFunctionality,
                                  XADiagnosticSeverityError, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleMissingTranslation)
