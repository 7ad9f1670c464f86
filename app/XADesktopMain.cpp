// The entry of the desktop application inside its shared library, which the executable loads only when it starts
// the desktop: the command line never loads Qt.
//
// The library carries its own copy of the layers below it, so it repeats the executable's start-up steps for that
// copy (launch mode, libclang, the rules' options) before it starts Qt.

#include "app/shell/XAAppDelegate.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XANotificationCenter.h"
#include "codemodel/XALibclangLoader.h"
#include "core/XAAppVersion.h"
#include "core/XALaunchMode.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleRegistryOptionGroups.h"

#include <QApplication>

#include <string>
#include <vector>

namespace {

// Project paths on the command line: the arguments after the program path that are not options.
std::vector<std::string> projectPathArguments(int argc, char **argv) {
    std::vector<std::string> paths;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index] ? argv[index] : "";
        if (!argument.empty() && argument.front() != '-') {
            paths.push_back(argument);
        }
    }
    return paths;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int XADesktopApplicationMain(int argc, char **argv) {
    XALaunchModeInit(argc, argv);
    XALoadLibclangAtStartup();
    XAUseRuleOptionGroupsOfRegistry(XARuleRegistry::shared());
    const std::vector<std::string> projectPaths = projectPathArguments(argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(XAApplicationName));
    QApplication::setApplicationVersion(QString::fromStdString(xa_version()));
    // The start window and the project window take turns; the delegate decides when the application ends.
    QApplication::setQuitOnLastWindowClosed(false);
    XAInstallLogNotificationForwarding();

    XAAppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    if (XAIsRunningUnitTests()) {
        return 0; // nothing to host: the launch did nothing
    }
    // A project named on the command line is an open-file request.
    XADispatchToMain([&delegate, projectPaths] { delegate.application_openFiles(projectPaths); });
    return QApplication::exec();
}
