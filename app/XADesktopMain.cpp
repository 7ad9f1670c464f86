// The entry of the desktop application inside its shared library, which the executable loads only when it starts
// the desktop: the command line never loads Qt.
//
// The library carries its own copy of the layers below it, so it repeats the executable's start-up steps for that
// copy (launch mode, libclang, the rules' options) before it starts Qt.

#include "app/project/XAProjectWindowController.h"
#include "app/shell/XAAppDelegate.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XANotificationCenter.h"
#include "codemodel/XALibclangLoader.h"
#include "core/XAAppVersion.h"
#include "core/XALaunchMode.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleRegistryOptionGroups.h"

#include <QApplication>
#include <QFileInfo>

#include <string>
#include <vector>

namespace {

// Project paths on the command line, made absolute: the arguments after the program path that are not options.
// Read after Qt has taken its own arguments ("-platform offscreen" and the like) out of the list.
std::vector<std::string> projectPathArguments(const QStringList &arguments) {
    std::vector<std::string> paths;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        if (!arguments[index].isEmpty() && !arguments[index].startsWith(QLatin1Char('-'))) {
            paths.push_back(QFileInfo(arguments[index]).absoluteFilePath().toStdString());
        }
    }
    return paths;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int XADesktopApplicationMain(int argc, char **argv) {
    XALaunchModeInit(argc, argv);
    XALoadLibclangAtStartup();
    XAUseRuleOptionGroupsOfRegistry(XARuleRegistry::shared());
    if (XAIsRunningUnitTests()) {
        return 0; // under a test harness the desktop's launch does nothing, and there is nothing to host
    }
    // The web views share their graphics contexts with the widgets; this must be set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(XAApplicationName));
    QApplication::setApplicationVersion(QString::fromStdString(xa_version()));
    // The start window and the project window take turns; the delegate decides when the application ends.
    QApplication::setQuitOnLastWindowClosed(false);
    XAInstallLogNotificationForwarding();

    XAAppDelegate delegate;
    delegate.setProjectWindowFactory([] { return std::make_shared<XAProjectWindowController>(); });
    delegate.applicationDidFinishLaunching();
    // A project named on the command line is an open-file request.
    const std::vector<std::string> projectPaths = projectPathArguments(QApplication::arguments());
    XADispatchToMain([&delegate, projectPaths] { delegate.application_openFiles(projectPaths); });
    return QApplication::exec();
}
