#include "app/controls/XAFilePanels.h"
#include "app/shell/XASharedService.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>

namespace {

QString nameFilterFor(const XAFilePanelRequest &request) {
    if (request.allowedExtensions.isEmpty()) {
        return QString();
    }
    QStringList patterns;
    for (const QString &extension : request.allowedExtensions) {
        patterns << QStringLiteral("*.") + extension;
    }
    return QStringLiteral("%1 (%2)").arg(request.allowedExtensions.join(QStringLiteral(", ")), patterns.join(' '));
}

bool hasAllowedExtension(const XAFilePanelRequest &request, const QString &path) {
    return request.allowedExtensions.isEmpty() ||
           request.allowedExtensions.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

void configureDialog(QFileDialog *dialog, const XAFilePanelRequest &request) {
    dialog->setWindowTitle(request.title);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ReadOnly, !request.canCreateDirectories);
    if (request.kind == XAFilePanelRequest::Kind::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        if (!request.allowedExtensions.isEmpty()) {
            dialog->setDefaultSuffix(request.allowedExtensions.front());
        }
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        const bool choosesFolders = request.canChooseDirectories || request.choosesBundles;
        dialog->setFileMode(choosesFolders ? QFileDialog::Directory : QFileDialog::ExistingFile);
    }
    if (const QString filter = nameFilterFor(request); !filter.isEmpty()) {
        dialog->setNameFilter(filter);
    }
    if (!request.directory.isEmpty()) {
        dialog->setDirectory(request.directory);
    }
    if (!request.nameFieldValue.isEmpty()) {
        dialog->selectFile(request.nameFieldValue);
    }
    if (!request.message.isEmpty()) {
        if (auto *grid = qobject_cast<QGridLayout *>(dialog->layout())) {
            auto *label = new QLabel(request.message, dialog);
            label->setWordWrap(true);
            grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
}

class XAFileDialogPanel : public XAFilePanel {
public:
    // Later, since the owner may let go of the panel from inside its completion.
    ~XAFileDialogPanel() override { discardDialog(); }

    void begin(const XAFilePanelRequest &request, QWidget *window, Completion completion) override {
        discardDialog();
        dialog_ = new QFileDialog(window);
        configureDialog(dialog_, request);
        dialog_->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
        QObject::connect(dialog_, &QFileDialog::finished, dialog_, [this, request, completion](int result) {
            const QStringList chosen = dialog_->selectedFiles();
            std::optional<std::string> path;
            if (result == QDialog::Accepted && !chosen.isEmpty() && hasAllowedExtension(request, chosen.front())) {
                path = chosen.front().toStdString();
            }
            if (completion) {
                completion(path);
            }
        });
        dialog_->open();
    }

    bool isVisible() const override { return dialog_ && dialog_->isVisible(); }

    void orderFront() override {
        if (dialog_) {
            dialog_->raise();
            dialog_->activateWindow();
        }
    }

private:
    void discardDialog() {
        if (dialog_) {
            dialog_->disconnect();
            dialog_->deleteLater();
        }
    }

    QPointer<QFileDialog> dialog_;
};

class XAFileDialogPanelFactory : public XAFilePanelFactory {
public:
    std::shared_ptr<XAFilePanel> makePanel() override { return std::make_shared<XAFileDialogPanel>(); }
};

using SharedFactory = XASharedService<XAFilePanelFactory, XAFileDialogPanelFactory>;

} // namespace

XAFilePanelFactory &XAFilePanelFactory::shared() { return SharedFactory::get(); }

void XAFilePanelFactory::setShared(std::shared_ptr<XAFilePanelFactory> factory) {
    SharedFactory::set(std::move(factory));
}
