#include "cli/XACLIOutputPrinter.h"

#include "cli/XACLIHumanReadablePrinter.h"
#include "cli/XACLIMachineReadablePrinters.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclangLoader.h"
#include "core/XAANSIEscapes.h"
#include "core/XALog.h"
#include "core/XAString.h"
#include "project/XADevEnvironment.h"

#include <unistd.h>

namespace {

int defaultProgressFileDescriptor() { return isatty(STDOUT_FILENO) ? STDOUT_FILENO : STDERR_FILENO; }

bool beginsWithErrorPrefix(const std::string &text) {
    return text.starts_with("ERROR: ") || text.starts_with("Error: ") || text.starts_with("FATAL: ");
}

std::string withOneLineBreak(std::string line) {
    if (line.empty() || line.back() != '\n') {
        line.push_back('\n');
    }
    return line;
}

} // namespace

// Colours are only ever written to a terminal, so without one the terminal database is not asked (which runs tput).
XACLIOutputOptions XACLIOutputOptions::defaultOptions() {
    const bool toTerminal = isatty(STDOUT_FILENO) || isatty(STDERR_FILENO);
    return {79, toTerminal && XADevEnvironment::sharedEnvironment().terminalSupportsColors()};
}

XACLIOutputPrinter::XACLIOutputPrinter(XACLIOutputOptions options)
    : options_(options), dataFD_(STDOUT_FILENO), progressFD_(defaultProgressFileDescriptor()) {}

XACLIOutputOptions XACLIOutputPrinter::options() const {
    std::lock_guard lock(optionsMutex_);
    return options_;
}

void XACLIOutputPrinter::setOptions(XACLIOutputOptions options) {
    std::lock_guard lock(optionsMutex_);
    options_ = options;
}

void XACLIOutputPrinter::setFileDescriptors(int dataFD, int progressFD) {
    dataFD_ = dataFD;
    progressFD_ = progressFD;
}

void XACLIOutputPrinter::printProgressLine(const std::string &line) { printProgressText(std::nullopt, line + "\n"); }

void XACLIOutputPrinter::printProgress(const XAProgressMessage &message) {
    const std::string line = XACLIProgressLine(message);
    if (!line.empty()) {
        printProgressText(message.logMessageColor(), withOneLineBreak(line));
    }
}

void XACLIOutputPrinter::print(const std::optional<XAColor> &color, const std::string &text) {
    printFormatted(dataFD_, color, false, text);
}

void XACLIOutputPrinter::printBold(const std::optional<XAColor> &color, const std::string &text) {
    printFormatted(dataFD_, color, true, text);
}

void XACLIOutputPrinter::printWrap(const std::optional<XAColor> &color, const std::string &indent,
                                   const std::string &text) {
    const std::string wrapped = xa_wordWrapToLength(text, wrapWidthForIndent(xa_utf16Length(indent)));
    printFormatted(dataFD_, color, false, xa_indentedWith(wrapped, indent));
}

void XACLIOutputPrinter::printWrapAttr(const std::optional<XAColor> &color, const std::string &indent,
                                       const XAAttributedString &text) {
    XAAttributedString wrapped = text;
    xa_wordWrapToWidth(wrapped, wrapWidthForIndent(xa_utf16Length(indent)));
    if (color) {
        wrapped.addAttributes(XATextAttributes::withForegroundColor(*color), xa_fullRange(wrapped));
    }
    if (!indent.empty()) {
        xa_replaceOccurrencesOfString(wrapped, "\n", XAAttributedString("\n" + indent));
        wrapped.insert(0, XAAttributedString(indent));
    }
    writeStyled(dataFD_, wrapped);
}

void XACLIOutputPrinter::printProgressText(const std::optional<XAColor> &color, const std::string &text) {
    printFormatted(progressFD_, color, false, text);
}

void XACLIOutputPrinter::writeData(const std::string &text) const { XAWriteToFileDescriptor(dataFD_, text); }

std::uint64_t XACLIOutputPrinter::wrapWidthForIndent(std::uint64_t indentLength) const {
    const std::uint64_t width = options().columnWidth;
    return width > indentLength ? width - indentLength : 1;
}

void XACLIOutputPrinter::printFormatted(int fd, const std::optional<XAColor> &color, bool bold,
                                        const std::string &text) {
    XATextAttributes attributes;
    if (color && options().useColors && isatty(fd)) {
        attributes = XATextAttributes::withFontAndColor(bold ? XAFont::boldSystemFont() : XAFont::systemFont(), *color);
    }
    writeStyled(fd, XAAttributedString(text, attributes));
}

void XACLIOutputPrinter::writeStyled(int fd, const XAAttributedString &text) {
    const bool styled = options().useColors && isatty(fd);
    XAWriteToFileDescriptor(fd, styled ? XAANSIEscapedString(text) : text.string());
}

std::string XACLIProgressLine(const XAProgressMessage &message) {
    if (message.kind() == XAProgressMessageKindError && beginsWithErrorPrefix(message.message())) {
        return message.message();
    }
    return message.logMessage();
}

std::string XACLIClangVersionForDisplay(const std::optional<std::string> &versionText) {
    const std::string text = versionText.value_or("");
    const std::string lowercaseText = xa_lowercased(text);
    for (const char *prefix : {"clang version ", "llvm version "}) {
        if (lowercaseText.starts_with(prefix)) {
            return text.substr(std::string_view(prefix).size());
        }
    }
    return text;
}

std::string XACLIClangVersionForDisplay() {
    if (!XALibclangHandle()) {
        return "(none)";
    }
    return XACLIClangVersionForDisplay(XAClangVersionString());
}

std::unique_ptr<XACLIOutputPrinter> XACLIOutputPrinterForFormat(XAOutputFormat format, XACLIOutputOptions options) {
    switch (format) {
    case XAOutputFormat::JSON:
        return std::make_unique<XACLIJsonPrinter>(options);
    case XAOutputFormat::Plist:
        return std::make_unique<XACLIPlistPrinter>(options);
    case XAOutputFormat::Xcode:
        return std::make_unique<XACLIXcodePrinter>(options);
    case XAOutputFormat::Human:
        break;
    }
    return std::make_unique<XACLIHumanReadablePrinter>(options);
}
