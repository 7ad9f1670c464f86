#include "codemodel/XAClangASTDump.h"

#include "codemodel/XAClangVersion.h"
#include "project/XAParsingArguments.h"
#include "codemodel/XATranslationUnit.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAANSIEscapes.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XATask.h"
#include "project/XADevEnvironment.h"

#include <memory>

namespace {

bool isOSXFile(const std::string &filePath) {
    return xa_lastPathComponent(filePath).find(".osx.") != std::string::npos;
}

// The SDK folder that xcrun names; empty when it names none.
std::string sdkPath(bool osx) {
    const std::string xcrun = XADevEnvironment::sharedEnvironment().xcrunExecutablePath().value_or("xcrun");
    const std::optional<std::string> output =
        XATask::xa_stdoutOf(xcrun, {"--sdk", osx ? "macosx" : "iphoneos", "--show-sdk-path"}, std::nullopt,
                            std::nullopt, nullptr, nullptr, nullptr, nullptr);
    return xa_trimmed(output.value_or(""));
}

// The arguments adapted as the checking run adapts a build log's: the loaded LLVM's builtin headers and a target.
std::vector<std::string> adaptedArguments(const std::vector<std::string> &arguments, const std::string &filePath,
                                          bool osx) {
    XAParsingArgumentsContext context;
    context.workingDirectory = xa_stringByDeletingLastPathComponent(filePath);
    context.buildSettings = {{"PLATFORM_NAME", osx ? "macosx" : "iphoneos"}};
    context.resourceDirectory = XALibclang::resourceDirectory();
    context.developerDirectory = XADevEnvironment::sharedEnvironment().devDirRootPath();
    return XAArgumentsAdaptedForLoadedClang(arguments, context);
}

std::optional<XAColor> diagnosticColor(CXDiagnosticSeverity severity) {
    switch (severity) {
    case CXDiagnostic_Ignored:
    case CXDiagnostic_Note:
        return XAColor::grayColor();
    case CXDiagnostic_Warning:
        return XAColor::yellowColor();
    case CXDiagnostic_Error:
    case CXDiagnostic_Fatal:
        return XAColor::redColor();
    }
    return std::nullopt;
}

// The text in the colour when the dump is coloured, else as it is.
std::string painted(const std::string &text, const std::optional<XAColor> &color, bool colored) {
    return XAColoredFormat(text, colored ? color : std::nullopt);
}

void printDiagnostics(CXTranslationUnit unit, bool allDiagnostics, bool colored, const XADumpWriter &write) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const unsigned count = clang.clang_getNumDiagnostics(unit);
    if (count == 0) {
        return;
    }
    const std::optional<XAColor> blue = XAColor::blueColor();
    write(painted("\n==================\n", blue, colored) + painted("Diagnostics:\n", blue, colored) +
          painted("==================\n", blue, colored));
    for (unsigned i = 0; i < count; ++i) {
        CXDiagnostic diagnostic = clang.clang_getDiagnostic(unit, i);
        const CXDiagnosticSeverity severity = clang.clang_getDiagnosticSeverity(diagnostic);
        const std::optional<std::string> text = XAFormattedDiagnosticWithChildren(diagnostic);
        if (text && (allDiagnostics || severity >= CXDiagnostic_Error)) {
            write(painted("-----\n" + *text + "\n", diagnosticColor(severity), colored));
        }
        clang.clang_disposeDiagnostic(diagnostic);
    }
}

void writeToStdout(const std::string &text) { XAWriteToStdout(text); }

} // namespace

std::string XAColoredFormat(const std::string &text, const std::optional<XAColor> &color) {
    return color ? XAANSIEscapedString(xa_stringWithSystemFont(text, *color)) : text;
}

XAColor XACursorKindColor(CXCursorKind kind) {
    switch (kind) {
    case CXCursor_ClassDecl:
    case CXCursor_ObjCInterfaceDecl:
    case CXCursor_ObjCCategoryDecl:
    case CXCursor_ObjCProtocolDecl:
    case CXCursor_ObjCImplementationDecl:
    case CXCursor_ObjCCategoryImplDecl:
        return XAColor::magentaColor();
    case CXCursor_FunctionDecl:
    case CXCursor_ObjCPropertyDecl:
    case CXCursor_ObjCInstanceMethodDecl:
    case CXCursor_ObjCClassMethodDecl:
        return XAColor::greenColor();
    case CXCursor_CallExpr:
    case CXCursor_ObjCMessageExpr:
        return XAColor::cyanColor();
    case CXCursor_TranslationUnit:
        return XAColor::redColor();
    default:
        return XAColor::grayColor();
    }
}

