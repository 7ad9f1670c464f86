#pragma once

// The window of every window controller: a dialog (so that it can also run as a window-modal sheet) whose content
// view can be swapped, with a frame autosave name and an initial first responder. It posts the will-close and
// did-become-main notifications with itself as object.
//
// A window with a frame autosave name remembers its size: one that differs, when the window is hidden, from the size
// it was shown at is kept in the user's settings ("WindowSize <name>") and given to every window of that name when it
// is shown. Every window is shown no larger than its screen's free area.

#include <QDialog>
#include <QPointer>
#include <QSize>

#include <optional>

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

    // The size kept for the autosave name, if any.
    std::optional<QSize> savedSize() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    XAWindowController *controller_;
    QStackedLayout *contentLayout_;
    QString frameAutosaveName_;
    QPointer<QWidget> initialFirstResponder_;
    bool closing_ = false;
    QSize shownSize_;
};
