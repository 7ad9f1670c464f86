#include "app/diagnostics/XADiagnosticTableRows.h"

#include "app/diagnostics/XADiagnosticIcons.h"

#include <algorithm>

namespace {

constexpr std::size_t kLargestShownCount = 100;
constexpr std::size_t kLargestGreyPillCount = 40;
constexpr int kSeverityIconLeftInset = 6;

XADiagnosticRowCells cellsForGroup(const XADiagnosticGroup &group) {
    const XADiagnostic &representative = *group.representative();
    XADiagnosticRowCells cells;
    cells.severityIcon = xa_imageByPaddingWithInsets(XAImpactAndSeverityImage(representative),
                                                     QMargins(kSeverityIconLeftInset, 0, 0, 0));
    cells.confidenceIcon = XAConfidenceImage(representative.confidence());
    cells.count = XADiagnosticCountText(group.diagnostics().size());
    cells.info = XADiagnosticInfoText(group);
    return cells;
}

} // namespace

std::vector<XADiagnosticGroup>
XAGroupsFromDiagnostics(const XADiagnostics &diagnostics,
                        const std::shared_ptr<const XADiagnosticPresentation> &presentation) {
    return XADiagnosticGroup::sortedGroups(XADiagnosticGroup::groupsFromDiagnostics(diagnostics, presentation),
                                           {{"severity", false}, {"confidence", false}, {"ruleShortName", false}});
}

XADiagnostics XAFilteredDiagnostics(const XADiagnostics &diagnostics, const std::vector<XADiagnosticFilter> &filters) {
    if (filters.empty()) {
        return diagnostics;
    }
    XADiagnostics kept;
    std::copy_if(diagnostics.begin(), diagnostics.end(), std::back_inserter(kept), [&](const XADiagnostic &d) {
        return std::none_of(filters.begin(), filters.end(),
                            [&](const XADiagnosticFilter &filter) { return filter.rejectsDiagnostic(d); });
    });
    return kept;
}

XADiagnosticTableRows XAMakeTableRowInfosForDiagnosticGroups(const std::vector<XADiagnosticGroup> &groups) {
    XADiagnosticTableRows rows;
    rows.reserve(groups.size());
    for (const XADiagnosticGroup &group : groups) {
        XADiagnosticTableRow row{std::make_shared<const XADiagnosticGroup>(group), std::nullopt};
        if (!group.diagnostics().empty()) {
            row.cells = cellsForGroup(group);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

XAAttributedString XADiagnosticCountText(std::size_t count) {
    XATextAttributes attributes;
    attributes.foregroundColor = XAColor::white(0.9);
    if (count > kLargestShownCount) {
        attributes.font = XAFont::boldSystemFont(11);
        return XAAttributedString("99+", attributes);
    }
    if (count > 10) {
        attributes.font = XAFont::boldSystemFont(12);
    }
    return XAAttributedString(std::to_string(count), attributes);
}

XAAttributedString XADiagnosticInfoText(const XADiagnosticGroup &group) {
    const XADiagnostic *representative = group.representative();
    XAAttributedString info =
        xa_stringWithBoldSystemFont(representative ? representative->ruleName().plainString() : std::string());
    info.append("\n");
    xa_assignTextBrightness(info, 0.9);
    XAAttributedString subtitle = group.groupSubtitle();
    XATextAttributes subtitleFont;
    subtitleFont.font = XAFont::systemFont(12);
    subtitle.addAttributes(subtitleFont, {0, subtitle.length()});
    xa_assignTextBrightness(subtitle, 0.6, 0.4);
    info.append(subtitle);
    return info;
}

QColor XADiagnosticCountPillColor(std::size_t count) {
    return count <= kLargestGreyPillCount ? QColor::fromRgbF(0.3f, 0.3f, 0.3f) : QColor(135, 101, 101);
}

QColor XADiagnosticCountHighlightedPillColor() { return QColor::fromRgbF(0.5f, 0.5f, 0.5f); }

std::optional<QString> XADiagnosticRowToolTip(const XADiagnosticTableRow &row, const QString &columnIdentifier) {
    if (!row.cells) {
        return std::nullopt;
    }
    const XADiagnostic &representative = *row.group->representative();
    if (columnIdentifier == QLatin1String(XADiagnosticsConfidenceIconColumn)) {
        return QStringLiteral("Confidence: %1 — %2")
            .arg(QString::fromStdString(representative.confidenceString().value_or("")),
                 QString::fromStdString(representative.confidenceDescription().value_or("")));
    }
    if (columnIdentifier == QLatin1String(XADiagnosticsSeverityIconColumn)) {
        return QStringLiteral("Impact: %1, Severity: %2")
            .arg(QString::fromStdString(representative.impactString().value_or("")),
                 QString::fromStdString(representative.severityString().value_or("")));
    }
    return std::nullopt;
}
