#include "app/project/XAProjectWindowServices.h"

#include "app/integrations/XADesktopDevEnvironment.h"
#include "app/project/XAModelProjectDocument.h"
#include "codemodel/XABuild.h"
#include "core/XALog.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace {

class XAModelProjectWindowEngine : public XAProjectWindowEngine {
public:
    std::shared_ptr<XAProjectDocument> projectWithXcodeproj(const std::string &path) override {
        return std::make_shared<XAModelProjectDocument>(path);
    }
    void clearModuleCachesWithProgress(const XAProgressHandler &progress) override {
        XABuild::clearModuleCachesWithProgress(progress);
    }
    bool openProjectInXcode(const std::string &xcodeprojPath, XAError *error) override {
        return XADesktopDevEnvironment::shared().openProjectInXcode(xcodeprojPath, error);
    }
    QImage xcodeIcon() const override { return XADesktopDevEnvironment::shared().xcodeIcon(); }
};

class XADBusUserNotifier : public XAUserNotifier {
public:
    void deliverNotification(const QString &title, const QString &subtitle) override {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            XALog(2, "%s: %s", title.toStdString().c_str(), subtitle.toStdString().c_str());
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
        call << QStringLiteral("Tessary") << uint(0) << QString() << title << subtitle << QStringList() << QVariantMap()
             << int(-1);
        bus.call(call, QDBus::NoBlock);
    }
};

using SharedEngine = XASharedService<XAProjectWindowEngine, XAModelProjectWindowEngine>;
using SharedNotifier = XASharedService<XAUserNotifier, XADBusUserNotifier>;

} // namespace

XAProjectWindowEngine &XAProjectWindowEngine::shared() { return SharedEngine::get(); }
void XAProjectWindowEngine::setShared(std::shared_ptr<XAProjectWindowEngine> engine) {
    SharedEngine::set(std::move(engine));
}

XAUserNotifier &XAUserNotifier::shared() { return SharedNotifier::get(); }
void XAUserNotifier::setShared(std::shared_ptr<XAUserNotifier> notifier) { SharedNotifier::set(std::move(notifier)); }
