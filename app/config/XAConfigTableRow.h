#pragma once

// One row of the configuration table: a group heading, an application (main) option, or an option of a rule option
// group. The row also knows how it is presented: the styled titles of its option column and the kind of editor its
// value column gets. Font sizes are in the look's points (xa_fontWithSize).

#include "engine/config/XAConfigurationOption.h"
#include "engine/config/XARuleOption.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

// The editor of an option's value, by the option's value type.
struct XAOptionValueCell {
    enum class Kind { None, PopUp, CheckBox, TextField };
    Kind kind = Kind::None;
    bool editable = false;
    QStringList items;   // the pop-up's entries, one per allowed value
    QString placeholder; // text fields: the option's value-type example
    QFont font;
    QColor foregroundColor;
};

// A piece of text in one font and colour.
struct XAStyledText {
    QString text;
    QFont font;
    QColor color;
};

// A group heading: bold, with a black shadow one point below it.
struct XAGroupRowTitle {
    XAStyledText title;
    QColor shadowColor;
    QPointF shadowOffset; // y grows downwards
};

// The option column's title: a first line of the description in bold followed by " (long name)" in a fixed-pitch
// font, cut off with an ellipsis at its end when too long, and below it the option's explanation wrapped by words.
struct XAOptionDescriptionTitle {
    XAStyledText description;
    XAStyledText longName;
    XAStyledText info; // empty when the option has none
};

inline const QString XANoValuePopUpTitle = QStringLiteral("— no value —");

class XAConfigTableRow {
public:
    static XAConfigTableRow initGroupRowWithTitle(QString title);
    static XAConfigTableRow initMainOptionRowWithOption(const XAConfigurationOption &option);
    static XAConfigTableRow initRuleOptionRowWithOption(const XAConfigurationOption &option, XARuleOptionGroup group);

    bool isGroupRow() const { return isGroupRow_; }
    bool isRuleOptionRow() const { return isRuleOptionRow_; }
    // True for every row that is not a rule option row, group rows included: test isGroupRow first.
    bool isMainOptionRow() const { return !isRuleOptionRow_; }
    const QString &title() const { return title_; }
    // The option of an option row; null for a group row.
    const XAConfigurationOption *option() const { return option_ ? &*option_ : nullptr; }
    const std::optional<XARuleOptionGroup> &optionGroup() const { return optionGroup_; }

    // The heading in bold white (brighter when selected).
    XAGroupRowTitle attributedTitleForGroupRowSelected(bool selected) const;
    // The option's description without markup, its long name, then its explanation; the same whether selected or not.
    XAOptionDescriptionTitle attributedTitleForOptionDescriptionCellSelected(bool selected) const;
    XAOptionValueCell valueCellWithForegroundColor(const QColor &color) const;

private:
    bool isGroupRow_ = false;
    bool isRuleOptionRow_ = false;
    QString title_;
    std::optional<XAConfigurationOption> option_;
    std::optional<XARuleOptionGroup> optionGroup_;
};
