#pragma once

// The window of every window controller: a dialog (so that it can also run as a window-modal sheet) whose content
// view can be swapped, with a frame autosave name and an initial first responder. It posts the will-close and
// did-become-main notifications with itself as object.

#include <QDialog>
#include <QPointer>

class QStackedLayout;
class XAWindowController;

class XAWindow : public QDialog {
public:
    explicit XAWindow(XAWindowController *controller, QWidget *parent = nullptr);

    XAWindowController *controller() const { return controller_; }

    QWidget *contentView() const;
    // Makes the view the visible content; the previous content stays a hidden child of the window.
    void setContentView(QWidget *view);

    QString frameAutosaveName() const { return frameAutosaveName_; }
    void setFrameAutosaveName(const QString &name) { frameAutosaveName_ = name; }
    QWidget *initialFirstResponder() const { return initialFirstResponder_; }
    void setInitialFirstResponder(QWidget *responder) { initialFirstResponder_ = responder; }

    // Escape: closes only when the controller agrees.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    XAWindowController *controller_;
    QStackedLayout *contentLayout_;
    QString frameAutosaveName_;
    QPointer<QWidget> initialFirstResponder_;
    bool closing_ = false;
};
