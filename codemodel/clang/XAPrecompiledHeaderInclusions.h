#pragma once

// What the precompiled headers of a build include, read from their saved translation units (no parse again): per
// folder holding a precompiled header, every file included directly or through other headers, and the files
// included by directives written in the header file itself. The inclusion rules read these to judge an #import that
// the prefix header already brings. Needs a loaded libclang.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

struct XAPCHInclusions {
    // Folder of the precompiled header -> included file paths (as XAIncludedFilePath gives them, standardised).
    std::map<std::string, std::set<std::string>> allByFolder;
    std::map<std::string, std::set<std::string>> directByFolder;
};

// The rule-state key of the set of every inclusion of the precompiled headers in the folder:
// "inclusionsInAllPCHs--" followed by the folder path.
std::string XAAllPCHInclusionsStateKey(std::string_view folderPath);
// The rule-state key of the set of the inclusions written in the precompiled headers of the folder themselves:
// "inclusionsInDirectPCHs--" followed by the folder path.
std::string XADirectPCHInclusionsStateKey(std::string_view folderPath);

// The inclusions of the saved precompiled headers at the paths. A header that cannot be loaded is logged as an error
// and adds nothing.
XAPCHInclusions XAReadPCHInclusions(const std::vector<std::string> &pchPaths);
