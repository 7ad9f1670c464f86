#include "app/shell/XAWindow.h"

#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAWindowController.h"

#include "core/XAUserDefaults.h"

#include <QCloseEvent>
#include <QEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStackedLayout>

XAWindow::XAWindow(XAWindowController *controller, QWidget *parent)
    : QDialog(parent), controller_(controller), contentLayout_(new QStackedLayout(this)) {
    contentLayout_->setContentsMargins(0, 0, 0, 0);
    setContentView(new QWidget(this));
}

QWidget *XAWindow::contentView() const { return contentLayout_->currentWidget(); }

void XAWindow::setContentView(QWidget *view) {
    if (contentLayout_->indexOf(view) < 0) {
        contentLayout_->addWidget(view);
    }
    contentLayout_->setCurrentWidget(view);
}

void XAWindow::reject() {
    if (!closing_ && controller_ && !controller_->windowShouldClose()) {
        return;
    }
    QDialog::reject();
}

void XAWindow::closeEvent(QCloseEvent *event) {
    if (controller_ && event->spontaneous() && !controller_->windowShouldClose()) {
        event->ignore();
        return;
    }
    XANotificationCenter::defaultCenter().post({XAWindowWillCloseNotificationName, this, {}});
    // The dialog's own close goes through reject(), which must not ask again.
    closing_ = true;
    QDialog::closeEvent(event);
    closing_ = false;
}

namespace {

std::string sizeKey(const QString &autosaveName) { return "WindowSize " + autosaveName.toStdString(); }

} // namespace

std::optional<QSize> XAWindow::savedSize() const {
    if (frameAutosaveName_.isEmpty()) {
        return std::nullopt;
    }
    const std::optional<XAValue> saved = XAUserDefaults::standard().objectForKey(sizeKey(frameAutosaveName_));
    const XAValue::Array *pair = saved ? saved->array() : nullptr;
    if (!pair || pair->size() != 2 || !(*pair)[0].integer() || !(*pair)[1].integer()) {
        return std::nullopt;
    }
    const QSize size(int(*(*pair)[0].integer()), int(*(*pair)[1].integer()));
    return size.isEmpty() ? std::nullopt : std::optional(size);
}

void XAWindow::showEvent(QShowEvent *event) {
    if (!event->spontaneous()) {
        QSize size = savedSize().value_or(this->size());
        if (const QScreen *shownOn = screen()) {
            size = size.boundedTo(shownOn->availableGeometry().size());
        }
        resize(size.expandedTo(minimumSize()));
        shownSize_ = this->size();
    }
    QDialog::showEvent(event);
}

void XAWindow::hideEvent(QHideEvent *event) {
    if (!event->spontaneous() && !frameAutosaveName_.isEmpty() && shownSize_.isValid() && size() != shownSize_) {
        XAUserDefaults::standard().setObject(
            sizeKey(frameAutosaveName_),
            XAValue(XAValue::Array{XAValue(std::int64_t(width())), XAValue(std::int64_t(height()))}));
    }
    QDialog::hideEvent(event);
}

void XAWindow::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        XANotificationCenter::defaultCenter().post({XAWindowDidBecomeMainNotificationName, this, {}});
    }
}
