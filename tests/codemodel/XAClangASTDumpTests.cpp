#include "codemodel/XAClangASTDump.h"

#include "XALibclangTestSupport.h"
#include "core/XAPathsTestSupport.h"
#include "project/XAProjectModelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The dump of a file, with every escape sequence kept.
struct Dump {
    int status = 0;
    std::string text;
};

Dump dump(const std::string &path, bool allDiagnostics, const std::vector<std::string> &extra = {},
          bool colored = true) {
    Dump result;
    result.status = XAClangASTDump(path, extra, allDiagnostics, colored,
                                   [&](const std::string &text) { result.text.append(text); });
    return result;
}

const std::string kGrey = "\033[90m";
const std::string kReset = "\033[0m";

} // namespace

TEST(XAClangASTDump, ExtentsNameTheirLinesAndColumns) {
    EXPECT_EQ(XACursorExtentDescription(12, 1, 12, 20), "[12:1-20]");
    EXPECT_EQ(XACursorExtentDescription(3, 1, 9, 2), "[3:1 - 9:2]");
}

TEST(XAClangASTDump, ThePlatformFollowsTheFileName) {
    EXPECT_EQ(XAClangASTDumpArguments("/p/Sample.osx.m", "/SDK", std::vector<std::string>{"-DX"}),
              (std::vector<std::string>{"-isysroot", "/SDK", "-include",
                                        "/SDK/System/Library/Frameworks/Cocoa.framework/Headers/Cocoa.h", "-fmodules",
                                        "-arch", "x86_64", "-DX"}));
    EXPECT_EQ(XAClangASTDumpArguments("/p.osx.d/Sample.m", "/SDK", std::nullopt),
              (std::vector<std::string>{"-isysroot", "/SDK", "-include",
                                        "/SDK/System/Library/Frameworks/UIKit.framework/Headers/UIKit.h", "-fmodules",
                                        "-arch", "armv7"}));
}

TEST(XAClangASTDump, KindsAndTextsGetTheirColours) {
    EXPECT_EQ(XAColoredFormat("%s", XAColor::greenColor()), "\033[32m%s" + kReset);
    EXPECT_EQ(XAColoredFormat("plain", std::nullopt), "plain");
    EXPECT_EQ(XACursorKindColor(CXCursor_ObjCCategoryImplDecl), XAColor::magentaColor());
    EXPECT_EQ(XACursorKindColor(CXCursor_ObjCClassMethodDecl), XAColor::greenColor());
    EXPECT_EQ(XACursorKindColor(CXCursor_ObjCMessageExpr), XAColor::cyanColor());
    EXPECT_EQ(XACursorKindColor(CXCursor_TranslationUnit), XAColor::redColor());
    EXPECT_EQ(XACursorKindColor(CXCursor_IntegerLiteral), XAColor::grayColor());
}

TEST(XAClangASTDump, TheTreeShowsOnlyTheFilesOwnCursors) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XAScratchFolder folder;
    folder.write("Local.h", "@interface LocalThing : NSObject\n@end\n");
    const std::string path = folder.write("Sample.m", "#import \"Local.h\"\n"
                                                      "@interface Greeter : NSObject\n"
                                                      "- (void)greet;\n"
                                                      "@end\n"
                                                      "int answer(void) { return 42; }\n");
    const Dump result = dump(path, false);
    ASSERT_EQ(result.status, 0) << result.text;
    EXPECT_NE(result.text.find(kGrey + "Using SDK: iPhoneOS.sdk\n" + kReset), std::string::npos) << result.text;
    EXPECT_NE(result.text.find("\033[31mTranslationUnit " + kReset), std::string::npos) << result.text;
    EXPECT_NE(result.text.find("\033[35mObjCInterfaceDecl " + kReset + "Greeter "), std::string::npos) << result.text;
    EXPECT_NE(result.text.find(kGrey + "|  |  " + kReset + "\033[32mObjCInstanceMethodDecl " + kReset + "greet "),
              std::string::npos)
        << result.text;
    EXPECT_NE(result.text.find("\033[33m[2:1 - 4:5]" + kReset), std::string::npos) << result.text;
    EXPECT_NE(result.text.find("\033[33m[5:1-32]" + kReset), std::string::npos) << result.text;
    EXPECT_EQ(result.text.find("LocalThing"), std::string::npos) << "cursors of included headers are not printed";
    EXPECT_EQ(result.text.find("UIView"), std::string::npos) << "nor those of the SDK";
    EXPECT_EQ(result.text.find("Diagnostics:"), std::string::npos);
}

TEST(XAClangASTDump, AnUncolouredDumpHasTheSameTextWithoutEscapes) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XAScratchFolder folder;
    const std::string path = folder.write("Plain.m", "@interface Greeter : NSObject\n@end\nint f(void) { return 0 }\n");
    const Dump plain = dump(path, false, {}, false);
    ASSERT_EQ(plain.status, 0);
    EXPECT_EQ(plain.text.find('\x1b'), std::string::npos) << plain.text;
    EXPECT_NE(plain.text.find("Using SDK: iPhoneOS.sdk\n"), std::string::npos) << plain.text;
    EXPECT_NE(plain.text.find("|  ObjCInterfaceDecl Greeter "), std::string::npos) << plain.text;
    EXPECT_NE(plain.text.find("==================\nDiagnostics:\n"), std::string::npos) << plain.text;
}

TEST(XAClangASTDump, WarningsArePrintedOnlyWhenAllDiagnosticsAreAsked) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XAScratchFolder folder;
    const std::string path = folder.write("Warn.osx.m", "int f(void) { int unused = 1; return 0 }\n"
                                                        "#warning look here\n");
    const Dump errorsOnly = dump(path, false);
    ASSERT_EQ(errorsOnly.status, 0);
    EXPECT_NE(errorsOnly.text.find(kGrey + "Using SDK: MacOSX.sdk\n"), std::string::npos) << errorsOnly.text;
    EXPECT_NE(errorsOnly.text.find("\033[34mDiagnostics:\n" + kReset), std::string::npos);
    EXPECT_NE(errorsOnly.text.find("\033[31m-----\n"), std::string::npos) << "the missing semicolon";
    EXPECT_EQ(errorsOnly.text.find("look here"), std::string::npos);

    const Dump all = dump(path, true, {"-Wunused-variable"});
    EXPECT_NE(all.text.find("\033[33m-----\n"), std::string::npos) << all.text;
    EXPECT_NE(all.text.find("look here"), std::string::npos);
}

TEST(XAClangASTDump, AFileThatCannotBeParsedIsLogged) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XALogCapture log;
    XAScratchFolder folder;
    const Dump result = dump(folder / "Missing.m", false);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.text, "");
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].first, XALogLevelError);
    EXPECT_EQ(log.lines()[0].second.rfind("Error parsing TU: ", 0), 0u) << log.lines()[0].second;
}
