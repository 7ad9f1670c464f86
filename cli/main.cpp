// The process entry of Tessary: decides the launch mode, loads libclang, and hands over to the command line or the
// desktop face.

#include "cli/XACLIMain.h"
#include "codemodel/XALibclangLoader.h"
#include "core/XALaunchMode.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleRegistryOptionGroups.h"

#include <string>
#include <vector>

int main(int argc, char **argv) {
    XALaunchModeInit(argc, argv);
    // Only once the launch mode is known: a start-up error then reaches a command-line user on standard error.
    XALoadLibclangAtStartup();
    // Configurations of either face know the options of every registered rule.
    XAUseRuleOptionGroupsOfRegistry(XARuleRegistry::shared());
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
