#include "cli/XACLISignals.h"

#include "core/XATask.h"

#include <csignal>
#include <unistd.h>

namespace {

void terminateChildrenAndExit(int signalNumber) {
    XATask::terminateAllRunningTasksFromSignalHandler();
    _exit(128 + signalNumber);
}

} // namespace

void XACLIInstallSignalHandlers() {
    struct sigaction action = {};
    action.sa_handler = terminateChildrenAndExit;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaction(signalNumber, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);
}
