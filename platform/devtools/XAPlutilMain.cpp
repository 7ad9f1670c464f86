// plutil of the developer-directory stand-in: checks that property lists and .strings tables can be read, as
// `plutil -lint` does. Each file gets one line on standard output, "<file>: OK" or "<file>: <what is wrong>"; the
// status is 1 when any file is not OK.

#include "platform/devtools/XADevToolsSupport.h"

#include "core/XALog.h"
#include "core/XAOpenStepReader.h"
#include "core/XAPaths.h"
#include "core/XAPropertyList.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char *kToolName = "plutil";
constexpr int kUsageStatus = 64;

const char *const kUsage = "Usage: plutil [-lint] [-s] [--] file...\n"
                           "\n"
                           "Checks that each property list (XML, binary or OpenStep text) or .strings file can be\n"
                           "read; \"-\" reads standard input.\n"
                           "\n"
                           "Options:\n"
                           "  -lint     check the files (the default)\n"
                           "  -s        print nothing for files that are OK\n"
                           "  -help     print this text\n"
                           "  --        the arguments that follow are files\n";

struct XAPlutilRequest {
    bool silent = false;
    bool help = false;
    std::vector<std::string> files;
};

// Reads the arguments; no value (after a message on standard error) when they do not make a request.
std::optional<XAPlutilRequest> parseArguments(const std::vector<std::string> &arguments) {
    XAPlutilRequest request;
    bool optionsEnded = false;
    for (const std::string &argument : arguments) {
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            request.files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-lint") {
            continue;
        } else if (argument == "-s") {
            request.silent = true;
        } else if (argument == "-help" || argument == "-h" || argument == "--help") {
            request.help = true;
        } else {
            XAPrintToolError(kToolName,
                             "unknown or unsupported option " + argument + " (this plutil only checks files)");
            return std::nullopt;
        }
    }
    if (request.files.empty() && !request.help) {
        XAPrintToolError(kToolName, "no files specified");
        return std::nullopt;
    }
    return request;
}

bool isStringsFile(const std::string &path) {
    std::string extension = xa_pathExtension(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == "strings";
}

bool isReadableRegularFile(const std::string &path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

// The readers' messages begin with the source name, then the line when known ("<name>:<line>: ..."), or name it
// as the subject ("<name> is empty"); plutil puts the name in front itself, so the message says "line <n>: ..." or
// "the file ..." instead.
std::string messageWithoutSourceName(const std::string &message, const std::string &sourceName) {
    if (message.starts_with(sourceName + " ")) {
        return "the file" + message.substr(sourceName.size());
    }
    const std::string prefix = sourceName + ":";
    if (!message.starts_with(prefix)) {
        return message;
    }
    std::string rest = message.substr(prefix.size());
    const std::size_t digits =
        std::find_if_not(rest.begin(), rest.end(), [](unsigned char c) { return std::isdigit(c); }) - rest.begin();
    if (digits > 0 && rest.compare(digits, 2, ": ") == 0) {
        return "line " + rest;
    }
    return rest.starts_with(" ") ? rest.substr(1) : rest;
}

// The problem with the file's contents, or no value when it reads as a property list (or a .strings table).
std::optional<std::string> problemWithContents(const std::string &bytes, const std::string &sourceName,
                                               bool asStringsFile) {
    XAError error;
    if (asStringsFile) {
        if (XAOpenStepReader::read(bytes, sourceName, XAOpenStepReadMode::StringsFile, &error)) {
            return std::nullopt;
        }
        return error.message;
    }
    XAPropertyListFormat format = XAPropertyListFormat::OpenStep;
    if (XAPropertyListFromData(bytes, sourceName, &error, &format)) {
        if (format != XAPropertyListFormat::JSON) {
            return std::nullopt;
        }
        // JSON is no property-list format: what the OpenStep reader says about the text names the place.
        XAOpenStepReader::read(bytes, sourceName, XAOpenStepReadMode::PropertyList, &error);
    }
    return error.message;
}

std::string standardInput() {
    return std::string(std::istreambuf_iterator<char>(std::cin.rdbuf()), std::istreambuf_iterator<char>());
}

// Checks one file and prints its line; true when it is OK.
bool lint(const std::string &file, bool silent) {
    std::optional<std::string> bytes;
    if (file == "-") {
        bytes = standardInput();
    } else if (isReadableRegularFile(file)) {
        XAError error;
        bytes = XAContentsOfFile(file, &error);
        if (!bytes) {
            XAWriteToStdout(file + ": " + error.message + "\n");
            return false;
        }
    } else {
        XAWriteToStdout(file + ": file does not exist or is not readable or is not a regular file\n");
        return false;
    }
    const std::optional<std::string> problem = problemWithContents(*bytes, file, file != "-" && isStringsFile(file));
    if (problem) {
        XAWriteToStdout(file + ": " + messageWithoutSourceName(*problem, file) + "\n");
        return false;
    }
    if (!silent) {
        XAWriteToStdout(file + ": OK\n");
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    const std::optional<XAPlutilRequest> request = parseArguments(XAToolArguments(argc, argv));
    if (!request) {
        XAWriteToStderr(kUsage);
        return kUsageStatus;
    }
    if (request->help) {
        XAWriteToStdout(kUsage);
        return 0;
    }
    bool allOK = true;
    for (const std::string &file : request->files) {
        allOK = lint(file, request->silent) && allOK;
    }
    return allOK ? 0 : 1;
}
