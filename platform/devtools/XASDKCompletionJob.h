#pragma once

// What the xcodebuild stand-in asks of the SDK completion tool (completion/XACompletionRun.h) for one target, and what
// the tool answers: both as JSON files in the target's completion folder, written by one and read by the other.

#include <optional>
#include <set>
#include <string>
#include <vector>

struct XACompletionCompilation {
    std::string source;
    std::string workingDirectory;
    std::vector<std::string> arguments; // the compiler's arguments without the source and output options
    bool objectiveC = false;
};

struct XACompletionJob {
    std::vector<XACompletionCompilation> compilations;
    std::string outputFolder;
    int maximumRounds = 3;
};

struct XACompletionOutcome {
    std::set<std::string> completedSources;   // files whose compile lines get `arguments`
    std::vector<std::string> arguments;       // -include <header> and what goes with it
    std::vector<std::string> targetArguments; // for every compile line of the target: the header overlay, or none
};

std::string XACompletionJobText(const XACompletionJob &job);
std::optional<XACompletionJob> XACompletionJobFromText(const std::string &text);
std::string XACompletionOutcomeText(const XACompletionOutcome &outcome);
std::optional<XACompletionOutcome> XACompletionOutcomeFromText(const std::string &text);
