// xcodebuild of the developer-directory stand-in. It answers what it supports so far: its version and its options.

#include "core/XALog.h"
#include "platform/devtools/XADevToolsSupport.h"

#include <string>
#include <vector>

#ifndef TESSARY_VERSION
#error "TESSARY_VERSION must name the version of the build"
#endif

namespace {

constexpr int kUsageStatus = 64;

struct XAXcodebuildOption {
    const char *name;
    const char *description;
};

// One line per option in `-help`, in the shape callers search for: the option, blanks, its description.
constexpr XAXcodebuildOption kOptions[] = {
    {"-usage", "print brief usage"},
    {"-help", "print complete usage"},
    {"-version", "display the version of this stand-in for xcodebuild"},
};

std::string usageText(bool withOptions) {
    std::string text = "Usage: xcodebuild -version\n"
                       "       xcodebuild -help\n";
    if (withOptions) {
        text += "\nOptions:\n";
        for (const XAXcodebuildOption &option : kOptions) {
            std::string name = option.name;
            text +=
                "    " + name + std::string(name.size() < 26 ? 26 - name.size() : 1, ' ') + option.description + "\n";
        }
    }
    return text;
}

} // namespace

int main(int argc, char **argv) {
    std::vector<std::string> arguments = XAToolArguments(argc, argv);
    if (arguments == std::vector<std::string>{"-version"}) {
        XAWriteToStdout("Tessary xcodebuild stand-in " TESSARY_VERSION "\nBuild version " TESSARY_VERSION "\n");
        return 0;
    }
    if (arguments == std::vector<std::string>{"-help"} || arguments == std::vector<std::string>{"-usage"}) {
        XAWriteToStderr(usageText(arguments.front() == "-help"));
        return 0;
    }
    XAPrintToolError("xcodebuild", "this action is not supported yet");
    XAWriteToStderr(usageText(false));
    return kUsageStatus;
}
