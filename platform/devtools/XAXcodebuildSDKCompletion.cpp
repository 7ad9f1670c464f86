#include "platform/devtools/XAXcodebuildSDKCompletion.h"

#include "core/XAHashing.h"
#include "core/XATask.h"
#include "platform/devtools/XASDKCompletionJob.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// The arguments a parse of the step's file needs: the line without the compiler, the output options and the source,
// with the prefix header itself in place of its precompiled header (a dry run makes none).
XACompletionCompilation compilationOf(const XAStandInBuildStep &step, const XAStandInTargetBuild &build) {
    std::vector<std::string> command = step.command;
    command.erase(outputOptions(command), command.end());
    XACompletionCompilation compilation{step.header[2], step.workingDirectory, {}, false};
    compilation.arguments.assign(command.begin() + std::min<std::size_t>(1, command.size()), command.end());
    for (std::size_t index = 0; index + 1 < compilation.arguments.size(); ++index) {
        if (compilation.arguments[index] == "-include") {
            auto prefix = build.prefixHeaderSources.find(compilation.arguments[index + 1]);
            if (prefix != build.prefixHeaderSources.end()) {
                compilation.arguments[index + 1] = prefix->second;
            }
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

// What a completion depends on: the job and each source file's size and modification time.
std::string jobKey(const XACompletionJob &job, const std::string &jobText) {
    std::string key = jobText;
    for (const XACompletionCompilation &compilation : job.compilations) {
        std::error_code error;
        const auto size = std::filesystem::file_size(compilation.source, error);
        const auto time = std::filesystem::last_write_time(compilation.source, error);
        key += "\n" + compilation.source + " " + std::to_string(error ? 0 : size) + " " +
               std::to_string(error ? 0 : time.time_since_epoch().count());
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
    if ((enabled && std::string(enabled) == "NO") || build.completionFolder.empty() ||
        !std::filesystem::exists(tool)) {
        return;
    }
    XACompletionJob job;
    job.outputFolder = build.completionFolder;
    for (const XAStandInBuildStep &step : build.steps) {
        if (isCompileStep(step)) {
            job.compilations.push_back(compilationOf(step, build));
        }
    }
    if (job.compilations.empty()) {
        return;
    }
    const std::filesystem::path folder(build.completionFolder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string jobText = XACompletionJobText(job);
    const std::string key = jobKey(job, jobText);
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
