#pragma once

// The user's settings for the programs that the desktop hands work to: the IDE's commands, a code editor of the
// user's own and the address of the documentation web search. Only the desktop reads them, so their keys live here
// rather than among the shared settings of the core.
//
// A command is an argument list whose first element names the executable (a name looked up on PATH, or a path);
// "{project}" (the .xcodeproj), "{projectFolder}" (the folder that holds it), "{file}", "{line}" and "{column}"
// anywhere in an element are replaced when it runs. Commands run directly, without a shell.

#include "core/XAUserDefaults.h"

#include <optional>
#include <string>
#include <vector>

using XACommandTemplate = std::vector<std::string>;

// Opens a project in the IDE ("{project}", "{projectFolder}"); none stored by default, when the first installed of
// XADefaultProjectCommands runs instead.
std::optional<XACommandTemplate> xa_xcodeProjectCommand(const XAUserDefaults &defaults);
void xa_setXcodeProjectCommand(XAUserDefaults &defaults, std::optional<XACommandTemplate> command);
// Opens a file in the IDE ("{file}", "{line}", "{column}"); by default the desktop's default application for the
// file, which cannot go to a line: "xdg-open {file}".
XACommandTemplate xa_xcodeFileCommand(const XAUserDefaults &defaults);
XACommandTemplate XADefaultXcodeFileCommand();
void xa_setXcodeFileCommand(XAUserDefaults &defaults, std::optional<XACommandTemplate> command);
// The user's own code editor ("{file}", "{line}", "{column}" counted from 1); none by default.
std::optional<XACommandTemplate> xa_customCodeEditorCommand(const XAUserDefaults &defaults);
void xa_setCustomCodeEditorCommand(XAUserDefaults &defaults, std::optional<XACommandTemplate> command);
// The documentation web search: an address in which "%@" stands for the percent-encoded search term.
std::string xa_docsWebSearchAddress(const XAUserDefaults &defaults);
std::string XADefaultDocsWebSearchAddress();
void xa_setDocsWebSearchAddress(XAUserDefaults &defaults, std::optional<std::string> address);

// The project commands tried, in order, when the settings hold none: IDEs and editors that open a folder (Visual
// Studio Code, VSCodium, Sublime Text), then the desktop's file manager on the project folder.
std::vector<XACommandTemplate> XADefaultProjectCommands();

// A command as the user reads and types it: elements separated by spaces, an element with white space or quotes in
// double quotes (a quote inside written as three); and back. Empty text is no command.
std::string XACommandTemplateText(const XACommandTemplate &command);
std::optional<XACommandTemplate> XACommandTemplateFromText(const std::string &text);

// The command with every placeholder replaced by its value; inserted values are not searched for placeholders.
// "{projectFolder}" is the folder of `project`.
std::vector<std::string> XAExpandCommandTemplate(const XACommandTemplate &command, const std::string &project,
                                                 const std::string &file, const std::string &line,
                                                 const std::string &column);
