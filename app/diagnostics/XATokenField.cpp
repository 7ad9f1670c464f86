#include "app/diagnostics/XATokenField.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QCompleter>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStringListModel>
#include <QTextBlock>
#include <QTextObjectInterface>

#include <cstring>
#include <map>

namespace {

constexpr int kTokenObjectType = QTextFormat::UserObject + 43;
constexpr int kTokenTextProperty = QTextFormat::UserProperty + 43;
constexpr int kFieldHeight = 24;

QColor selectionBackground() { return QColor(57, 81, 133); }

} // namespace

// Lays out and draws the tokens of the field's text through the cells its delegate makes.
class XATokenField::TokenObject : public QObject, public QTextObjectInterface {
public:
    explicit TokenObject(XATokenField *field) : QObject(field), field_(field) {}

    void *qt_metacast(const char *name) override {
        if (name && std::strcmp(name, qobject_interface_iid<QTextObjectInterface *>()) == 0) {
            return static_cast<QTextObjectInterface *>(this);
        }
        return QObject::qt_metacast(name);
    }

    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &format) override {
        return cellFor(format.property(kTokenTextProperty).toString())->cellSize();
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int position,
                    const QTextFormat &format) override {
        XATokenTextAttachmentCell *cell = cellFor(format.property(kTokenTextProperty).toString());
        cell->setTokenDrawingMode(isSelected(position) ? 2 : 0);
        cell->drawTokenWithFrame(painter, rect);
    }

    XATokenTextAttachmentCell *cellFor(const QString &token) {
        auto found = cells_.find(token);
        if (found == cells_.end()) {
            std::unique_ptr<XATokenTextAttachmentCell> cell =
                field_->delegate() ? field_->delegate()->attachmentCellForRepresentedObject(token) : nullptr;
            if (!cell) {
                cell = std::make_unique<XATokenTextAttachmentCell>(token);
            }
            cell->setFont(field_->font());
            found = cells_.emplace(token, std::move(cell)).first;
        }
        return found->second.get();
    }

    void forgetCells() { cells_.clear(); }

private:
    bool isSelected(int position) const {
        const QTextCursor cursor = field_->textCursor();
        return field_->hasFocus() && cursor.hasSelection() && position >= cursor.selectionStart() &&
               position < cursor.selectionEnd();
    }

    XATokenField *field_;
    std::map<QString, std::unique_ptr<XATokenTextAttachmentCell>> cells_;
};

XATokenField::XATokenField(QWidget *parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    setFixedHeight(kFieldHeight);
    document()->setDocumentMargin(3);
    tokenObject_ = new TokenObject(this);
    document()->documentLayout()->registerHandler(kTokenObjectType, tokenObject_);

    QPalette colours = palette();
    colours.setColor(QPalette::Text, textColor());
    colours.setColor(QPalette::Highlight, selectionBackground());
    colours.setColor(QPalette::HighlightedText, textColor());
    colours.setColor(QPalette::PlaceholderText, QColor::fromRgbF(0.5f, 0.5f, 0.5f));
    setPalette(colours);
    setCursorWidth(1);
    updateCapsule();

    completionModel_ = new QStringListModel(this);
    completer_ = new QCompleter(completionModel_, this);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setWidget(this);
    connect(completer_, qOverload<const QString &>(&QCompleter::activated), this,
            [this](const QString &completion) { insertCompletion(completion); });
    connect(this, &QTextEdit::textChanged, this, [this] {
        keepTextFormat();
        updateCompletions();
    });
}

XATokenField::~XATokenField() = default;

QColor XATokenField::textColor() { return QColor::fromRgbF(0.9f, 0.9f, 0.9f); }

void XATokenField::updateCapsule() {
    // A capsule: the corner radius is half the height, whatever the height.
    setStyleSheet(QStringLiteral("QTextEdit { background-color: rgb(20, 20, 20); border: 1px solid rgb(20, 20, 20);"
                                 " border-radius: %1px; padding-left: 4px; padding-right: 4px; }")
                      .arg(height() / 2));
}

void XATokenField::resizeEvent(QResizeEvent *event) {
    QTextEdit::resizeEvent(event);
    updateCapsule();
}

QStringList XATokenField::tokens() const {
    QStringList result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().objectType() != kTokenObjectType) {
                continue;
            }
            // Adjacent tokens with equal formats may share one fragment: one token per replacement character.
            for (int i = 0; i < fragment.length(); ++i) {
                result.append(fragment.charFormat().property(kTokenTextProperty).toString());
            }
        }
    }
    return result;
}

