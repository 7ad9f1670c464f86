#pragma once

// The settings of one check: the values of the application options (target, build configuration, rule selection,
// file exclusions, build switches, output format...) and of the rule options, grouped by rule option group.
//
// A configuration starts from the defaults of every option; a project configuration file (and, on the command line,
// the arguments) is laid over them. Values are stored in the converted form of their option (see
// XAConfigurationOption), keyed by the option's long name. A configuration is built and changed on one thread before
// a check starts and only read while the checking threads run; it takes no lock.

#include "core/XAProgressMessage.h"
#include "engine/config/XAConfigurationOption.h"
#include "engine/config/XAOptionValue.h"
#include "engine/config/XARuleOption.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rule option groups that configurations know. A file may set the options of any group, so that a rule that is
// not public can be configured where it is named explicitly; only the public groups get defaults in a fresh
// configuration and are written to configuration files.
struct XARuleOptionGroups {
    std::vector<XARuleOptionGroup> publicGroups; // the groups of the public rules, in the registry's order
    std::vector<XARuleOptionGroup> otherGroups;  // the groups that only rules that are not public have
};

// The printer that the command line uses for a configuration's "outputFormat".
enum class XAOutputFormat { Human, JSON, Plist, Xcode };

class XAConfiguration {
public:
    // Long names of the application options.
    static constexpr const char *kTarget = "target";
    static constexpr const char *kBuildConfig = "buildConfig";
    static constexpr const char *kRules = "rules";
    static constexpr const char *kOnlyRules = "onlyRules";
    static constexpr const char *kRuleTags = "ruleTags";
    static constexpr const char *kExcludedRules = "excludedRules";
    static constexpr const char *kConfigFile = "configFile";
    static constexpr const char *kFileExclusionPrefixes = "fileExclusionPrefixes";
    static constexpr const char *kFileExclusionXcodeGroups = "fileExclusionXcodeGroups";
    static constexpr const char *kFileExclusionRegexes = "fileExclusionRegexes";
    static constexpr const char *kMinErrorStatusSeverity = "minErrorStatusSeverity";
    static constexpr const char *kWorkspace = "workspace";
    static constexpr const char *kScheme = "scheme";
    static constexpr const char *kNumConcurrentJobs = "numConcurrentJobs";
    static constexpr const char *kExtraCompilerArgs = "extraCompilerArgs";
    static constexpr const char *kExtraXcodebuildArgs = "extraXcodebuildArgs";
    static constexpr const char *kFullBuild = "fullBuild";
    static constexpr const char *kCacheBuildLog = "cacheBuildLog";
    static constexpr const char *kUseOwnModulesCache = "useOwnModulesCache";
    static constexpr const char *kProcessOnlyTargetPCHs = "processOnlyTargetPCHs";
    static constexpr const char *kVerbose = "verbose";
    static constexpr const char *kOutputFormat = "outputFormat";
    // The configuration-file key that holds the rule options.
    static constexpr const char *kRuleOptionsKey = "ruleOptions";

    using OptionValues = std::map<std::string, XAOptionValue>;    // long name -> converted value
    using RuleOptionValues = std::map<std::string, OptionValues>; // group short name -> its values

    // A configuration holding the defaults of every application option and of every public rule option.
    XAConfiguration();

    // ---- The application option table ----

    // The 22 application options in their fixed order, built once on first use.
    static const std::vector<XAConfigurationOption> &appOptions();
    // The option whose long name is exactly `longName` (case-sensitive); null when none.
    static const XAConfigurationOption *appOptionWithLongName(std::string_view longName);
    // That option's description; empty when there is no such option.
    static std::string descriptionForAppOption(std::string_view longName);

    // ---- Rule option groups ----

    // The rule layer installs the function that gives the option groups of the registered rules. Until it does (and
    // in programs without rules) there are none. Call before configurations are made; not synchronised. Gives the
    // provider it replaces.
    using RuleOptionGroupsProvider = std::function<XARuleOptionGroups()>;
    static RuleOptionGroupsProvider setRuleOptionGroupsProvider(RuleOptionGroupsProvider provider);
    static XARuleOptionGroups ruleOptionGroups();
    // The public groups followed by the others.
    static std::vector<XARuleOptionGroup> allRuleOptionGroups();

    // ---- Storage ----

    void resetAndFillInDefaultsToMainOptions();
    void resetAndFillInDefaultsToRuleOptions();
    // Stores the option's conversion of `value` under its long name; a null value changes nothing (a value that
    // converts to null is stored as null, which reads as no value).
    void setValue(const XAOptionValue &value, const XAConfigurationOption &option);
    // The same for a rule option in a group (the group's values are created when missing).
    void setValue(const XAOptionValue &value, const XAConfigurationOption &option, const std::string &groupShortName);
    // Reset to the defaults, then add every entry as it is (already converted by the caller).
    void applyMainOptionValuesFromDictionary(const OptionValues &values);
    void applyRuleOptionValuesFromDictionary(const RuleOptionValues &values);

    const OptionValues &mainOptionValuesDictionary() const { return mainOptions_; }
    const RuleOptionValues &ruleOptionValuesDictionary() const { return ruleOptions_; }

    // The stored value under exactly `longName`; else the default of the application option of that name (no value
    // when the default is null); no value for an unknown name.
    std::optional<XAOptionValue> valueOfOptionWithName(std::string_view longName) const;
    // The stored value of a rule option; no value when none is stored.
    std::optional<XAOptionValue> valueOfRuleOption(std::string_view groupShortName, std::string_view longName) const;

