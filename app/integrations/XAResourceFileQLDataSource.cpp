#include "app/integrations/XAResourceFileQLDataSource.h"

#include "app/controls/XAAlerts.h"
#include "core/XAAppVersion.h"
#include "core/XATemporaryFiles.h"
#include "core/XAUserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Made once per process; lives until the process ends.
const QString &temporaryFolder() {
    static const QString folder = [] {
        QString name = QString::fromUtf8(XAApplicationName).remove(QLatin1Char(' '));
        const std::optional<std::string> path =
            XATemporaryDirectoryPath("tempFiles." + name.toStdString() + ".XXXXXXXX");
        return path ? QString::fromStdString(*path) : QString();
    }();
    return folder;
}

} // namespace

std::shared_ptr<XAResourceFileQLDataSource>
XAResourceFileQLDataSource::dataSourceForResourceFile(const QString &resourceFilePath, const QString &title) {
    auto dataSource = std::make_shared<XAResourceFileQLDataSource>();
    dataSource->resourceFilePath_ = resourceFilePath;
    dataSource->title_ = title;
    dataSource->ensureFileIsInTempPath();
    return dataSource;
}

QString XAResourceFileQLDataSource::previewItemPath() const {
    const QString path = QDir::cleanPath(temporaryFolder() + QLatin1Char('/') + resourceFilePath_);
    // The copy must stay inside the temporary folder, whatever the relative path says.
    const bool inside = !temporaryFolder().isEmpty() && path.startsWith(temporaryFolder() + QLatin1Char('/'));
    return inside ? path : QString();
}

void XAResourceFileQLDataSource::ensureFileIsInTempPath() {
    const QString copyPath = previewItemPath();
    if (copyPath.isEmpty() || QFile::exists(copyPath)) {
        return;
    }
    const std::optional<std::string> resource = xa_pathForResourcePath(resourceFilePath_.toStdString());
    if (!resource || !QFileInfo(QString::fromStdString(*resource)).isFile()) {
        return;
    }
    QDir().mkpath(QFileInfo(copyPath).absolutePath());
    QFile source(QString::fromStdString(*resource));
    if (!source.copy(copyPath)) {
        XAAlertPresenter::shared().present(
            {QStringLiteral("The file %1 could not be copied: %2").arg(resourceFilePath_, source.errorString()),
             QString(),
             XAAlertStyle::Warning,
             {QStringLiteral("OK")}},
            nullptr, nullptr);
    }
}

QString XAResourceFileQLDataSource::previewText() const {
    QFile copy(previewItemPath());
    return copy.open(QIODevice::ReadOnly) ? QString::fromUtf8(copy.readAll()) : QString();
}
