#pragma once

// What the diagnostics table shows: the groups of like diagnostics in table order, and per group the values of its
// four columns. Built on a background thread and read on the GUI thread; a row is immutable once built.

#include "core/XAAttributedString.h"
#include "engine/XADiagnosticFilter.h"
#include "engine/XADiagnosticGroup.h"

#include <QColor>
#include <QImage>

#include <memory>
#include <optional>
#include <vector>

// The table's column identifiers.
inline constexpr const char *XADiagnosticsSeverityIconColumn = "severityIcon";
inline constexpr const char *XADiagnosticsConfidenceIconColumn = "confidenceIcon";
inline constexpr const char *XADiagnosticsCountColumn = "count";
inline constexpr const char *XADiagnosticsInfoColumn = "info";

// The cell values of a group with diagnostics.
struct XADiagnosticRowCells {
    QImage severityIcon;      // the representative's impact-and-severity picture, 6 points of margin on its left
    QImage confidenceIcon;    // the representative's confidence picture
    XAAttributedString count; // centred in its cell
    XAAttributedString info;  // two lines, truncated at the tail
};

struct XADiagnosticTableRow {
    std::shared_ptr<const XADiagnosticGroup> group;
    std::optional<XADiagnosticRowCells> cells; // none for a group without diagnostics
};

using XADiagnosticTableRows = std::vector<XADiagnosticTableRow>;

// The groups of the diagnostics, ordered by the representative's severity, then confidence, then rule short name,
// all descending.
std::vector<XADiagnosticGroup>
XAGroupsFromDiagnostics(const XADiagnostics &diagnostics,
                        const std::shared_ptr<const XADiagnosticPresentation> &presentation);
// The diagnostics that every filter accepts; all of them without filters.
XADiagnostics XAFilteredDiagnostics(const XADiagnostics &diagnostics, const std::vector<XADiagnosticFilter> &filters);

// One row per group, in the groups' order.
XADiagnosticTableRows XAMakeTableRowInfosForDiagnosticGroups(const std::vector<XADiagnosticGroup> &groups);

// The count of a group of `count` diagnostics: the number in white 0.9, in the bold system font of 12 points from
// 11 to 100, with no font of its own up to 10; "99+" in the bold system font of 11 points above 100.
XAAttributedString XADiagnosticCountText(std::size_t count);
// The rule name in the bold system font, a line break, both at brightness 0.9; then the group's subtitle in the
// system font of 12 points at brightness 0.6 and saturation at most 0.4.
XAAttributedString XADiagnosticInfoText(const XADiagnosticGroup &group);
// The count pill's colour: white 0.3 up to 40 diagnostics, (135, 101, 101) above; white 0.5 when highlighted.
QColor XADiagnosticCountPillColor(std::size_t count);
QColor XADiagnosticCountHighlightedPillColor();

// The tool tips of the icon columns; none for other columns and groups without diagnostics.
std::optional<QString> XADiagnosticRowToolTip(const XADiagnosticTableRow &row, const QString &columnIdentifier);
