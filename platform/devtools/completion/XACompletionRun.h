#pragma once

// Completion of the SDK stand-in for one target: every source file is parsed with its compile line; the files with
// compiler errors are read (XACompletionFileAnalysis.h), what they lack is declared (XACompletionDeclarations.h),
// and they are parsed again with the declarations, until they parse, nothing new is found, or the job's number of
// rounds has passed. Files are parsed side by side.
//
// What it writes into the job's folder:
//   SDKCompletion.h        the declarations
//   Headers/...            empty SDK headers the stand-in lacks, laid into the SDK by
//   overlay.yaml           a virtual file-system overlay, so that they are found as the SDK's own
//   record.json            what was completed: files, rounds, seconds, and per completed name the number of files
//                          that use it
// The outcome names the files that need the completion on their compile line: those with errors the completion
// addresses. A file that parses as it is gets nothing, nor does one that lacks a project file or dependency.

#include "platform/devtools/XASDKCompletionJob.h"

XACompletionOutcome XARunCompletion(const XACompletionJob &job);
