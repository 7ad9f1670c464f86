#pragma once

// The default printer, for people at a terminal: diagnostics grouped by rule, severity, impact and confidence with
// their files, positions and code snippets; rule and tag descriptions.

#include "cli/XACLIOutputPrinter.h"

class XADiagnosticGroup;

class XACLIHumanReadablePrinter : public XACLIOutputPrinter {
public:
    using XACLIOutputPrinter::XACLIOutputPrinter;

    void printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *operation) override;
    void printDescriptionsOfRules(const std::vector<std::string> &ruleShortNames) override;
    void printDescriptionsOfRuleTags(const std::vector<std::string> &tagNames) override;

private:
    // `diagnostics` share one rule, severity, impact and confidence, in display order.
    void printGroup(const XADiagnosticGroup &group);
    void printDiagnosticOfGroup(const XADiagnostic &diagnostic, const std::string &indent, bool printInfo);
    void printParagraph(const std::optional<XAColor> &color, const std::string &indent, const XAAttributedString &text);
    void printSnippetForDiagnostic(const XADiagnostic &diagnostic, const std::string &indent);
};

// The underline of a snippet line: for each UTF-16 position before the marked range's end (and before `width`), a
// blank before the range's start and "~" inside it; the second half of a surrogate pair takes no column. A range
// that was not found gives `width` blanks.
std::string XACLISnippetUnderline(const std::string &line, XAStringRange markedUTF16Range, size_t width);
