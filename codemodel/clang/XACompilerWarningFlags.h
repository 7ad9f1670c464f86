#pragma once

// Which compiler warnings a list of compiler arguments puts in force, for rules that judge a file's warning options.
// Warning names are flags without "-W" ("shadow" for "-Wshadow").

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The compiler's knowledge that the answers rest on: the warnings on by default and the members of each group.
struct XACompilerWarningCatalogue {
    std::function<const std::set<std::string> &()> enabledByDefault;
    std::function<const std::set<std::string> &(std::string_view group)> groupMembers;

    // The loaded compiler's (XAClangWarningFlagsEnabledByDefault, XAClangWarningGroupMembers).
    static const XACompilerWarningCatalogue &loadedCompiler();
};

// The arguments that control warnings: those of at least two characters that begin with "-" followed by "w" or
// "W", in their order.
std::vector<std::string> XAWarningArguments(const std::vector<std::string> &arguments);

// The warning names in force after the warning arguments, taken in order from the compiler's defaults: "-w"
// clears everything; "-Werror=<name>" and "-W<name>" add the name and every group nested in it; "-Wno-<name>"
// removes them. "-Werror" adds "error", which names no group. "-Weverything" is not expanded: callers test for it.
std::set<std::string> XAWarningsEnabledByArguments(const std::vector<std::string> &warningArguments,
                                                   const XACompilerWarningCatalogue &catalogue);

// Whether the one warning `name` is in force by the flags, judged by the last flag that names it: "-W<name>" enables
// it and "-Wno-<name>" disables it; for a name other than "error", "-Weverything" and "-Werror=<name>" enable it too
// and "-w" disables it. Without an enabling flag it is in force when on by default and no flag disables it.
bool XAWarningIsInForceByFlags(const std::string &name, const std::vector<std::string> &flags,
                               const XACompilerWarningCatalogue &catalogue);
