#include "codemodel/XATranslationUnit.h"

#include "codemodel/XACompilerArgumentTrial.h"
#include "project/XAParsingArguments.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace {

// Source location, column and warning option.
constexpr unsigned kDiagnosticDisplayOptions =
    CXDiagnostic_DisplaySourceLocation | CXDiagnostic_DisplayColumn | CXDiagnostic_DisplayOption;

std::optional<std::string> formatted(CXDiagnostic diagnostic) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return XAStringFromCXString(clang.clang_formatDiagnostic(diagnostic, kDiagnosticDisplayOptions));
}

std::vector<std::string> childTexts(CXDiagnostic diagnostic) {
    const XALibclangFunctions &clang = XALibclang::fn();
    std::vector<std::string> texts;
    // The children belong to their set, which belongs to the diagnostic: none of them is disposed here.
    CXDiagnosticSet children = clang.clang_getChildDiagnostics(diagnostic);
    if (children == nullptr) {
        return texts;
    }
    const unsigned count = clang.clang_getNumDiagnosticsInSet(children);
    for (unsigned index = 0; index < count; ++index) {
        if (std::optional<std::string> text = formatted(clang.clang_getDiagnosticInSet(children, index))) {
            texts.push_back("  " + *text);
        }
    }
    return texts;
}

// Calls `visit` with each diagnostic of the unit, disposing of it afterwards.
template <typename Visitor> void forEachDiagnostic(CXTranslationUnit translationUnit, Visitor visit) {
    if (translationUnit == nullptr) {
        return;
    }
    const XALibclangFunctions &clang = XALibclang::fn();
    const unsigned count = clang.clang_getNumDiagnostics(translationUnit);
    for (unsigned index = 0; index < count; ++index) {
        XADiagnosticOwner diagnostic(clang.clang_getDiagnostic(translationUnit, index));
        visit(static_cast<CXDiagnostic>(diagnostic.get()));
    }
}

// The folder a relative source path lies in: the -working-directory the arguments name, else the process's own.
std::filesystem::path workingDirectory(const std::vector<std::string> &arguments) {
    std::filesystem::path folder;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        if (arguments[index] == "-working-directory" && index + 1 < arguments.size()) {
            folder = arguments[index + 1];
        } else if (arguments[index].starts_with("-working-directory=")) {
            folder = arguments[index].substr(std::string_view("-working-directory=").size());
        }
    }
    return folder;
}

bool sourceIsMissing(const std::optional<std::string> &sourcePath, const std::vector<std::string> &arguments) {
    if (!sourcePath) {
        return false;
    }
    std::error_code error;
    return !std::filesystem::exists(workingDirectory(arguments) / *sourcePath, error);
}

// A failed parse gets a code whose text speaks of something else ("Translation unit is NULL" for a source file that
// does not exist, "An AST deserialization error has occurred" for an unknown front-end option): the cause is named
// instead, as the compiler would name it. A missing source file (one a build would generate, say) comes first, since
// every trial of the arguments fails without it.
XAError parseErrorNamingTheCause(int code, const std::optional<std::string> &sourcePath,
                                 const std::vector<std::string> &arguments) {
    XAError error = *XAParseError(code);
    if (sourceIsMissing(sourcePath, arguments)) {
        error.message = "The source file '" + *sourcePath + "' does not exist";
        return error;
    }
    const std::vector<std::string> rejected = XACompilerOptionsRejected(arguments, XALoadedClangAcceptsArguments);
    if (!rejected.empty()) {
        error.message = "The compiler argument '" + rejected.front() + "' is not accepted by libclang";
    }
    return error;
}

} // namespace

std::optional<std::string> XAParseErrorMessage(int code) {
    switch (code) {
    case CXError_Failure:
        return "Translation unit is NULL";
    case CXError_Crashed:
        return "The Clang compiler crashed";
    case CXError_InvalidArguments:
        return "Arguments violate the function contract";
    case CXError_ASTReadError:
        return "An AST deserialization error has occurred";
    default:
        return std::nullopt;
    }
}

std::optional<XAError> XAParseError(int code) {
    if (code == CXError_Success) {
        return std::nullopt;
    }
    return XAError(XAParseErrorMessage(code).value_or("libclang error " + std::to_string(code)), code);
}

