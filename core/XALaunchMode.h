#pragma once

#include <functional>
#include <string>
#include <vector>

// The two process-wide launch flags: whether the process runs as the command-line tool and whether it runs under a
// unit-test harness. Both are clear until the entry point decides the launch mode, and are read from any thread.
bool XAIsCLIMode();
void XASetCLIMode(bool cliMode);
bool XAIsRunningUnitTests();
void XASetRunningUnitTests(bool runningUnitTests);

struct XALaunchMode {
    bool cliMode = false;
    bool runningUnitTests = false;
};

// Decides the launch mode. `arguments` is the whole argument vector, program path first. Command-line mode: the
// first argument after the program path is exactly "cli". Unit-test mode: any argument is exactly "-SenTest",
// "-XCTest" or "-XCTestScopeFile", or `hasEnvironmentVariable` answers yes for "XCTestConfigurationFilePath" or
// "TestBundleLocation" (whatever their value, the empty one included).
XALaunchMode XALaunchModeForArguments(const std::vector<std::string> &arguments,
                                      const std::function<bool(const std::string &name)> &hasEnvironmentVariable);

// Decides the launch mode from the process's arguments and environment and sets both flags. The unit-test flag is
// never cleared once set.
void XALaunchModeInit(int argc, const char *const *argv);