std::string XACursorExtentDescription(unsigned startLine, unsigned startColumn, unsigned endLine, unsigned endColumn) {
    if (startLine != endLine) {
        return "[" + std::to_string(startLine) + ":" + std::to_string(startColumn) + " - " + std::to_string(endLine) +
               ":" + std::to_string(endColumn) + "]";
    }
    return "[" + std::to_string(startLine) + ":" + std::to_string(startColumn) + "-" + std::to_string(endColumn) + "]";
}

void XAPrintCursorTree(const std::string &prefix, const std::string &filePath, CXCursor cursor, bool colored,
                       const XADumpWriter &write) {
    const XADumpWriter &out = write ? write : writeToStdout;
    const XALibclangFunctions &clang = XALibclang::fn();
    const bool isNull = clang.clang_Cursor_isNull(cursor);
    if (!isNull && (XACursorIsInSystemHeader(cursor) || XACursorFilePath(cursor) != filePath)) {
        return;
    }
    std::string line = painted(prefix, XAColor::grayColor(), colored);
    if (isNull) {
        out(line + "<null cursor>\n");
        return;
    }
    const CXCursorKind kind = clang.clang_getCursorKind(cursor);
    const XACursorPosition start = XACursorExtentStart(cursor), end = XACursorExtentEnd(cursor);
    line += painted(XACursorKindSpelling(kind).value_or("") + " ", XACursorKindColor(kind), colored);
    line += XACursorSpelling(cursor).value_or("") + " ";
    line += painted("(" + XATypeSpelling(XACursorType(cursor)).value_or("") + ") ", XAColor::grayColor(), colored);
    line += painted(XACursorExtentDescription(start.line, start.column, end.line, end.column), XAColor::yellowColor(),
                    colored);
    out(line + "\n");
    std::vector<CXCursor> children;
    clang.clang_visitChildren(
        cursor,
        [](CXCursor child, CXCursor, CXClientData data) {
            static_cast<std::vector<CXCursor> *>(data)->push_back(child);
            return CXChildVisit_Continue;
        },
        &children);
    for (CXCursor child : children) {
        XAPrintCursorTree(prefix + "|  ", filePath, child, colored, out);
    }
}

std::vector<std::string> XAClangASTDumpArguments(const std::string &filePath, const std::string &sdkPath,
                                                 const std::optional<std::vector<std::string>> &extraArguments) {
    const bool osx = isOSXFile(filePath);
    std::vector<std::string> arguments = {"-isysroot",
                                          sdkPath,
                                          "-include",
                                          sdkPath +
                                              (osx ? "/System/Library/Frameworks/Cocoa.framework/Headers/Cocoa.h"
                                                   : "/System/Library/Frameworks/UIKit.framework/Headers/UIKit.h"),
                                          "-fmodules",
                                          "-arch",
                                          osx ? "x86_64" : "armv7"};
    if (extraArguments) {
        arguments.insert(arguments.end(), extraArguments->begin(), extraArguments->end());
    }
    return arguments;
}

int XAClangASTDump(const std::string &givenFilePath, const std::optional<std::vector<std::string>> &extraArguments,
                   bool allDiagnostics, bool colored, const XADumpWriter &write) {
    const XADumpWriter &out = write ? write : writeToStdout;
    const XALibclangFunctions &clang = XALibclang::fn();
    const std::string filePath = xa_absoluteCLIPath(givenFilePath);
    const bool osx = isOSXFile(filePath);
    const std::string sdk = sdkPath(osx);
    const std::vector<std::string> arguments =
        adaptedArguments(XAClangASTDumpArguments(filePath, sdk, extraArguments), filePath, osx);
    std::unique_ptr<void, void (*)(CXIndex)> index(clang.clang_createIndex(0, 0), clang.clang_disposeIndex);
    XAError error;
    CXTranslationUnit unit =
        XAParseTranslationUnit(index.get(), filePath, arguments, CXTranslationUnit_DetailedPreprocessingRecord, &error);
    if (!unit) {
        XALog(XALogLevelError, "Error parsing TU: %s", error.message.c_str());
        return 1;
    }
    out(painted("Using SDK: " + xa_lastPathComponent(sdk) + "\n", XAColor::grayColor(), colored));
    out(painted("Using Clang: " + XAClangFullVersion().value_or("") + "\n", XAColor::grayColor(), colored));
    XAPrintCursorTree("", filePath, clang.clang_getTranslationUnitCursor(unit), colored, out);
    printDiagnostics(unit, allDiagnostics, colored, out);
    clang.clang_disposeTranslationUnit(unit);
    return 0;
}
