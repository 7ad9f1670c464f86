// String tables of the checked target that do not read as dictionary-format property lists: the platform fails to
// load such a table at run time, and every lookup in it falls back to its key.

#include "core/XACollections.h"
#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

struct XARuleInvalidStringsFile : XAProjectRule<XARuleInvalidStringsFile> {
    static XAXMLString ruleName() { return XAXMLString("Invalid string resource file"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("String resource files should be valid dictionary-format property lists.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Recommended", "Localization"}; }
    static std::vector<XAExternalLink> externalLinks() { return {}; }

    // The tables are checked at the same time (a check may run plutil); findings come in the target's file order.
    static XADiagnostics applyWithContext(XARuleContext &context) {
        if (!context.projectTarget()) {
            return {};
        }
        const std::vector<std::shared_ptr<XAProjectFile>> stringsFiles =
            fk::filter(context.projectTarget()->resourceFiles(),
                       [](const std::shared_ptr<XAProjectFile> &file) { return file->isStringsFile(); });
        const std::string plutil = plutilPath();
        const std::vector<std::optional<XADiagnostic>> results = fk::parallelMap(
            stringsFiles, [&](const std::shared_ptr<XAProjectFile> &file) { return diagnosticForFile(*file, plutil); });
        XADiagnostics diagnostics;
        for (const std::optional<XADiagnostic> &result : results) {
            if (result) {
                diagnostics.push_back(*result);
            }
        }
        return diagnostics;
    }

private:
    // The plutil of the active developer tools, else the system's.
    static std::string plutilPath() {
        return XADevEnvironment::sharedEnvironment().pathToDevExecutable("plutil").value_or("/usr/bin/plutil");
    }

    static std::optional<XADiagnostic> diagnosticForFile(const XAProjectFile &file, const std::string &plutil) {
        XAError error;
        if (file.stringsFileIsValidWithError(&error, plutil)) {
            return std::nullopt;
        }
        // The reader's message quotes the file's text, so it is escaped before it goes into markup.
        const std::string reason = error.message.empty() ? "the file could not be read." : error.message;
        return diagnosticWithFile(
            file.pathOnDisk(),
            XAXMLString("String resource file could not be interpreted. Error: " + xa_escapedForXML(reason)),
            std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityError, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleInvalidStringsFile)
