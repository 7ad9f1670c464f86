#include "codemodel/XAClangVersion.h"

#include "codemodel/XALibclangTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(XAClangVersionTest, VersionTextsAndTheirModulesCacheFolderNames) {
    struct Case {
        const char *libclangText;
        const char *versionString;
        const char *cacheDirName;
    };
    const std::vector<Case> cases = {
        {"Apple LLVM version 9.0.0 (clang-900.0.39.2)", "Apple LLVM version 9.0.0 (Clang-900.0.39.2)",
         "Apple_LLVM_version_9_0_0__Clang-900_0_39_2_"},
        {"clang version  19.1.7", "Clang version  19.1.7", "Clang_version__19_1_7"},
        {"libclang\tclang\nbuild", "libClang\tClang\nbuild", "libClang_Clang_build"},
        {"", "", ""},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.libclangText);
        EXPECT_EQ(XAClangVersionStringFromText(testCase.libclangText), testCase.versionString);
        EXPECT_EQ(XAModulesCacheDirNameForVersionString(testCase.versionString), testCase.cacheDirName);
    }
}

TEST(XAClangVersionTest, TextsOfTheLoadedLibrary) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const std::optional<std::string> version = XAClangVersionString();
    ASSERT_TRUE(version.has_value());
    EXPECT_NE(version->find("Clang version 19."), std::string::npos) << *version;
    EXPECT_EQ(version->find("clang"), std::string::npos) << *version;
    EXPECT_EQ(XAModulesCacheDirName(), XAModulesCacheDirNameForVersionString(*version));
    EXPECT_EQ(XAModulesCacheDirName().find(' '), std::string::npos);

    const std::optional<std::string> fullVersion = XAClangFullVersion();
    ASSERT_TRUE(fullVersion.has_value());
    EXPECT_NE(fullVersion->find("clang version 19."), std::string::npos) << *fullVersion;
    // The revision, when the library has one, lies inside the repository part, which lies inside the full text.
    if (const std::optional<std::string> repository = XAClangFullRepositoryVersion()) {
        EXPECT_NE(fullVersion->find(*repository), std::string::npos);
        EXPECT_NE(repository->find(XAClangRevision().value_or("?")), std::string::npos);
    }
}

TEST(XAClangVersionTest, SourceTypesOfFileExtensions) {
    ASSERT_TRUE(XALoadStagedLibclang());
    EXPECT_EQ(XASourceTypeForFileExtension(std::nullopt), 0);
    EXPECT_EQ(XASourceTypeForFileExtension("txt"), 0);
    EXPECT_EQ(XASourceTypeForFileExtension(""), 0);
    EXPECT_NE(XASourceTypeForFileExtension("m"), 0);
    for (const char *cppExtension : {"mm", "cpp", "hpp", "cc"}) {
        const int type = XASourceTypeForFileExtension(cppExtension);
        EXPECT_TRUE(type >= 5 && type <= 8) << cppExtension << ": " << type;
    }
    for (const char *cExtension : {"c", "m", "h"}) {
        const int type = XASourceTypeForFileExtension(cExtension);
        EXPECT_TRUE(type >= 1 && type < 5) << cExtension << ": " << type;
    }
}
