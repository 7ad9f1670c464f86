#pragma once

// The printers for other programs: JSON, property list, and compiler-style lines that Xcode shows in its issue
// navigator. They print no rule or tag descriptions.

#include "cli/XACLIOutputPrinter.h"

class XACLIMachineReadablePrinter : public XACLIOutputPrinter {
public:
    using XACLIOutputPrinter::XACLIOutputPrinter;
    void printDescriptionsOfRules(const std::vector<std::string> &) override {}
    void printDescriptionsOfRuleTags(const std::vector<std::string> &) override {}
};

class XACLIJsonPrinter : public XACLIMachineReadablePrinter {
public:
    using XACLIMachineReadablePrinter::XACLIMachineReadablePrinter;
    void printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *operation) override;
};

class XACLIPlistPrinter : public XACLIMachineReadablePrinter {
public:
    using XACLIMachineReadablePrinter::XACLIMachineReadablePrinter;
    void printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *operation) override;
};

// One line per diagnostic, "<file>:<line>:<column>: warning: <rule name> - <message> (<short name>)", with "error"
// from severity Error on; compiler messages, errors and warnings of the run print as Xcode expects them too.
class XACLIXcodePrinter : public XACLIMachineReadablePrinter {
public:
    using XACLIMachineReadablePrinter::XACLIMachineReadablePrinter;
    void printProgress(const XAProgressMessage &message) override;
    void printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *operation) override;
};

// The Xcode line of one diagnostic. Columns are 1-based: the code-point column plus one, or the byte column when
// there are no code-point positions; a diagnostic without positions names only its file, one without a file begins
// with "warning: " or "error: ".
std::string XACLIXcodeLineForDiagnostic(const XADiagnostic &diagnostic);
