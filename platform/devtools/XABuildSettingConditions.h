#pragma once

// Conditional build-setting keys as projects and .xcconfig files write them: `KEY[sdk=iphoneos*][arch=arm64]`, or
// several conditions in one pair of brackets separated by commas (`KEY[sdk=iphoneos*,arch=arm64]`). A condition
// holds when its pattern matches the value of its parameter in the resolution context; `*` in a pattern matches any
// run of characters. A key holds when all its conditions hold.

#include <string>
#include <string_view>
#include <vector>

struct XABuildSettingCondition {
    std::string parameter; // "sdk", "arch", "config", "variant"
    std::string pattern;
    bool operator==(const XABuildSettingCondition &) const = default;
};

struct XABuildSettingKey {
    std::string name;
    std::vector<XABuildSettingCondition> conditions;
    // False for text that is no key: an empty name, an unclosed bracket, a condition without "=". Such a key never
    // applies.
    bool wellFormed = true;
};

XABuildSettingKey XAParseBuildSettingKey(std::string_view keyText);

// What conditions are tested against. An SDK matches by any of its names (its canonical name with version and its
// plain platform name); an unknown architecture matches only the pattern "*".
struct XABuildSettingConditionContext {
    std::vector<std::string> sdkNames;
    std::string arch;
    std::string configuration;
    std::string variant = "normal";
};

// `*` matches any run of characters, everything else itself (case-sensitive).
bool XAWildcardMatches(std::string_view pattern, std::string_view text);

// True when every condition holds; a condition on any other parameter never holds.
bool XABuildSettingConditionsHold(const std::vector<XABuildSettingCondition> &conditions,
                                  const XABuildSettingConditionContext &context);
