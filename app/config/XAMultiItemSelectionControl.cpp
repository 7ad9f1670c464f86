#include "app/config/XAMultiItemSelectionControl.h"

#include "app/controls/XAButtonCell.h"
#include "app/controls/XAViewExtensions.h"
#include "app/controls/XAViewLayout.h"
#include "app/diagnostics/XAWebBridge.h"
#include "core/XALog.h"
#include "core/XAUserFolders.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <algorithm>

namespace {

constexpr const char *kPageResource = "multiItemSelectionControl.html";
// One line of items.
constexpr int kOneLineHeight = 28;
// The page lays itself out again after the view's size changes; it is measured once that has happened.
constexpr int kMeasureDelayMilliseconds = 60;

QJsonArray jsonArray(const std::vector<std::string> &strings) {
    QJsonArray array;
    for (const std::string &string : strings) {
        array.append(QString::fromStdString(string));
    }
    return array;
}

// The channel's client script, then "tessaryNativeApp": calls made before the channel is ready wait for it.
QString channelBootstrapScript() {
    return XAWebChannelClientScript() + QStringLiteral(R"JS(
(function () {
    var queued = [];
    window.tessaryNativeApp = {
        multiItemSelectionControlSelectedItemsDidChange_: function (items) { queued.push(items); }
    };
    new QWebChannel(qt.webChannelTransport, function (channel) {
        window.tessaryNativeApp = channel.objects.tessaryNativeApp;
        queued.forEach(function (items) {
            window.tessaryNativeApp.multiItemSelectionControlSelectedItemsDidChange_(items);
        });
        queued = [];
    });
})();
)JS");
}

} // namespace

std::vector<std::string> XAStringsFromPageValue(const QVariant &value) {
    std::vector<std::string> strings;
    for (const QVariant &element : value.toList()) {
        if (element.typeId() == QMetaType::QString) {
            strings.push_back(element.toString().toStdString());
        }
    }
    return strings;
}

XAMultiItemSelectionPageBridge::XAMultiItemSelectionPageBridge(XAMultiItemSelectionControl *control)
    : QObject(control), control_(control) {}

void XAMultiItemSelectionPageBridge::multiItemSelectionControlSelectedItemsDidChange_(const QVariant &selectedItems) {
    control_->multiItemSelectionControlSelectedItemsDidChange(selectedItems);
}

XAMultiItemSelectionControl::XAMultiItemSelectionControl(QWidget *parent)
    : QWidget(parent), itemsHeight_(kOneLineHeight) {
    performOwnInit();
}

XAMultiItemSelectionControl::~XAMultiItemSelectionControl() {
    if (channel_) {
        channel_->deregisterObject(bridge_);
    }
    if (webView_) {
        webView_->page()->disconnect(this);
    }
}

void XAMultiItemSelectionControl::performOwnInit() {
    webView_ = new QWebEngineView(this);
    webView_->setGeometry(0, 0, width(), height());
    webView_->page()->setBackgroundColor(Qt::transparent);
    webView_->setAttribute(Qt::WA_TranslucentBackground);
    xa_makeAndKeepFullSizeOfSuperview(webView_);
    webView_->hide();

    bridge_ = new XAMultiItemSelectionPageBridge(this);
    channel_ = new QWebChannel(this);
    channel_->registerObject(QStringLiteral("tessaryNativeApp"), bridge_);
    webView_->page()->setWebChannel(channel_);
    QWebEngineScript bootstrap;
    bootstrap.setName(QStringLiteral("tessaryNativeApp"));
    bootstrap.setSourceCode(channelBootstrapScript());
    bootstrap.setInjectionPoint(QWebEngineScript::DocumentCreation);
    bootstrap.setWorldId(QWebEngineScript::MainWorld);
    webView_->page()->scripts().insert(bootstrap);
    connect(webView_->page(), &QWebEnginePage::loadFinished, this, [this](bool ok) { webViewDidFinishLoad(ok); });
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    measureTimer_ = new QTimer(this);
    measureTimer_->setSingleShot(true);
    measureTimer_->setInterval(kMeasureDelayMilliseconds);
    connect(measureTimer_, &QTimer::timeout, this, [this] { measureItemsHeight(); });

    menu_ = new QMenu(this);
    menu_->addAction(QStringLiteral("Select All"), this, [this] { selectAllItems(); });
    menu_->addAction(QStringLiteral("Deselect All"), this, [this] { deselectAllItems(); });
    webView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(webView_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { menu_->popup(webView_->mapToGlobal(position)); });

    loadPage();
}

