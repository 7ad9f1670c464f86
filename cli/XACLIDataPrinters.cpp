#include "cli/XACLIMachineReadablePrinters.h"

#include "core/XALog.h"
#include "engine/XADiagnosticSerialization.h"

// An export error goes to standard error; the exit status stays as the diagnostics decide.

void XACLIJsonPrinter::printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *operation) {
    XAError error;
    if (const auto document =
            XADiagnosticSerialization::jsonRepresentationForDiagnostics(diagnostics, operation, &error)) {
        writeData(*document + "\n");
    } else {
        XAWriteToStderr("ERROR generating JSON: " + error.message + "\n");
    }
}

void XACLIPlistPrinter::printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *operation) {
    XAError error;
    if (const auto document =
            XADiagnosticSerialization::plistRepresentationForDiagnostics(diagnostics, operation, &error)) {
        writeData(*document + "\n");
    } else {
        XAWriteToStderr("ERROR generating property list: " + error.message + "\n");
    }
}
