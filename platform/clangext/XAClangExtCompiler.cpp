// What the loaded compiler is: its version texts, the source types it compiles, and its warning catalogue.

#include "TessaryClangExtensions.h"
#include "XAClangDiagnosticCatalogue.h"
#include "XAClangExtSupport.h"

#include <array>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace xa_clangext;

namespace {

struct ExtensionType {
    std::string_view extension;
    int sourceType;
};

// The extensions of the C family, case-sensitive as the compiler driver takes them.
constexpr std::array<ExtensionType, 27> sourceTypes{{
    {"c", CXTessarySourceType_C},
    {"h", CXTessarySourceType_CHeader},
    {"m", CXTessarySourceType_ObjC},
    {"i", CXTessarySourceType_CPreprocessed},
    {"mi", CXTessarySourceType_CPreprocessed},
    {"C", CXTessarySourceType_CXX},
    {"cc", CXTessarySourceType_CXX},
    {"CC", CXTessarySourceType_CXX},
    {"cp", CXTessarySourceType_CXX},
    {"cpp", CXTessarySourceType_CXX},
    {"CPP", CXTessarySourceType_CXX},
    {"cxx", CXTessarySourceType_CXX},
    {"CXX", CXTessarySourceType_CXX},
    {"c++", CXTessarySourceType_CXX},
    {"C++", CXTessarySourceType_CXX},
    {"cppm", CXTessarySourceType_CXX},
    {"cxxm", CXTessarySourceType_CXX},
    {"c++m", CXTessarySourceType_CXX},
    {"ixx", CXTessarySourceType_CXX},
    {"H", CXTessarySourceType_CXXHeader},
    {"hh", CXTessarySourceType_CXXHeader},
    {"hpp", CXTessarySourceType_CXXHeader},
    {"hxx", CXTessarySourceType_CXXHeader},
    {"mm", CXTessarySourceType_ObjCXX},
    {"M", CXTessarySourceType_ObjCXX},
    {"ii", CXTessarySourceType_CXXPreprocessed},
    {"mii", CXTessarySourceType_CXXPreprocessed},
}};

// The three version texts, worked out once from libclang's version text, which is
// "<vendor> clang version <number> (<repository> <revision>)" with the parenthesised part optional.
struct VersionTexts {
    std::string full;
    std::optional<std::string> repository;
    std::optional<std::string> revision;
};

std::optional<std::string> parenthesisedTail(const std::string &full) {
    if (full.empty() || full.back() != ')') {
        return std::nullopt;
    }
    int depth = 0;
    for (std::size_t index = full.size(); index-- > 0;) {
        if (full[index] == ')') {
            ++depth;
        } else if (full[index] == '(' && --depth == 0) {
            return full.substr(index);
        }
    }
    return std::nullopt;
}

// The last word inside the parentheses, unless it is the repository's location (a URL or a path).
std::optional<std::string> revisionOf(const std::string &repository) {
    std::string inside = repository.substr(1, repository.size() - 2);
    const std::size_t lastSpace = inside.find_last_of(" \t");
    std::string word = lastSpace == std::string::npos ? inside : inside.substr(lastSpace + 1);
    if (word.empty() || word.find("://") != std::string::npos || word.find('/') != std::string::npos) {
        return std::nullopt;
    }
    return word;
}

const VersionTexts &versionTexts() {
    static const VersionTexts texts = [] {
        VersionTexts result;
        result.full = text(clang_getClangVersion());
        result.repository = parenthesisedTail(result.full);
        if (result.repository) {
            result.revision = revisionOf(*result.repository);
        }
        return result;
    }();
    return texts;
}

// A libclang string over text that lives as long as the process. The library is built for one LLVM version, whose
// CXString keeps text it does not own with the flag 0, which clang_disposeString leaves alone.
CXString unownedString(const std::optional<std::string> &text) {
    CXString string;
    string.data = text ? text->c_str() : nullptr;
    string.private_flags = 0;
    return string;
}

const char *defaultLevelName(char level) {
    switch (level) {
    case 'W':
        return " (warning by default)";
    case 'E':
        return " (error by default)";
    case 'R':
        return " (remark by default)";
    default:
        return "";
    }
}

} // namespace

