// `.stringsdict` resources without a `.strings` file of the same name and language beside them: the platform reads
// the plural rules of a `.stringsdict` file only when the `.strings` file of that name is a resource too.

#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>

struct XARuleStringsdictWithoutStrings : XAProjectRule<XARuleStringsdictWithoutStrings> {
    static XAXMLString ruleName() { return XAXMLString("Stringsdict file without matching string resource file"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("When a <code>.stringsdict</code> file is included as a resource, a <code>.strings</code> "
                           "file of the same name must be included too, even if it is empty: otherwise no "
                           "translations are read from the <code>.stringsdict</code> file.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Recommended", "Localization"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Foundation Release Notes for OS X v10.9",
            "https://developer.apple.com/library/archive/releasenotes/Foundation/RN-FoundationOlderNotes/")};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.projectTarget()) {
            return diagnostics;
        }
        std::vector<std::shared_ptr<XAProjectFile>> stringsFiles;
        std::vector<std::shared_ptr<XAProjectFile>> stringsdictFiles;
        for (const std::shared_ptr<XAProjectFile> &file : context.projectTarget()->resourceFiles()) {
            if (file->isStringsDictFile()) {
                stringsdictFiles.push_back(file);
            } else if (file->isStringsFile()) {
                stringsFiles.push_back(file);
            }
        }
        for (const std::shared_ptr<XAProjectFile> &stringsdict : stringsdictFiles) {
            const bool matched = std::any_of(stringsFiles.begin(), stringsFiles.end(), [&](const auto &strings) {
                return tableName(*strings) == tableName(*stringsdict) &&
                       strings->localeIdentifier().value_or("") == stringsdict->localeIdentifier().value_or("");
            });
            if (!matched) {
                diagnostics.push_back(diagnosticWithFile(
                    stringsdict->pathOnDisk(),
                    XAXMLString("The corresponding string resource file <filename>" +
                                xa_escapedForXML(tableName(*stringsdict)) + ".strings</filename> was not found."),
                    std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityError,
                    XADiagnosticConfidenceHigh));
            }
        }
        return diagnostics;
    }

private:
    // The file name without its extension, compared with its letter case.
    static std::string tableName(const XAProjectFile &file) {
        return xa_stringByDeletingPathExtension(file.basename());
    }
};

TESSARY_REGISTER_RULE(XARuleStringsdictWithoutStrings)