void XAMultiItemSelectionControl::loadPage() {
    const std::optional<std::string> page = xa_contentsOfResource(kPageResource);
    if (!page) {
        XALog(XALogLevelWarning, "Cannot read the page of the selection control: %s", kPageResource);
        return;
    }
    const std::string folder = xa_pathForResourcePath("").value_or("");
    webView_->setHtml(QString::fromStdString(*page), QUrl::fromLocalFile(QString::fromStdString(folder + "/")));
}

void XAMultiItemSelectionControl::setItems(const std::vector<std::string> &items) {
    items_ = items;
    if (webViewLoaded_) {
        pushItemsToPage();
    }
}

void XAMultiItemSelectionControl::pushItemsToPage() {
    callPage(QStringLiteral("setItems"), jsonArray(items_));
    measureTimer_->start();
    if (!delegate_) {
        return;
    }
    QJsonArray pairs;
    for (const std::string &item : items_) {
        const std::optional<std::string> tip = delegate_->multiItemSelectionControlToolTipForItem(this, item);
        pairs.append(QJsonArray{QString::fromStdString(item), QString::fromStdString(tip.value_or(""))});
    }
    callPage(QStringLiteral("setTooltipsForItems"), pairs);
}

void XAMultiItemSelectionControl::selectItems(const std::vector<std::string> &items, bool withDelegateCallback) {
    if (!webViewLoaded_) {
        pendingSelectedItems_ = items;
        selectedItems_ = items;
        return;
    }
    selectedItems_ = items;
    callPage(QStringLiteral("setSelectedItems"), jsonArray(items));
    if (withDelegateCallback && delegate_) {
        delegate_->multiItemSelectionControlDidChangeSelection(this, items);
    }
}

void XAMultiItemSelectionControl::selectAllItems() { selectItems(items_, true); }

void XAMultiItemSelectionControl::deselectAllItems() { selectItems({}, true); }

void XAMultiItemSelectionControl::multiItemSelectionControlSelectedItemsDidChange(const QVariant &selectedItems) {
    selectedItems_ = XAStringsFromPageValue(selectedItems);
    if (delegate_) {
        delegate_->multiItemSelectionControlDidChangeSelection(this, selectedItems_);
    }
}

void XAMultiItemSelectionControl::webViewDidFinishLoad(bool ok) {
    if (!ok) {
        XALog(XALogLevelWarning, "The page of the selection control did not load.");
        return;
    }
    webViewLoaded_ = true;
    if (!items_.empty()) {
        pushItemsToPage();
    }
    if (!pendingSelectedItems_.empty()) {
        selectItems(std::exchange(pendingSelectedItems_, {}), false);
    }
    xa_fadeInWithDuration(webView_, 0.1);
    measureTimer_->start();
}

QSize XAMultiItemSelectionControl::sizeHint() const { return {QWidget::sizeHint().width(), itemsHeight_}; }

void XAMultiItemSelectionControl::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    if (webViewLoaded_) {
        measureTimer_->start();
    }
}

void XAMultiItemSelectionControl::measureItemsHeight() {
    QPointer<XAMultiItemSelectionControl> guard(this);
    webView_->page()->runJavaScript(
        QStringLiteral("(function () { var items = document.getElementById('items');"
                       "return items ? Math.ceil(items.getBoundingClientRect().height) : 0; })()"),
        [guard](const QVariant &value) {
            const int height = std::max(kOneLineHeight, value.toInt());
            if (guard && height != guard->itemsHeight_) {
                guard->itemsHeight_ = height;
                guard->updateGeometry();
            }
        });
}

void XAMultiItemSelectionControl::callPage(const QString &function, const QJsonArray &argument) {
    const QString json = QString::fromUtf8(QJsonDocument(argument).toJson(QJsonDocument::Compact));
    webView_->page()->runJavaScript(QStringLiteral("multiItemSelectionControl.%1(%2);").arg(function, json));
}

void XAMultiItemSelectionControl::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath background;
    background.addRoundedRect(QRectF(rect()), 3.0, 3.0);
    painter.fillPath(background, XAWhite(0.0, 0.3));
}
