#include "app/diagnostics/XAPageLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace {

// What the scheme serves for one page: its text at `pagePath`, every other path from the base folder.
struct XAServedPage {
    QByteArray html;
    QString pagePath;
    QString baseFolder; // empty: the page has no base, so nothing else is served
};

class XAPageSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // Serves the page under a new host name and returns its address.
    QUrl addPage(QByteArray html, const QUrl &baseURL) {
        XAServedPage page;
        page.html = std::move(html);
        QString basePath = baseURL.isLocalFile() ? baseURL.toLocalFile() : QString();
        QString fileName = QStringLiteral("index.html");
        if (!basePath.isEmpty() && !basePath.endsWith(QLatin1Char('/')) && !QFileInfo(basePath).isDir()) {
            fileName = QFileInfo(basePath).fileName();
            basePath = QFileInfo(basePath).path();
        }
        page.baseFolder = basePath.isEmpty() ? QString() : QDir::cleanPath(basePath);
        page.pagePath = QLatin1Char('/') + fileName;
        const QString host = QStringLiteral("page%1").arg(++lastPageNumber_);
        pages_.insert(host, page);
        QUrl url;
        url.setScheme(QString::fromLatin1(XAPageSchemeName));
        url.setHost(host);
        url.setPath(page.pagePath);
        return url;
    }

    void removePage(const QUrl &url) { pages_.remove(url.host()); }

    void requestStarted(QWebEngineUrlRequestJob *job) override {
        const QUrl url = job->requestUrl();
        const auto page = pages_.constFind(url.host());
        if (page == pages_.constEnd()) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        if (url.path() == page->pagePath) {
            reply(job, "text/html;charset=utf-8", page->html);
            return;
        }
        serveFile(job, *page, url.path());
    }

private:
    static void reply(QWebEngineUrlRequestJob *job, const QByteArray &contentType, const QByteArray &data) {
        auto *buffer = new QBuffer(job);
        buffer->setData(data);
        buffer->open(QIODevice::ReadOnly);
        job->reply(contentType, buffer);
    }

    static void serveFile(QWebEngineUrlRequestJob *job, const XAServedPage &page, const QString &path) {
        const QString filePath = QDir::cleanPath(page.baseFolder + path);
        // A reference may not climb out of the base folder.
        if (page.baseFolder.isEmpty() || !filePath.startsWith(page.baseFolder + QLatin1Char('/'))) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        QFile file(filePath);
        if (!QFileInfo(filePath).isFile() || !file.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        const QByteArray type = QMimeDatabase().mimeTypeForFile(filePath).name().toUtf8();
        reply(job, type, file.readAll());
    }

    QHash<QString, XAServedPage> pages_;
    quint64 lastPageNumber_ = 0;
};

// One handler per profile, installed on first use; the profile owns it.
XAPageSchemeHandler *handlerForProfile(QWebEngineProfile *profile) {
    const QByteArray scheme(XAPageSchemeName);
    if (auto *installed = const_cast<QWebEngineUrlSchemeHandler *>(profile->urlSchemeHandler(scheme))) {
        return static_cast<XAPageSchemeHandler *>(installed);
    }
    auto *handler = new XAPageSchemeHandler(profile);
    profile->installUrlSchemeHandler(scheme, handler);
    return handler;
}

const char *const kServedPageProperty = "xa_servedPageURL";

void forgetServedPage(QWebEnginePage *page) {
    const QUrl previous = page->property(kServedPageProperty).toUrl();
    if (previous.isValid()) {
        handlerForProfile(page->profile())->removePage(previous);
        page->setProperty(kServedPageProperty, QVariant());
    }
}

} // namespace

void XARegisterPageScheme() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    QWebEngineUrlScheme scheme(XAPageSchemeName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme |
                    QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

Q_COREAPP_STARTUP_FUNCTION(XARegisterPageScheme)

void XALoadHTML(QWebEnginePage *page, const QString &html, const QUrl &baseURL) {
    if (!page) {
        return;
    }
    forgetServedPage(page);
    QByteArray utf8 = html.toUtf8();
    if (utf8.size() <= XASetHtmlSizeLimit) {
        page->setHtml(html, baseURL);
        return;
    }
    const QUrl url = handlerForProfile(page->profile())->addPage(std::move(utf8), baseURL);
    page->setProperty(kServedPageProperty, url);
    // The page's text is served for as long as the page shows it.
    QObject::connect(page, &QObject::destroyed, page->profile(), [profile = QPointer(page->profile()), url] {
        if (profile) {
            handlerForProfile(profile)->removePage(url);
        }
    });
    page->load(url);
}
