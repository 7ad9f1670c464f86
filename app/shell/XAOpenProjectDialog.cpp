#include "app/shell/XAOpenProjectDialog.h"

#include "app/controls/XAAlerts.h"

#include <QDir>
#include <QFileInfo>

XAOpenProjectDialog::XAOpenProjectDialog(QWidget *parent, ProjectHandler handler)
    : QFileDialog(parent, QStringLiteral("Open Project")), handler_(std::move(handler)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ReadOnly);
    // A name filter hides no folder, and every folder must stay visible to be walked through: files go instead.
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setLabelText(QFileDialog::FileName, QStringLiteral("Project:"));
    // A double click opens a folder; a project's inside is of no interest, so opening it picks it.
    connect(this, &QFileDialog::directoryEntered, this, [this](const QString &path) {
        if (isProjectBundle(path)) {
            setDirectory(QFileInfo(path).absolutePath());
            chooseProject(path);
        }
    });
}

bool XAOpenProjectDialog::isProjectBundle(const QString &path) {
    const QFileInfo info(path);
    return info.isDir() && info.suffix().compare(QStringLiteral("xcodeproj"), Qt::CaseInsensitive) == 0;
}

void XAOpenProjectDialog::accept() {
    const QString path = selectedFiles().value(0);
    if (isProjectBundle(path)) {
        chooseProject(path);
        return;
    }
    const QString name = path.isEmpty() ? QStringLiteral("The selection") : QFileInfo(path).fileName();
    xa_showInWindow(this, QStringLiteral("“%1” is not an Xcode project.").arg(name),
                    QStringLiteral("Choose a project: a folder whose name ends in “.xcodeproj”."),
                    XAAlertStyle::Warning, {QStringLiteral("OK")}, nullptr);
}

void XAOpenProjectDialog::chooseProject(const QString &path) {
    QDialog::accept();
    if (handler_) {
        handler_(QDir::cleanPath(path).toStdString());
    }
}
