#include "platform/devtools/XAXcodebuildSDKCompletion.h"

#include "core/XAHashing.h"
#include "core/XATask.h"
#include "platform/devtools/XASDKCompletionJob.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

bool isCompileStep(const XAStandInBuildStep &step) {
    return !step.header.empty() && step.header.front() == "CompileC" && step.header.size() >= 6;
}

bool isCompilerStep(const XAStandInBuildStep &step) {
    return !step.header.empty() && (step.header.front() == "CompileC" || step.header.front() == "ProcessPCH" ||
                                    step.header.front() == "ProcessPCH++");
}

// Where the output options of a logged compile line start ("-MMD -MT dependencies ..."): what the completion adds
// goes before them, after the prefix header and the file's own flags.
std::vector<std::string>::iterator outputOptions(std::vector<std::string> &command) {
    auto found = std::find(command.rbegin(), command.rend(), "-MMD");
    return found == command.rend() ? command.end() : std::prev(found.base());
}

// The folders of the project's headers, as "-I<folder>" arguments: they stand in for the header maps that the logged
// lines name and a dry run does not write, so that `#import "Header.h"` (and `<Header.h>`, as the maps of all target
// headers allow) finds a project header from any folder, as the checker's stand-ins for the maps do.
std::vector<std::string> projectHeaderFolderArguments(const std::vector<std::string> &folders) {
    std::vector<std::string> arguments;
    for (const std::string &folder : folders) {
        arguments.push_back("-I" + folder);
    }
    return arguments;
}

bool isMissingHeaderMap(const std::string &argument) {
    return argument.ends_with(".hmap") && !std::filesystem::exists(argument);
}

// The arguments a parse of the step's file needs: the line without the compiler, the output options and the source,
// with the prefix header itself in place of its precompiled header (a dry run makes none), and the project's header
// folders in place of the header maps.
XACompletionCompilation compilationOf(const XAStandInBuildStep &step, const XAStandInTargetBuild &build,
                                      const std::vector<std::string> &headerFolders) {
    std::vector<std::string> command = step.command;
    command.erase(outputOptions(command), command.end());
    XACompletionCompilation compilation{step.header[2], step.workingDirectory, {}, false};
    bool headerFoldersAdded = false;
    for (std::size_t index = 1; index < command.size(); ++index) {
        const std::string &argument = command[index];
        const bool quoted =
            argument == "-iquote" && index + 1 < command.size() && isMissingHeaderMap(command[index + 1]);
        if (quoted || (argument.starts_with("-I") && isMissingHeaderMap(argument.substr(2)))) {
            if (!headerFoldersAdded) {
                compilation.arguments.insert(compilation.arguments.end(), headerFolders.begin(), headerFolders.end());
                headerFoldersAdded = true;
            }
            index += quoted ? 1 : 0;
            continue;
        }
        compilation.arguments.push_back(argument);
        if (argument == "-include" && index + 1 < command.size()) {
            auto prefix = build.prefixHeaderSources.find(command[index + 1]);
            compilation.arguments.push_back(prefix != build.prefixHeaderSources.end() ? prefix->second
                                                                                      : command[index + 1]);
            ++index;
        }
    }
    compilation.objectiveC = step.header[5] == "objective-c" || step.header[5] == "objective-c++";
    return compilation;
}

std::string readFile(const std::filesystem::path &path) {
    std::ifstream stream(path, std::ios::binary);
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path &path, const std::string &text) {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream << text;
}

// A file's size and modification time, as a line of a job's key.
std::string fileStamp(const std::filesystem::path &path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const auto time = std::filesystem::last_write_time(path, error);
    return "\n" + path.string() + " " + std::to_string(error ? 0 : size) + " " +
           std::to_string(error ? 0 : time.time_since_epoch().count());
}

// What a completion depends on: the job, each source file, and the headers in the project's header folders (a
// header that comes to declare a name the completion declared would clash with it).
std::string jobKey(const XACompletionJob &job, const std::string &jobText,
                   const std::vector<std::string> &headerFolders) {
    std::string key = jobText;
    for (const XACompletionCompilation &compilation : job.compilations) {
        key += fileStamp(compilation.source);
    }
    std::set<std::filesystem::path> headers; // in a defined order
    for (const std::string &folder : headerFolders) {
        std::error_code error;
        for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.path().extension() == ".h") {
                headers.insert(entry.path());
            }
        }
    }
    for (const std::filesystem::path &header : headers) {
        key += fileStamp(header);
    }
    return xa_SHA256Hash(key);
}

void insertBeforeOutputOptions(XAStandInBuildStep &step, const std::vector<std::string> &arguments) {
    step.command.insert(outputOptions(step.command), arguments.begin(), arguments.end());
}

void applyOutcome(XAStandInTargetBuild &build, const XACompletionOutcome &outcome) {
    for (XAStandInBuildStep &step : build.steps) {
        if (!isCompilerStep(step)) {
            continue;
        }
        insertBeforeOutputOptions(step, outcome.targetArguments);
        if (isCompileStep(step) && outcome.completedSources.count(step.header[2])) {
            insertBeforeOutputOptions(step, outcome.arguments);
        }
    }
}

std::optional<XACompletionOutcome> runTool(const std::string &tool, const std::filesystem::path &folder,
                                           std::vector<std::string> &warnings) {
    const std::string jobPath = (folder / "job.json").string();
    const std::string outcomePath = (folder / "outcome.json").string();
    const XATaskResults results = XATask::xa_execute(tool, {jobPath, outcomePath});
    if (results.exitStatus != 0) {
        warnings.push_back("The SDK completion failed with status " + std::to_string(results.exitStatus) + ": " +
                           results.standardError.value_or(""));
        return std::nullopt;
    }
    return XACompletionOutcomeFromText(readFile(outcomePath));
}

} // namespace

void XACompleteTargetBuild(XAStandInTargetBuild &build, const std::string &developerDirectory) {
    const char *enabled = std::getenv("TESSARY_SDK_COMPLETION");
    const std::string tool = developerDirectory + "/usr/libexec/sdk-completion";
    if ((enabled && std::string(enabled) == "NO") || build.completionFolder.empty() || !std::filesystem::exists(tool)) {
        return;
    }
    XACompletionJob job;
    job.outputFolder = build.completionFolder;
    const std::vector<std::string> headerFolders = projectHeaderFolderArguments(build.projectHeaderFolders);
    for (const XAStandInBuildStep &step : build.steps) {
        if (isCompileStep(step)) {
            job.compilations.push_back(compilationOf(step, build, headerFolders));
        }
    }
    if (job.compilations.empty()) {
        return;
    }
    const std::filesystem::path folder(build.completionFolder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string jobText = XACompletionJobText(job);
    const std::string key = jobKey(job, jobText, build.projectHeaderFolders);
    std::optional<XACompletionOutcome> outcome;
    if (readFile(folder / "job.key") == key) {
        outcome = XACompletionOutcomeFromText(readFile(folder / "outcome.json"));
    }
    if (!outcome) {
        writeFile(folder / "job.json", jobText);
        outcome = runTool(tool, folder, build.warnings);
        if (outcome) {
            writeFile(folder / "job.key", key);
        }
    }
    if (outcome) {
        applyOutcome(build, *outcome);
    }
}
