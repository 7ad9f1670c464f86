#include "app/integrations/XAFileRevealer.h"
#include "app/shell/XASharedService.h"

#include "core/XALog.h"
#include "core/XAPaths.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QUrl>

namespace {

bool showItemsInFileManager(const std::string &path) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(QString::fromStdString(path)).toString()} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

class XADesktopFileRevealer : public XAFileRevealer {
public:
    void revealPath(const std::string &path) override {
        if (showItemsInFileManager(path)) {
            return;
        }
        const QString folder = QString::fromStdString(xa_stringByDeletingLastPathComponent(path));
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
            XALog(XALogLevelError, "Error: cannot show %s in a file manager", path.c_str());
        }
    }
};

using SharedRevealer = XASharedService<XAFileRevealer, XADesktopFileRevealer>;

} // namespace

XAFileRevealer &XAFileRevealer::shared() { return SharedRevealer::get(); }

void XAFileRevealer::setShared(std::shared_ptr<XAFileRevealer> revealer) { SharedRevealer::set(std::move(revealer)); }
