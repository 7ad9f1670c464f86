#include "engine/config/XAConfiguration.h"

#include "core/XAAppVersion.h"
#include "core/XAPaths.h"
#include "core/XAString.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace {

constexpr XAOptionDomain kCommandLineAndFile = XAOptionDomainCommandLine | XAOptionDomainConfigFile;
constexpr XAOptionDomain kEverywhere = XAOptionDomainCommandLine | XAOptionDomainGUI | XAOptionDomainConfigFile;

XAConfiguration::RuleOptionGroupsProvider &ruleOptionGroupsProvider() {
    static XAConfiguration::RuleOptionGroupsProvider provider;
    return provider;
}

XAConfigurationOption appOption(std::optional<std::string> shortName, std::string longName, XAOptionValueType type,
                                XAOptionDomain domain, std::optional<XAOptionValue> defaultValue,
                                std::string description, std::optional<std::string> info = std::nullopt,
                                std::vector<XAOptionValue> allowedValues = {}) {
    std::vector<std::string> commands;
    if (longName != XAConfiguration::kVerbose) {
        commands.push_back("check");
    }
    return XAConfigurationOption(std::move(shortName), std::move(longName), std::move(description), std::move(info),
                                 std::move(defaultValue), type, domain, true, std::move(commands),
                                 std::move(allowedValues));
}

