// Keys defined more than once in one string table of the checked target: only one of the values takes effect, so
// the other translation is dead text. Each finding points at the line of its entry and names the other entry.

#include "core/XAXMLText.h"
#include "engine/XADiagnosticPosition.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XAStringsFileEntry.h"

#include <map>
#include <set>

struct XARuleDuplicateTranslation : XAProjectRule<XARuleDuplicateTranslation> {
    static XAXMLString ruleName() { return XAXMLString("Duplicate translation"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns if a string resource file contains multiple entries with the same key.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Recommended", "Localization"}; }
    static std::vector<XAExternalLink> externalLinks() { return {}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.projectTarget()) {
            return diagnostics;
        }
        for (const std::shared_ptr<XAProjectFile> &file : context.projectTarget()->resourceFiles()) {
            if (file->isStringsFile() && file->pathOnDisk()) {
                appendDiagnosticsOfFile(*file->pathOnDisk(), file->stringsFileEntries(), diagnostics);
            }
        }
        return diagnostics;
    }

private:
    using Entries = std::vector<XAStringsFileEntry>;

    // A file that cannot be read has no entries here; the invalid-table rule reports it.
    static void appendDiagnosticsOfFile(const std::string &path, const std::optional<Entries> &entries,
                                        XADiagnostics &diagnostics) {
        if (!entries) {
            return;
        }
        std::map<std::string, std::vector<const XAStringsFileEntry *>> entriesByKey;
        for (const XAStringsFileEntry &entry : *entries) {
            entriesByKey[entry.resourceKey()].push_back(&entry);
        }
        // A pair is reported once, at the entry that comes first; with three entries of a key on lines a < b < c
        // that gives a naming b and c naming a.
        std::set<std::size_t> reportedLines;
        for (const XAStringsFileEntry &entry : *entries) {
            if (reportedLines.contains(entry.lineNumber())) {
                continue;
            }
            const XAStringsFileEntry *other = firstEntryOnAnotherLine(entriesByKey[entry.resourceKey()], entry);
            if (!other) {
                continue;
            }
            reportedLines.insert(entry.lineNumber());
            reportedLines.insert(other->lineNumber());
            diagnostics.push_back(diagnosticForEntry(path, entry, *other));
        }
    }

    static const XAStringsFileEntry *firstEntryOnAnotherLine(const std::vector<const XAStringsFileEntry *> &group,
                                                             const XAStringsFileEntry &entry) {
        for (const XAStringsFileEntry *candidate : group) {
            if (candidate->lineNumber() != entry.lineNumber()) {
                return candidate;
            }
        }
        return nullptr;
    }

    static XADiagnostic diagnosticForEntry(const std::string &path, const XAStringsFileEntry &entry,
                                           const XAStringsFileEntry &other) {
        const auto positions = XADiagnosticPosition::startAndEndPositionsForLine(entry.lineNumber(), path);
        const XAXMLString info("The key <string>" + xa_escapedForXML(entry.resourceKey()) +
                               "</string> has another value defined on line " + std::to_string(other.lineNumber()) +
                               " with the value <string>" + xa_escapedForXML(other.resourceValue().value_or("")) +
                               "</string>.");
        return diagnosticWithFile(path, positions ? std::optional(positions->first()) : std::nullopt,
                                  positions ? std::optional(positions->second()) : std::nullopt, std::nullopt, info,
                                  entry.resourceKey(), XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern,
                                  XADiagnosticConfidenceAbsolute);
    }
};

TESSARY_REGISTER_RULE(XARuleDuplicateTranslation)
