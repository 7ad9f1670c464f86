#pragma once

// The one way a file path that libclang reports becomes the path the engine stores and compares: absolute and
// lexically normalised, so that diagnostics, suppressions and the project's own paths agree.

#include "codemodel/XALibclang.h"

#include <optional>
#include <string>

// The path of a libclang file: its name when that is absolute, else the real path libclang knows for it, else the
// name taken against the current folder; then standardised ("." and ".." resolved, no symbolic link followed). No
// value for a null file.
std::optional<std::string> XANormalizedFilePathOfClangFile(CXFile file);

// The normalised path of the file in which the cursor's extent starts (its expansion location); no value for
// built-in and command-line material.
std::optional<std::string> XANormalizedFilePathOfCursor(CXCursor cursor);