std::vector<XAConfigurationOption> makeAppOptions() {
    using C = XAConfiguration;
    const std::string app = XAApplicationName;
    const XAOptionValue null;
    const XAOptionValue emptyArray = XAOptionValue::Array();
    auto workspaceInfo = [](const char *otherOption) {
        return "Specify this (along with the `" + std::string(otherOption) +
               "` option) if the project cannot be built independently.";
    };
    std::vector<XAConfigurationOption> options;
    options.push_back(
        appOption("t", C::kTarget, XAOptionValueTypeString, kCommandLineAndFile, null, "Xcode target to check"));
    options.push_back(appOption("b", C::kBuildConfig, XAOptionValueTypeString, kCommandLineAndFile, null,
                                "Xcode build configuration to check"));
    options.push_back(appOption("r", C::kRules, XAOptionValueTypeStringArray, kCommandLineAndFile, emptyArray,
                                "Rules to apply", "The values should be short names of rules."));
    options.push_back(appOption(std::nullopt, C::kOnlyRules, XAOptionValueTypeStringArray, kCommandLineAndFile,
                                emptyArray, "Rules to apply only",
                                "The values should be short names of rules. Using this option overrides all other "
                                "rule selection options."));
    options.push_back(appOption("g", C::kRuleTags, XAOptionValueTypeStringArray, kCommandLineAndFile,
                                XAOptionValue(XAOptionValue::Array{"Recommended"}), "Rule tags to apply",
                                "Selects rules that have the specified tags."));
    options.push_back(appOption(std::nullopt, C::kExcludedRules, XAOptionValueTypeStringArray, kCommandLineAndFile,
                                emptyArray, "Rules to exclude",
                                "Excludes specific rules, even if their tags are selected."));
    options.push_back(appOption("c", C::kConfigFile, XAOptionValueTypeFilePath, XAOptionDomainCommandLine, null,
                                app + " configuration file to use",
                                "If the project already has a config file, this overrides it."));
    options.push_back(appOption("x", C::kFileExclusionPrefixes, XAOptionValueTypeStringArray, kEverywhere, emptyArray,
                                "Prefixes of files to exclude",
                                "E.g. \"HG\" will exclude both \"HGObject.m\" and \"NSString+HGExtensions.m\"."));
    options.push_back(appOption(std::nullopt, C::kFileExclusionXcodeGroups, XAOptionValueTypeStringArray, kEverywhere,
                                XAOptionValue(XAOptionValue::Array{"Vendor"}), "Xcode groups to exclude",
                                "Excludes files that reside under Xcode groups with the given names."));
    options.push_back(appOption(std::nullopt, C::kFileExclusionRegexes, XAOptionValueTypeRegexArray, kEverywhere,
                                emptyArray, "Regexes for files to exclude",
                                "Excludes files whose absolute paths match the given ICU regular expressions."));
    options.push_back(appOption(std::nullopt, C::kMinErrorStatusSeverity, XAOptionValueTypeString, kCommandLineAndFile,
                                XAOptionValue("Error"), "Minimum diagnostic severity to return nonzero exit status",
                                "Makes us return a nonzero exit status if at least one diagnostic is emitted with the "
                                "given severity (or higher). If 'None', always return zero (success).",
                                {"Concern", "Warning", "Error", "Fatal", "None"}));
    options.push_back(appOption(std::nullopt, C::kWorkspace, XAOptionValueTypeFilePath, kEverywhere, std::nullopt,
                                "Xcode workspace to build project with", workspaceInfo(C::kScheme)));
    options.push_back(appOption(std::nullopt, C::kScheme, XAOptionValueTypeString, kEverywhere, std::nullopt,
                                "Xcode scheme to build project with", workspaceInfo(C::kWorkspace)));
    options.push_back(appOption(std::nullopt, C::kNumConcurrentJobs, XAOptionValueTypePositiveInteger, kEverywhere,
                                null, "Number of concurrent file checking jobs",
                                "If the value is omitted (or 0), " + app + " decides an appropriate number."));
    options.push_back(appOption(std::nullopt, C::kExtraCompilerArgs, XAOptionValueTypeOrderedStringArray, kEverywhere,
                                emptyArray, "Additional compiler arguments to use",
                                "Extra compiler arguments to use while parsing source code files."));
    options.push_back(appOption(std::nullopt, C::kExtraXcodebuildArgs, XAOptionValueTypeOrderedStringArray, kEverywhere,
                                emptyArray, "Additional xcodebuild arguments to use",
                                "Extra arguments to use when running xcodebuild."));
    options.push_back(appOption("f", C::kFullBuild, XAOptionValueTypeBool, kEverywhere, false,
                                "Build project before checking",
                                "Enable if the project generates source files during builds or if the successful "
                                "interpretation of the project's source code otherwise depends on full builds "
                                "occurring. Takes longer but reduces the number of false positives in some cases."));
    options.push_back(appOption(std::nullopt, C::kCacheBuildLog, XAOptionValueTypeBool, kEverywhere, true,
                                "Cache project build logs", "Improves launch times for checking operations."));
    options.push_back(appOption(std::nullopt, C::kUseOwnModulesCache, XAOptionValueTypeBool, kEverywhere, true,
                                "Use our own modules cache",
                                "To avoid conflicts with the system compiler module caches."));
    options.push_back(appOption(std::nullopt, C::kProcessOnlyTargetPCHs, XAOptionValueTypeBool, kEverywhere, true,
                                "Process only target precompiled headers",
                                "Disabling this option will make checking slower, but may be necessary in some cases "
                                "where precompiled headers are shared."));
    options.push_back(appOption("v", C::kVerbose, XAOptionValueTypeBool, kEverywhere, false, "Verbose output",
                                "Print more detailed information into the checking log."));
    options.push_back(appOption("o", C::kOutputFormat, XAOptionValueTypeString, kCommandLineAndFile,
                                XAOptionValue("human"), "Output format", std::nullopt,
                                {"human", "json", "plist", "xcode"}));
    return options;
}

// The part of a file name between its first "+" and the next one (or the end); none without a "+".
std::optional<std::string_view> secondPlusSeparatedPart(std::string_view fileName) {
    size_t plus = fileName.find('+');
    if (plus == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = fileName.substr(plus + 1);
    return rest.substr(0, rest.find('+'));
}

} // namespace

XAConfiguration::XAConfiguration() {
    resetAndFillInDefaultsToMainOptions();
    resetAndFillInDefaultsToRuleOptions();
}

