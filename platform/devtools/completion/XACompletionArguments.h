#pragma once

// The arguments of the SDK completion's parses. A logged compile line carries what the project's build settings give
// (front-end options of Apple's clang passed with -Xclang, say), and one option that the linked libclang does not
// know makes it refuse the whole parse: the line is prepared as the checker prepares it for its own parses
// (project/XAParsingArguments.h), each distinct option tried once on the linked libclang, so that the completion
// parses the file as the checker later will.

#include "platform/devtools/XASDKCompletionJob.h"

#include <string>
#include <vector>

// True when the linked libclang parses an empty file with these arguments without an error; remembered per arguments.
// Safe on any thread.
bool XALinkedClangAcceptsArguments(const std::vector<std::string> &arguments);

// The compilation's arguments for a parse by the linked libclang: options it refuses left out, its builtin headers
// and the compilation's working directory added.
std::vector<std::string> XACompletionParseArguments(const XACompletionCompilation &compilation);
