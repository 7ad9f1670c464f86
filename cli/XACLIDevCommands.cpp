#include "cli/XACLIDevCommands.h"

#include "cli/XACLICurrentPrinter.h"
#include "codemodel/XAClangASTDump.h"
#include "codemodel/XATranslationUnit.h"
#include "core/XACLIToolScript.h"
#include "core/XAJSON.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "engine/XARulePage.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleTags.h"
#include "engine/config/XAConfiguration.h"
#include "project/XASpellChecker.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <unistd.h>

#include <unicode/uchar.h>

namespace {

constexpr const char *kToolName = XACLIToolName;

XAValue textOrEmpty(const std::optional<XAXMLString> &text) { return text ? text->htmlString() : std::string(); }

XAValue jsonOfOption(const XARuleOption &option) {
    XAValue::Array allowedValues;
    for (const XAOptionValue &value : option.allowedValues()) {
        allowedValues.emplace_back(option.valueAsJSONValue(value));
    }
    return XADictionary{
        {"name", option.longName()},
        {"description", option.optionDescription()},
        {"info", option.optionInfo().value_or("")},
        {"defaultValue", option.defaultValue() ? option.valueAsJSONValue(*option.defaultValue()) : std::string()},
        {"valueType", option.valueTypeDisplayName()},
        {"allowedValues", allowedValues},
    };
}

XAValue jsonOfRule(const XARuleDescriptor &rule) {
    XAValue::Array tags(rule.tags.begin(), rule.tags.end());
    const auto primaryTag =
        std::find_if(rule.tags.begin(), rule.tags.end(), [](const std::string &tag) { return tag != "Recommended"; });
    XAValue::Array links;
    for (const XAExternalLink &link : rule.externalLinks) {
        links.emplace_back(XADictionary{{"title", link.linkTitle}, {"url", link.URL.value_or("")}});
    }
    XAValue::Array options;
    for (const XARuleOptionGroup &group : rule.optionGroups) {
        for (const XARuleOption &option : group.options) {
            options.push_back(jsonOfOption(option));
        }
    }
    return XADictionary{
        {"name", rule.ruleName.htmlString()},
        {"shortName", rule.shortName},
        {"description", rule.ruleDescription.htmlString()},
        {"warning", textOrEmpty(rule.ruleWarning)},
        {"tags", tags},
        {"primaryTag", primaryTag != rule.tags.end() ? *primaryTag : std::string()},
        {"applicationConditionDescription",
         rule.isConditionallyApplied() ? XAValue(rule.applicationConditionDescription()) : XAValue()},
        {"externalLinks", links},
        {"options", options},
    };
}

bool isExperimental(const XARuleDescriptor &rule) {
    return std::find(rule.tags.begin(), rule.tags.end(), XARuleTagExperimental) != rule.tags.end();
}

int printRuleJSON(const XACLIEnvironment &) {
    XAValue::Array rules;
    const XARuleRegistry &registry = XARuleRegistry::shared();
    for (const std::string &shortName : registry.allPublicRuleShortNames()) {
        const XARuleDescriptor *rule = registry.ruleWithShortName(shortName);
        if (rule && !isExperimental(*rule)) {
            rules.push_back(jsonOfRule(*rule));
        }
    }
    XAWriteToStdout(XAJSONString(rules, false) + "\n");
    return 0;
}

int printRuleTagsJSON(const XACLIEnvironment &) {
    XAValue::Array tags;
    for (const std::string &tag : XARulePublicTagNames()) {
        if (tag != XARuleTagExperimental) {
            tags.emplace_back(XADictionary{{"name", tag}, {"description", XARuleDescriptionForTag(tag).value_or("")}});
        }
    }
    XAWriteToStdout(XAJSONString(tags, false) + "\n");
    return 0;
}

int printHiddenRules(const XACLIEnvironment &) {
    std::string text;
    for (const XARuleDescriptor *rule : XARuleRegistry::shared().allRules()) {
        if (!rule->isPublic || isExperimental(*rule)) {
            text += rule->shortName + ": " + rule->ruleName.plainString() + "\n";
        }
    }
    XAWriteToStdout(text);
    return 0;
}

int printDefaultWarningFlags(const XACLIEnvironment &) {
    std::string text;
    for (const std::string &flag : XAClangWarningFlagsEnabledByDefault()) {
        text += flag + "\n";
    }
    XAWriteToStdout(text);
    return 0;
}

int installCLITools(const XACLIEnvironment &) {
    const std::string folder = XACLIToolsInstallFolder();
    const std::string path = xa_stringByAppendingPathComponent(folder, kToolName);
    if (access(path.c_str(), F_OK) == 0) {
        XAWriteToStderr("Already installed: " + path + "\n");
        return 1;
    }
    XAError error;
    if (!installCLIToolScript(folder, kToolName, &error)) {
        XAWriteToStderr("Error: " + error.message + "\n");
        return 1;
    }
    XAWriteToStdout("Successfully installed " + path + "\n");
    return 0;
}

int spellCheck(const XACLIEnvironment &environment) {
    std::string text;
    for (const std::string &path : environment.args().positionalArgs()) {
        text += XAContentsOfFile(path, nullptr).value_or("");
    }
    const size_t inputCount = xa_lines(text).size();
    const std::vector<std::string> words = XACLISpellCheckCandidateWords(text);
    std::vector<std::string> notFound;
    XASpellChecker &checker =
        XASpellChecker::spellCheckerForCurrentThreadWithLanguage(XASpellChecker::kEnglishLanguage);
    for (const std::string &word : words) {
        if (!checker.isSpelledCorrectly(word) && !xa_wordIsSpelledCorrectlyInEnglish(word)) {
            notFound.push_back(word);
        }
    }
    XAWriteToStdout(xa_componentsJoinedByString(notFound, "\n") + "\n");
    XAWriteToStderr("Total " + std::to_string(inputCount) + " words input, " + std::to_string(words.size()) +
                    " after filtering, " + std::to_string(notFound.size()) + " not found\n");
    return 0;
}

int dumpTranslationUnit(const XACLIEnvironment &environment, const std::string &programName) {
    // The file follows the command word; the raw arguments after it are its compiler arguments.
    const std::vector<std::string> &raw = environment.args().rawArgs();
    if (raw.size() < 2) {
        XACLICurrentPrinter()->printShortUsage(programName);
        return 1;
    }
    const std::vector<std::string> compilerArguments(raw.begin() + 2, raw.end());
    return XAClangASTDump(raw[1], compilerArguments, environment.args().boolValueOfNamedArg(XAConfiguration::kVerbose),
                          isatty(STDOUT_FILENO) != 0);
}

bool isAllAlphanumeric(const std::string &word) {
    for (size_t offset = 0; offset < word.size();) {
        const XAUTF8Char character = XADecodeUTF8(word, offset);
        if (!character.valid || !u_isalnum(static_cast<UChar32>(character.codePoint))) {
            return false;
        }
        offset += character.length;
    }
    return true;
}

bool hasExcludedPrefix(const std::string &word) {
    static constexpr const char *kPrefixes[] = {"pre", "post", "sub", "super", "meta", "multi"};
    return std::any_of(std::begin(kPrefixes), std::end(kPrefixes),
                       [&](const char *prefix) { return word.starts_with(prefix); });
}

// The page of the rule named by the last positional argument; an unknown or missing name is reported, with status 1.
int printRuleHTML(const XACLIEnvironment &environment) {
    const std::vector<std::string> &positionals = environment.args().positionalArgs();
    const std::string name = positionals.size() > 1 ? positionals.back() : std::string();
    const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName(name);
    if (!rule) {
        XAWriteToStderr("Unknown rule name: " + name + "\n");
        return 1;
    }
    XAWriteToStdout(XARuleHTMLDescriptionPage(*rule) + "\n");
    return 0;
}

} // namespace