CXTranslationUnit XAParseTranslationUnit(CXIndex index, const std::optional<std::string> &sourcePath,
                                         const std::vector<std::string> &arguments, unsigned options, XAError *error) {
    std::vector<const char *> argumentPointers;
    argumentPointers.reserve(arguments.size());
    for (const std::string &argument : arguments) {
        argumentPointers.push_back(argument.c_str());
    }
    CXTranslationUnit translationUnit = nullptr;
    const CXErrorCode code = XALibclang::fn().clang_parseTranslationUnit2(
        index, sourcePath ? sourcePath->c_str() : nullptr, argumentPointers.empty() ? nullptr : argumentPointers.data(),
        static_cast<int>(argumentPointers.size()), nullptr, 0, options, &translationUnit);
    if (code != CXError_Success) {
        if (error) {
            *error = parseErrorNamingTheCause(code, sourcePath, arguments);
        }
        // libclang leaves the unit null on failure; never hand out one together with an error.
        if (translationUnit != nullptr) {
            XALibclang::fn().clang_disposeTranslationUnit(translationUnit);
        }
        return nullptr;
    }
    return translationUnit;
}

std::vector<std::string> XAFormattedDiagnostics(CXTranslationUnit translationUnit) {
    std::vector<std::string> texts;
    forEachDiagnostic(translationUnit,
                      [&texts](CXDiagnostic diagnostic) { texts.push_back(formatted(diagnostic).value_or("")); });
    return texts;
}

std::optional<std::string> XAFormattedDiagnosticWithChildren(CXDiagnostic diagnostic) {
    if (diagnostic == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> text = formatted(diagnostic);
    if (!text) {
        return std::nullopt;
    }
    const std::vector<std::string> children = childTexts(diagnostic);
    if (children.empty()) {
        return text;
    }
    std::string result = *text + "\n";
    for (const std::string &child : children) {
        result += "\n" + child + "\n";
    }
    result.pop_back(); // the children are joined by blank lines, with no line end after the last
    return result;
}

std::vector<std::string> XAFormattedDiagnosticsWithChildren(CXTranslationUnit translationUnit) {
    std::vector<std::string> texts;
    forEachDiagnostic(translationUnit, [&texts](CXDiagnostic diagnostic) {
        if (std::optional<std::string> text = XAFormattedDiagnosticWithChildren(diagnostic)) {
            texts.push_back(std::move(*text));
        }
    });
    return texts;
}

unsigned XANumberOfErrorDiagnostics(CXTranslationUnit translationUnit) {
    unsigned errors = 0;
    forEachDiagnostic(translationUnit, [&errors](CXDiagnostic diagnostic) {
        if (XALibclang::fn().clang_getDiagnosticSeverity(diagnostic) >= CXDiagnostic_Error) {
            ++errors;
        }
    });
    return errors;
}

const std::set<std::string> &XAClangWarningFlagsEnabledByDefault() {
    static const std::set<std::string> flags = [] {
        const XALibclangFunctions &clang = XALibclang::fn();
        std::set<std::string> result;
        char **names = nullptr;
        unsigned count = 0;
        clang.clang_tessary_copyFlagsOfDiagnosticsEnabledByDefault(&names, &count);
        for (unsigned index = 0; names != nullptr && index < count; ++index) {
            if (names[index] != nullptr) {
                result.insert(names[index]);
            }
        }
        clang.clang_tessary_disposeStringArray(names, count);
        return result;
    }();
    return flags;
}

bool XAClangWarningFlagIsEnabledByDefault(std::string_view flag) {
    if (flag.starts_with("-W")) {
        flag.remove_prefix(2);
    }
    const std::set<std::string> &flags = XAClangWarningFlagsEnabledByDefault();
    return flags.find(std::string(flag)) != flags.end();
}

const std::set<std::string> &XAClangWarningGroupMembers(std::string_view group) {
    static const std::map<std::string, std::set<std::string>, std::less<>> membersByGroup = [] {
        const XALibclangFunctions &clang = XALibclang::fn();
        std::map<std::string, std::set<std::string>, std::less<>> result;
        char **texts = nullptr;
        unsigned count = 0;
        clang.clang_tessary_copyWarningGroupMemberships(&texts, &count);
        for (unsigned index = 0; texts != nullptr && index + 1 < count; index += 2) {
            if (texts[index] != nullptr && texts[index + 1] != nullptr) {
                result[texts[index]].insert(texts[index + 1]);
            }
        }
        clang.clang_tessary_disposeStringArray(texts, count);
        return result;
    }();
    static const std::set<std::string> none;
    const auto found = membersByGroup.find(group);
    return found == membersByGroup.end() ? none : found->second;
}

void XAPrintAllClangDiagnostics() {
    std::fflush(stdout); // the library writes to the same descriptor
    XALibclang::fn().clang_tessary_printAllDiagnostics();
    std::fflush(stdout);
}

void XAPrintAllClangDiagnosticGroups() {
    std::fflush(stdout);
    XALibclang::fn().clang_tessary_printAllDiagnosticGroups();
    std::fflush(stdout);
}
