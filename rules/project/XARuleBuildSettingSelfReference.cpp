// Build settings whose value refers to the setting itself ("OTHER_LDFLAGS = $(OTHER_LDFLAGS) -ObjC"). In the project
// file "$(inherited)" extends an inherited value; in an `.xcconfig` file an earlier value cannot be extended this way
// at all.

#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XADiagnosticPosition.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

namespace {

// The value of a raw setting as one string: an array's strings joined with single spaces.
std::string rawSettingText(const XAValue &value) {
    if (value.isString()) {
        return *value.string();
    }
    std::vector<std::string> pieces;
    if (value.isArray()) {
        for (const XAValue &element : *value.array()) {
            if (element.isString()) {
                pieces.push_back(*element.string());
            }
        }
    }
    return xa_componentsJoinedByString(pieces, " ");
}

bool refersToItself(const std::string &key, const std::string &value) {
    return xa_containsSubstring(value, "$(" + key + ")");
}

} // namespace

struct XARuleBuildSettingSelfReference : XAProjectRule<XARuleBuildSettingSelfReference> {
    static XAXMLString ruleName() { return XAXMLString("Xcode build setting refers to itself"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Build settings should not refer to themselves. Use <code>$(inherited)</code> to append to "
                           "an inherited value, and custom intermediate setting keys to compose a value from several "
                           "definitions in an .xcconfig file.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        diagnostics.reserve(10);
        if (!context.project()) {
            return diagnostics;
        }
        for (const auto &configuration : context.project()->buildConfigurations()) {
            checkConfiguration(*configuration,
                               "Project build settings, build configuration <buildconfig>" +
                                   xa_escapedForXML(configuration->name()) + "</buildconfig>",
                               false, diagnostics);
        }
        for (const auto &target : context.project()->targets()) {
            for (const auto &configuration : target->buildConfigurations()) {
                checkConfiguration(*configuration,
                                   "Target <target>" + xa_escapedForXML(target->name()) +
                                       "</target> build settings, build configuration <buildconfig>" +
                                       xa_escapedForXML(configuration->name()) + "</buildconfig>",
                                   true, diagnostics);
            }
        }
        return diagnostics;
    }

private:
    static void checkConfiguration(const XAProjectBuildConfiguration &configuration,
                                   const std::string &configurationText, bool targetLevel, XADiagnostics &diagnostics) {
        checkRawSettings(configuration.buildSettings(), configurationText, targetLevel, diagnostics);
        if (const std::shared_ptr<XAProjectFile> configFile = configuration.configFile()) {
            checkXcconfigFile(*configFile, targetLevel, diagnostics);
        }
    }

    static std::string selfReferenceInfo(const std::string &key, bool targetLevel) {
        std::string info =
            "<p>Value for build setting <code>" + xa_escapedForXML(key) + "</code> contains a reference to itself.</p>";
        if (targetLevel) {
            info += "<p>If you want to append something to the value inherited from the project settings, use the "
                    "<code>$(inherited)</code> keyword instead.</p>";
        }
        return info;
    }

    // Raw findings carry no file, and their position context is not part of their identity: the configuration is
    // named in the text too, so that a self-reference in two configurations gives two findings.
    static void checkRawSettings(const XADictionary &settings, const std::string &configurationText, bool targetLevel,
                                 XADiagnostics &diagnostics) {
        for (const auto &[key, value] : settings) {
            if (!refersToItself(key, rawSettingText(value))) {
                continue;
            }
            const std::string info = selfReferenceInfo(key, targetLevel) + "<p>" + configurationText + "</p>";
            diagnostics.push_back(diagnosticWithFile(std::nullopt, std::nullopt, std::nullopt, configurationText,
                                                     XAXMLString(info), std::nullopt, XADiagnosticImpactMaintainability,
                                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceAbsolute));
        }
    }

    static void checkXcconfigFile(const XAProjectFile &file, bool targetLevel, XADiagnostics &diagnostics) {
        for (const XCConfigFileStatement &statement :
             file.xcConfigFileStatements().value_or(std::vector<XCConfigFileStatement>{})) {
            if (!statement.xcValue || !refersToItself(statement.xcKey, *statement.xcValue)) {
                continue;
            }
            const std::string info =
                selfReferenceInfo(statement.xcKey, targetLevel) +
                " <p>If you want to append something to a value previously set in this or any included .xcconfig "
                "file, you must use an intermediate user-defined setting for the base value.</p>";
            const auto positions =
                XADiagnosticPosition::startAndEndPositionsForLine(statement.xcLineNumber, statement.xcFilePath);
            diagnostics.push_back(
                diagnosticWithFile(statement.xcFilePath, positions ? std::optional(positions->first()) : std::nullopt,
                                   positions ? std::optional(positions->second()) : std::nullopt, std::nullopt,
                                   XAXMLString(info), std::nullopt, XADiagnosticImpactMaintainability,
                                   XADiagnosticSeverityWarning, XADiagnosticConfidenceAbsolute));
        }
    }
};

TESSARY_REGISTER_RULE(XARuleBuildSettingSelfReference)
