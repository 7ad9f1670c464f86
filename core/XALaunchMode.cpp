#include "core/XALaunchMode.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <string_view>

namespace {

std::atomic<bool> cliModeFlag{false};
std::atomic<bool> runningUnitTestsFlag{false};

bool isUnitTestArgument(std::string_view argument) {
    static constexpr std::array<std::string_view, 3> harnessArguments{"-SenTest", "-XCTest", "-XCTestScopeFile"};
    return std::find(harnessArguments.begin(), harnessArguments.end(), argument) != harnessArguments.end();
}

bool processHasEnvironmentVariable(const std::string &name) { return std::getenv(name.c_str()) != nullptr; }

} // namespace

bool XAIsCLIMode() { return cliModeFlag.load(); }
void XASetCLIMode(bool cliMode) { cliModeFlag.store(cliMode); }
bool XAIsRunningUnitTests() { return runningUnitTestsFlag.load(); }
void XASetRunningUnitTests(bool runningUnitTests) { runningUnitTestsFlag.store(runningUnitTests); }

XALaunchMode XALaunchModeForArguments(const std::vector<std::string> &arguments,
                                      const std::function<bool(const std::string &name)> &hasEnvironmentVariable) {
    XALaunchMode mode;
    mode.cliMode = arguments.size() >= 2 && arguments[1] == "cli";
    mode.runningUnitTests = std::any_of(arguments.begin(), arguments.end(), isUnitTestArgument);
    if (!mode.runningUnitTests && hasEnvironmentVariable) {
        mode.runningUnitTests =
            hasEnvironmentVariable("XCTestConfigurationFilePath") || hasEnvironmentVariable("TestBundleLocation");
    }
    return mode;
}

void XALaunchModeInit(int argc, const char *const *argv) {
    std::vector<std::string> arguments;
    for (int index = 0; argv && index < argc; ++index) {
        arguments.emplace_back(argv[index] ? argv[index] : "");
    }
    XALaunchMode mode = XALaunchModeForArguments(arguments, processHasEnvironmentVariable);
    XASetCLIMode(mode.cliMode);
    if (mode.runningUnitTests) {
        XASetRunningUnitTests(true);
    }
}
