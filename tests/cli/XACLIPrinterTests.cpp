#include "cli/XACLIHumanReadablePrinter.h"
#include "cli/XACLIMachineReadablePrinters.h"

#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"
#include "engine/XADiagnosticTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A printer whose data and progress go to files, read back as text.
template <typename Printer> class CapturedPrinter {
public:
    explicit CapturedPrinter(XACLIOutputOptions options = {79, true}) : printer_(options) {
        dataFD_ = open(folder_.write("data", "").c_str(), O_WRONLY | O_APPEND);
        progressFD_ = open(folder_.write("progress", "").c_str(), O_WRONLY | O_APPEND);
        printer_.setFileDescriptors(dataFD_, progressFD_);
    }
    ~CapturedPrinter() {
        close(dataFD_);
        close(progressFD_);
    }

    Printer &operator*() { return printer_; }
    Printer *operator->() { return &printer_; }
    std::string data() const { return XAContentsOfFile(folder_ / "data", nullptr).value_or(""); }
    std::string progress() const { return XAContentsOfFile(folder_ / "progress", nullptr).value_or(""); }

private:
    XAScratchFolder folder_;
    Printer printer_;
    int dataFD_ = -1;
    int progressFD_ = -1;
};

// A diagnostic with code-point positions: its file is written and the positions post-processed.
XADiagnostic positionedDiagnostic(const XAScratchFolder &folder, const std::string &text,
                                  XATestDiagnosticFields fields) {
    fields.filePath = folder.write("Sources/main.m", text);
    std::vector<XADiagnostic> diagnostics = {XATestDiagnostic(fields)};
    XADiagnostic::updateDiagnosticPositions(diagnostics);
    return diagnostics.front();
}

} // namespace

TEST(XACLIXcodePrinterTest, LinesNameFileOneBasedColumnSeverityAndRule) {
    XAScratchFolder folder;
    XATestDiagnosticFields atCall;
    atCall.start = XADiagnosticPosition{2, 8, 14}; // at "x": byte column 8, five code points before it
    atCall.end = XADiagnosticPosition{2, 9, 15};
    atCall.severity = XADiagnosticSeverityFatal;
    atCall.message = "100% <codesymbol>sure</codesymbol>\nreally";
    const XADiagnostic fatal = positionedDiagnostic(folder, "int a;\n  \u00E9\u00E9 x y;\n", atCall);
    EXPECT_EQ(XACLIXcodeLineForDiagnostic(fatal),
              folder / "Sources/main.m" + ":2:6: error: Test rule - 100% sure really (TestRule)\n");

    XATestDiagnosticFields bytesOnly;
    bytesOnly.severity = XADiagnosticSeverityConcern;
    EXPECT_EQ(XACLIXcodeLineForDiagnostic(XATestDiagnostic(bytesOnly)),
              "/p/App/main.m:3:5: warning: Test rule - x is wrong (TestRule)\n");

    XATestDiagnosticFields noFile;
    noFile.filePath = std::nullopt;
    noFile.message = "";
    EXPECT_EQ(XACLIXcodeLineForDiagnostic(XATestDiagnostic(noFile)), "warning: Test rule - Finds tests (TestRule)\n");

    XATestDiagnosticFields wholeFile;
    wholeFile.start = wholeFile.end = std::nullopt;
    wholeFile.severity = XADiagnosticSeverityError;
    EXPECT_EQ(XACLIXcodeLineForDiagnostic(XATestDiagnostic(wholeFile)),
              "/p/App/main.m: error: Test rule - x is wrong (TestRule)\n");
}

TEST(XACLIXcodePrinterTest, CompilerMessagesErrorsAndWarningsGoToTheDataStream) {
    CapturedPrinter<XACLIXcodePrinter> printer;
    printer->printProgress(XAProgressMessage(XAProgressMessageKindCompilerError, "a.m:1:2: error: oops\n"));
    printer->printProgress(XAProgressMessage(XAProgressMessageKindError, "bad"));
    printer->printProgress(XAProgressMessage(XAProgressMessageKindWarning, "odd"));
    printer->printProgress(XAProgressMessage(XAProgressMessageKindInfo, "step"));
    EXPECT_EQ(printer.data(), "a.m:1:2: error: oops\nerror: bad\nwarning: odd\n");
    EXPECT_EQ(printer.progress(), "step\n");
}

TEST(XACLIOutputPrinterTest, ProgressLinesAreNeitherDoublePrefixedNorDoubleSpaced) {
    XADictionary perFile{{"num", 1}, {"total", 2}, {"remaining", 1}, {"file", "/p/a.m"}};
    const std::vector<std::pair<XAProgressMessage, std::string>> cases = {
        {XAProgressMessage(XAProgressMessageKindError, "Error: Cannot find specified target 'X'"),
         "Error: Cannot find specified target 'X'\n"},
        {XAProgressMessage(XAProgressMessageKindError, "FATAL: gone"), "FATAL: gone\n"},
        {XAProgressMessage(XAProgressMessageKindError, "plain"), "ERROR: plain\n"},
        {XAProgressMessage(XAProgressMessageKindFileStarted, "", perFile),
         "Checking file #1/2 (1 remaining): /p/a.m\n"},
        {XAProgressMessage(XAProgressMessageKindInfo, ""), ""},
    };
    for (const auto &[message, expected] : cases) {
        CapturedPrinter<XACLIHumanReadablePrinter> printer;
        printer->printProgress(message);
        EXPECT_EQ(printer.progress(), expected);
        EXPECT_EQ(printer.data(), "") << "progress never goes to the data stream";
    }
}

