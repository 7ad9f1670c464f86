#include "XAClangExtTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace xa_clangext_test;

namespace {

std::optional<std::string> optionalText(CXString string) {
    const char *characters = clang_getCString(string);
    std::optional<std::string> result = characters ? std::optional<std::string>(characters) : std::nullopt;
    clang_disposeString(string);
    return result;
}

struct SourceTypeCase {
    const char *extension;
    int expected;
};

TEST(XAClangExtCompilerTest, SourceTypesByExtension) {
    const std::vector<SourceTypeCase> cases = {
        {"c", CXTessarySourceType_C},
        {"h", CXTessarySourceType_CHeader},
        {"m", CXTessarySourceType_ObjC},
        {"i", CXTessarySourceType_CPreprocessed},
        {"cpp", CXTessarySourceType_CXX},
        {"cc", CXTessarySourceType_CXX},
        {"C", CXTessarySourceType_CXX},
        {"c++", CXTessarySourceType_CXX},
        {"hpp", CXTessarySourceType_CXXHeader},
        {"mm", CXTessarySourceType_ObjCXX},
        {"M", CXTessarySourceType_ObjCXX},
        {"mii", CXTessarySourceType_CXXPreprocessed},
        {"txt", 0},
        {"", 0},
        {"Mm", 0},
        {"MM", 0}, // extensions are case-sensitive
        {"swift", 0},
        {"cpp ", 0},
    };
    for (const SourceTypeCase &testCase : cases) {
        EXPECT_EQ(clang_tessary_getSourceTypeForFileExtension(testCase.extension), testCase.expected)
            << "'" << testCase.extension << "'";
    }
    EXPECT_EQ(clang_tessary_getSourceTypeForFileExtension(nullptr), 0);
}

TEST(XAClangExtCompilerTest, OnlyTheCPlusPlusLanguagesHaveTheCPlusPlusTypes) {
    for (const char *extension : {"mm", "cpp", "cxx", "hh", "ii", "mii"}) {
        const int type = clang_tessary_getSourceTypeForFileExtension(extension);
        EXPECT_TRUE(type >= 5 && type <= 8) << extension;
    }
    for (const char *extension : {"c", "m", "h", "i", "mi"}) {
        const int type = clang_tessary_getSourceTypeForFileExtension(extension);
        EXPECT_TRUE(type >= 1 && type <= 4) << extension;
    }
}

TEST(XAClangExtCompilerTest, VersionTextsComeFromTheLinkedLibclang) {
    std::optional<std::string> full = optionalText(clang_tessary_getClangFullVersion());
    ASSERT_TRUE(full);
    EXPECT_EQ(full, optionalText(clang_getClangVersion()));
    EXPECT_THAT(*full, ::testing::HasSubstr("clang version 19."));

    std::optional<std::string> repository = optionalText(clang_tessary_getClangFullRepositoryVersion());
    std::optional<std::string> revision = optionalText(clang_tessary_getClangRevision());
    if (full->back() == ')') {
        ASSERT_TRUE(repository);
        EXPECT_EQ(repository->front(), '(');
        EXPECT_TRUE(full->size() >= repository->size() &&
                    full->compare(full->size() - repository->size(), repository->size(), *repository) == 0)
            << *full << " does not end with " << *repository;
        if (revision) {
            EXPECT_THAT(*repository, ::testing::HasSubstr(*revision + ")"));
        }
    } else {
        EXPECT_EQ(repository, std::nullopt);
        EXPECT_EQ(revision, std::nullopt);
    }
}

std::vector<std::string> defaultOnFlags() {
    char **flags = nullptr;
    unsigned count = 0;
    clang_tessary_copyFlagsOfDiagnosticsEnabledByDefault(&flags, &count);
    std::vector<std::string> result(flags, flags + count);
    clang_tessary_disposeStringArray(flags, count);
    return result;
}

TEST(XAClangExtCompilerTest, DefaultOnWarningFlags) {
    std::vector<std::string> flags = defaultOnFlags();
    ASSERT_GT(flags.size(), 100u);
    EXPECT_TRUE(std::is_sorted(flags.begin(), flags.end()));
    EXPECT_EQ(std::set<std::string>(flags.begin(), flags.end()).size(), flags.size()) << "each flag once";
    for (const char *onByDefault : {"objc-root-class", "return-type", "deprecated-declarations",
                                    "incompatible-pointer-types", "int-conversion"}) {
        EXPECT_THAT(flags, ::testing::Contains(onByDefault));
    }
    for (const char *offByDefault : {"unused-variable", "shadow", "sign-compare", "everything", "all", ""}) {
        EXPECT_THAT(flags, ::testing::Not(::testing::Contains(offByDefault)));
    }
    for (const std::string &flag : flags) {
        EXPECT_NE(flag.rfind("-W", 0), 0u) << flag;
    }
    unsigned count = 5;
    clang_tessary_copyFlagsOfDiagnosticsEnabledByDefault(nullptr, &count);
    EXPECT_EQ(count, 0u);
}

TEST(XAClangExtCompilerTest, WarningGroupMembershipsComeInSortedPairs) {
    char **texts = nullptr;
    unsigned count = 0;
    clang_tessary_copyWarningGroupMemberships(&texts, &count);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (unsigned index = 0; index + 1 < count; index += 2) {
        pairs.emplace_back(texts[index], texts[index + 1]);
    }
    clang_tessary_disposeStringArray(texts, count);
    ASSERT_EQ(count % 2, 0u);
    EXPECT_TRUE(std::is_sorted(pairs.begin(), pairs.end()));
    EXPECT_EQ(std::set(pairs.begin(), pairs.end()).size(), pairs.size()) << "each pair once";
    using Pair = std::pair<std::string, std::string>;
    for (const Pair &member : {Pair{"extra", "sign-compare"}, Pair{"all", "most"}, Pair{"all", "unused-variable"},
                               Pair{"conversion", "sign-conversion"}}) {
        EXPECT_THAT(pairs, ::testing::Contains(member)) << member.first << " holds " << member.second;
    }
    EXPECT_THAT(pairs, ::testing::Not(::testing::Contains(Pair{"sign-compare", "extra"})));
    unsigned untouched = 5;
    clang_tessary_copyWarningGroupMemberships(nullptr, &untouched);
    EXPECT_EQ(untouched, 0u);
}

bool contains(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

TEST(XAClangExtCompilerTest, PrintsTheWarningCatalogueAndItsGroups) {
    ::testing::internal::CaptureStdout();
    clang_tessary_printAllDiagnostics();
    std::string diagnostics = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(diagnostics.rfind("Warnings (", 0), 0u);
    EXPECT_TRUE(contains(diagnostics, "\n  warn_unused_variable [-Wunused-variable]\n"));
    EXPECT_TRUE(contains(diagnostics, "\n  warn_objc_root_class_missing [-Wobjc-root-class] (warning by default)\n"));

    ::testing::internal::CaptureStdout();
    clang_tessary_printAllDiagnosticGroups();
    std::string groups = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(contains(groups, "\n-WCL4\n  -Wall\n    -Wmost\n"));
    EXPECT_TRUE(contains(groups, "\n-Wobjc-root-class (on by default)\n"));
    EXPECT_TRUE(contains(groups, "\n        -Wunused-variable\n"));
}

// The checker binds the library by name, so the file must be where the stage puts it, export every function of the
// header, and reach libclang's own interface through the same handle.
TEST(XAClangExtCompilerTest, LoadedLibraryGivesOurFunctionsAndLibclangsByName) {
    const std::string path = std::string(TESSARY_STAGE_DIR) + "/lib/tessary/libclang_llvm19_1.so";
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    std::vector<std::string> missing;
#define XA_BIND(name)                                                                                                  \
    if (!reinterpret_cast<clang_tessary_##name##_fn>(dlsym(handle, "clang_tessary_" #name))) {                         \
        missing.push_back(#name);                                                                                      \
    }
    TESSARY_CLANG_EXTENSION_FUNCTIONS(XA_BIND)
#undef XA_BIND
    EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
    for (const char *standard : {"clang_createIndex", "clang_parseTranslationUnit2", "clang_getClangVersion"}) {
        EXPECT_NE(dlsym(handle, standard), nullptr) << standard;
    }
    auto sourceType = reinterpret_cast<clang_tessary_getSourceTypeForFileExtension_fn>(
        dlsym(handle, "clang_tessary_getSourceTypeForFileExtension"));
    ASSERT_NE(sourceType, nullptr);
    EXPECT_EQ(sourceType("mm"), CXTessarySourceType_ObjCXX);
    EXPECT_EQ(dlsym(handle, "_ZN11xa_clangext4textE8CXString"), nullptr) << "internal helpers stay hidden";
    dlclose(handle);
}

} // namespace
