#pragma once

// The command line of the tool split into a command, positional arguments and named option values, the table of
// commands, and the parts of a run that an Xcode build phase decides through its environment.

#include "core/XAProgressMessage.h"
#include "core/XAValue.h"
#include "engine/config/XAConfigurationOption.h"

#include <optional>
#include <string>
#include <vector>

class XAConfiguration;

// One command of the table: its name, what it does, and the display names of its parameters.
struct XACLICommand {
    std::string name;
    std::string description;
    std::vector<std::string> parameterNames;
};

class XACLIArgs {
public:
    // Parses `arguments` (the program path first, then what the user typed) against the option vocabulary. An entry
    // that begins with "-" names an option by its short name, one with "--" by its long name (case-sensitive, the
    // first match wins); "--" makes every later entry positional. A non-boolean option takes the next entry as its
    // value unless that begins with "-" (the options that carry compiler or xcodebuild arguments take it all the
    // same); a boolean option takes it only when it is a valid boolean, else it is YES. "--name=value" (or
    // "-n=value") gives the value in the same entry. Unknown options, missing values and invalid booleans are
    // reported as errors through `progress` and kept in errors(); they never stop the parse.
    static XACLIArgs argsWithArguments(const std::vector<std::string> &arguments,
                                       const std::vector<XAConfigurationOption> &options,
                                       const XAProgressHandler &progress);

    // Every argument after the program path, as given.
    const std::vector<std::string> &rawArgs() const { return rawArgs_; }
    // The arguments that are neither options nor their values, in order; the first is the command.
    const std::vector<std::string> &positionalArgs() const { return positionalArgs_; }
    // Long name -> the value as given, or true for a bare boolean option; a repeated option keeps its last value.
    const XADictionary &namedArgs() const { return namedArgs_; }
    // The problems of the command line, in order; a command line with any is invalid.
    const std::vector<std::string> &errors() const { return errors_; }

    // The first positional argument in lower case; no value when there is none.
    std::optional<std::string> command() const;
    std::vector<std::string> positionalArgsAfterCommand() const;
    // The last positional argument when there are at least two.
    std::optional<std::string> projectPath() const;
    std::optional<std::string> configFilePath() const;
    // Whether the named argument is present and true.
    bool boolValueOfNamedArg(const std::string &longName) const;

    // True for a name that begins with "dev_" or names a command of the table in any letter case.
    static bool commandIsValid(const std::optional<std::string> &name);
    // The commands in the order the usage texts list them.
    static const std::vector<XACLICommand> &appCommands();

private:
    std::vector<std::string> rawArgs_;
    std::vector<std::string> positionalArgs_;
    XADictionary namedArgs_;
    std::vector<std::string> errors_;
};

// The parsed arguments together with the process environment, which an Xcode build phase fills in.
class XACLIEnvironment {
public:
    explicit XACLIEnvironment(XACLIArgs args) : args_(std::move(args)) {}

    const XACLIArgs &args() const { return args_; }
    std::vector<std::string> commandParameters() const { return args_.positionalArgsAfterCommand(); }
    // $PROJECT_FILE_PATH when it is set and not empty, else the project path of the arguments.
    std::optional<std::string> projectPath() const;
    // Whether $BUILT_PRODUCTS_DIR is set and not empty.
    bool isRunningWithinAnXcodeBuildPhase() const;
    // Sets "target" from $TARGETNAME and "buildConfig" from $CONFIGURATION (when set), and "outputFormat" to "xcode".
    void modifyConfigurationFromXcodeEnvironmentVariables(XAConfiguration &configuration) const;
    // "check" needs a project path; any other command must be valid.
    bool isValid() const;

private:
    XACLIArgs args_;
};
