#pragma once

// Unique temporary files and folders in the system's temporary folder.
//
// A name template ends in a run of "X" characters that is replaced by as many random letters and digits
// ("TempFileDiff-XXXXXXXXX" gives "TempFileDiff-a8Zk03QpT"); a template without X is tried once as it is. The item is
// created exclusively (never an existing one, never through a link), readable and writable by the user only.

#include <optional>
#include <string>
#include <string_view>

// $TMPDIR when it is an absolute path, else "/tmp"; without a trailing slash.
std::string XATemporaryDirectory();

// Creates a new empty file from the template in the temporary folder, closes it and returns its path. On failure
// logs "FATAL: cannot create temporary file!" at the fatal level and returns no value.
std::optional<std::string> XATemporaryFilePath(std::string_view nameTemplate);

// The same for a new folder; the failure message is "FATAL: cannot create temporary directory!".
std::optional<std::string> XATemporaryDirectoryPath(std::string_view nameTemplate);