// ---- The application option table ----

const std::vector<XAConfigurationOption> &XAConfiguration::appOptions() {
    static const std::vector<XAConfigurationOption> options = makeAppOptions();
    return options;
}

const XAConfigurationOption *XAConfiguration::appOptionWithLongName(std::string_view longName) {
    for (const XAConfigurationOption &option : appOptions()) {
        if (option.longName() == longName) {
            return &option;
        }
    }
    return nullptr;
}

std::string XAConfiguration::descriptionForAppOption(std::string_view longName) {
    const XAConfigurationOption *option = appOptionWithLongName(longName);
    return option ? option->optionDescription() : std::string();
}

// ---- Rule option groups ----

XAConfiguration::RuleOptionGroupsProvider
XAConfiguration::setRuleOptionGroupsProvider(RuleOptionGroupsProvider provider) {
    return std::exchange(ruleOptionGroupsProvider(), std::move(provider));
}

XARuleOptionGroups XAConfiguration::ruleOptionGroups() {
    const RuleOptionGroupsProvider &provider = ruleOptionGroupsProvider();
    return provider ? provider() : XARuleOptionGroups();
}

std::vector<XARuleOptionGroup> XAConfiguration::allRuleOptionGroups() {
    XARuleOptionGroups groups = ruleOptionGroups();
    std::vector<XARuleOptionGroup> all = std::move(groups.publicGroups);
    all.insert(all.end(), groups.otherGroups.begin(), groups.otherGroups.end());
    return all;
}

// ---- Storage ----

void XAConfiguration::resetAndFillInDefaultsToMainOptions() {
    mainOptions_.clear();
    for (const XAConfigurationOption &option : appOptions()) {
        if (!mainOptions_.contains(option.longName()) && option.defaultValue()) {
            setValue(*option.defaultValue(), option);
        }
    }
}

void XAConfiguration::resetAndFillInDefaultsToRuleOptions() {
    ruleOptions_.clear();
    for (const XARuleOptionGroup &group : ruleOptionGroups().publicGroups) {
        if (group.options.empty()) {
            continue;
        }
        OptionValues &values = ruleOptions_[group.shortName];
        for (const XAConfigurationOption &option : group.options) {
            if (!values.contains(option.longName()) && option.defaultValue()) {
                setValue(*option.defaultValue(), option, group.shortName);
            }
        }
    }
}

void XAConfiguration::setValue(const XAOptionValue &value, const XAConfigurationOption &option) {
    if (!value.isNull()) {
        mainOptions_[option.longName()] = option.convertValueIfNeeded(value);
    }
}

void XAConfiguration::setValue(const XAOptionValue &value, const XAConfigurationOption &option,
                               const std::string &groupShortName) {
    if (!value.isNull()) {
        ruleOptions_[groupShortName][option.longName()] = option.convertValueIfNeeded(value);
    }
}

void XAConfiguration::applyMainOptionValuesFromDictionary(const OptionValues &values) {
    resetAndFillInDefaultsToMainOptions();
    for (const auto &[name, value] : values) {
        mainOptions_[name] = value;
    }
}

void XAConfiguration::applyRuleOptionValuesFromDictionary(const RuleOptionValues &values) {
    resetAndFillInDefaultsToRuleOptions();
    for (const auto &[group, groupValues] : values) {
        ruleOptions_[group] = groupValues;
    }
}

std::optional<XAOptionValue> XAConfiguration::valueOfOptionWithName(std::string_view longName) const {
    if (auto stored = mainOptions_.find(std::string(longName)); stored != mainOptions_.end()) {
        return stored->second;
    }
    const XAConfigurationOption *option = appOptionWithLongName(longName);
    if (!option || !option->defaultValue() || option->defaultValue()->isNull()) {
        return std::nullopt;
    }
    return option->defaultValue();
}

