#include "app/controls/XAAlerts.h"
#include "app/shell/XASharedService.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

QMessageBox::Icon iconForStyle(XAAlertStyle style) {
    switch (style) {
    case XAAlertStyle::Critical:
        return QMessageBox::Critical;
    case XAAlertStyle::Informational:
        return QMessageBox::Information;
    case XAAlertStyle::Warning:
        break;
    }
    return QMessageBox::Warning;
}

// The alert's check boxes in the message box: the suppression box as its own check box, the accessory below it.
struct CheckBoxes {
    QPointer<QCheckBox> suppression;
    QPointer<QCheckBox> accessory;

    CheckBoxes(QMessageBox *box, const XAAlert &alert) {
        if (alert.suppressionButtonTitle) {
            suppression = new QCheckBox(*alert.suppressionButtonTitle, box);
            suppression->setChecked(alert.suppressionButtonChecked);
            box->setCheckBox(suppression);
        }
        if (alert.accessoryCheckBoxTitle) {
            accessory = new QCheckBox(*alert.accessoryCheckBoxTitle, box);
            accessory->setChecked(alert.accessoryCheckBoxChecked);
            if (suppression) {
                accessory->setFont(suppression->font());
            }
            if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
                grid->addWidget(accessory, grid->rowCount(), 1);
            }
        }
    }
    XAAlert statesInto(XAAlert alert) const {
        if (suppression) {
            alert.suppressionButtonChecked = suppression->isChecked();
        }
        if (accessory) {
            alert.accessoryCheckBoxChecked = accessory->isChecked();
        }
        return alert;
    }
};

class XAMessageBoxPresenter : public XAAlertPresenter {
public:
    void present(const XAAlert &alert, QWidget *window, Handler handler) override {
        // The title is the alert's first line; window managers show a window's title in its frame, where the
        // application's name is all an alert needs.
        auto *box = new QMessageBox(iconForStyle(alert.style), QGuiApplication::applicationDisplayName(), alert.title,
                                    QMessageBox::NoButton, window);
        box->setInformativeText(alert.message);
        box->setAttribute(Qt::WA_DeleteOnClose);
        const CheckBoxes checkBoxes(box, alert);
        const QStringList titles = alert.buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : alert.buttons;
        QList<QAbstractButton *> buttons;
        for (const QString &title : titles) {
            buttons.append(box->addButton(title, QMessageBox::AcceptRole));
        }
        auto responseOf = [buttons, box] {
            const qsizetype index = buttons.indexOf(box->clickedButton());
            return XAAlertFirstButtonReturn + static_cast<int>(index < 0 ? 0 : index);
        };
        if (window) {
            box->setWindowModality(Qt::WindowModal);
            QObject::connect(box, &QMessageBox::finished, box, [alert, handler, responseOf, checkBoxes](int) {
                if (handler) {
                    handler(checkBoxes.statesInto(alert), responseOf());
                }
            });
            box->open();
            return;
        }
        box->setAttribute(Qt::WA_DeleteOnClose, false);
        box->exec();
        const int response = responseOf();
        const XAAlert answered = checkBoxes.statesInto(alert);
        delete box;
        if (handler) {
            handler(answered, response);
        }
    }
};

using SharedPresenter = XASharedService<XAAlertPresenter, XAMessageBoxPresenter>;

} // namespace

XAAlertPresenter &XAAlertPresenter::shared() { return SharedPresenter::get(); }

void XAAlertPresenter::setShared(std::shared_ptr<XAAlertPresenter> presenter) {
    SharedPresenter::set(std::move(presenter));
}

XAAlert xa_alertWithTitle(const QString &title, const QString &message, XAAlertStyle style,
                          const QVariantList &buttons) {
    XAAlert alert{title, message, style, {}};
    for (const QVariant &button : buttons) {
        if (button.typeId() == QMetaType::QString) {
            alert.buttons.append(button.toString());
        }
    }
    return alert;
}

void xa_showOKTitle(const QString &title, const QString &message) {
    XAAlertPresenter::shared().present({title, message, XAAlertStyle::Informational, {QStringLiteral("OK")}}, nullptr,
                                       nullptr);
}

void xa_showInWindow(QWidget *window, const QString &title, const QString &message, XAAlertStyle style,
                     const QVariantList &buttons, XAAlertPresenter::Handler handler) {
    XAAlertPresenter::shared().present(xa_alertWithTitle(title, message, style, buttons), window, std::move(handler));
}

void xa_showInWindow(QWidget *window, const QString &title, const QString &message, const QVariantList &buttons,
                     XAAlertPresenter::Handler handler) {
    xa_showInWindow(window, title, message, XAAlertStyle::Informational, buttons, std::move(handler));
}
