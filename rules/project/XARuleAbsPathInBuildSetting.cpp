// Absolute paths in path-like build settings, in the project file and in the `.xcconfig` files its configurations are
// based on: such a path breaks as soon as the project moves to another computer.

#include "core/XAPaths.h"
#include "core/XARegex.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XADiagnosticPosition.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <set>

namespace {

constexpr const char *kAllowSystemPaths = "allowSystemPaths";
constexpr const char *kAllowedPathRegexes = "allowedPathRegexes";

std::vector<XARegex> compiledPatterns(std::initializer_list<const char *> patterns) {
    std::vector<XARegex> regexes;
    for (const char *pattern : patterns) {
        regexes.push_back(*XARegex::compile(pattern));
    }
    return regexes;
}

const std::vector<XARegex> &neverCheckedSettingPatterns() {
    static const std::vector<XARegex> patterns =
        compiledPatterns({"^(INSTALL_PATH)$", "^(SYSTEM|APPLE_INTERNAL|DEVELOPER|USER)_"});
    return patterns;
}

const std::vector<XARegex> &checkedSettingPatterns() {
    static const std::vector<XARegex> patterns =
        compiledPatterns({"^(INFOPLIST_FILE|INFOPLIST_PREFIX_HEADER|GCC_PREFIX_HEADER)$", "_(DIR|PATH|PATHS)$"});
    return patterns;
}

const std::vector<XARegex> &alwaysAllowedPathPatterns() {
    static const std::vector<XARegex> patterns = compiledPatterns({"^/tmp/", "^/var/folders/"});
    return patterns;
}

bool anyMatches(const std::vector<XARegex> &regexes, const std::string &text) {
    return std::any_of(regexes.begin(), regexes.end(),
                       [&](const XARegex &regex) { return xa_matchesString(regex, text); });
}

// The words of a raw setting's value: an array's strings, or the string split as a command line.
std::vector<std::string> rawSettingWords(const XAValue &value) {
    std::vector<std::string> words;
    if (value.isArray()) {
        for (const XAValue &element : *value.array()) {
            if (element.isString()) {
                words.push_back(*element.string());
            }
        }
    } else if (value.isString()) {
        words = xa_argumentLineColumns(*value.string());
    }
    return words;
}

std::string withoutSurroundingDoubleQuotes(const std::string &word) {
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"') {
        return word.substr(1, word.size() - 2);
    }
    return word;
}

} // namespace

