#pragma once

// Shared precompiled preambles for the completion's parses. Most files of a target begin with the same imports of
// SDK headers (`#import <UIKit/UIKit.h>`), which make up most of the time a parse takes. Files that begin with the
// same `#import <...>` lines and are parsed with the same arguments share one precompiled header of those lines,
// made after what the arguments include (the prefix header, the completion's header), in their order: a file parsed
// with it in place of those includes sees the same declarations in the same order, its own imports of the same
// headers then being no-ops. A preamble whose parse has errors is not used, nor one only a single file would use.

#include "platform/devtools/completion/XACompletionFileAnalysis.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct XAPreamble {
    std::string pchPath;
    XAFileFindings findings; // what its parse declares
};

// One parse to run: the source and the arguments of its parse (working directory among them).
struct XAParseRequest {
    std::string source;
    std::vector<std::string> arguments;
    XAFileAnalysisContext context; // how its parse is read
};

// The `#import <...>` lines a source text begins with (after blank lines and comments), one per line; empty when it
// begins otherwise.
std::string XAImportPreambleOfText(const std::string &text);

// The arguments of a parse with the preamble in place of the includes its arguments name.
std::vector<std::string> XAArgumentsWithPreamble(const std::vector<std::string> &arguments, const XAPreamble &preamble);

class XACompletionPreambles {
public:
    explicit XACompletionPreambles(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Makes the preambles of the requests, in parallel; per request its preamble, or null. The preambles of an
    // earlier call are replaced.
    std::vector<const XAPreamble *> prepare(const std::vector<XAParseRequest> &requests);

private:
    std::filesystem::path folder_;
    std::vector<std::unique_ptr<XAPreamble>> preambles_;
};
