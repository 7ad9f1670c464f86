#pragma once

// The Xcode project a rule case is checked in: a copy of the case file's fixture project, or of the small template
// project "RuleCase" when it names none, with the case's files added to the app target (in the folder "CaseFiles",
// compiled when they are sources) and the case's project facts written into the project file.

#include "ruledriver/XARuleCaseFile.h"

#include <optional>
#include <string>
#include <vector>

// The folder of the case's files inside the project folder.
inline constexpr const char *kXARuleCaseFilesFolder = "CaseFiles";

struct XARuleCaseProject {
    std::string folder; // the project folder
    std::string xcodeprojPath;
    std::optional<std::string> configurationName; // the build configuration the case names
};

// Lays the files that the build makes for the fixture (TESSARY_BUILT_FIXTURES_DIR/<fixture>, such as a compiled
// library) over its copy in `folder`; false with the reason when they cannot be copied. A fixture without built
// files needs nothing.
bool XALayBuiltFixtureFilesOver(const std::string &fixture, const std::string &folder, std::string &problem);

// Writes the project into `scratchFolder`, taking fixtures from `fixturesFolder`; no project, and the problems, when
// the fixture, the project file or the app target cannot be found or a fact cannot be written.
std::optional<XARuleCaseProject> XAMakeRuleCaseProject(const XARuleCase &ruleCase, const std::string &scratchFolder,
                                                       const std::string &fixturesFolder,
                                                       std::vector<std::string> &problems);
