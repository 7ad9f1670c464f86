#include "codemodel/XABuildStep.h"

#include "core/XACollections.h"
#include "core/XAString.h"

#include <cstdio>
#include <iterator>
#include <unordered_map>
#include <utility>

XABuildStep::XABuildStep(const std::vector<std::string> &xcodebuildLines) {
    if (xcodebuildLines.empty()) {
        return;
    }
    std::vector<std::string> columns = xa_argumentLineColumns(xcodebuildLines.front());
    if (!columns.empty()) {
        name_ = std::move(columns.front());
        arguments_.assign(std::make_move_iterator(columns.begin() + 1), std::make_move_iterator(columns.end()));
    }
    commands_.reserve(xcodebuildLines.size() - 1);
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

std::string XABuildStep::description() const {
    char address[64];
    std::snprintf(address, sizeof address, "%p", static_cast<const void *>(this));
    std::string quotedArguments;
    for (const std::string &argument : xa_doubleQuotedComponents(arguments_)) {
        quotedArguments += (quotedArguments.empty() ? "" : ", ") + argument;
    }
    return "<XABuildStep: " + std::string(address) + "> - " + name_ + " [" + quotedArguments + "]";
}