struct XARuleAbsPathInBuildSetting : XAProjectRule<XARuleAbsPathInBuildSetting> {
    static XAXMLString ruleName() { return XAXMLString("Absolute path in build setting value"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("The project's build configurations should not contain absolute path references: such a "
                           "reference breaks as soon as the project is moved to another developer's computer.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kAllowSystemPaths, "Allow system paths",
                                                 "Do not warn about absolute references to system paths.",
                                                 XAOptionValue(false), XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(kAllowedPathRegexes, "Regexes for allowed paths",
                                                 "Do not warn about absolute references to paths that match any of "
                                                 "these ICU regular expressions.",
                                                 std::nullopt, XAOptionValueTypeRegexArray)};
    }

    // Whether the path in the setting's value is to be reported.
    static bool shouldWarnAboutPath(const std::string &path, const std::string &buildSetting,
                                    const std::vector<XARegex> &whitelistPathRegexes, const XARuleContext &context) {
        if (!xa_isAbsolutePath(path) || buildSetting.starts_with("LIBRARY_SEARCH_PATHS")) {
            return false;
        }
        // Header search paths may always name the system's headers.
        if (boolForOption(kAllowSystemPaths, context) || buildSetting.starts_with("HEADER_SEARCH_PATHS")) {
            XASystemPathContext systemPathContext;
            if (context.project()) {
                systemPathContext.projectFolder = context.project()->projectDiskRootPath();
            }
            if (xa_isSystemPath(path, systemPathContext)) {
                return false;
            }
        }
        return !anyMatches(whitelistPathRegexes, path);
    }

    static XAXMLString diagInfoWithKey(const std::string &key, const std::string &value,
                                       const std::optional<std::string> &infoText) {
        return XAXMLString("<p>The value of the build setting <code>" + xa_escapedForXML(key) +
                           "</code> contains the absolute path <filepath>" + xa_escapedForXML(value) +
                           "</filepath>. Make this path relative instead by using an appropriate build setting "
                           "variable (e.g. <code>$(SRCROOT)</code>, <code>$(CONFIGURATION_BUILD_DIR)</code> or "
                           "<code>$(SDKROOT)</code>).</p>" +
                           (infoText && !infoText->empty() ? "<p>" + *infoText + "</p>" : std::string()));
    }

    // The settings stored in the project file: no file, the configuration named in a second paragraph.
    static XADiagnostics diagsForGUIBuildSettings(const XADictionary &settings,
                                                  const std::set<std::string> &keysToCheck,
                                                  const std::vector<XARegex> &whitelistPathRegexes,
                                                  const std::string &infoText, const XARuleContext &context) {
        XADiagnostics diagnostics;
        for (const auto &[key, value] : settings) {
            if (!keysToCheck.count(key)) {
                continue;
            }
            for (const std::string &word : rawSettingWords(value)) {
                const std::string path = withoutSurroundingDoubleQuotes(word);
                if (shouldWarnAboutPath(path, key, whitelistPathRegexes, context)) {
                    diagnostics.push_back(diagnosticWithFile(std::nullopt, diagInfoWithKey(key, path, infoText), key,
                                                             XADiagnosticImpactMaintainability,
                                                             XADiagnosticSeverityError, XADiagnosticConfidenceMedium));
                }
            }
        }
        return diagnostics;
    }

    // The statements of a configuration file (and of the files it includes), each on its own line.
    static XADiagnostics diagsForXcconfigBuildSettingsInFile(const XAProjectFile &file,
                                                             const std::set<std::string> &keysToCheck,
                                                             const std::vector<XARegex> &whitelistPathRegexes,
                                                             const XARuleContext &context) {
        XADiagnostics diagnostics;
        for (const XCConfigFileStatement &statement :
             file.xcConfigFileStatements().value_or(std::vector<XCConfigFileStatement>{})) {
            if (!keysToCheck.count(statement.xcKey) || !statement.xcValue) {
                continue;
            }
            for (const std::string &word : xa_argumentLineColumns(*statement.xcValue)) {
                if (!shouldWarnAboutPath(word, statement.xcKey, whitelistPathRegexes, context)) {
                    continue;
                }
                const auto positions =
                    XADiagnosticPosition::startAndEndPositionsForLine(statement.xcLineNumber, statement.xcFilePath);
                diagnostics.push_back(diagnosticWithFile(
                    statement.xcFilePath, positions ? std::optional(positions->first()) : std::nullopt,
                    positions ? std::optional(positions->second()) : std::nullopt, std::nullopt,
                    diagInfoWithKey(statement.xcKey, word, std::nullopt), statement.xcKey,
                    XADiagnosticImpactMaintainability, XADiagnosticSeverityError, XADiagnosticConfidenceMedium));
            }
        }
        return diagnostics;
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.project()) {
            return diagnostics;
        }
        const std::set<std::string> keysToCheck = settingNamesToCheck(context);
        const std::vector<XARegex> allowedPaths = allowedPathRegexes(context);
        const auto checkConfiguration = [&](const XAProjectBuildConfiguration &configuration,
                                            const std::string &infoText) {
            append(diagnostics, diagsForGUIBuildSettings(configuration.buildSettings(), keysToCheck, allowedPaths,
                                                         infoText, context));
            if (const std::shared_ptr<XAProjectFile> configFile = configuration.configFile()) {
                append(diagnostics,
                       diagsForXcconfigBuildSettingsInFile(*configFile, keysToCheck, allowedPaths, context));
            }
        };
        for (const auto &configuration : context.project()->buildConfigurations()) {
            checkConfiguration(*configuration, "Project build settings, build configuration <buildconfig>" +
                                                   xa_escapedForXML(configuration->name()) + "</buildconfig>");
        }
        for (const auto &target : context.project()->targets()) {
            for (const auto &configuration : target->buildConfigurations()) {
                checkConfiguration(*configuration, "Target <target>" + xa_escapedForXML(target->name()) +
                                                       "</target> build settings, build configuration <buildconfig>" +
                                                       xa_escapedForXML(configuration->name()) + "</buildconfig>");
            }
        }
        return diagnostics;
    }

private:
    static void append(XADiagnostics &all, XADiagnostics found) {
        all.insert(all.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    }

    // The path-like names among the resolved settings of the checked target and configuration.
    static std::set<std::string> settingNamesToCheck(const XARuleContext &context) {
        std::set<std::string> names;
        if (!context.projectTarget() || !context.projectBuildConfig()) {
            return names;
        }
        const std::shared_ptr<const XABuildSettings> settings = context.project()->resolvedBuildSettingsForTarget(
            *context.projectTarget(), context.projectBuildConfig()->name());
        if (!settings) {
            return names;
        }
        for (const auto &[name, value] : *settings) {
            if (!anyMatches(neverCheckedSettingPatterns(), name) && anyMatches(checkedSettingPatterns(), name)) {
                names.insert(name);
            }
        }
        return names;
    }

    static std::vector<XARegex> allowedPathRegexes(const XARuleContext &context) {
        std::vector<XARegex> regexes = alwaysAllowedPathPatterns();
        const std::optional<XAOptionValue> configured = valueForOption(kAllowedPathRegexes, context);
        if (configured && configured->isArray()) {
            for (const XAOptionValue &element : *configured->array()) {
                if (element.isRegex()) {
                    regexes.push_back(*element.regex());
                }
            }
        }
        return regexes;
    }
};

TESSARY_REGISTER_RULE(XARuleAbsPathInBuildSetting)
