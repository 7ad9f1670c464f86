// The process entry of Tessary: decides the launch mode and hands over to the command line or the desktop face.

#include "cli/XACLIMain.h"
#include "core/XALaunchMode.h"

#include <string>
#include <vector>

int main(int argc, char **argv) {
    XALaunchModeInit(argc, argv);
    std::vector<std::string> arguments;
    for (int index = 0; index < argc; ++index) {
        arguments.emplace_back(argv[index] ? argv[index] : "");
    }
    if (arguments.size() >= 2 && XAIsCLIMode() && !XAIsRunningUnitTests()) {
        arguments.erase(arguments.begin() + 1); // only the "cli" that chose the mode
        return XACLIMain(arguments);
    }
    return XADesktopMain(arguments);
}
