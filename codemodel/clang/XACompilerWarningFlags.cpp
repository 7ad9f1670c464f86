#include "codemodel/clang/XACompilerWarningFlags.h"

#include "codemodel/XATranslationUnit.h"

namespace {

void addWithMembers(std::set<std::string> &enabled, const std::string &name,
                    const XACompilerWarningCatalogue &catalogue) {
    enabled.insert(name);
    const std::set<std::string> &members = catalogue.groupMembers(name);
    enabled.insert(members.begin(), members.end());
}

void removeWithMembers(std::set<std::string> &enabled, const std::string &name,
                       const XACompilerWarningCatalogue &catalogue) {
    enabled.erase(name);
    for (const std::string &member : catalogue.groupMembers(name)) {
        enabled.erase(member);
    }
}

bool enables(const std::string &flag, const std::string &name) {
    if (flag == "-W" + name) {
        return true;
    }
    return name != "error" && (flag == "-Weverything" || flag == "-Werror=" + name);
}

bool disables(const std::string &flag, const std::string &name) {
    return flag == "-Wno-" + name || (name != "error" && flag == "-w");
}

} // namespace

const XACompilerWarningCatalogue &XACompilerWarningCatalogue::loadedCompiler() {
    static const XACompilerWarningCatalogue catalogue{
        []() -> const std::set<std::string> & { return XAClangWarningFlagsEnabledByDefault(); },
        [](std::string_view group) -> const std::set<std::string> & { return XAClangWarningGroupMembers(group); }};
    return catalogue;
}

std::vector<std::string> XAWarningArguments(const std::vector<std::string> &arguments) {
    std::vector<std::string> warningArguments;
    for (const std::string &argument : arguments) {
        if (argument.size() >= 2 && argument[0] == '-' && (argument[1] == 'w' || argument[1] == 'W')) {
            warningArguments.push_back(argument);
        }
    }
    return warningArguments;
}

std::set<std::string> XAWarningsEnabledByArguments(const std::vector<std::string> &warningArguments,
                                                   const XACompilerWarningCatalogue &catalogue) {
    std::set<std::string> enabled = catalogue.enabledByDefault();
    for (const std::string &argument : warningArguments) {
        if (argument.starts_with("-Werror=")) {
            addWithMembers(enabled, argument.substr(8), catalogue);
        } else if (argument.starts_with("-Wno-")) {
            removeWithMembers(enabled, argument.substr(5), catalogue);
        } else if (argument.starts_with("-W")) {
            addWithMembers(enabled, argument.substr(2), catalogue);
        } else if (argument == "-w") {
            enabled.clear();
        }
    }
    return enabled;
}

bool XAWarningIsInForceByFlags(const std::string &name, const std::vector<std::string> &flags,
                               const XACompilerWarningCatalogue &catalogue) {
    for (auto flag = flags.rbegin(); flag != flags.rend(); ++flag) {
        if (disables(*flag, name)) {
            return false;
        }
        if (enables(*flag, name)) {
            return true;
        }
    }
    return catalogue.enabledByDefault().count(name) > 0;
}