QString XATokenField::editingText() const {
    QString text = toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    return text.trimmed();
}

QStringList XATokenField::objectValue() const {
    QStringList value = tokens();
    if (!editingText().isEmpty()) {
        value.append(editingText());
    }
    return value;
}

bool XATokenField::hasContent() const { return !toPlainText().isEmpty(); }

void XATokenField::setTokens(const QStringList &tokens) {
    clear();
    QTextCursor cursor(document());
    for (const QString &token : tokens) {
        insertToken(cursor, token);
    }
    setTextCursor(cursor);
}

void XATokenField::insertToken(QTextCursor &cursor, const QString &token) {
    QTextCharFormat format;
    format.setObjectType(kTokenObjectType);
    format.setProperty(kTokenTextProperty, token);
    format.setToolTip(token);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
    cursor.setCharFormat(QTextCharFormat());
}

XATokenTextAttachmentCell *XATokenField::cellAtPosition(int position) const {
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    const QTextCharFormat format = cursor.charFormat();
    if (format.objectType() != kTokenObjectType) {
        return nullptr;
    }
    return tokenObject_->cellFor(format.property(kTokenTextProperty).toString());
}

void XATokenField::tokenizeEditingText() {
    const QString text = editingText();
    if (text.isEmpty()) {
        return;
    }
    const QStringList finished{text};
    const int index = static_cast<int>(tokens().size());
    const QStringList accepted = delegate_ ? delegate_->shouldAddObjects(finished, index) : finished;
    // The unfinished text is what follows the last token; it is replaced by the accepted tokens.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const QString plain = toPlainText();
    const int lastToken = static_cast<int>(plain.lastIndexOf(QChar::ObjectReplacementCharacter));
    cursor.setPosition(lastToken + 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    for (const QString &token : accepted) {
        insertToken(cursor, token);
    }
    setTextCursor(cursor);
    completer_->popup()->hide();
}

void XATokenField::keyPressEvent(QKeyEvent *event) {
    if (completer_->popup()->isVisible() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Tab)) {
        event->ignore(); // the completer's popup takes the choice
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        tokenizeEditingText();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: {
        const XATokenFieldCommand command = event->key() == Qt::Key_Backspace ? XATokenFieldCommand::DeleteBackward
                                                                              : XATokenFieldCommand::DeleteForward;
        if (delegate_ && delegate_->doCommandBySelector(this, command)) {
            return;
        }
        break;
    }
    default:
        break;
    }
    QTextEdit::keyPressEvent(event);
}

void XATokenField::focusOutEvent(QFocusEvent *event) {
    QTextEdit::focusOutEvent(event);
    viewport()->update(); // tokens are drawn selected only while the field has the focus
}

bool XATokenField::canInsertFromMimeData(const QMimeData *source) const { return source->hasText(); }

void XATokenField::insertFromMimeData(const QMimeData *source) {
    // Styled text loses its attributes; line breaks would leave the one line.
    QString text = source->text();
    text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    QTextCursor cursor = textCursor();
    cursor.insertText(text, QTextCharFormat());
    setTextCursor(cursor);
}

void XATokenField::keepTextFormat() {
    QTextCharFormat format = currentCharFormat();
    if (format.objectType() == kTokenObjectType || format.foreground().color() != textColor()) {
        QTextCharFormat plain;
        plain.setForeground(textColor());
        setCurrentCharFormat(plain);
    }
}

void XATokenField::updateCompletions() {
    if (updatingCompletions_ || !delegate_) {
        return;
    }
    const QString typed = editingText();
    if (typed.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    completionModel_->setStringList(delegate_->completionsForSubstring(typed));
    completer_->setCompletionPrefix(typed);
    if (completer_->completionCount() > 0 && hasFocus()) {
        completer_->complete(QRect(cursorRect().left(), 0, 240, height()));
    } else {
        completer_->popup()->hide();
    }
}

void XATokenField::insertCompletion(const QString &completion) {
    updatingCompletions_ = true;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const int lastToken = static_cast<int>(toPlainText().lastIndexOf(QChar::ObjectReplacementCharacter));
    cursor.setPosition(lastToken + 1, QTextCursor::KeepAnchor);
    cursor.insertText(completion, QTextCharFormat());
    setTextCursor(cursor);
    updatingCompletions_ = false;
}
