#include "app/config/XADocumentWindows.h"

#include "cli/XADocs.h"
#include "core/XAAppVersion.h"
#include "core/XAUserFolders.h"

namespace {

QString bundleName() { return QString::fromUtf8(XAApplicationName); }

XAHTMLWindowController::HTMLRenderBlock docsRenderer(const char *pageName, bool withTableOfContents) {
    return [pageName, withTableOfContents] {
        return QString::fromStdString(XADocsHTMLForPage(pageName, withTableOfContents));
    };
}

} // namespace

QUrl XADocsBaseURL() {
    const QString folder = QString::fromStdString(XAResourcesDirectoryPath().value_or(std::string()));
    return folder.isEmpty() ? QUrl() : QUrl::fromLocalFile(folder + QLatin1Char('/'));
}

XAEULAWindowController::XAEULAWindowController()
    : XAHTMLWindowController(QStringLiteral("%1 License Agreement").arg(bundleName()),
                             docsRenderer("license_agreement", false), XADocsBaseURL()) {}

XAAppDocsWindowController::XAAppDocsWindowController()
    : XAHTMLWindowController(QStringLiteral("%1 Documentation").arg(bundleName()), docsRenderer("main", true),
                             XADocsBaseURL()) {}