std::optional<XAOptionValue> XAConfiguration::valueOfRuleOption(std::string_view groupShortName,
                                                                std::string_view longName) const {
    auto group = ruleOptions_.find(std::string(groupShortName));
    if (group == ruleOptions_.end()) {
        return std::nullopt;
    }
    auto stored = group->second.find(std::string(longName));
    return stored == group->second.end() ? std::nullopt : std::optional(stored->second);
}

bool XAConfiguration::operator==(const XAConfiguration &other) const {
    return mainOptions_ == other.mainOptions_ && ruleOptions_ == other.ruleOptions_;
}

std::string XAConfiguration::dump() const {
    std::vector<std::string> lines;
    for (const XAConfigurationOption &option : appOptions()) {
        if (auto stored = mainOptions_.find(option.longName()); stored != mainOptions_.end()) {
            lines.push_back(option.longName() + ": " + option.displayFormatForValue(stored->second));
        }
    }
    // Groups of rules that are not public hold values only when a file set them.
    for (const XARuleOptionGroup &group : allRuleOptionGroups()) {
        for (const XAConfigurationOption &option : group.options) {
            if (std::optional<XAOptionValue> value = valueOfRuleOption(group.shortName, option.longName())) {
                lines.push_back(group.shortName + "." + option.longName() + ": " +
                                option.displayFormatForValue(*value));
            }
        }
    }
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        text += (i ? "\n" : "") + lines[i];
    }
    return text;
}

// ---- Derived values ----

std::optional<std::string> XAConfiguration::stringValue(std::string_view longName) const {
    std::optional<XAOptionValue> value = valueOfOptionWithName(longName);
    if (value && value->isString()) {
        return *value->string();
    }
    return std::nullopt;
}

std::vector<std::string> XAConfiguration::stringArrayValue(std::string_view longName) const {
    std::vector<std::string> strings;
    std::optional<XAOptionValue> value = valueOfOptionWithName(longName);
    if (value && value->isArray()) {
        for (const XAOptionValue &element : *value->array()) {
            if (element.isString()) {
                strings.push_back(*element.string());
            }
        }
    }
    return strings;
}

bool XAConfiguration::truthValue(std::string_view longName) const {
    std::optional<XAOptionValue> value = valueOfOptionWithName(longName);
    return value && value->truthValue();
}

std::optional<std::string> XAConfiguration::targetName() const { return stringValue(kTarget); }

std::optional<std::string> XAConfiguration::buildConfigName() const { return stringValue(kBuildConfig); }

std::vector<std::string> XAConfiguration::ruleShortNames() const { return stringArrayValue(kRules); }

std::vector<std::string> XAConfiguration::ruleShortNamesToApplyOnly() const { return stringArrayValue(kOnlyRules); }

std::vector<std::string> XAConfiguration::ruleTags() const { return stringArrayValue(kRuleTags); }

std::vector<std::string> XAConfiguration::excludedRuleShortNames() const { return stringArrayValue(kExcludedRules); }

// An empty workspace or scheme name names nothing; handing it to xcodebuild would only make it fail.
std::optional<std::string> XAConfiguration::associatedWorkspacePath() const {
    std::optional<std::string> path = stringValue(kWorkspace);
    return path && !path->empty() ? path : std::nullopt;
}

std::optional<std::string> XAConfiguration::associatedWorkspaceSchemeName() const {
    std::optional<std::string> scheme = stringValue(kScheme);
    return scheme && !scheme->empty() ? scheme : std::nullopt;
}

std::vector<std::string> XAConfiguration::extraCompilerArgs() const { return stringArrayValue(kExtraCompilerArgs); }

std::vector<std::string> XAConfiguration::extraXcodebuildArgs() const { return stringArrayValue(kExtraXcodebuildArgs); }

std::vector<std::string> XAConfiguration::fileExclusionPrefixes() const {
    return stringArrayValue(kFileExclusionPrefixes);
}

std::vector<std::string> XAConfiguration::fileExclusionXcodeGroups() const {
    return stringArrayValue(kFileExclusionXcodeGroups);
}

