#include "engine/XALocalizationRuleSupport.h"

#include "codemodel/clang/XALocalizedStringLookups.h"
#include "core/XALocales.h"
#include "core/XAPaths.h"
#include "core/XAPropertyList.h"

XARuleOptionGroup XALocalizationRulesOptionGroup() {
    return XARuleOptionGroup::ruleOptionGroupWithName(
        "Options for localization rules", "_LocalizationRules",
        {XARuleOption::ruleOptionWithName(kXALocalizedStringRoutinesOption,
                                          "Functions used in place of NSLocalizedString",
                                          "The first argument is assumed to be the string key.",
                                          XAOptionValue::stringArray({}), XAOptionValueTypeStringArray)},
        true);
}

std::vector<XALocalizationKeyUsage> XALocalizationKeyUsagesOfCursor(CXCursor cursor,
                                                                    const std::vector<std::string> &routines) {
    std::vector<XALocalizationKeyUsage> usages;
    const std::optional<XALocalizedStringLookups> lookups = findLocalizedStringCalls(routines, cursor);
    if (!lookups) {
        return usages;
    }
    for (const XALocalizedStringLookup &lookup : *lookups) {
        if (lookup.key && lookup.table) {
            usages.push_back({*lookup.key, *lookup.table});
        }
    }
    return usages;
}

std::string XALocalizationKeyUsagesStateKey(const std::string &ruleShortName) {
    return "usedL10NKeys_" + ruleShortName;
}

std::vector<XALocalizationKeyUsage> XARecordedLocalizationKeyUsages(const XARuleContext &context,
                                                                    const std::string &ruleShortName) {
    return context.stateStore()
        .copyOfStateList<XALocalizationKeyUsage>(XALocalizationKeyUsagesStateKey(ruleShortName))
        .value_or(std::vector<XALocalizationKeyUsage>{});
}

std::string XAStringsTableNameOfFile(const XAProjectFile &file) {
    return xa_stringByDeletingPathExtension(file.basename());
}

std::set<std::string> XATablesOfTargetResourcesWithExtension(const XAProjectTarget &target,
                                                             const std::string &extension) {
    std::set<std::string> tables;
    for (const std::shared_ptr<XAProjectFile> &file : target.resourceFiles()) {
        if (xa_pathExtension(file->basename()) == extension) {
            tables.insert(XAStringsTableNameOfFile(*file));
        }
    }
    return tables;
}

namespace {

// A `.stringsdict` file is a property list; everything else is read as `.strings` text.
std::optional<XAValue> readStringsTable(const XAProjectFile &file, XAError *error) {
    if (!file.isStringsDictFile()) {
        return file.stringsFileDictionary(error);
    }
    if (!file.pathOnDisk()) {
        XASetError(error, "The strings file " + file.basename() + " has no path on disk");
        return std::nullopt;
    }
    return XAPropertyListFromFile(*file.pathOnDisk(), error);
}

} // namespace

std::optional<XADictionary> XAReadStringsTableReportingErrors(const XAProjectFile &file, const XARuleContext &context) {
    XAError error;
    std::optional<XAValue> table = readStringsTable(file, &error);
    if (table && !table->dictionary()) {
        table.reset();
        error = XAError("The file holds no dictionary");
    }
    if (!table) {
        // The log line of an error begins with "ERROR: " already.
        context.reportError("Cannot read strings file " + file.pathOnDisk().value_or(file.basename()) + " : " +
                            error.message);
        return std::nullopt;
    }
    return *table->dictionary();
}

std::string XALanguageDisplayName(const std::string &localeIdentifier) {
    return xa_displayNameForBundleLocaleIdentifier(icu::Locale::getDefault(), localeIdentifier);
}
