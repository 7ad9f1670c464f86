#pragma once

// The diagnostics of one rule with the same severity, impact and confidence (the same collation key), shown under one
// heading with a subtitle that says how many there are and of what. The printers and the desktop pane build their
// lists from groups.
//
// A group is made once per result list and read afterwards; it takes no lock.

#include "core/XAAttributedString.h"
#include "engine/XADiagnostic.h"
#include "engine/XADiagnosticPresentation.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct XARuleDescriptor;

// Orders diagnostics by one of their fields: "ruleShortName", "ruleName", "severity", "confidence", "impact",
// "filePath", "line" (of the start position); any other key leaves them equal.
struct XADiagnosticSortDescriptor {
    std::string key;
    bool ascending = true;
};

class XADiagnosticGroup {
public:
    // One group per collation key, in no particular order; each keeps the input order before sorting its own.
    static std::vector<XADiagnosticGroup>
    groupsFromDiagnostics(const XADiagnostics &diagnostics,
                          std::shared_ptr<const XADiagnosticPresentation> presentation = nullptr);
    // One group over exactly these diagnostics, sorted by file name (byte order), then by line; a diagnostic without
    // a file or a start position comes before those that have one.
    static XADiagnosticGroup
    groupWithDiagnostics(XADiagnostics diagnostics,
                         std::shared_ptr<const XADiagnosticPresentation> presentation = nullptr);
    // The groups ordered by their first diagnostics, descriptor after descriptor; empty groups first.
    static std::vector<XADiagnosticGroup> sortedGroups(std::vector<XADiagnosticGroup> groups,
                                                       const std::vector<XADiagnosticSortDescriptor> &descriptors);

    const XADiagnostics &diagnostics() const { return diagnostics_; }
    // The first diagnostic; none for an empty group.
    const XADiagnostic *representative() const { return diagnostics_.empty() ? nullptr : &diagnostics_.front(); }
    const std::shared_ptr<const XADiagnosticPresentation> &presentation() const { return presentation_; }
    void setPresentation(std::shared_ptr<const XADiagnosticPresentation> presentation) {
        presentation_ = std::move(presentation);
    }

    // Fewer than two different messages (an absent message counts as one of them).
    bool allDiagnosticsHaveSameInstanceInfo() const { return allDiagnosticsHaveSameInstanceInfo_; }
    void cacheInfo();

    // The shared message when all have the same, else an empty text.
    XAXMLString groupInstanceInfo() const;
    // The shared message on one line; else "<n> instances (<names>)" with at most five names of localisations,
    // identifiers or file names (in that order of preference), sorted, "…" after the fifth; "<n> instances" without.
    XAAttributedString groupSubtitle() const;
    // The rule of the first diagnostic; null when the registry has none by that name.
    const XARuleDescriptor *commonRule() const;
    // Every diagnostic's path has a component ending in ".lproj" (true for an empty group).
    bool diagnosticFilePathsAreAllInLocalizationBundles() const;
    // The languages of the diagnostics' first ".lproj" components, named in the current locale, each once.
    std::vector<std::string> uniqueDiagnosticFilePathLocalizationBundleLanguageNames() const;

private:
    XADiagnosticGroup() = default;
    std::vector<std::string> subtitleNames() const;

    XADiagnostics diagnostics_;
    bool allDiagnosticsHaveSameInstanceInfo_ = true;
    std::shared_ptr<const XADiagnosticPresentation> presentation_;
};
