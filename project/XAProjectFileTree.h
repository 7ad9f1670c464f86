#pragma once

#include "project/XAProjectData.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The file tree of a project: one walk of the main group and of the products group that makes one XAProjectFile per
// file reference, with its disk path worked out from the chain of groups and their source trees.

// Gives the active developer directory for references whose source tree is "DEVELOPER_DIR". Asked only when such a
// reference is met.
using XADeveloperDirectoryProvider = std::function<std::optional<std::string>()>;

// Fills `record.fileReferenceObjects` (identifier to file) and `record.fileReferenceObjectsByStandardizedPath`
// (standardised disk path to file) from `record.projectDict`; `record.xcodeprojPath` gives the project folder.
// Call it while the record is still private to the loader, before it is shared as const. The files get a record of
// their own that carries only xcodeprojPath and projectDict, so they never reach the maps.
//
// Without a provider, the shared developer environment's devDirRootPath() is used. A project file without a root
// object or groups gives empty maps. Group cycles and dangling identifiers are skipped.
void XABuildProjectFileTree(XAProjectData &record, const XADeveloperDirectoryProvider &developerDirectory = {});

// The same for a record held by shared pointer; returns that record, filled.
std::shared_ptr<XAProjectData> XABuildProjectFileTree(std::shared_ptr<XAProjectData> record,
                                                      const XADeveloperDirectoryProvider &developerDirectory = {});

// `first` + "/" + `second` with every "//" then replaced by "/"; the other one alone when one is absent or empty.
std::optional<std::string> XAJoinPath(const std::optional<std::string> &first,
                                      const std::optional<std::string> &second);
