// Translations whose format specifiers differ from the reference translation of the same key: a "%d" where the
// reference has "%@" reads the wrong argument, and the formatted string misbehaves or crashes in that language.

#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XABuildSettingValues.h"
#include "project/XAProjectFile.h"

struct XARuleTranslationFormatMismatch : XAProjectRule<XARuleTranslationFormatMismatch> {
    static XAXMLString ruleName() { return XAXMLString("Translation format mismatch"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when different language translations for the same key contain mismatched format "
                           "specifiers.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Recommended", "Localization"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.project() || !context.projectTarget()) {
            return diagnostics;
        }
        XAForEachTranslationBesideReference(
            *context.projectTarget(), *context.project(),
            [&](const XATranslationGroup &group, const XATranslation &reference, const XATranslation &translation) {
                const auto &[referenceFile, referenceValue] = reference;
                const auto &[file, value] = translation;
                // Positional specifiers that a translation reorders or reads twice read the same arguments as the
                // reference's.
                if (xa_formatArgumentsInString(value) == xa_formatArgumentsInString(referenceValue)) {
                    return;
                }
                diagnostics.push_back(diagnosticWithFile(
                    file->pathOnDisk(), mismatchInfo(group.key, *file, value, *referenceFile, referenceValue),
                    group.key, XADiagnosticImpactFunctionality, XADiagnosticSeverityError,
                    XADiagnosticConfidenceMedium));
            });
        return diagnostics;
    }

private:
    static XAXMLString mismatchInfo(const std::string &key, const XAProjectFile &file, const std::string &value,
                                    const XAProjectFile &referenceFile, const std::string &referenceValue) {
        const std::string region = xa_escapedForXML(XATranslationRegionName(file));
        const std::string referenceRegion = xa_escapedForXML(XATranslationRegionName(referenceFile));
        return XAXMLString("<p>The " + region + " translation for <string>" + xa_escapedForXML(key) +
                           "</string> has different format specifiers than the " + referenceRegion +
                           " translation.</p><ul><li>" + region + ": <string>" + xa_escapedForXML(value) +
                           "</string></li><li>" + referenceRegion + ": <string>" + xa_escapedForXML(referenceValue) +
                           "</string></li></ul>");
    }
};

TESSARY_REGISTER_RULE(XARuleTranslationFormatMismatch)
