#pragma once

#include "core/XAError.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The outcome of one child process. A child that could not be launched carries `error`, no texts and
// exit status 127, so that no caller can mistake a failed launch for a silent success.
struct XATaskResults {
    int exitStatus = 0;
    std::optional<std::string> standardOutput;
    std::optional<std::string> standardError;
    std::optional<XAError> error;
};

// What a set-up function may change on a child before it is launched.
class XATaskSetup {
public:
    // The child's environment; no value means the child inherits the process environment.
    std::optional<std::map<std::string, std::string>> environment;

    // Adds variables to the child's own environment (given values win); a child without an environment
    // of its own then sees only the given variables.
    void xa_addEnvironmentVariablesFromDictionary(const std::map<std::string, std::string> &variables);
};

using XATaskSetupFunction = std::function<void(XATaskSetup &)>;

// Runs external tools as child processes: arguments are passed as they are (no shell), output on both
// streams is drained while the child runs, standard-input text is fed without blocking, and texts that
// are not valid UTF-8 are decoded with replacement characters. Every running child is kept in one
// process-wide registry so that cancelling, quitting or a signal can terminate them all.
//
// A launch path with a slash is taken relative to this process's current directory (never the child's working
// directory); a bare name is looked up in this process's PATH. Arguments reach the child as their exact UTF-8
// bytes. Without standard-input text the child reads an empty input (/dev/null). A child killed by a signal
// reports 128 plus the signal number as its exit status. The child gets only the three standard streams.
class XATask {
public:
    XATask() = delete;

    // The worker: returns standard output, or no value when the launch failed (then `error` is set and
    // `standardError` and `exitStatus` are left untouched). Every out-parameter may be null.
    static std::optional<std::string>
    xa_stdoutOf(const std::string &launchPath, const std::vector<std::string> &arguments,
                const std::optional<std::string> &workingDirectory, const std::optional<std::string> &standardInput,
                std::string *standardError, const XATaskSetupFunction &setup, int *exitStatus, XAError *error);

    static XATaskResults xa_execute(const std::string &launchPath, const std::vector<std::string> &arguments,
                                    const std::optional<std::string> &workingDirectory,
                                    const std::optional<std::string> &standardInput, const XATaskSetupFunction &setup);
    static XATaskResults xa_execute(const std::string &launchPath, const std::vector<std::string> &arguments);

    // Sends SIGTERM to every registered child that is still running; does not wait.
    static void xa_terminateAllRunningTasks();
    // The same for children whose launch path's last component equals `executableName` exactly.
    static void xa_terminateAllRunningTasksForExecutable(const std::string &executableName);
    // The same as terminateAllRunningTasks, async-signal-safe for signal handlers (no lock, no allocation).
    static void terminateAllRunningTasksFromSignalHandler() noexcept;
};