std::vector<XARegex> XAConfiguration::fileExclusionRegexes() const {
    std::vector<XARegex> regexes;
    std::optional<XAOptionValue> value = valueOfOptionWithName(kFileExclusionRegexes);
    if (value && value->isArray()) {
        for (const XAOptionValue &element : *value->array()) {
            if (element.isRegex()) {
                regexes.push_back(*element.regex());
            }
        }
    }
    return regexes;
}

std::string XAConfiguration::outputFormat() const { return stringValue(kOutputFormat).value_or("human"); }

bool XAConfiguration::verbose() const { return truthValue(kVerbose); }

bool XAConfiguration::performFullBuild() const { return truthValue(kFullBuild); }

bool XAConfiguration::processOnlyTargetPCHs() const { return truthValue(kProcessOnlyTargetPCHs); }

bool XAConfiguration::useOwnModulesCachePath() const { return truthValue(kUseOwnModulesCache); }

bool XAConfiguration::useDiskCachedBuildLog() const { return truthValue(kCacheBuildLog); }

bool XAConfiguration::saveBuildLogIntoDiskCache() const { return truthValue(kCacheBuildLog); }

std::uint64_t XAConfiguration::numberOfConcurrentFileCheckingJobs() const {
    std::optional<XAOptionValue> value = valueOfOptionWithName(kNumConcurrentJobs);
    std::int64_t jobs = value ? value->integer().value_or(0) : 0;
    if (jobs > 0) {
        return static_cast<std::uint64_t>(jobs);
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

int XAConfiguration::minimumErrorStatusSeverity() const {
    static const std::map<std::string, int, std::less<>> severities = {
        {"concern", 3}, {"warning", 5}, {"error", 9}, {"fatal", 10}};
    std::optional<std::string> name = stringValue(kMinErrorStatusSeverity);
    auto found = name ? severities.find(xa_lowercased(*name)) : severities.end();
    return found == severities.end() ? 0 : found->second;
}

XAOutputFormat XAConfiguration::cliOutputFormat() const {
    static const std::map<std::string, XAOutputFormat, std::less<>> formats = {
        {"json", XAOutputFormat::JSON}, {"plist", XAOutputFormat::Plist}, {"xcode", XAOutputFormat::Xcode}};
    auto found = formats.find(xa_lowercased(outputFormat()));
    return found == formats.end() ? XAOutputFormat::Human : found->second;
}

// ---- File exclusion ----

bool XAConfiguration::isFileExcluded(std::string_view pathOnDisk, std::string_view pathInXcode) const {
    std::vector<XARegex> regexes = fileExclusionRegexes();
    std::vector<std::string> prefixes = fileExclusionPrefixes();
    std::vector<std::string> groups = fileExclusionXcodeGroups();
    if (regexes.empty() && prefixes.empty() && groups.empty()) {
        return false;
    }
    std::string standardizedPath = xa_stringByStandardizingPath(pathOnDisk);
    for (const XARegex &regex : regexes) {
        if (regex.matches(standardizedPath)) {
            return true;
        }
    }
    // A prefix excludes a class's files and the category files that carry it after the "+" (NSString+HGExtras.m).
    // An empty prefix is no prefix at all; it excludes nothing.
    std::string fileName = xa_lastPathComponent(pathOnDisk);
    std::optional<std::string_view> categoryPart = secondPlusSeparatedPart(fileName);
    for (const std::string &prefix : prefixes) {
        if (!prefix.empty() && (fileName.starts_with(prefix) || (categoryPart && categoryPart->starts_with(prefix)))) {
            return true;
        }
    }
    std::vector<std::string> groupPath = xa_pathComponents(xa_stringByDeletingLastPathComponent(pathInXcode));
    for (const std::string &group : groups) {
        if (std::find(groupPath.begin(), groupPath.end(), group) != groupPath.end()) {
            return true;
        }
    }
    return false;
}