std::vector<std::string> XACLISpellCheckCandidateWords(const std::string &wordListText) {
    std::set<std::string> words;
    for (const std::string &line : xa_lines(wordListText)) {
        const std::string word = xa_trimmed(xa_lowercased(line));
        if (xa_utf16Length(word) >= 3 && isAllAlphanumeric(word) && !hasExcludedPrefix(word)) {
            words.insert(word);
        }
    }
    return std::vector<std::string>(words.begin(), words.end());
}

int XACLIRunDevCommand(const XACLIEnvironment &environment, const std::string &programName) {
    const std::map<std::string, std::function<int(const XACLIEnvironment &)>> commands = {
        {"dev_rulejson", printRuleJSON},
        {"dev_rulehtml", printRuleHTML},
        {"dev_ruletagsjson", printRuleTagsJSON},
        {"dev_clang_diags", [](const XACLIEnvironment &) { return XAPrintAllClangDiagnostics(), 0; }},
        {"dev_clang_diag_groups", [](const XACLIEnvironment &) { return XAPrintAllClangDiagnosticGroups(), 0; }},
        {"dev_clang_diags_default", printDefaultWarningFlags},
        {"dev_hiddenrules", printHiddenRules},
        {"dev_install_cli_tools", installCLITools},
        {"dev_spellcheck", spellCheck},
        {"dev_dump", [&](const XACLIEnvironment &env) { return dumpTranslationUnit(env, programName); }},
    };
    const std::string command = environment.args().command().value_or("");
    const auto found = commands.find(command);
    if (found == commands.end()) {
        XAWriteToStderr("Unknown dev command: " + command + "\n");
        return 1;
    }
    return found->second(environment);
}
