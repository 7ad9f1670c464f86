// xcode-select of the developer-directory stand-in: tells which developer directory is active.

#include "platform/devtools/XADevToolsSupport.h"

#include "core/XALog.h"

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char *kToolName = "xcode-select";
constexpr int kUsageStatus = 64;

const char *const kUsage = "Usage: xcode-select [options]\n"
                           "\n"
                           "Options:\n"
                           "  -h, --help          print this text\n"
                           "  -p, --print-path    print the path of the active developer directory\n"
                           "      --install       not available: the developer directory comes with Tessary's build\n";

} // namespace

int main(int argc, char **argv) {
    std::vector<std::string> arguments = XAToolArguments(argc, argv);
    if (arguments.size() != 1) {
        XAWriteToStderr(kUsage);
        return kUsageStatus;
    }
    const std::string &option = arguments.front();
    if (option == "-p" || option == "-print-path" || option == "--print-path") {
        std::optional<std::string> developerDirectory = XAStandInDeveloperDirectory(argc > 0 ? argv[0] : nullptr);
        if (!developerDirectory) {
            XAPrintToolError(kToolName, "unable to get the active developer directory");
            return 1;
        }
        XAWriteToStdout(*developerDirectory + "\n");
        return 0;
    }
    if (option == "-h" || option == "--help") {
        XAWriteToStdout(kUsage);
        return 0;
    }
    if (option == "--install" || option == "-install") {
        XAPrintToolError(kToolName, "the command-line tools cannot be installed here; the developer directory is "
                                    "built with Tessary");
        return 1;
    }
    XAWriteToStderr(kUsage);
    return kUsageStatus;
}
