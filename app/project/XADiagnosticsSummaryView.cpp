#include "app/project/XADiagnosticsSummaryView.h"

#include "app/project/XAProjectWindowServices.h"

#include <QHeaderView>

#include <algorithm>
#include <map>

XADiagnosticsSummaryView::XADiagnosticsSummaryView(QWidget *parent) : QTableWidget(0, 2, parent) {
    setHorizontalHeaderLabels({QStringLiteral("Rule"), QStringLiteral("Diagnostics")});
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

void XADiagnosticsSummaryView::clearPresentedDiagnostics() { setRowCount(0); }

void XADiagnosticsSummaryView::displayDiagnosticsFromOperation(const XACheckingRun &run) {
    clearPresentedDiagnostics();
    std::map<std::string, std::size_t> counts;
    for (const XADiagnostic &diagnostic : run.diagnostics().value_or(XADiagnostics())) {
        ++counts[diagnostic.ruleShortName()];
    }
    std::vector<std::pair<std::string, std::size_t>> rows(counts.begin(), counts.end());
    std::stable_sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        setItem(row, 0, new QTableWidgetItem(QString::fromStdString(rows[row].first)));
        auto *count = new QTableWidgetItem(QString::number(rows[row].second));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, 1, count);
    }
}

std::vector<std::pair<std::string, std::size_t>> XADiagnosticsSummaryView::presentedRuleCounts() const {
    std::vector<std::pair<std::string, std::size_t>> rows;
    for (int row = 0; row < rowCount(); ++row) {
        rows.emplace_back(item(row, 0)->text().toStdString(), item(row, 1)->text().toULongLong());
    }
    return rows;
}