TEST(XACLIOutputPrinterTest, ColoursBecomeEscapesOnlyOnATerminal) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    CapturedPrinter<XACLIHumanReadablePrinter> toFiles;
    toFiles->printProgress(XAProgressMessage(XAProgressMessageKindWarning, "careful"));
    EXPECT_EQ(toFiles.progress(), "careful\n");

    XACLIHumanReadablePrinter toTerminal(XACLIOutputOptions{79, true});
    toTerminal.setFileDescriptors(terminal, terminal);
    toTerminal.printProgress(XAProgressMessage(XAProgressMessageKindWarning, "careful"));
    char buffer[64] = {};
    const ssize_t length = read(master, buffer, sizeof buffer - 1);
    EXPECT_NE(std::string(buffer, length > 0 ? length : 0).find("\x1b["), std::string::npos);
    close(terminal);
    close(master);
}

TEST(XACLIHumanReadablePrinterTest, GroupsShowRuleFilePositionsSnippetAndUnderline) {
    XAScratchFolder folder;
    XATestDiagnosticFields fields;
    fields.start = XADiagnosticPosition{1, 5, 4};
    fields.end = XADiagnosticPosition{1, 10, 9};
    fields.severity = XADiagnosticSeverityWarning;
    const XADiagnostic diagnostic = positionedDiagnostic(folder, "int count = 3;\n", fields);
    CapturedPrinter<XACLIHumanReadablePrinter> printer;
    printer->printDiagnostics({diagnostic}, nullptr);
    EXPECT_EQ(printer.data(), "WARNING: Test rule [TestRule]\n"
                              "         x is wrong\n\n" +
                                  std::string(9, ' ') + folder / "Sources/main.m" + " [1:4 - 1:9]\n" +
                                  "         (in: -[A b])\n"
                                  "\n"
                                  "         int count = 3;\n"
                                  "             ~~~~~\n"
                                  "\n"
                                  "\n");
}

TEST(XACLIHumanReadablePrinterTest, ALongPathKeepsItsEndBehindTheTruncationMark) {
    XATestDiagnosticFields fields;
    fields.filePath = "/" + std::string(120, 'd') + "/main.m";
    fields.positionContext = std::nullopt;
    CapturedPrinter<XACLIHumanReadablePrinter> printer(XACLIOutputOptions{40, false});
    printer->printDiagnostics({XATestDiagnostic(fields)}, nullptr);
    const std::string expectedLine = std::string(9, ' ') + "\u2026" + std::string(23, 'd') + "/main.m\n";
    EXPECT_NE(printer.data().find(expectedLine), std::string::npos) << printer.data();
}

TEST(XACLIHumanReadablePrinterTest, UnderlinesCountUTF16UnitsAndStopAtTheWidth) {
    struct Case {
        const char *name;
        std::string line;
        XAStringRange marked;
        size_t width;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"inside", "a = b;", {2, 1}, 79, "  ~"},
        {"astral character takes one column", "\U0001F600 = b;", {0, 2}, 79, "~"},
        {"begins after the width", "abcdefgh", {6, 2}, 4, "    "},
        {"no marked part", "abc", {XANotFound, 0}, 3, "   "},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XACLISnippetUnderline(testCase.line, testCase.marked, testCase.width), testCase.expected)
            << testCase.name;
    }
}

TEST(XACLIOutputPrinterTest, WrapWidthNeverDropsBelowOneColumn) {
    CapturedPrinter<XACLIHumanReadablePrinter> printer(XACLIOutputOptions{4, false});
    XATestDiagnosticFields fields;
    fields.severity = XADiagnosticSeverityConcern; // "CONCERN" indents by 9, wider than the 4 columns
    fields.message = "two words";
    fields.positionContext = std::nullopt;
    printer->printDiagnostics({XATestDiagnostic(fields)}, nullptr);
    // One column is left: the words are broken after every character, and nothing is lost.
    EXPECT_NE(printer.data().find("         t\n         w\n         o\n         w\n"), std::string::npos)
        << printer.data();
}

TEST(XACLIOutputPrinterTest, DisplayedClangVersionDropsItsLeadingName) {
    EXPECT_EQ(XACLIClangVersionForDisplay(std::string("clang version 19.1.7")), "19.1.7");
    EXPECT_EQ(XACLIClangVersionForDisplay(std::string("LLVM version 5")), "5");
    EXPECT_EQ(XACLIClangVersionForDisplay(std::string("Debian Clang version 19")), "Debian Clang version 19");
    EXPECT_EQ(XACLIClangVersionForDisplay(std::nullopt), "");
}
