// Assignments in `.xcconfig` files that overwrite a value set earlier for the same setting, in the same file or in a
// file it includes: often a mistake. Parent files should set intermediate settings that leaf files compose.

#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XADiagnosticPosition.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"

#include <set>
#include <unordered_map>
#include <utility>

struct XARuleXcconfigOverwrites : XAProjectRule<XARuleXcconfigOverwrites> {
    static XAXMLString ruleName() {
        return XAXMLString("Xcode build configuration file overwrites previously set value");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Overwriting a value that was set earlier in a build configuration file, or in a file "
                           "it includes, often signals an error in the configuration.</p><p>Set custom intermediate "
                           "settings in parent configuration files instead, and compose the final values from them in "
                           "the leaf files.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config", "BestPractice"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        diagnostics.reserve(10);
        if (!context.project()) {
            return diagnostics;
        }
        for (const std::shared_ptr<XAProjectFile> &file : context.project()->files()) {
            if (file->isXcodeConfigFile()) {
                appendOverwrites(*file, diagnostics);
            }
        }
        return diagnostics;
    }

private:
    // Each statement whose key an earlier statement of the file (its includes inlined) already set, reported at the
    // overwriting line, in whichever file that line stands, and naming the first definition.
    static void appendOverwrites(const XAProjectFile &file, XADiagnostics &diagnostics) {
        const std::vector<XCConfigFileStatement> statements =
            file.xcConfigFileStatements().value_or(std::vector<XCConfigFileStatement>{});
        std::unordered_map<std::string, const XCConfigFileStatement *> firstByKey;
        std::set<std::pair<std::string, std::uint64_t>> linesSeen;
        for (const XCConfigFileStatement &statement : statements) {
            // A file included twice gives its lines twice; a line read again overwrites nothing of its own.
            if (!linesSeen.emplace(statement.xcFilePath, statement.xcLineNumber).second) {
                continue;
            }
            const auto [first, isFirst] = firstByKey.emplace(statement.xcKey, &statement);
            if (isFirst) {
                continue;
            }
            const XCConfigFileStatement &earlier = *first->second;
            const std::string info = "Overwritten value of <code>" + xa_escapedForXML(statement.xcKey) +
                                     "</code> defined in <filename>" +
                                     xa_escapedForXML(xa_lastPathComponent(earlier.xcFilePath)) + "</filename> (line " +
                                     std::to_string(earlier.xcLineNumber) + ")";
            const auto positions =
                XADiagnosticPosition::startAndEndPositionsForLine(statement.xcLineNumber, statement.xcFilePath);
            diagnostics.push_back(
                diagnosticWithFile(statement.xcFilePath, positions ? std::optional(positions->first()) : std::nullopt,
                                   positions ? std::optional(positions->second()) : std::nullopt, std::nullopt,
                                   XAXMLString(info), std::nullopt, XADiagnosticImpactMaintainability,
                                   XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute));
        }
    }
};

TESSARY_REGISTER_RULE(XARuleXcconfigOverwrites)
