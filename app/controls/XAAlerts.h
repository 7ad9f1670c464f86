#pragma once

// Alerts in one call. Every alert of the desktop goes through one presenter: the real one shows a message box (as a
// window-modal sheet when a window is given, else application-modal); tests install a scripted one.
//
// The response handed to a handler is 1000 for the first button, 1001 for the second, and so on.

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

enum class XAAlertStyle { Warning = 0, Informational = 1, Critical = 2 };

inline constexpr int XAAlertFirstButtonReturn = 1000;

struct XAAlert {
    XAAlert() = default;
    XAAlert(QString title, QString message, XAAlertStyle style = XAAlertStyle::Warning, QStringList buttons = {})
        : title(std::move(title)), message(std::move(message)), style(style), buttons(std::move(buttons)) {}

    QString title;   // the message text
    QString message; // the informative text
    XAAlertStyle style = XAAlertStyle::Warning;
    QStringList buttons; // no button gives one "OK" button
    // Optional check boxes: the suppression box under the text ("Remember my choice") and one more as accessory.
    // The handler receives the alert with the states they had when it was dismissed.
    std::optional<QString> suppressionButtonTitle;
    bool suppressionButtonChecked = false;
    std::optional<QString> accessoryCheckBoxTitle;
    bool accessoryCheckBoxChecked = false;
};

class XAAlertPresenter {
public:
    using Handler = std::function<void(const XAAlert &alert, int response)>;
    virtual ~XAAlertPresenter() = default;

    // Shows the alert; calls the handler, when given, once it is dismissed (at once for a modal alert).
    virtual void present(const XAAlert &alert, QWidget *window, Handler handler) = 0;

    static XAAlertPresenter &shared();
    // Replaces the shared presenter (tests); an empty pointer restores the real one.
    static void setShared(std::shared_ptr<XAAlertPresenter> presenter);
};

// A new alert, not shown: one button per string element of `buttons`, in order; other elements are skipped.
XAAlert xa_alertWithTitle(const QString &title, const QString &message, XAAlertStyle style,
                          const QVariantList &buttons);
// An informational alert with one "OK" button, run modally.
void xa_showOKTitle(const QString &title, const QString &message);
// Shown as a sheet on the window, or modally without one; the handler, when given, runs on dismissal.
void xa_showInWindow(QWidget *window, const QString &title, const QString &message, XAAlertStyle style,
                     const QVariantList &buttons, XAAlertPresenter::Handler handler);
// The same with the informational style.
void xa_showInWindow(QWidget *window, const QString &title, const QString &message, const QVariantList &buttons,
                     XAAlertPresenter::Handler handler);
