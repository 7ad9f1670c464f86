#include "engine/XAInclusionRuleSupport.h"

#include "core/XAPaths.h"
#include "engine/XAClangFilePaths.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <filesystem>

bool XATargetUsesPrefixHeader(const XARuleContext &context) {
    if (!context.project() || !context.projectTarget() || !context.projectBuildConfig()) {
        return false;
    }
    const std::optional<std::string> path =
        context.project()->pathToPrefixHeaderForTarget(*context.projectTarget(), context.projectBuildConfig()->name());
    std::error_code error;
    return path && std::filesystem::exists(*path, error);
}

std::optional<std::string> XAPCHInclusionsFolderOfCompilation(const XACompilationInfo &compilationInfo) {
    if (!compilationInfo.pchPath()) {
        return std::nullopt;
    }
    return xa_stringByDeletingLastPathComponent(*compilationInfo.pchPath());
}

std::optional<std::string> XANormalizedIncludedFilePath(CXCursor directive) {
    return XANormalizedFilePathOfClangFile(XALibclang::fn().clang_getIncludedFile(directive));
}
