#pragma once

// Everything the command line shows goes through one printer: progress lines, usage texts, version and
// documentation, rule and tag descriptions, and the diagnostics of a check. The human-readable printer is the
// default; the JSON, property-list and Xcode printers write data for other programs.
//
// Data goes to the data stream (standard output). Progress goes to standard output when that is a terminal and to
// standard error otherwise, so that redirected output holds only data. Colours and bold text become ANSI escape
// sequences only when the options allow colours and the stream is a terminal. A closed stream drops the output.
//
// Printers are called from the front end's thread and from the progress handlers of a running check on any thread;
// every output call writes its text with one write, and the options are read and replaced as one unit.

#include "core/XAAttributedString.h"
#include "core/XAColor.h"
#include "core/XAProgressMessage.h"
#include "engine/XADiagnostic.h"
#include "engine/config/XAConfiguration.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class XACheckingOperation;

struct XACLIOutputOptions {
    // The width that wrapping and truncation use.
    std::uint64_t columnWidth = 0;
    bool useColors = false;

    // 79 columns, colours when the terminal supports them.
    static XACLIOutputOptions defaultOptions();
};

class XACLIOutputPrinter {
public:
    explicit XACLIOutputPrinter(XACLIOutputOptions options = {});
    virtual ~XACLIOutputPrinter() = default;
    XACLIOutputPrinter(const XACLIOutputPrinter &) = delete;
    XACLIOutputPrinter &operator=(const XACLIOutputPrinter &) = delete;

    XACLIOutputOptions options() const;
    void setOptions(XACLIOutputOptions options);
    // The file descriptors written to; by default standard output for data and, for progress, standard output when
    // it is a terminal, else standard error.
    void setFileDescriptors(int dataFD, int progressFD);
    int dataFileDescriptor() const { return dataFD_; }
    int progressFileDescriptor() const { return progressFD_; }

    // The line as it stands, with one line break.
    void printProgressLine(const std::string &line);
    // The message's log line in its colour; a message without a log line prints nothing.
    virtual void printProgress(const XAProgressMessage &message);
    // `operation` is the check that found the diagnostics; printers that export them read its facts.
    virtual void printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *operation) = 0;
    virtual void printDescriptionsOfRules(const std::vector<std::string> &ruleShortNames) = 0;
    virtual void printDescriptionsOfRuleTags(const std::vector<std::string> &tagNames) = 0;

    void printShortUsage(const std::string &programName);
    void printLongUsage(const std::string &programName);
    void printVersion(bool verbose);
    void printAppDocumentation();
    void printAvailableClangVersions();

protected:
    // The output blocks. Texts are printed as they stand: no text is ever taken as a format.
    void print(const std::optional<XAColor> &color, const std::string &text);
    void printBold(const std::optional<XAColor> &color, const std::string &text);
    // Word-wrapped to the column width less the indent (at least one column), every line indented.
    void printWrap(const std::optional<XAColor> &color, const std::string &indent, const std::string &text);
    // Styled text word-wrapped the same way, coloured over its whole length when a colour is given, the indent at
    // its start and after every line break; no line break is added at the end.
    void printWrapAttr(const std::optional<XAColor> &color, const std::string &indent, const XAAttributedString &text);
    void printProgressText(const std::optional<XAColor> &color, const std::string &text);
    // Plain data, never styled.
    void writeData(const std::string &text) const;
    // The width left for text after an indent of `indentLength` columns: never below one column.
    std::uint64_t wrapWidthForIndent(std::uint64_t indentLength) const;

private:
    void printFormatted(int fd, const std::optional<XAColor> &color, bool bold, const std::string &text);
    void writeStyled(int fd, const XAAttributedString &text);

    mutable std::mutex optionsMutex_;
    XACLIOutputOptions options_;
    int dataFD_;
    int progressFD_;
};

// The log line of a progress message as the command line prints it: an error message that already carries an error
// prefix ("ERROR: ", "Error: ", "FATAL: ") is not prefixed again; empty when the message has no log line.
std::string XACLIProgressLine(const XAProgressMessage &message);

// The libclang version text without a leading "clang version " or "llvm version " (in any letter case).
std::string XACLIClangVersionForDisplay(const std::optional<std::string> &versionText);
// The same for the loaded libclang; "(none)" when none is loaded.
std::string XACLIClangVersionForDisplay();

// The printer of a configuration's output format.
std::unique_ptr<XACLIOutputPrinter> XACLIOutputPrinterForFormat(XAOutputFormat format, XACLIOutputOptions options);
