#include "project/XADevEnvironmentSupport.h"

#include "core/XAString.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace {

// Variables by which a test harness injects itself into every child; xcodebuild must not load it.
constexpr std::array<const char *, 7> kHarnessInjectionVariables{
    "XCInjectBundle",      "XCInjectBundleInto",           "DYLD_LIBRARY_PATH", "DYLD_INSERT_LIBRARIES",
    "DYLD_FRAMEWORK_PATH", "DYLD_FALLBACK_FRAMEWORK_PATH", "OBJC_DISABLE_GC"};

// The leading integer of a text after white space, as a number reader of the platform would take it; 0 when none.
long long leadingInteger(std::string_view text) {
    std::string trimmed = xa_trimmed(text);
    std::size_t position = 0;
    bool negative = false;
    if (position < trimmed.size() && (trimmed[position] == '+' || trimmed[position] == '-')) {
        negative = trimmed[position] == '-';
        ++position;
    }
    long long value = 0;
    for (; position < trimmed.size() && std::isdigit(static_cast<unsigned char>(trimmed[position])); ++position) {
        if (value > 1'000'000'000LL) {
            break; // large enough for any comparison made here
        }
        value = value * 10 + (trimmed[position] - '0');
    }
    return negative ? -value : value;
}

} // namespace

std::optional<std::string> XAEnvironmentValue(const char *name) {
    const char *value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

bool XAIsUnitTestHarnessEnvironment(const XAEnvironmentVariables &environment) {
    auto injectBundle = environment.find("XCInjectBundle");
    bool injectsTestBundle = injectBundle != environment.end() && xa_containsSubstring(injectBundle->second, ".octest");
    return injectsTestBundle || environment.count("XCInjectBundleInto") > 0;
}

XAEnvironmentVariables XAEnvironmentForXcodebuild(XAEnvironmentVariables environment) {
    if (XAIsUnitTestHarnessEnvironment(environment)) {
        for (const char *name : kHarnessInjectionVariables) {
            environment.erase(name);
        }
    }
    environment["TESSARY_APP_ACTIVE"] = "yep";
    environment["LANG"] = "en_US.UTF-8";
    environment["LC_ALL"] = "en_US.UTF-8";
    environment["LC_CTYPE"] = "en_US.UTF-8";
    return environment;
}

std::vector<std::string> XAXcodebuildHelpLines(const std::string &helpOutput) {
    std::vector<std::string> lines;
    for (const std::string &line : xa_lines(helpOutput)) {
        lines.push_back(xa_trimmed(line));
    }
    return lines;
}

bool XAXcodebuildHelpListsOption(const std::vector<std::string> &helpLines, const std::string &option) {
    std::string pattern = (option.starts_with("-") ? option : "-" + option) + " ";
    for (const std::string &line : helpLines) {
        if (line.starts_with(pattern)) {
            return true;
        }
    }
    return false;
}

std::string XAXcodebuildVersionDescription(const std::optional<std::string> &versionOutput) {
    std::string description;
    for (const std::string &line : xa_lines(versionOutput.value_or(""))) {
        std::string trimmed = xa_trimmed(line);
        if (trimmed.empty()) {
            continue;
        }
        description += (description.empty() ? "" : ", ") + trimmed;
    }
    return description.empty() ? "Xcode version unknown" : description;
}

std::optional<std::string> XATerminalName(const std::optional<std::string> &termProgram,
                                          const std::optional<std::string> &term) {
    return termProgram ? termProgram : term;
}

bool XATerminalSupportsColors(const std::optional<std::string> &colorsCapability,
                              const std::optional<std::string> &termProgram, const std::optional<std::string> &term) {
    if (colorsCapability && leadingInteger(*colorsCapability) > 7) {
        return true;
    }
    if (termProgram == "Apple_Terminal") {
        return true;
    }
    return term && xa_containsSubstring(*term, "color");
}
