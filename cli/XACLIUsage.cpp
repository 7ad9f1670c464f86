// The printer's fixed texts: usage, version, documentation and the bundled Clang versions.

#include "cli/XACLIArgs.h"
#include "cli/XACLIOutputPrinter.h"
#include "cli/XADocs.h"

#include "codemodel/XALibclangLoader.h"
#include "core/XAAppVersion.h"
#include "core/XADates.h"
#include "core/XAString.h"
#include "core/XAUserDefaults.h"
#include "engine/config/XAConfiguration.h"

#include <algorithm>

namespace {

constexpr const char *kCopyright = "Copyright \u00A9 Quenby. All rights reserved.";
const std::string kHeadingIndent(7, ' ');

std::vector<const XAConfigurationOption *> commandLineOptions() {
    std::vector<const XAConfigurationOption *> options;
    for (const XAConfigurationOption &option : XAConfiguration::appOptions()) {
        if (option.isPublic() && (option.optionDomain() & XAOptionDomainCommandLine)) {
            options.push_back(&option);
        }
    }
    return options;
}

std::string shortOptionName(const XAConfigurationOption &option) {
    return option.shortName() ? "-" + *option.shortName() : "--" + option.longName();
}

std::string commandEntry(const std::string &programName, const XACLICommand &command) {
    std::vector<std::string> parameters;
    for (const std::string &parameter : command.parameterNames) {
        parameters.push_back("<" + parameter + ">");
    }
    return programName + " " + command.name + " " + xa_componentsJoinedByString(parameters, " ") + "\n    " +
           command.description;
}

std::string optionTable() {
    const std::vector<const XAConfigurationOption *> options = commandLineOptions();
    size_t nameWidth = 0;
    for (const XAConfigurationOption *option : options) {
        nameWidth = std::max(nameWidth, xa_utf16Length(shortOptionName(*option)));
    }
    std::vector<std::string> rows;
    for (const XAConfigurationOption *option : options) {
        const std::string name = shortOptionName(*option);
        rows.push_back(name + std::string(nameWidth + 1 - xa_utf16Length(name), ' ') + option->optionDescription());
    }
    return xa_componentsJoinedByString(rows, "\n");
}

std::string longOptionEntry(const XAConfigurationOption &option) {
    const std::string shortPart = option.shortName() ? "-" + *option.shortName() + ", " : "";
    std::vector<std::string> lines = {shortPart + "--" + option.longName() + " <" + option.valueTypeExample() + ">",
                                      "    " + option.optionDescription()};
    if (option.defaultValue() && !option.defaultValue()->isNull()) {
        lines.push_back("    (default: " + option.defaultValueDisplayName() + ")");
    }
    if (option.optionInfo()) {
        lines.push_back("\n    " + *option.optionInfo());
    }
    return xa_componentsJoinedByString(lines, "\n");
}

std::string versionLine() { return std::string(XAApplicationName) + " version: " + xa_versionForPresentation(); }

std::string clangVersionLine() { return "Clang version: " + XACLIClangVersionForDisplay(); }

} // namespace

void XACLIOutputPrinter::printShortUsage(const std::string &programName) {
    std::string text = "usage: " + programName + " [options] <command>\n\n";
    text += "The <command> argument specifies what the tool should do:\n\n";
    std::vector<std::string> entries;
    for (const XACLICommand &command : XACLIArgs::appCommands()) {
        entries.push_back(commandEntry(programName, command));
    }
    text += xa_indentedWith(xa_componentsJoinedByString(entries, "\n"), "    ") + "\n";
    text += "\nOptions:\n" + xa_indentedWith(optionTable(), "    ") + "\n";
    text += "\n" + versionLine() + "\n" + clangVersionLine() + "\n" + kCopyright + "\n\n";
    writeData(text);
}

void XACLIOutputPrinter::printLongUsage(const std::string &programName) {
    const XAColor headingColor = XAColor::whiteColor();
    printBold(headingColor, "NAME\n");
    print(std::nullopt, kHeadingIndent + XAApplicationName + "\n\n");
    printBold(headingColor, "SYNOPSIS\n");
    print(std::nullopt, kHeadingIndent + programName + " [options] <command>\n\n");
    printBold(headingColor, "COMMANDS\n");
    for (const XACLICommand &command : XACLIArgs::appCommands()) {
        printBold(headingColor, kHeadingIndent + command.name);
        for (const std::string &parameter : command.parameterNames) {
            print(std::nullopt, " <" + parameter + ">");
        }
        print(std::nullopt, "\n");
        printWrap(std::nullopt, std::string(11, ' '), command.description);
        print(std::nullopt, "\n\n");
    }
    printBold(headingColor, "OPTIONS\n");
    std::vector<std::string> entries;
    for (const XAConfigurationOption *option : commandLineOptions()) {
        entries.push_back(longOptionEntry(*option));
    }
    printWrap(std::nullopt, kHeadingIndent, xa_componentsJoinedByString(entries, "\n\n"));
    print(std::nullopt, "\n\n");
    printBold(headingColor, "VERSION\n");
    print(std::nullopt, kHeadingIndent + versionLine() + "\n" + kHeadingIndent + clangVersionLine() + "\n\n");
    printBold(headingColor, "AUTHORS\n");
    print(std::nullopt, kHeadingIndent + kCopyright + "\n\n");
}

void XACLIOutputPrinter::printVersion(bool verbose) {
    if (!verbose) {
        writeData(xa_versionForPresentation() + "\n");
        return;
    }
    const std::string compiled = xa_stringFromUTCDate(xa_compilationDate(), "yyyy-MM-dd HH:mm:ss '+0000'").value_or("");
    writeData(versionLine() + "\n" + "VCS revision:     " + xa_versionControlRevision().value_or("(none)") + "\n" +
              "Compiled:         " + compiled + "\n" + "Clang version:    " + XACLIClangVersionForDisplay() + "\n");
}

void XACLIOutputPrinter::printAppDocumentation() {
    printWrapAttr(std::nullopt, "", XAAttributedString(XADocsTextForPage("main")));
}

void XACLIOutputPrinter::printAvailableClangVersions() {
    std::string text = "Available bundled Clang versions:\n\n";
    for (const std::optional<std::string> &version : XAAvailableClangVersions()) {
        if (version) {
            text += *version + "\n";
        }
    }
    // Linux has no defaults command: the user defaults live in a JSON file.
    text += "\nYou can switch to a different Clang version by setting a user default:\n\n";
    text += "  \"clangVersionToUse\": \"<value>\" in " + XAUserDefaults::standardFilePath() + "\n\n";
    text += "\u2026and restarting " + std::string(XAApplicationName) + ".\n\n";
    writeData(text);
}
