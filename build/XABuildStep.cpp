#include "build/XABuildStep.h"

#include "core/XAString.h"

#include <unordered_map>

XABuildStep::XABuildStep(const std::vector<std::string> &xcodebuildLines) {
    if (xcodebuildLines.empty()) {
        return;
    }
    std::vector<std::string> columns = xa_argumentLineColumns(xcodebuildLines.front());
    if (!columns.empty()) {
        name_ = columns.front();
        arguments_.assign(columns.begin() + 1, columns.end());
    }
    for (std::size_t index = 1; index < xcodebuildLines.size(); ++index) {
        commands_.push_back(xa_trimmed(xcodebuildLines[index]));
    }
    kind_ = kindForName(name_);
}

XABuildStepKind XABuildStep::kindForName(std::string_view name) {
    static const std::unordered_map<std::string_view, XABuildStepKind> kinds = {
        {"CompileC", XABuildStepKindCompileC},
        {"ProcessPCH", XABuildStepKindProcessPCH},
        {"ProcessPCH++", XABuildStepKindProcessPCH},
        {"ProcessInfoPlistFile", XABuildStepKindProcessInfoPlistFile},
        {"Preprocess", XABuildStepKindPreprocess},
        {"Touch", XABuildStepKindTouch},
        {"CodeSign", XABuildStepKindCodeSign},
        {"Validate", XABuildStepKindValidate},
        {"PhaseScriptExecution", XABuildStepKindPhaseScriptExecution},
        {"CompileXIB", XABuildStepKindCompileXIB},
        {"CompileStoryboard", XABuildStepKindCompileStoryboard},
    };
    auto found = kinds.find(name);
    return found == kinds.end() ? XABuildStepKindOther : found->second;
}

std::optional<std::string> XABuildStep::argumentAtIndex(std::size_t index) const {
    return index < arguments_.size() ? std::optional<std::string>(arguments_[index]) : std::nullopt;
}

std::optional<std::string> XABuildStep::inputPath() const {
    switch (kind_) {
    case XABuildStepKindCompileC:
    case XABuildStepKindProcessPCH:
    case XABuildStepKindProcessInfoPlistFile:
    case XABuildStepKindPreprocess:
        return argumentAtIndex(1);
    case XABuildStepKindTouch:
    case XABuildStepKindCodeSign:
    case XABuildStepKindValidate:
    case XABuildStepKindCompileXIB:
    case XABuildStepKindCompileStoryboard:
        return argumentAtIndex(0);
    case XABuildStepKindOther:
    case XABuildStepKindPhaseScriptExecution:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> XABuildStep::outputPath() const {
    switch (kind_) {
    case XABuildStepKindCompileC:
    case XABuildStepKindProcessPCH:
    case XABuildStepKindProcessInfoPlistFile:
    case XABuildStepKindPreprocess:
        return argumentAtIndex(0);
    default:
        return std::nullopt;
    }
}