    // Equal when the main and rule option values are equal; where the values were loaded from takes no part.
    bool operator==(const XAConfiguration &other) const;
    bool isEqualToConfiguration(const XAConfiguration &other) const { return *this == other; }

    // Every stored value, one "name: value" line each: application options in table order, then
    // "group.option: value" for the rule options.
    std::string dump() const;

    // ---- Reading configuration files ----

    // A configuration with the defaults laid over by a JSON configuration file (comments allowed). Never fails as a
    // whole: a missing path ("Supplied configuration file path is empty"), a missing file ("Cannot find configuration
    // file: <path>"), another extension than "json" in any letter case ("Unknown file extension '<ext>' for
    // configuration file (must be .json)"), an unreadable or unparsable file, unknown keys and invalid values are
    // each reported as an error message to `progress`, and the rest is applied.
    static XAConfiguration configFromFile(const std::optional<std::string> &path, const XAProgressHandler &progress);
    // The same without the path checks.
    static XAConfiguration configFromJSONFile(const std::string &path, const XAProgressHandler &progress);
    // Lays the values of a parsed configuration file over this configuration.
    void applyValuesFromConfigFileDict(const XADictionary &dictionary, const XAProgressHandler &progress);
    // Lays the named arguments of a command line (long name -> text, or a boolean for flags) over it.
    void applyValuesFromArgs(const XADictionary &namedArgs, const XAProgressHandler &progress);
    // Lays option values over this configuration; from arguments (command line) rule options are not read and
    // options of every domain are accepted, from a file only configuration-file options. Every value is validated:
    // an invalid one is reported and stored as its conversion, except a minimum error severity, which keeps the
    // earlier value rather than silently turning the failing exit status off. Rule options of any registered rule
    // may be set.
    void applyValuesFromDictionary(const XADictionary &dictionary, bool valuesAreFromArgs,
                                   const XAProgressHandler &progress);

    // The file the values were read from; no value when the configuration was not read from a file.
    const std::optional<std::string> &originalLoadFilePath() const { return originalLoadFilePath_; }
    void setOriginalLoadFilePath(std::optional<std::string> path) { originalLoadFilePath_ = std::move(path); }

    // ---- Derived values ----

    std::optional<std::string> targetName() const;                    // "target"
    std::optional<std::string> buildConfigName() const;               // "buildConfig"
    std::vector<std::string> ruleShortNames() const;                  // "rules"
    std::vector<std::string> ruleShortNamesToApplyOnly() const;       // "onlyRules"
    std::vector<std::string> ruleTags() const;                        // "ruleTags"
    std::vector<std::string> excludedRuleShortNames() const;          // "excludedRules"
    std::optional<std::string> associatedWorkspacePath() const;       // "workspace"; none when empty
    std::optional<std::string> associatedWorkspaceSchemeName() const; // "scheme"; none when empty
    std::vector<std::string> extraCompilerArgs() const;               // "extraCompilerArgs", in the given order
    std::vector<std::string> extraXcodebuildArgs() const;             // "extraXcodebuildArgs", empty when none
    std::vector<std::string> fileExclusionPrefixes() const;           // "fileExclusionPrefixes"
    std::vector<std::string> fileExclusionXcodeGroups() const;        // "fileExclusionXcodeGroups"
    std::vector<XARegex> fileExclusionRegexes() const;                // "fileExclusionRegexes"
    std::string outputFormat() const;                                 // "outputFormat" ("human" by default)
    bool verbose() const;                                             // "verbose"
    bool performFullBuild() const;                                    // "fullBuild"
    bool processOnlyTargetPCHs() const;                               // "processOnlyTargetPCHs"
    bool useOwnModulesCachePath() const;                              // "useOwnModulesCache"
    bool useDiskCachedBuildLog() const;                               // "cacheBuildLog": read a cached build log
    bool saveBuildLogIntoDiskCache() const;                           // "cacheBuildLog": save the build log
    // "numConcurrentJobs"; when it is 0 or absent, the number of processors of the machine (at least 1).
    std::uint64_t numberOfConcurrentFileCheckingJobs() const;
    // The severity named by "minErrorStatusSeverity": "Concern" 3, "Warning" 5, "Error" 9, "Fatal" 10, in any
    // letter case; any other text ("None" included) gives 0.
    int minimumErrorStatusSeverity() const;
    // The printer chosen by "outputFormat" in any letter case: "json", "plist", "xcode"; anything else is human.
    XAOutputFormat cliOutputFormat() const;
    bool usePrecompiledHeader() const { return true; }
    bool useOwnSymrootPathForXcodebuild() const { return true; }

    // Whether a file is excluded from checking by the file-exclusion options, given its absolute path on disk and
    // its path in the project's group tree.
    bool isFileExcluded(std::string_view pathOnDisk, std::string_view pathInXcode) const;

private:
    void applyRuleOptionValuesFromConfigFile(const XADictionary &dictionary, const XAProgressHandler &progress);
    std::optional<std::string> stringValue(std::string_view longName) const;
    std::vector<std::string> stringArrayValue(std::string_view longName) const;
    bool truthValue(std::string_view longName) const;

    std::optional<std::string> originalLoadFilePath_;
    OptionValues mainOptions_;
    RuleOptionValues ruleOptions_;
};
