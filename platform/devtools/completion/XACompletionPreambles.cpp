#include "platform/devtools/completion/XACompletionPreambles.h"

#include "core/XAParallelFor.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace {

std::string readText(const std::string &path) {
    std::ifstream stream(path, std::ios::binary);
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

std::string trimmed(const std::string &line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    const std::size_t last = line.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : line.substr(first, last - first + 1);
}

// `#import <Header.h>` with nothing after it; `#include` is left out, as a header without a guard would be read twice.
bool isAngledImport(const std::string &line) {
    if (line.rfind("#import", 0) != 0) {
        return false;
    }
    const std::string rest = trimmed(line.substr(7));
    return rest.size() > 2 && rest.front() == '<' && rest.back() == '>' && rest.find('>') == rest.size() - 1;
}

// The language of a preamble's parse: the header language of the file's.
std::vector<std::string> headerArguments(std::vector<std::string> arguments, const std::string &source) {
    auto language = std::find(arguments.begin(), arguments.end(), "-x");
    if (language != arguments.end() && std::next(language) != arguments.end()) {
        *std::next(language) += "-header";
        return arguments;
    }
    const std::string extension = std::filesystem::path(source).extension().string();
    const std::string header = extension == ".m"    ? "objective-c-header"
                               : extension == ".mm" ? "objective-c++-header"
                               : extension == ".c"  ? "c-header"
                                                    : "c++-header";
    arguments.insert(arguments.begin(), {"-x", header});
    return arguments;
}

bool hasErrors(CXTranslationUnit unit) {
    for (unsigned index = 0, count = clang_getNumDiagnostics(unit); index < count; ++index) {
        CXDiagnostic diagnostic = clang_getDiagnostic(unit, index);
        const bool error = clang_getDiagnosticSeverity(diagnostic) >= CXDiagnostic_Error;
        clang_disposeDiagnostic(diagnostic);
        if (error) {
            return true;
        }
    }
    return false;
}

// Parses the preamble's text as a header with the group's arguments and saves it precompiled; null when it has errors
// or cannot be saved.
std::unique_ptr<XAPreamble> precompile(const std::filesystem::path &stem, const std::string &text,
                                       const XAParseRequest &request) {
    const std::string header = stem.string() + ".h";
    std::ofstream(header, std::ios::binary | std::ios::trunc) << text;
    const std::vector<std::string> arguments = headerArguments(request.arguments, request.source);
    std::vector<const char *> pointers;
    for (const std::string &argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    CXIndex index = clang_createIndex(0, 0);
    CXTranslationUnit unit = nullptr;
    clang_parseTranslationUnit2(index, header.c_str(), pointers.data(), static_cast<int>(pointers.size()), nullptr, 0,
                                CXTranslationUnit_Incomplete | CXTranslationUnit_ForSerialization, &unit);
    std::unique_ptr<XAPreamble> preamble;
    if (unit && !hasErrors(unit)) {
        auto made = std::make_unique<XAPreamble>();
        made->pchPath = stem.string() + ".pch";
        if (clang_saveTranslationUnit(unit, made->pchPath.c_str(), clang_defaultSaveOptions(unit)) ==
            CXSaveError_None) {
            made->findings = XAAnalyseTranslationUnit(unit, request.context);
            preamble = std::move(made);
        }
    }
    if (unit) {
        clang_disposeTranslationUnit(unit);
    }
    clang_disposeIndex(index);
    return preamble;
}

} // namespace

std::string XAImportPreambleOfText(const std::string &text) {
    std::string preamble;
    std::istringstream lines(text);
    bool inComment = false;
    for (std::string line; std::getline(lines, line);) {
        line = trimmed(line);
        if (inComment) {
            inComment = line.find("*/") == std::string::npos;
        } else if (line.rfind("/*", 0) == 0) {
            inComment = line.find("*/", 2) == std::string::npos;
            if (!inComment && line.find("*/") + 2 != line.size()) {
                break; // code after the comment
            }
        } else if (isAngledImport(line)) {
            preamble += line + "\n";
        } else if (!line.empty() && line.rfind("//", 0) != 0) {
            break;
        }
    }
    return preamble;
}

std::vector<std::string> XAArgumentsWithPreamble(const std::vector<std::string> &arguments,
                                                 const XAPreamble &preamble) {
    std::vector<std::string> result;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        if (arguments[index] == "-include" && index + 1 < arguments.size()) {
            ++index; // inside the preamble
            continue;
        }
        result.push_back(arguments[index]);
    }
    result.insert(result.end(), {"-include-pch", preamble.pchPath});
    return result;
}

std::vector<const XAPreamble *> XACompletionPreambles::prepare(const std::vector<XAParseRequest> &requests) {
    // Groups of requests by arguments and preamble text; only groups of several files gain from a preamble.
    std::map<std::pair<std::vector<std::string>, std::string>, std::vector<std::size_t>> groups;
    for (std::size_t index = 0; index < requests.size(); ++index) {
        std::string text = XAImportPreambleOfText(readText(requests[index].source));
        if (!text.empty()) {
            groups[{requests[index].arguments, std::move(text)}].push_back(index);
        }
    }
    std::vector<std::pair<std::string, std::size_t>> shared; // (preamble text, first request)
    std::vector<const std::vector<std::size_t> *> members;
    for (const auto &[key, indices] : groups) {
        if (indices.size() > 1) {
            shared.emplace_back(key.second, indices.front());
            members.push_back(&indices);
        }
    }
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    preambles_.clear();
    preambles_.resize(shared.size());
    XAParallelFor(shared.size(), [&](std::size_t group) {
        preambles_[group] =
            precompile(folder_ / std::to_string(group), shared[group].first, requests[shared[group].second]);
    });
    std::vector<const XAPreamble *> result(requests.size(), nullptr);
    for (std::size_t group = 0; group < members.size(); ++group) {
        for (std::size_t index : *members[group]) {
            result[index] = preambles_[group].get();
        }
    }
    return result;
}
