#include "app/config/XAConfigTableRow.h"

#include "core/XAXMLText.h"

#include <QFontDatabase>

namespace {

QString whiteLevel(double level) { return QColor::fromRgbF(level, level, level).name(); }

QString escaped(const std::string &text) { return QString::fromStdString(text).toHtmlEscaped(); }

XAOptionValueCell textFieldCell(const XAConfigurationOption &option, const QColor &color, bool editable) {
    XAOptionValueCell cell;
    cell.kind = XAOptionValueCell::Kind::TextField;
    cell.editable = editable;
    cell.placeholder = QString::fromStdString(option.valueTypeExample());
    cell.font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    cell.font.setPointSize(11);
    cell.foregroundColor = color;
    return cell;
}

XAOptionValueCell popUpCell(const XAConfigurationOption &option) {
    XAOptionValueCell cell;
    cell.kind = XAOptionValueCell::Kind::PopUp;
    cell.editable = true;
    for (const XAOptionValue &value : option.allowedValues()) {
        cell.items << (value.isNull() ? XANoValuePopUpTitle : QString::fromStdString(value.description()));
    }
    return cell;
}

} // namespace

XAConfigTableRow XAConfigTableRow::initGroupRowWithTitle(QString title) {
    XAConfigTableRow row;
    row.isGroupRow_ = true;
    row.title_ = std::move(title);
    return row;
}

XAConfigTableRow XAConfigTableRow::initMainOptionRowWithOption(const XAConfigurationOption &option) {
    XAConfigTableRow row;
    row.option_ = option;
    return row;
}

XAConfigTableRow XAConfigTableRow::initRuleOptionRowWithOption(const XAConfigurationOption &option,
                                                               XARuleOptionGroup group) {
    XAConfigTableRow row;
    row.isRuleOptionRow_ = true;
    row.option_ = option;
    row.optionGroup_ = std::move(group);
    return row;
}

QString XAConfigTableRow::attributedTitleForGroupRowSelected(bool selected) const {
    return QStringLiteral("<span style=\"font-weight:bold; font-size:12pt; color:%1\">%2</span>")
        .arg(whiteLevel(selected ? 1.0 : 0.9), title_.toHtmlEscaped());
}

QString XAConfigTableRow::attributedTitleForOptionDescriptionCellSelected(bool) const {
    if (!option_) {
        return {};
    }
    const QString description = escaped(xa_stringByStrippingXMLTags(option_->optionDescription()));
    const QString info = escaped(xa_stringByStrippingXMLTags(option_->optionInfo().value_or("")));
    return QStringLiteral("<div style=\"white-space:nowrap\"><b style=\"color:%1\">%2</b>"
                          "<span style=\"font-family:monospace; color:%3\"> (%4)</span></div>"
                          "<div style=\"font-size:12pt; color:%3\">%5</div>")
        .arg(whiteLevel(0.9), description, whiteLevel(0.7), escaped(option_->longName()), info);
}

XAOptionValueCell XAConfigTableRow::valueCellWithForegroundColor(const QColor &color) const {
    if (!option_) {
        return {};
    }
    switch (option_->valueType()) {
    case XAOptionValueTypeFilePath:
    case XAOptionValueTypeString:
    case XAOptionValueTypeRegex:
        return option_->allowedValues().empty() ? textFieldCell(*option_, color, true) : popUpCell(*option_);
    case XAOptionValueTypeBool: {
        XAOptionValueCell cell;
        cell.kind = XAOptionValueCell::Kind::CheckBox;
        cell.editable = true;
        return cell;
    }
    case XAOptionValueTypePositiveInteger:
    case XAOptionValueTypeDecimal:
        return textFieldCell(*option_, color, true);
    case XAOptionValueTypeStringArray:
    case XAOptionValueTypeOrderedStringArray:
    case XAOptionValueTypeRegexArray:
    case XAOptionValueTypeNumberArray:
        return textFieldCell(*option_, color, false);
    default:
        return {};
    }
}
