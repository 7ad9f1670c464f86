#include "app/shell/XAWindowController.h"

#include "app/controls/XAProgressIndicator.h"
#include "app/controls/XAQtConversions.h"
#include "app/controls/XAViewExtensions.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include <chrono>

namespace {

std::function<XAWindowController *()> &latestVisiblePrimaryWindowProvider() {
    static std::function<XAWindowController *()> provider;
    return provider;
}

double secondsSinceReferenceDate() {
    constexpr double kReferenceDateUnixSeconds = 978307200.0; // 1 January 2001 UTC
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(now).count() - kReferenceDateUnixSeconds;
}

void setTextColor(QLabel *label, const QColor &color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

XAWindowController::XAWindowController() = default;

XAWindowController::~XAWindowController() { delete window_.data(); }

void XAWindowController::setLatestVisiblePrimaryWindowProvider(std::function<XAWindowController *()> provider) {
    latestVisiblePrimaryWindowProvider() = std::move(provider);
}

XAWindow *XAWindowController::window() {
    if (!window_) {
        window_ = new XAWindow(this);
        windowDidLoad();
    }
    return window_;
}

void XAWindowController::windowDidLoad() { buildLoadingView(); }

void XAWindowController::buildLoadingView() {
    loadingView_ = new QWidget(window_);
    auto *layout = new QVBoxLayout(loadingView_);
    loadingViewTextField_ = new QLabel(loadingView_);
    loadingViewSubtitleTextField_ = new QLabel(loadingView_);
    loadingViewProgressIndicator_ = new XAProgressIndicator(loadingView_);
    for (QLabel *label : {loadingViewTextField_.data(), loadingViewSubtitleTextField_.data()}) {
        label->setAlignment(Qt::AlignCenter);
    }
    QFont font = loadingViewTextField_->font();
    font.setPointSize(15);
    loadingViewTextField_->setFont(font);
    loadingViewProgressIndicator_->setFixedSize(220, 12);
    loadingViewProgressIndicator_->setIndeterminate(true);
    loadingViewProgressIndicator_->setXa_colorScheme(1);
    loadingViewProgressIndicator_->setXa_cornerRadius(3.0);
    layout->addStretch();
    layout->addWidget(loadingViewTextField_);
    layout->addWidget(loadingViewSubtitleTextField_);
    layout->addWidget(loadingViewProgressIndicator_, 0, Qt::AlignHCenter);
    layout->addStretch();
    loadingView_->hide();
}

void XAWindowController::showWindow(const void *) {
    XAWindow *ownWindow = window();
    if (ownWindow->frameAutosaveName().isEmpty() && latestVisiblePrimaryWindowProvider()) {
        XAWindowController *latest = latestVisiblePrimaryWindowProvider()();
        if (latest && latest != this && latest->isWindowLoaded()) {
            xa_centerOnWindow(ownWindow, latest->window());
        }
    }
    ownWindow->show();
    ownWindow->raise();
    ownWindow->activateWindow();
    lastShownTimestamp_ = secondsSinceReferenceDate();
    initialFirstResponderHasBeenSet_ = true;
}

bool XAWindowController::isShowingLoadingUI() const {
    return window_ && loadingView_ && window_->contentView() == loadingView_;
}

void XAWindowController::showLoadingUIWithMessage(const std::optional<QString> &message,
                                                  const std::optional<QString> &subtitle) {
    XAWindow *ownWindow = window();
    loadingViewProgressIndicator_->startAnimation();
    loadingViewTextField_->setText(message.value_or(QString()));
    loadingViewSubtitleTextField_->setText(subtitle.value_or(QString()));
    if (isShowingLoadingUI()) {
        return;
    }
    actualContentView_ = ownWindow->contentView();
    actualContentViewFirstResponder_ =
        initialFirstResponderHasBeenSet_ ? ownWindow->focusWidget() : ownWindow->initialFirstResponder();
    ownWindow->setContentView(loadingView_);
}

void XAWindowController::hideLoadingUI() {
    if (!isShowingLoadingUI()) {
        return;
    }
    loadingViewProgressIndicator_->stopAnimation();
    if (actualContentView_) {
        window_->setContentView(actualContentView_);
    }
    if (actualContentViewFirstResponder_) {
        actualContentViewFirstResponder_->setFocus();
    }
    actualContentView_.clear();
    actualContentViewFirstResponder_.clear();
}

void XAWindowController::xa_adoptDarkWindowStyle() {
    XAWindow *ownWindow = window();
    QPalette palette = ownWindow->palette();
    palette.setColor(QPalette::Window, xa_darkContentBackgroundColor());
    // Labels without a colour of their own (titles, counts, footers) read light on the dark background.
    palette.setColor(QPalette::WindowText, XAQColor(XAColor::white(0.8)));
    ownWindow->setPalette(palette);
    ownWindow->setAutoFillBackground(true);
    setTextColor(loadingViewTextField_, XAQColor(XAColor::white(0.8)));
    setTextColor(loadingViewSubtitleTextField_, XAQColor(XAColor::white(0.7)));
}

void XAWindowController::xa_showModalInParent(QWidget *parent, SheetCallback callback) {
    XAWindow *sheet = window();
    sheet->setParent(parent, Qt::Dialog | Qt::Sheet);
    sheet->setWindowModality(Qt::WindowModal);
    auto connection = std::make_shared<QMetaObject::Connection>();
    std::shared_ptr<XAWindowController> self = shared_from_this();
    *connection = connect(sheet, &QDialog::finished, this, [self, callback, connection](int returnCode) {
        // Once only: dropping the connection also drops the reference that kept the controller alive.
        disconnect(*connection);
        XADispatchToMainAfter(1.0, [self] {});
        if (callback) {
            callback(self.get(), returnCode);
        }
    });
    sheet->open();
}

void XAWindowController::xa_endSelfSheetWithReturnCode(int returnCode) { window()->done(returnCode); }