extern "C" {

int clang_tessary_getSourceTypeForFileExtension(const char *extension) {
    if (!extension) {
        return CXTessarySourceType_None;
    }
    for (const ExtensionType &entry : sourceTypes) {
        if (entry.extension == extension) {
            return entry.sourceType;
        }
    }
    return CXTessarySourceType_None;
}

CXString clang_tessary_getClangFullVersion(void) { return clang_getClangVersion(); }

CXString clang_tessary_getClangFullRepositoryVersion(void) { return unownedString(versionTexts().repository); }

CXString clang_tessary_getClangRevision(void) { return unownedString(versionTexts().revision); }

void clang_tessary_copyFlagsOfDiagnosticsEnabledByDefault(char ***outFlags, unsigned *outCount) {
    if (outFlags) {
        *outFlags = nullptr;
    }
    if (outCount) {
        *outCount = 0;
    }
    if (!outFlags || !outCount) {
        return;
    }
    const DiagnosticCatalogue &catalogue = diagnosticCatalogue();
    std::vector<std::string> flags(catalogue.defaultOnFlags, catalogue.defaultOnFlags + catalogue.defaultOnFlagCount);
    *outFlags = mallocCopies(flags, outCount);
}

void clang_tessary_copyWarningGroupMemberships(char ***outTexts, unsigned *outCount) {
    if (outTexts) {
        *outTexts = nullptr;
    }
    if (outCount) {
        *outCount = 0;
    }
    if (!outTexts || !outCount) {
        return;
    }
    // The tree lists a group under every group that holds it, with its own members below it each time: the rows
    // after a group that are deeper than it are its members.
    const DiagnosticCatalogue &catalogue = diagnosticCatalogue();
    std::set<std::pair<std::string_view, std::string_view>> memberships;
    for (std::size_t group = 0; group < catalogue.groupCount; ++group) {
        const unsigned depth = catalogue.groups[group].depth;
        for (std::size_t member = group + 1; member < catalogue.groupCount && catalogue.groups[member].depth > depth;
             ++member) {
            memberships.emplace(catalogue.groups[group].flag, catalogue.groups[member].flag);
        }
    }
    std::vector<std::string> texts;
    texts.reserve(memberships.size() * 2);
    for (const auto &[group, member] : memberships) {
        texts.emplace_back(group);
        texts.emplace_back(member);
    }
    *outTexts = mallocCopies(texts, outCount);
}

void clang_tessary_printAllDiagnostics(void) {
    const DiagnosticCatalogue &catalogue = diagnosticCatalogue();
    std::printf("Warnings (%zu):\n", catalogue.diagnosticCount);
    for (std::size_t index = 0; index < catalogue.diagnosticCount; ++index) {
        const DiagnosticEntry &entry = catalogue.diagnostics[index];
        const bool hasFlag = entry.flag[0] != '\0';
        std::printf("  %s%s%s%s%s\n", entry.name, hasFlag ? " [-W" : "", entry.flag, hasFlag ? "]" : "",
                    defaultLevelName(entry.defaultLevel));
    }
    std::fflush(stdout);
}

void clang_tessary_printAllDiagnosticGroups(void) {
    const DiagnosticCatalogue &catalogue = diagnosticCatalogue();
    const std::set<std::string_view> defaultOn(catalogue.defaultOnFlags,
                                               catalogue.defaultOnFlags + catalogue.defaultOnFlagCount);
    std::printf("Warning groups (%zu), marked where a warning of the group itself is on by default:\n",
                catalogue.groupCount);
    for (std::size_t index = 0; index < catalogue.groupCount; ++index) {
        const DiagnosticGroupEntry &group = catalogue.groups[index];
        std::printf("%*s-W%s%s\n", static_cast<int>(group.depth * 2), "", group.flag,
                    defaultOn.count(group.flag) ? " (on by default)" : "");
    }
    std::fflush(stdout);
}

} // extern "C"
