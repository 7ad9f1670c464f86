#include "app/config/XAConfigTableRow.h"

#include "app/controls/XAQtConversions.h"
#include "core/XAXMLText.h"

#include <QFontDatabase>

namespace {

QColor white(double level) { return QColor::fromRgbF(float(level), float(level), float(level)); }

QFont systemFont(double size, bool bold = false) {
    QFont font = xa_fontWithSize(QFontDatabase::systemFont(QFontDatabase::GeneralFont), size);
    font.setBold(bold);
    return font;
}

QFont fixedPitchFont(double size) { return xa_fontWithSize(QFontDatabase::systemFont(QFontDatabase::FixedFont), size); }

XAOptionValueCell textFieldCell(const XAConfigurationOption &option, const QColor &color, bool editable) {
    XAOptionValueCell cell;
    cell.kind = XAOptionValueCell::Kind::TextField;
    cell.editable = editable;
    cell.placeholder = QString::fromStdString(option.valueTypeExample());
    cell.font = fixedPitchFont(11);
    cell.foregroundColor = color;
    return cell;
}

XAOptionValueCell popUpCell(const XAConfigurationOption &option) {
    XAOptionValueCell cell;
    cell.kind = XAOptionValueCell::Kind::PopUp;
    cell.editable = true;
    cell.font = systemFont(12);
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

XAGroupRowTitle XAConfigTableRow::attributedTitleForGroupRowSelected(bool selected) const {
    return {{title_, systemFont(12, true), white(selected ? 1.0 : 0.9)}, white(0.0), QPointF(0, 1)};
}

XAOptionDescriptionTitle XAConfigTableRow::attributedTitleForOptionDescriptionCellSelected(bool) const {
    if (!option_) {
        return {};
    }
    const QString description = QString::fromStdString(xa_stringByStrippingXMLTags(option_->optionDescription()));
    const QString info = QString::fromStdString(xa_stringByStrippingXMLTags(option_->optionInfo().value_or("")));
    return {{description, systemFont(12, true), white(0.9)},
            {QStringLiteral(" (%1)").arg(QString::fromStdString(option_->longName())), fixedPitchFont(11), white(0.7)},
            {info, systemFont(12), white(0.7)}};
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
