#pragma once

#include "core/XAError.h"
#include "core/XAValue.h"

#include <memory>
#include <string>

// Reads a `project.pbxproj` into its parsed dictionary and checks the shape that the project
// model relies on: a dictionary whose "objects" is a dictionary and whose "rootObject" names one
// of its objects. Errors name the file and what is wrong.
std::shared_ptr<const XAValue> XAReadPbxproj(const std::string &pbxprojPath, XAError *error);
