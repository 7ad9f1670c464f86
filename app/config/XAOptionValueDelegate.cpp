#include "app/config/XAOptionValueDelegate.h"

#include "app/config/XAConfigurationViewController.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QTextDocument>

XAOptionValueDelegate::XAOptionValueDelegate(XAConfigurationViewController *controller, QObject *parent)
    : QStyledItemDelegate(parent), controller_(controller) {}

void XAOptionValueDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const {
    if (!controller_) {
        return;
    }
    const XAConfigTableRow &row = controller_->optionRows().at(std::size_t(index.row()));
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->fillRect(option.rect, option.palette.highlight());
    }
    if (row.isGroupRow()) {
        paintRichText(painter, option, row.attributedTitleForGroupRowSelected(selected));
    } else if (index.column() == XAConfigurationViewController::OptionColumn) {
        paintRichText(painter, option, row.attributedTitleForOptionDescriptionCellSelected(selected));
    } else if (controller_->dataCell(index.column(), index.row()).kind == XAOptionValueCell::Kind::TextField) {
        paintText(painter, option, index);
    } else {
        QStyledItemDelegate::paint(painter, option, index);
    }
}

void XAOptionValueDelegate::paintRichText(QPainter *painter, const QStyleOptionViewItem &option,
                                          const QString &html) const {
    QTextDocument document;
    document.setDefaultFont(option.font);
    document.setHtml(html);
    document.setTextWidth(option.rect.width() - 8);
    painter->save();
    painter->translate(option.rect.topLeft() + QPoint(4, 2));
    painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()));
    document.documentLayout()->draw(painter, {});
    painter->restore();
}

// The value in the cell's fixed-pitch font, or the option's placeholder, dimmed, when there is none.
void XAOptionValueDelegate::paintText(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const {
    const XAOptionValueCell cell = controller_->dataCell(index.column(), index.row());
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->save();
    painter->setFont(cell.font);
    QColor color = cell.foregroundColor;
    if (text.isEmpty()) {
        color.setAlphaF(0.35);
    }
    painter->setPen(color);
    const QRect area = option.rect.adjusted(6, 0, -6, 0);
    const QString shown = text.isEmpty() ? cell.placeholder : text;
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(cell.font).elidedText(shown, Qt::ElideRight, area.width()));
    painter->restore();
}

QWidget *XAOptionValueDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                             const QModelIndex &index) const {
    if (!controller_) {
        return nullptr;
    }
    const XAOptionValueCell cell = controller_->dataCell(index.column(), index.row());
    if (cell.kind == XAOptionValueCell::Kind::PopUp) {
        auto *popUp = new QComboBox(parent);
        popUp->addItems(cell.items);
        popUp->setStyleSheet(QStringLiteral("QComboBox { background-color: rgb(80, 80, 80); color: rgb(230, 230, "
                                            "230); border-radius: 3px; padding: 2px 8px; margin: 10px 0px; }"));
        auto *self = const_cast<XAOptionValueDelegate *>(this);
        connect(popUp, &QComboBox::activated, self, [self, popUp] { emit self->commitData(popUp); });
        return popUp;
    }
    if (cell.kind == XAOptionValueCell::Kind::TextField && cell.editable) {
        auto *field = new QLineEdit(parent);
        field->setFont(cell.font);
        field->setPlaceholderText(cell.placeholder);
        field->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(35, 35, 35); color: %1; }")
                                 .arg(cell.foregroundColor.name()));
        return field;
    }
    return nullptr;
}

void XAOptionValueDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    const QVariant value = index.data(Qt::EditRole);
    if (auto *popUp = qobject_cast<QComboBox *>(editor)) {
        popUp->setCurrentIndex(value.toInt());
    } else if (auto *field = qobject_cast<QLineEdit *>(editor)) {
        field->setText(value.toString());
    }
}

void XAOptionValueDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const {
    if (auto *popUp = qobject_cast<QComboBox *>(editor)) {
        if (popUp->currentIndex() != index.data(Qt::EditRole).toInt()) {
            model->setData(index, popUp->currentIndex(), Qt::EditRole);
        }
    } else if (auto *field = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, field->text(), Qt::EditRole);
    }
}
