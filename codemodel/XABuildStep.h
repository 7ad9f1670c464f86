#pragma once

// One step of an xcodebuild log: its header line ("CompileC out.o in.m normal arm64 objective-c ...") split into the
// step's name and arguments, and the indented lines that follow it (the commands xcodebuild ran).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a step does, from its name.
enum XABuildStepKind : int {
    XABuildStepKindOther = 0,
    XABuildStepKindCompileC = 1,
    XABuildStepKindProcessPCH = 2,
    XABuildStepKindProcessInfoPlistFile = 3,
    XABuildStepKindPreprocess = 4,
    XABuildStepKindTouch = 5,
    XABuildStepKindCodeSign = 6,
    XABuildStepKindValidate = 7,
    XABuildStepKindPhaseScriptExecution = 8,
    XABuildStepKindCompileXIB = 9,
    XABuildStepKindCompileStoryboard = 10,
};

// Immutable once made, so a step is read from any thread.
class XABuildStep {
public:
    // The step's lines, its header line first. The header is split into columns as a command line is (quotes and
    // backslashes honoured): the first column is the name, the others the arguments. The lines after the header,
    // trimmed of white space and line ends, are the commands. Never fails; no lines, or a header without columns,
    // give a step with an empty name, no arguments and kind 0. An absent name or argument list is empty, as is the
    // command list of a step that has only its header.
    explicit XABuildStep(const std::vector<std::string> &xcodebuildLines);

    const std::string &name() const { return name_; }
    const std::vector<std::string> &arguments() const { return arguments_; }
    const std::vector<std::string> &commands() const { return commands_; }
    XABuildStepKind kind() const { return kind_; }

    // "CompileC" 1, "ProcessPCH" and "ProcessPCH++" 2, "ProcessInfoPlistFile" 3, "Preprocess" 4, "Touch" 5,
    // "CodeSign" 6, "Validate" 7, "PhaseScriptExecution" 8, "CompileXIB" 9, "CompileStoryboard" 10; 0 otherwise.
    static XABuildStepKind kindForName(std::string_view name);

    // No value when the index is not below the number of arguments.
    std::optional<std::string> argumentAtIndex(std::size_t index) const;
    // The file the step reads: argument 1 for kinds 1 to 4, argument 0 for kinds 5, 6, 7, 9 and 10; none otherwise.
    std::optional<std::string> inputPath() const;
    // The file the step writes: argument 0 for kinds 1 to 4; none otherwise.
    std::optional<std::string> outputPath() const;

    // For logs and debugging: "<XABuildStep: 0x...> - <name> [\"<argument>\", ...]".
    std::string description() const;

private:
    std::string name_;
    std::vector<std::string> arguments_;
    std::vector<std::string> commands_;
    XABuildStepKind kind_ = XABuildStepKindOther;
};
