#pragma once

// Parsing with libclang and clang's own diagnostics.
//
// Every parse of the checker goes through XAParseTranslationUnit with arguments prepared by XACompilationInfo: the
// checking run's source files, the precompiled headers, the translation-unit dump. It may be called from many threads
// at once, each with its own index. Diagnostics are formatted with the source location, its column and the warning
// option; a diagnostic's notes follow it, each indented by two blanks and set apart by blank lines.
//
// All functions need a loaded libclang (XALibclang) and abort like it without one.

#include "codemodel/XALibclang.h"
#include "core/XAError.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The text of a parse error code: 1 "Translation unit is NULL", 2 "The Clang compiler crashed", 3 "Arguments violate
// the function contract", 4 "An AST deserialization error has occurred"; no value for any other code.
std::optional<std::string> XAParseErrorMessage(int code);
// No value for 0; otherwise an error whose code is the parse error code and whose message its text (a code without a
// text gets "libclang error <code>").
std::optional<XAError> XAParseError(int code);

// Parses the source file (no path: the source is named by the arguments) with the arguments and libclang's
// translation-unit options, without unsaved files. Null when parsing failed; the error then receives XAParseError of
// libclang's code, whose message names the cause when there is one: a source file that does not exist ("The source
// file 'gen.c' does not exist"; a relative path lies in the arguments' -working-directory), else the first argument
// the loaded libclang does not accept ("The compiler argument '-Xclang -foo' is not accepted by libclang"). The caller
// disposes of the unit.
CXTranslationUnit XAParseTranslationUnit(CXIndex index, const std::optional<std::string> &sourcePath,
                                         const std::vector<std::string> &arguments, unsigned options, XAError *error);

// One text per diagnostic of the unit, in libclang's order ("" where formatting gives none); empty for a null unit.
std::vector<std::string> XAFormattedDiagnostics(CXTranslationUnit translationUnit);
// The diagnostic's text, then, after a blank line, its child diagnostics' texts each indented by two blanks and
// joined by blank lines; the text alone when no child gives one. No value when the diagnostic itself gives no text.
std::optional<std::string> XAFormattedDiagnosticWithChildren(CXDiagnostic diagnostic);
// XAFormattedDiagnosticWithChildren of each diagnostic of the unit that gives a text, in order.
std::vector<std::string> XAFormattedDiagnosticsWithChildren(CXTranslationUnit translationUnit);
// The unit's diagnostics of severity error or fatal; 0 for a null unit.
unsigned XANumberOfErrorDiagnostics(CXTranslationUnit translationUnit);

// The warning flags (without "-W") that the loaded compiler enables by default, read once.
const std::set<std::string> &XAClangWarningFlagsEnabledByDefault();
// Whether the flag, with or without its leading "-W", is one of them.
bool XAClangWarningFlagIsEnabledByDefault(std::string_view flag);
// The warning groups (without "-W") that the loaded compiler nests in the group, at any depth, read once for all
// groups; empty for a name that is no group or holds none.
const std::set<std::string> &XAClangWarningGroupMembers(std::string_view group);

// Print the compiler's catalogue of all diagnostics, or of its diagnostic groups, to standard output.
void XAPrintAllClangDiagnostics();
void XAPrintAllClangDiagnosticGroups();
