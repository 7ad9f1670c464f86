// String resource files of the checked target that are not stored as UTF-8. Git treats some other encodings, such as
// UTF-16, as binary and shows no line differences for them.

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XATextEncoding.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

struct XARuleStringsFileEncoding : XAProjectRule<XARuleStringsFileEncoding> {
    static XAXMLString ruleName() { return XAXMLString("String resource file is not UTF-8"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Git prefers UTF-8 and handles some other encodings, such as UTF-16, badly: it takes "
                           "UTF-16 files for binary files and shows no line differences for them.");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.project() && context.project()->versionControlSystem() == XAVersionControlSystemGit;
    }
    static std::string applicationConditionDescription() { return "Applies to projects under Git version control."; }
    static std::vector<std::string> tags() { return {"Recommended", "VCS", "Localization", "BestPractice"}; }

    // The encoding of the file's contents; no value (logged) when it cannot be read.
    static std::optional<XATextEncoding> encodingOfFile(const XAProjectFile &file) {
        const std::string path = file.pathOnDisk().value_or("");
        XAError error;
        const std::optional<std::string> contents = XAContentsOfFile(path, &error);
        if (!contents) {
            XALog(XALogLevelError, "Error reading file %s: %s", path.c_str(), error.message.c_str());
            return std::nullopt;
        }
        return XADetectTextEncoding(*contents);
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.projectTarget()) {
            return diagnostics;
        }
        for (const std::shared_ptr<XAProjectFile> &file : context.projectTarget()->resourceFiles()) {
            if (!file->isStringsFile()) {
                continue;
            }
            const std::optional<XATextEncoding> encoding = encodingOfFile(*file);
            if (!encoding || *encoding == XATextEncoding::UTF8) {
                continue;
            }
            diagnostics.push_back(diagnosticWithFile(*file->pathOnDisk(),
                                                     XAXMLString("This encoding used for this file is \u201c" +
                                                                 XATextEncodingDisplayName(*encoding) + "\u201d"),
                                                     std::nullopt, XADiagnosticImpactMaintainability,
                                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute));
        }
        return diagnostics;
    }
};

TESSARY_REGISTER_RULE(XARuleStringsFileEncoding)
