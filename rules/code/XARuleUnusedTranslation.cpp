// Entries of the target's `.strings` tables that no code loads through NSLocalizedString and its relatives. Every
// file records the keys it loads in the run's state; the pass after the code goes through the tables, development
// region first, and reports each unused (table, key) once. Code can compute keys, so the findings are uncertain.

#include "core/XARegex.h"
#include "core/XAXMLText.h"
#include "engine/XALocalizationRuleSupport.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAProjectTarget.h"

#include <set>
#include <unordered_set>

namespace {

// A (table, key) pair as one text; the separator does not occur in keys that code spells out.
std::string usageIdentity(const std::string &key, const std::string &table) { return key + "_\u00b6_" + table; }

// Whether the key is one Interface Builder gives the text of an object's property: "<object ID>.<property>", as in
// "a1B-2c-3dE.text", "12.title" or "Seg-aB-cd1.segmentTitles[0]".
bool isInterfaceObjectKey(const std::string &key) {
    static const std::optional<XARegex> objectProperty =
        XARegex::compile("^[A-Za-z0-9-]+\\.[A-Za-z][A-Za-z0-9]*(\\[\\d+\\])?$");
    return objectProperty && objectProperty->matches(key);
}

// The tables of the target's XIB and storyboard files: their translations are read by the interface files.
std::set<std::string> interfaceTables(const XAProjectTarget &target) {
    std::set<std::string> tables = XATablesOfTargetResourcesWithExtension(target, "xib");
    tables.merge(XATablesOfTargetResourcesWithExtension(target, "storyboard"));
    return tables;
}

} // namespace

struct XARuleUnusedTranslation : XACursorRule<XARuleUnusedTranslation> {
    static XAXMLString ruleName() { return XAXMLString("Unused translation"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns about entries in string resource files that are not directly loaded in code with "
                           "<codesymbol>NSLocalizedString</codesymbol> and its variants.");
    }
    static std::optional<XAXMLString> ruleWarning() {
        return XAXMLString("Please make sure that each entry you remove from your string resource files is in fact "
                           "unused — this rule may flag entries whose keys your code determines dynamically before "
                           "passing them to <codesymbol>NSLocalizedString</codesymbol>.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Localization"}; }
    static std::vector<XARuleOptionGroup> optionGroups() {
        std::vector<XARuleOptionGroup> groups = XACursorRule<XARuleUnusedTranslation>::optionGroups();
        groups.push_back(XALocalizationRulesOptionGroup());
        return groups;
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_CallExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_CallExpr && kind != CXCursor_ObjCMessageExpr) {
            return {};
        }
        const std::vector<XALocalizationKeyUsage> usages =
            XALocalizationKeyUsagesOfCursor(cursor, stringsForOption(kXALocalizedStringRoutinesOption, context));
        if (!usages.empty()) {
            context.stateStore().addValuesFromArrayToStateList(usages,
                                                               XALocalizationKeyUsagesStateKey(ruleShortName()));
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        std::unordered_set<std::string> used;
        for (const XALocalizationKeyUsage &usage : XARecordedLocalizationKeyUsages(context, ruleShortName())) {
            used.insert(usageIdentity(usage.key, usage.table));
        }
        std::vector<std::shared_ptr<XAProjectFile>> stringsFiles;
        for (const auto &file : context.projectTarget()->resourceFiles()) {
            if (file->isStringsFile()) {
                stringsFiles.push_back(file);
            }
        }
        const std::set<std::string> tablesOfInterfaceFiles = interfaceTables(*context.projectTarget());
        std::set<std::string> reported;
        XADiagnostics diagnostics;
        for (const auto &file : context.project()->resourceFilesSortedWithDevRegionFilesFirst(stringsFiles)) {
            const std::string tableName = XAStringsTableNameOfFile(*file);
            if (tableName == "InfoPlist") {
                continue; // read by the system, not by code
            }
            const std::optional<XADictionary> table = XAReadStringsTableReportingErrors(*file, context);
            if (!table) {
                continue;
            }
            for (const auto &[key, value] : *table) {
                const std::string identity = usageIdentity(key, tableName);
                if (used.contains(identity) ||
                    (tablesOfInterfaceFiles.contains(tableName) && isInterfaceObjectKey(key)) ||
                    !reported.insert(identity).second) {
                    continue;
                }
                diagnostics.push_back(
                    diagnosticWithFile(file->pathOnDisk(),
                                       XAXMLString("The localization string for <string>" + xa_escapedForXML(key) +
                                                   "</string> in the <code>" + xa_escapedForXML(tableName) +
                                                   "</code> table seems to be unused."),
                                       tableName + " " + key, XADiagnosticImpactMaintainability,
                                       XADiagnosticSeverityConcern, XADiagnosticConfidenceLow));
            }
        }
        return diagnostics;
    }
};

TESSARY_REGISTER_RULE(XARuleUnusedTranslation)
