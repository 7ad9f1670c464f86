#include "cli/XACLIMachineReadablePrinters.h"

#include "core/XALog.h"
#include "core/XAString.h"

namespace {

std::string oneLine(const XAXMLString &text) {
    std::string line = text.attributedStringOneLine().string();
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

std::string location(const XADiagnostic &diagnostic) {
    if (!diagnostic.filePath() || diagnostic.filePath()->empty()) {
        return "";
    }
    const std::string &path = *diagnostic.filePath();
    if (const std::optional<XADiagnosticPosition> &start = diagnostic.startPositionCodePoints()) {
        return path + ":" + std::to_string(start->line) + ":" + std::to_string(start->column + 1) + ": ";
    }
    if (const std::optional<XADiagnosticPosition> &start = diagnostic.startPositionBytes()) {
        return path + ":" + std::to_string(start->line) + ":" + std::to_string(start->column) + ": ";
    }
    return path + ": ";
}

std::string withLineBreak(const std::string &text) { return text.ends_with('\n') ? text : text + "\n"; }

} // namespace

std::string XACLIXcodeLineForDiagnostic(const XADiagnostic &diagnostic) {
    const bool isError = diagnostic.severity() >= XADiagnosticSeverityError;
    const std::optional<XAXMLString> &info = diagnostic.instanceInfo();
    const XAXMLString &message = info && !info->xmlString().empty() ? *info : diagnostic.ruleDescription();
    return location(diagnostic) + (isError ? "error" : "warning") + ": " + oneLine(diagnostic.ruleName()) + " - " +
           oneLine(message) + " (" + diagnostic.ruleShortName() + ")\n";
}

void XACLIXcodePrinter::printProgress(const XAProgressMessage &message) {
    switch (message.kind()) {
    case XAProgressMessageKindCompilerWarning:
    case XAProgressMessageKindCompilerError:
        XAWriteToFileDescriptor(dataFileDescriptor(), withLineBreak(message.message()));
        break;
    case XAProgressMessageKindError:
        XAWriteToFileDescriptor(dataFileDescriptor(), "error: " + message.message() + "\n");
        break;
    case XAProgressMessageKindWarning:
        XAWriteToFileDescriptor(dataFileDescriptor(), "warning: " + message.message() + "\n");
        break;
    default:
        XACLIOutputPrinter::printProgress(message);
    }
}

void XACLIXcodePrinter::printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *) {
    std::string text;
    for (const XADiagnostic &diagnostic : diagnostics) {
        text += XACLIXcodeLineForDiagnostic(diagnostic);
    }
    writeData(text);
}
