#pragma once

// The filter field above the diagnostics table: a one-line text field in a dark capsule whose finished expressions
// (ended with Return or Tab) become tokens, each drawn by a XATokenTextAttachmentCell that its delegate makes.
// Completions for the text being typed come from the delegate through a completer; pasted text arrives plain. The
// text is always white 0.9 on the capsule, with a white insertion point and a blue-grey selection.

#include "app/diagnostics/XATokenTextAttachmentCell.h"

#include <QPointer>
#include <QStringList>
#include <QTextEdit>

#include <memory>

class QCompleter;
class QStringListModel;
class XATokenField;

// The editing commands the field reports to its delegate before performing them.
enum class XATokenFieldCommand { DeleteBackward, DeleteForward };

class XATokenFieldDelegate {
public:
    virtual ~XATokenFieldDelegate() = default;
    // The tokens to add at the index in place of those finished; all of them by default.
    virtual QStringList shouldAddObjects(const QStringList &tokens, int index) {
        (void)index;
        return tokens;
    }
    // Answers whether the delegate performed the command itself; the field performs it when not.
    virtual bool doCommandBySelector(XATokenField *field, XATokenFieldCommand command) {
        (void)field;
        (void)command;
        return false;
    }
    virtual std::unique_ptr<XATokenTextAttachmentCell> attachmentCellForRepresentedObject(const QString &token) {
        return std::make_unique<XATokenTextAttachmentCell>(token);
    }
    virtual QStringList completionsForSubstring(const QString &substring) {
        (void)substring;
        return {};
    }
};

class XATokenField : public QTextEdit {
public:
    explicit XATokenField(QWidget *parent = nullptr);
    ~XATokenField() override;

    void setDelegate(XATokenFieldDelegate *delegate) { delegate_ = delegate; }
    XATokenFieldDelegate *delegate() const { return delegate_; }

    // The tokens in order, followed by the unfinished text when there is any.
    QStringList objectValue() const;
    QStringList tokens() const;
    // The typed text that is not (yet) a token.
    QString editingText() const;
    // Replaces the whole content with the tokens.
    void setTokens(const QStringList &tokens);
    // Whether the field holds tokens or text.
    bool hasContent() const;

    // The text colour is fixed: white 0.9.
    static QColor textColor();
    void setTextColor(const QColor &) {}
    void setPlaceholderString(const QString &text) { setPlaceholderText(text); }

    // Turns the unfinished text into a token, as Return and Tab do.
    void tokenizeEditingText();
    QCompleter *completer() const { return completer_; }
    // The cell that draws the token at the text position (tests and the text layout).
    XATokenTextAttachmentCell *cellAtPosition(int position) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class TokenObject;

    void insertToken(QTextCursor &cursor, const QString &token);
    void updateCompletions();
    void insertCompletion(const QString &completion);
    void keepTextFormat();
    void updateCapsule();

    XATokenFieldDelegate *delegate_ = nullptr;
    TokenObject *tokenObject_ = nullptr;
    QCompleter *completer_ = nullptr;
    QStringListModel *completionModel_ = nullptr;
    bool updatingCompletions_ = false;
};
