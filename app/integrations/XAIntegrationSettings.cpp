#include "app/integrations/XAIntegrationSettings.h"

#include "core/XAPaths.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <string_view>

namespace {

constexpr std::string_view kXcodeProjectCommand = "xcodeProjectCommand";
constexpr std::string_view kXcodeFileCommand = "xcodeFileCommand";
constexpr std::string_view kCustomCodeEditorCommand = "customCodeEditorCommand";
constexpr std::string_view kDocsWebSearchAddress = "docsWebSearchAddress";
constexpr const char *kDefaultDocsWebSearchAddress = "https://developer.apple.com/search/?q=%@";

// A stored command: a non-empty array of strings whose first element is not empty.
std::optional<XACommandTemplate> commandForKey(const XAUserDefaults &defaults, std::string_view key) {
    const std::optional<XAValue> value = defaults.objectForKey(key);
    if (!value || !value->array() || value->array()->empty()) {
        return std::nullopt;
    }
    XACommandTemplate command;
    for (const XAValue &element : *value->array()) {
        if (!element.string()) {
            return std::nullopt;
        }
        command.push_back(*element.string());
    }
    if (command.front().empty()) {
        return std::nullopt;
    }
    return command;
}

void setCommandForKey(XAUserDefaults &defaults, std::string_view key, std::optional<XACommandTemplate> command) {
    if (!command) {
        defaults.removeObjectForKey(key);
        return;
    }
    XAValue::Array elements;
    for (std::string &element : *command) {
        elements.emplace_back(std::move(element));
    }
    defaults.setObject(key, XAValue(std::move(elements)));
}

} // namespace

std::optional<XACommandTemplate> xa_xcodeProjectCommand(const XAUserDefaults &defaults) {
    return commandForKey(defaults, kXcodeProjectCommand);
}

void xa_setXcodeProjectCommand(XAUserDefaults &defaults, std::optional<XACommandTemplate> command) {
    setCommandForKey(defaults, kXcodeProjectCommand, std::move(command));
}

XACommandTemplate XADefaultXcodeFileCommand() { return {"xdg-open", "{file}"}; }

XACommandTemplate xa_xcodeFileCommand(const XAUserDefaults &defaults) {
    return commandForKey(defaults, kXcodeFileCommand).value_or(XADefaultXcodeFileCommand());
}

void xa_setXcodeFileCommand(XAUserDefaults &defaults, std::optional<XACommandTemplate> command) {
    setCommandForKey(defaults, kXcodeFileCommand, std::move(command));
}

std::optional<XACommandTemplate> xa_customCodeEditorCommand(const XAUserDefaults &defaults) {
    return commandForKey(defaults, kCustomCodeEditorCommand);
}

void xa_setCustomCodeEditorCommand(XAUserDefaults &defaults, std::optional<XACommandTemplate> command) {
    setCommandForKey(defaults, kCustomCodeEditorCommand, std::move(command));
}

std::string XADefaultDocsWebSearchAddress() { return kDefaultDocsWebSearchAddress; }

std::string xa_docsWebSearchAddress(const XAUserDefaults &defaults) {
    const std::optional<std::string> address = defaults.stringForKey(kDocsWebSearchAddress);
    return address && !address->empty() ? *address : std::string(kDefaultDocsWebSearchAddress);
}

void xa_setDocsWebSearchAddress(XAUserDefaults &defaults, std::optional<std::string> address) {
    if (address) {
        defaults.setString(kDocsWebSearchAddress, std::move(*address));
    } else {
        defaults.removeObjectForKey(kDocsWebSearchAddress);
    }
}

std::vector<XACommandTemplate> XADefaultProjectCommands() {
    return {{"code", "{projectFolder}"},
            {"codium", "{projectFolder}"},
            {"subl", "{projectFolder}"},
            {"xdg-open", "{projectFolder}"}};
}

std::string XACommandTemplateText(const XACommandTemplate &command) {
    QStringList elements;
    for (const std::string &element : command) {
        QString text = QString::fromStdString(element);
        if (text.isEmpty() || text.contains(QRegularExpression(QStringLiteral("[\\s\"]")))) {
            text = QLatin1Char('"') + text.replace(QStringLiteral("\""), QStringLiteral("\"\"\"")) + QLatin1Char('"');
        }
        elements << text;
    }
    return elements.join(QLatin1Char(' ')).toStdString();
}

std::optional<XACommandTemplate> XACommandTemplateFromText(const std::string &text) {
    const QStringList elements = QProcess::splitCommand(QString::fromStdString(text));
    if (elements.isEmpty() || elements.front().isEmpty()) {
        return std::nullopt;
    }
    XACommandTemplate command;
    for (const QString &element : elements) {
        command.push_back(element.toStdString());
    }
    return command;
}

std::vector<std::string> XAExpandCommandTemplate(const XACommandTemplate &command, const std::string &project,
                                                 const std::string &file, const std::string &line,
                                                 const std::string &column) {
    const std::string projectFolder = project.empty() ? std::string() : xa_stringByDeletingLastPathComponent(project);
    std::vector<std::string> arguments;
    arguments.reserve(command.size());
    for (std::string argument : command) {
        // Values are inserted in one pass per placeholder, and a value is never searched again, so a file name
        // that contains "{line}" stays as it is.
        std::string expanded;
        for (std::size_t index = 0; index < argument.size();) {
            bool replaced = false;
            for (const auto &[placeholder, value] :
                 {std::pair<std::string_view, const std::string *>{"{projectFolder}", &projectFolder},
                  {"{project}", &project},
                  {"{file}", &file},
                  {"{line}", &line},
                  {"{column}", &column}}) {
                if (std::string_view(argument).substr(index, placeholder.size()) == placeholder) {
                    expanded += *value;
                    index += placeholder.size();
                    replaced = true;
                    break;
                }
            }
            if (!replaced) {
                expanded += argument[index++];
            }
        }
        arguments.push_back(std::move(expanded));
    }
    return arguments;
}
