#pragma once

// Checking a fixture project (tests/fixtures/projects/<name>) from end to end with chosen rules of the shared
// registry: the project is copied to a scratch folder, checked by a synchronous checking operation over its first
// application target, and its findings are given with paths relative to the project folder. The rule-case
// environment (libclang, developer tools) must be installed, as the rule-case tests of the same program do.

#include "core/XAPathsTestSupport.h"
#include "engine/XADiagnostic.h"
#include "engine/config/XAOptionValue.h"
#include "ruledriver/XARuleCaseFile.h"

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct XAFixtureFinding {
    std::string file; // relative to the project folder when inside it, else as reported; "" for none
    std::uint64_t line = 0;
    std::string identifier;
    std::string info; // the message as plain text
    bool operator==(const XAFixtureFinding &) const = default;
};

inline void PrintTo(const XAFixtureFinding &finding, std::ostream *stream) {
    *stream << finding.file << ":" << finding.line << " id=" << finding.identifier << " \"" << finding.info << "\"";
}

struct XAFixtureCheck {
    std::vector<XAFixtureFinding> findings; // ordered by file, line and message
    XADiagnostics diagnostics;              // as the run gave them, for their markup and scales
    std::vector<std::string> debugMessages;
    std::string projectFolder;
};

// Rule short name -> option name -> value.
using XAFixtureRuleOptions = std::map<std::string, std::map<std::string, XAOptionValue>>;

// What a check may add to the fixture: application options (long name -> value, such as "target" or "fullBuild")
// and files added to the first application target as a rule case's files are.
struct XAFixtureCheckAdditions {
    std::map<std::string, XAOptionValue> appOptions;
    std::vector<XARuleCaseSourceFile> files;
};

// Checks the fixture with the rules; `scratch` holds the copy, which stays there for the caller to look at.
XAFixtureCheck XACheckFixture(const XAScratchFolder &scratch, const std::string &fixture,
                              const std::vector<std::string> &ruleShortNames, const XAFixtureRuleOptions &options = {},
                              const XAFixtureCheckAdditions &additions = {});
// Checks the project as it stands, wherever it is, with the rules and application options.
XAFixtureCheck XACheckProject(const std::string &xcodeprojPath, const std::vector<std::string> &ruleShortNames,
                              const XAFixtureRuleOptions &options = {},
                              const std::map<std::string, XAOptionValue> &appOptions = {});
