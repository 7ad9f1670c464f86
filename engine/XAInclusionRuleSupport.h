#pragma once

// What the rules on inclusion directives share: whether the checked target uses a prefix header, the folder under
// which the run's state keeps the inclusions of a compilation's precompiled header, and the file a directive
// includes as a normalised path, comparable with those inclusions.

#include "codemodel/XACompilationInfo.h"
#include "codemodel/XALibclang.h"
#include "engine/XARuleContext.h"

#include <optional>
#include <string>

// The context's target names a prefix header for its build configuration and a file exists there.
bool XATargetUsesPrefixHeader(const XARuleContext &context);
// The folder of the compilation's precompiled header; no value when it includes none.
std::optional<std::string> XAPCHInclusionsFolderOfCompilation(const XACompilationInfo &compilationInfo);
// The file an inclusion directive includes, absolute (a relative name taken against the compilation's working
// folder) and lexically normalised; no value when the directive includes nothing.
std::optional<std::string> XANormalizedIncludedFilePath(CXCursor directive);
