#include "platform/devtools/XAXcodebuildBuildLog.h"

#include <cctype>

namespace {

constexpr std::string_view kIndent = "    ";

bool isLineBreak(char character) { return character == '\n' || character == '\r'; }

bool isPlainValueCharacter(char character) {
    return std::isalnum(static_cast<unsigned char>(character)) ||
           std::string_view("_./:=@,+%-").find(character) != std::string_view::npos;
}

// An exported value as `export NAME=value` shows it: plain values as they are, others in double quotes.
std::string exportedValue(std::string_view value) {
    bool plain = true;
    for (char character : value) {
        plain = plain && isPlainValueCharacter(character);
    }
    if (plain) {
        return std::string(value);
    }
    std::string quoted = "\"";
    for (char character : value) {
        if (character == '"' || character == '\\') {
            quoted.push_back('\\');
        }
        quoted.push_back(isLineBreak(character) ? ' ' : character);
    }
    quoted.push_back('"');
    return quoted;
}

std::string printableName(std::string_view name) {
    std::string printable(name);
    for (char &character : printable) {
        if (isLineBreak(character)) {
            character = ' ';
        }
    }
    return printable;
}

void appendStep(std::string &text, const XAStandInBuildStep &step) {
    text += XALogArgumentLine(step.header);
    text += "\n";
    text += kIndent;
    text += "cd ";
    text += XAEscapedLogArgument(step.workingDirectory);
    text += "\n";
    for (const auto &[name, value] : step.environment) {
        text += kIndent;
        text += "export ";
        text += printableName(name);
        text += "=";
        text += exportedValue(value);
        text += "\n";
    }
    text += kIndent;
    text += XALogArgumentLine(step.command);
    text += "\n\n";
}

} // namespace

std::string XAEscapedLogArgument(std::string_view argument) {
    if (argument.empty()) {
        return "\"\""; // an empty argument keeps its place
    }
    std::string escaped;
    escaped.reserve(argument.size() + 8);
    for (char character : argument) {
        if (isLineBreak(character)) {
            escaped += "\\ ";
            continue;
        }
        if (character == ' ' || character == '\t' || character == '"' || character == '\\') {
            escaped.push_back('\\');
        }
        escaped.push_back(character);
    }
    return escaped;
}

std::string XALogArgumentLine(const std::vector<std::string> &arguments) {
    std::string line;
    for (const std::string &argument : arguments) {
        if (!line.empty()) {
            line.push_back(' ');
        }
        line += XAEscapedLogArgument(argument);
    }
    return line;
}

std::string XACommandLineSettingsLogText(const std::vector<std::pair<std::string, std::string>> &settings) {
    if (settings.empty()) {
        return {};
    }
    std::string text = "Build settings from command line:\n";
    for (const auto &[name, value] : settings) {
        text += std::string(kIndent) + printableName(name) + " = " + printableName(value) + "\n";
    }
    return text + "\n";
}

std::string XATargetBuildLogText(const XAStandInTargetBuild &build) {
    std::string text;
    text.reserve(2048 * (build.steps.size() + 1));
    text += std::string("=== BUILD ") + (build.aggregate ? "AGGREGATE TARGET " : "TARGET ") +
            printableName(build.targetName) + " OF PROJECT " + printableName(build.projectName) +
            " WITH CONFIGURATION " + printableName(build.configurationName) + " ===\n\n";
    text += "Check dependencies\n\n";
    if (!build.productFolders.empty()) {
        text += "Create product structure\n";
        for (const std::string &folder : build.productFolders) {
            text += "/bin/mkdir -p " + XAEscapedLogArgument(folder) + "\n";
        }
        text += "\n";
    }
    for (const XAStandInBuildStep &step : build.steps) {
        appendStep(text, step);
    }
    return text;
}
