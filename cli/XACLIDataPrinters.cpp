#include "cli/XACLIMachineReadablePrinters.h"

#include "core/XALog.h"

// The JSON and property-list documents are the checking run's export of its diagnostics, which this build does not
// have yet: the printers say so instead of writing a document.

void XACLIJsonPrinter::printDiagnostics(const XADiagnostics &, const XACheckingOperation *) {
    XAWriteToStderr("ERROR generating JSON: the diagnostics export is not available in this build\n");
}

void XACLIPlistPrinter::printDiagnostics(const XADiagnostics &, const XACheckingOperation *) {
    XAWriteToStderr("ERROR generating property list: the diagnostics export is not available in this build\n");
}
