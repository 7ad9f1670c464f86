#pragma once

// The project window's diagnostics page until the full diagnostics view takes its place: one row per rule with the
// number of its diagnostics, most frequent first, then by short name.

#include <QTableWidget>

#include <string>
#include <utility>
#include <vector>

class XACheckingRun;

class XADiagnosticsSummaryView : public QTableWidget {
public:
    explicit XADiagnosticsSummaryView(QWidget *parent = nullptr);

    void clearPresentedDiagnostics();
    void displayDiagnosticsFromOperation(const XACheckingRun &run);
    // The rows shown: rule short name and count.
    std::vector<std::pair<std::string, std::size_t>> presentedRuleCounts() const;
};
