#pragma once

// Whether the loaded libclang accepts compiler arguments, found out by trying them.
//
// A build log's compiler line may carry options that this libclang does not know: options of Apple's clang, options
// of a newer or older clang, or front-end options passed with -Xclang. An unknown driver option gives every parse an
// "unknown argument" error; an unknown front-end option makes libclang refuse the parse altogether (error code 4,
// with no diagnostic naming it). No list of such options can be complete, so the argument preparation asks the
// loaded libclang instead: it parses an empty in-memory file with the arguments in question and counts them accepted
// when that parse succeeds without an error. The answer is remembered for the life of the process, keyed by the
// library's version text and the arguments, so that each distinct option is tried once. A trial costs a few
// milliseconds.
//
// Safe on any thread. Needs a loaded libclang and aborts like XALibclang::fn() without one.

#include "project/XAParsingArguments.h"

#include <string>
#include <vector>

// True when the loaded libclang parses an empty file with exactly these arguments (which should name the language
// with -x and the target with -target, as the real parse will) and reports no error.
bool XALoadedClangAcceptsArguments(const std::vector<std::string> &arguments);
