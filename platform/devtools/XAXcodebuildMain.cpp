// xcodebuild of the developer-directory stand-in. It answers what it supports so far: its version, its options and
// the resolved build settings of a project's targets.

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "platform/devtools/XADevToolsSupport.h"
#include "platform/devtools/XAXcodebuildArguments.h"
#include "platform/devtools/XAXcodebuildShowBuildSettings.h"

#include <string>
#include <vector>

#ifndef TESSARY_VERSION
#error "TESSARY_VERSION must name the version of the build"
#endif

namespace {

std::string usageText(bool withOptions) {
    std::string text = "Usage: xcodebuild -version\n"
                       "       xcodebuild -help\n"
                       "       xcodebuild [action] [-project NAME] [-configuration NAME] [-target NAME | -alltargets]\n"
                       "                  [-sdk SDK] [-arch ARCH] [NAME=VALUE]... -showBuildSettings\n";
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

int showBuildSettings(const XABuildSettingsRequest &request, const char *argv0) {
    std::string developerDirectory = XAStandInDeveloperDirectory(argv0).value_or("");
    XAToolOutput output = XAShowBuildSettings(request, developerDirectory, xa_absoluteCLIPath("."));
    XAWriteToStdout(output.standardOutput);
    XAWriteToStderr(output.standardError);
    return output.status;
}

} // namespace

int main(int argc, char **argv) {
    XAXcodebuildRequest request = XAParseXcodebuildArguments(XAToolArguments(argc, argv));
    switch (request.kind) {
    case XAXcodebuildRequestKind::Version:
        XAWriteToStdout("Tessary xcodebuild stand-in " TESSARY_VERSION "\nBuild version " TESSARY_VERSION "\n");
        return 0;
    case XAXcodebuildRequestKind::Help:
    case XAXcodebuildRequestKind::Usage:
        XAWriteToStderr(usageText(request.kind == XAXcodebuildRequestKind::Help));
        return 0;
    case XAXcodebuildRequestKind::ShowBuildSettings:
        return showBuildSettings(request.buildSettings, argc > 0 ? argv[0] : nullptr);
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
