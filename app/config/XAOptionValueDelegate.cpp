#include "app/config/XAOptionValueDelegate.h"

#include "app/config/XAConfigurationViewController.h"
#include "app/controls/XAButtons.h"
#include "app/controls/XAControlCellDelegates.h"
#include "app/controls/XATextFieldCell.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {

// One line of styled pieces from the left edge of the rectangle, on a common baseline; a piece that does not fit is
// cut off with an ellipsis and the pieces after it are left out.
void drawLine(QPainter *painter, const QRectF &rect, std::initializer_list<const XAStyledText *> pieces) {
    double ascent = 0;
    for (const XAStyledText *piece : pieces) {
        ascent = std::max(ascent, QFontMetricsF(piece->font).ascent());
    }
    double x = rect.left();
    for (const XAStyledText *piece : pieces) {
        const QFontMetricsF metrics(piece->font);
        const double room = rect.right() - x;
        if (room <= 0) {
            return;
        }
        const QString shown = metrics.elidedText(piece->text, Qt::ElideRight, room);
        painter->setFont(piece->font);
        painter->setPen(piece->color);
        painter->drawText(QPointF(x, rect.top() + ascent), shown);
        if (shown != piece->text) {
            return;
        }
        x += metrics.horizontalAdvance(shown);
    }
}

double lineHeight(std::initializer_list<const XAStyledText *> pieces) {
    double height = 0;
    for (const XAStyledText *piece : pieces) {
        height = std::max(height, QFontMetricsF(piece->font).height());
    }
    return height;
}

// Text wrapped by words in the rectangle's width, from its top. Only whole lines are drawn; when the text needs more
// lines than fit, the last line that fits ends in an ellipsis.
void drawWrapped(QPainter *painter, const QRectF &rect, const XAStyledText &text) {
    if (text.text.isEmpty() || rect.width() <= 0) {
        return;
    }
    QTextLayout layout(text.text, text.font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    painter->setFont(text.font);
    painter->setPen(text.color);
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        if (line.y() + line.height() > rect.height()) {
            return;
        }
        const bool lastThatFits = index + 1 < layout.lineCount() &&
                                  layout.lineAt(index + 1).y() + layout.lineAt(index + 1).height() > rect.height();
        if (lastThatFits) {
            const QString rest = text.text.mid(line.textStart()).simplified();
            const QString shown =
                QFontMetricsF(text.font).elidedText(rest + QChar(0x2026), Qt::ElideRight, rect.width());
            painter->drawText(QPointF(rect.left(), rect.top() + line.y() + line.ascent()), shown);
            return;
        }
        line.draw(painter, rect.topLeft());
    }
}

} // namespace

XAOptionValueDelegate::XAOptionValueDelegate(XAConfigurationViewController *controller, QObject *parent)
    : QStyledItemDelegate(parent), controller_(controller), textCell_(new XATextFieldCell(this)),
      checkBoxCell_(new XACheckBoxCellDelegate(this)) {}

QRect XAOptionValueDelegate::cellFrame(const QRect &itemRect) {
    const int dx = XAConfigurationViewController::IntercellWidth / 2;
    const int dy = XAConfigurationViewController::IntercellHeight / 2;
    return itemRect.adjusted(dx, dy, -dx, -dy);
}

void XAOptionValueDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const {
    if (!controller_) {
        return;
    }
    const XAConfigTableRow &row = controller_->optionRows().at(std::size_t(index.row()));
    const QRect frame = cellFrame(option.rect);
    painter->save();
    painter->setClipRect(frame, Qt::IntersectClip);
    if (row.isGroupRow()) {
        const XAGroupRowTitle title = row.attributedTitleForGroupRowSelected(xa_isOnSelectedRowInTableView(option));
        XAStyledText shadow = title.title;
        shadow.color = title.shadowColor;
        drawLine(painter, QRectF(frame).translated(title.shadowOffset), {&shadow});
        drawLine(painter, frame, {&title.title});
    } else if (index.column() == XAConfigurationViewController::OptionColumn) {
        const XAOptionDescriptionTitle title =
            row.attributedTitleForOptionDescriptionCellSelected(xa_isOnSelectedRowInTableView(option));
        const double firstLine = lineHeight({&title.description, &title.longName});
        drawLine(painter, frame, {&title.description, &title.longName});
        drawWrapped(painter, QRectF(frame).adjusted(0, firstLine, 0, 0), title.info);
    } else {
        const XAOptionValueCell cell = controller_->dataCell(index.column(), index.row());
        QStyleOptionViewItem cellOption = option;
        cellOption.rect = frame;
        if (cell.kind == XAOptionValueCell::Kind::TextField) {
            cellOption.font = cell.font;
            textCell_->setPlaceholderString(cell.placeholder.isEmpty() ? std::nullopt
                                                                       : std::optional(cell.placeholder));
            textCell_->paint(painter, cellOption, index);
        } else if (cell.kind == XAOptionValueCell::Kind::CheckBox) {
            checkBoxCell_->paint(painter, cellOption, index);
        }
        // A pop-up is a control of its own that stays open over its cell.
    }
    painter->restore();
}

QWidget *XAOptionValueDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                             const QModelIndex &index) const {
    if (!controller_) {
        return nullptr;
    }
    const XAOptionValueCell cell = controller_->dataCell(index.column(), index.row());
    if (cell.kind == XAOptionValueCell::Kind::PopUp) {
        auto *popUp = new XAPopUpButton(parent);
        popUp->cell().xa_setStyle(2);
        popUp->setFont(cell.font);
        popUp->addItems(cell.items);
        auto *self = const_cast<XAOptionValueDelegate *>(this);
        connect(popUp, &QComboBox::activated, self, [self, popUp] { emit self->commitData(popUp); });
        return popUp;
    }
    if (cell.kind == XAOptionValueCell::Kind::TextField && cell.editable) {
        QStyleOptionViewItem cellOption = option;
        cellOption.font = cell.font;
        QWidget *editor = textCell_->createEditor(parent, cellOption, index);
        if (auto *field = qobject_cast<QLineEdit *>(editor)) {
            field->setFont(cell.font);
            field->setFrame(false);
            field->setPlaceholderText(cell.placeholder);
        }
        return editor;
    }
    return nullptr;
}

void XAOptionValueDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                 const QModelIndex &) const {
    const QRect frame = cellFrame(option.rect);
    if (dynamic_cast<XAPopUpButton *>(editor)) {
        // The pop-up's bezel as a table row draws it: 22 points high at most, centred, 3 points in from each side.
        editor->setGeometry(XAPopUpButtonCell::bezelFrame(frame, true).toAlignedRect());
        return;
    }
    // The text field lies over the first line of the cell, where its text is drawn.
    const int height = std::min(frame.height(), QFontMetrics(editor->font()).height() + 4);
    editor->setGeometry(frame.x(), frame.y() - 2, frame.width(), height);
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

bool XAOptionValueDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) {
    if (!controller_ || !(index.flags() & Qt::ItemIsUserCheckable)) {
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
    // The check box takes the clicks of its whole cell, as a button cell of a table tracks the mouse in its frame.
    bool toggles = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        return mouse->button() == Qt::LeftButton && cellFrame(option.rect).contains(mouse->position().toPoint());
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        toggles = mouse->button() == Qt::LeftButton && cellFrame(option.rect).contains(mouse->position().toPoint());
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        toggles = key == Qt::Key_Space || key == Qt::Key_Select;
        break;
    }
    default:
        break;
    }
    if (!toggles) {
        return false;
    }
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

bool XAOptionValueDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) {
    if (controller_ && controller_->dataCell(index.column(), index.row()).kind == XAOptionValueCell::Kind::TextField) {
        // A value wider than its cell shows in full in a tool tip.
        QStyleOptionViewItem cellOption = option;
        cellOption.rect = cellFrame(option.rect);
        cellOption.font = controller_->dataCell(index.column(), index.row()).font;
        return textCell_->helpEvent(event, view, cellOption, index);
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
