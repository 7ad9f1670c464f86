#include "app/diagnostics/XAHTMLWindowController.h"

#include "app/diagnostics/XAWebDelegate.h"
#include "app/diagnostics/XAWebView.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>

#include <tuple>

XAHTMLWindowController::XAHTMLWindowController(const QString &title, const QString &html, const QUrl &baseURL)
    : title_(title), html_(html), baseURL_(baseURL) {}

XAHTMLWindowController::XAHTMLWindowController(const QString &title, HTMLRenderBlock htmlRenderBlock,
                                               const QUrl &baseURL)
    : title_(title), htmlRenderBlock_(std::move(htmlRenderBlock)), baseURL_(baseURL) {}

QString XAHTMLWindowController::html() const {
    std::lock_guard lock(htmlMutex_);
    return html_;
}

void XAHTMLWindowController::setHtml(const QString &html) {
    std::lock_guard lock(htmlMutex_);
    html_ = html;
}

void XAHTMLWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    window()->setWindowTitle(title_);
    buildContent();
    buildEditMenu();
    loadPage();
}

void XAHTMLWindowController::buildContent() {
    auto *content = new QWidget(window());
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    findBar_ = new QWidget(content);
    auto *findLayout = new QHBoxLayout(findBar_);
    findLayout->setContentsMargins(6, 4, 6, 4);
    findField_ = new QLineEdit(findBar_);
    findField_->setPlaceholderText(QStringLiteral("Find"));
    findField_->setClearButtonEnabled(true);
    findStatus_ = new QLabel(findBar_);
    auto *previous = new QPushButton(QStringLiteral("<"), findBar_);
    auto *next = new QPushButton(QStringLiteral(">"), findBar_);
    auto *done = new QPushButton(QStringLiteral("Done"), findBar_);
    findLayout->addWidget(findField_, 1);
    findLayout->addWidget(findStatus_);
    findLayout->addWidget(previous);
    findLayout->addWidget(next);
    findLayout->addWidget(done);
    findBar_->hide();

    webView_ = new XAWebView(content);
    webView_->setContextMenuPolicy(Qt::NoContextMenu);
    webView_->webPage()->setNavigationPolicy(
        [this](const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame) {
            return !openLinksInExternalBrowser_ || XAWebDelegate::decidePolicyForNavigation(url, type, isMainFrame);
        });
    // A search that finds nothing says so, rather than leaving the bar as it was before any search.
    connect(webView_->page(), &QWebEnginePage::findTextFinished, findStatus_,
            [status = findStatus_, field = findField_](const QWebEngineFindTextResult &result) {
                if (result.numberOfMatches() > 0) {
                    status->setText(QStringLiteral("%1 of %2").arg(result.activeMatch()).arg(result.numberOfMatches()));
                } else {
                    status->setText(field->text().isEmpty() ? QString() : QStringLiteral("Not found"));
                }
            });
    // Incremental searching: every change of the search text searches again.
    connect(findField_, &QLineEdit::textChanged, this, [this] { findAgain(false); });
    connect(findField_, &QLineEdit::returnPressed, this, [this] { findAgain(false); });
    connect(next, &QPushButton::clicked, this, [this] { findAgain(false); });
    connect(previous, &QPushButton::clicked, this, [this] { findAgain(true); });
    connect(done, &QPushButton::clicked, this,
            [this] { performTextFinderAction(XATextFinderActionHideFindInterface); });

    layout->addWidget(findBar_);
    layout->addWidget(webView_, 1);
    window()->setContentView(content);
    window()->resize(800, 700);
}

void XAHTMLWindowController::buildEditMenu() {
    auto *menuBar = new QMenuBar(window());
    editMenu_ = menuBar->addMenu(QStringLiteral("Edit"));
    const std::initializer_list<std::tuple<QString, QKeySequence, XATextFinderAction>> items = {
        {QStringLiteral("Find…"), QKeySequence::Find, XATextFinderActionShowFindInterface},
        {QStringLiteral("Find Next"), QKeySequence::FindNext, XATextFinderActionNextMatch},
        {QStringLiteral("Find Previous"), QKeySequence::FindPrevious, XATextFinderActionPreviousMatch},
        {QStringLiteral("Use Selection for Find"), QKeySequence(Qt::CTRL | Qt::Key_E),
         XATextFinderActionSetSearchString},
    };
    for (const auto &[title, shortcut, tag] : items) {
        QAction *action = editMenu_->addAction(title);
        action->setShortcut(shortcut);
        action->setData(int(tag));
        // The shortcuts work in the whole window, the web view and the find field included.
        action->setShortcutContext(Qt::WindowShortcut);
        window()->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] { performFindAction(action); });
    }
    window()->layout()->setMenuBar(menuBar);
}

void XAHTMLWindowController::loadPage() {
    const QString page = html();
    if (!page.isNull()) {
        webView_->loadHTML(page, baseURL_);
        return;
    }
    if (!htmlRenderBlock_) {
        return;
    }
    // Rendering may take a while; the window stays responsive, and a window closed meanwhile loads nothing.
    HTMLRenderBlock render = htmlRenderBlock_;
    QPointer<XAHTMLWindowController> controller(this);
    XADispatchToGlobal([render, controller] {
        const QString rendered = render();
        XADispatchToMain([rendered, controller] {
            if (controller && controller->webView_) {
                controller->setHtml(rendered);
                controller->webView_->loadHTML(rendered, controller->baseURL_);
            }
        });
    });
}

void XAHTMLWindowController::performFindAction(const QAction *sender) {
    if (!sender) {
        return;
    }
    const int tag = sender->data().toInt();
    if (tag == XATextFinderActionShowFindInterface) {
        performTextFinderAction(XATextFinderActionSetSearchString);
    }
    performTextFinderAction(tag);
}

void XAHTMLWindowController::performTextFinderAction(int action) {
    window();
    switch (action) {
    case XATextFinderActionShowFindInterface:
        findBar_->show();
        findField_->setFocus();
        findField_->selectAll();
        break;
    case XATextFinderActionNextMatch:
        findAgain(false);
        break;
    case XATextFinderActionPreviousMatch:
        findAgain(true);
        break;
    case XATextFinderActionSetSearchString:
        if (!webView_->selectedText().isEmpty()) {
            findField_->setText(webView_->selectedText());
        }
        break;
    case XATextFinderActionHideFindInterface:
        findBar_->hide();
        webView_->findText(QString());
        break;
    default:
        break;
    }
}

void XAHTMLWindowController::findAgain(bool backwards) {
    webView_->findText(findField_->text(), backwards ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}
