#pragma once

#include "core/XAError.h"

#include <string>

// Writes the launcher script `toolName` into `folder`: the resource template filled with this installation's root
// (the folder above the executable's), executable by everyone. The script starts the executable with "cli" first.
// False with the reason in `error` when the template is missing or the file cannot be written.
bool XAInstallCLIToolScript(const std::string &folder, const std::string &toolName, XAError *error);
