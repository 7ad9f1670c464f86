// xcodebuild of the developer-directory stand-in: its version, its options, the resolved build settings of a
// project's targets, the listing of a project's or workspace's schemes, and builds (dry runs and product layouts).

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "platform/devtools/XADevToolsSupport.h"
#include "platform/devtools/XAStandInScheme.h"
#include "platform/devtools/XAXcodebuildArguments.h"
#include "platform/devtools/XAXcodebuildBuild.h"
#include "platform/devtools/XAXcodebuildList.h"
#include "platform/devtools/XAXcodebuildShowBuildSettings.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#ifndef TESSARY_VERSION
#error "TESSARY_VERSION must name the version of the build"
#endif

namespace {

std::string usageText(bool withOptions) {
    std::string text = "Usage: xcodebuild -version\n"
                       "       xcodebuild -help\n"
                       "       xcodebuild [action] [-project NAME] [-configuration NAME] [-target NAME | -alltargets]\n"
                       "                  [-sdk SDK] [-arch ARCH] [NAME=VALUE]... -showBuildSettings\n"
                       "       xcodebuild [-project NAME] [-target NAME | -alltargets] [-configuration NAME]\n"
                       "                  [-sdk SDK] [-arch ARCH] [NAME=VALUE]... [-dry-run] [build]\n"
                       "       xcodebuild -workspace NAME -scheme NAME [-configuration NAME] [NAME=VALUE]... "
                       "[-dry-run] [build]\n"
                       "       xcodebuild -list [-project NAME | -workspace NAME]\n";
    if (withOptions) {
        text += "\nOptions:\n";
        for (const XAXcodebuildOptionDescription &option : XAXcodebuildOptionDescriptions()) {
            std::string name = option.name;
            text +=
                "    " + name + std::string(name.size() < 26 ? 26 - name.size() : 1, ' ') + option.description + "\n";
        }
    }
    return text;
}

// When TESSARY_XCODEBUILD_INVOCATION_LOG names a file, every run appends its argument line to it, so that tests can
// tell whether (and how) xcodebuild was run. One write per line keeps the lines of concurrent runs whole.
void appendInvocationLine(const std::vector<std::string> &arguments) {
    const char *logPath = std::getenv("TESSARY_XCODEBUILD_INVOCATION_LOG");
    if (logPath == nullptr || *logPath == '\0') {
        return;
    }
    std::string line;
    for (const std::string &argument : arguments) {
        line += (line.empty() ? "" : " ") + xa_quotedForArgumentUsage(argument);
    }
    line += "\n";
    const int descriptor = ::open(logPath, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return;
    }
    [[maybe_unused]] const ssize_t ignored = ::write(descriptor, line.data(), line.size());
    ::close(descriptor);
}

// What the project model logs while it reads a project (a build file without a file reference, an .xcconfig it cannot
// read) is something it skips and goes on without; xcodebuild shows such lines as its own warnings, as Xcode's log
// does, and its exit status stays what the request itself came to.
void reportProjectModelLinesAsWarnings() {
    XASetLogTargets(XALogTargetNotification);
    XASetLogNotificationHandler([](int, const std::string &line) {
        std::string_view text = line;
        for (std::string_view severity : {"ERROR: ", "Error: ", "Warning: "}) {
            if (text.starts_with(severity)) {
                text.remove_prefix(severity.size());
                break;
            }
        }
        XAWriteToStderr("xcodebuild: warning: " + std::string(text) + "\n");
    });
}

int written(const XAToolOutput &output) {
    XAWriteToStdout(output.standardOutput);
    XAWriteToStderr(output.standardError);
    return output.status;
}

} // namespace

int main(int argc, char **argv) {
    const std::vector<std::string> arguments = XAToolArguments(argc, argv);
    appendInvocationLine(arguments);
    reportProjectModelLinesAsWarnings();
    XAXcodebuildRequest request = XAParseXcodebuildArguments(arguments);
    const std::string developerDirectory = XAStandInDeveloperDirectory(argc > 0 ? argv[0] : nullptr).value_or("");
    const std::string workingDirectory = xa_absoluteCLIPath(".");
    switch (request.kind) {
    case XAXcodebuildRequestKind::Version:
        XAWriteToStdout("Tessary xcodebuild stand-in " TESSARY_VERSION "\nBuild version " TESSARY_VERSION "\n");
        return 0;
    case XAXcodebuildRequestKind::Help:
    case XAXcodebuildRequestKind::Usage:
        XAWriteToStderr(usageText(request.kind == XAXcodebuildRequestKind::Help));
        return 0;
    case XAXcodebuildRequestKind::ShowBuildSettings:
        return written(XAShowBuildSettings(request.buildSettings, developerDirectory, workingDirectory));
    case XAXcodebuildRequestKind::Build:
        return written(XARunXcodebuildBuild(request.buildSettings, developerDirectory, workingDirectory));
    case XAXcodebuildRequestKind::List:
        return written(
            XAListXcodebuild(request.buildSettings, developerDirectory, workingDirectory, XAStandInUserName()));
    case XAXcodebuildRequestKind::Invalid:
        XAPrintToolError("xcodebuild", request.errorMessage);
        XAWriteToStderr(usageText(false));
        return XAExitStatusUsage;
    case XAXcodebuildRequestKind::Unsupported:
        break;
    }
    XAPrintToolError("xcodebuild", "this action is not supported yet");
    XAWriteToStderr(usageText(false));
    return XAExitStatusUsage;
}
