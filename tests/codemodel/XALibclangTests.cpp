#include "codemodel/XALibclang.h"

#include "codemodel/XALibclangTestSupport.h"
#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

// Death tests run in a fresh process of this test program, where no library has been loaded yet.
class XALibclangDeathTest : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

} // namespace

TEST_F(XALibclangDeathTest, CallingLibclangBeforeLoadingStopsWithAnExplanation) {
    EXPECT_DEATH(XALibclang::fn().clang_getClangVersion(),
                 "FATAL: libclang is used but not loaded \\(no libclang library was loaded at start\\)");
}

TEST_F(XALibclangDeathTest, ALibraryWithoutOurExtensionFunctionsIsRefusedByName) {
    // libclang itself has every standard function but none of ours.
    const std::string plainLibclang = "/usr/lib/llvm-19/lib/libclang-19.so.1";
    if (!std::filesystem::exists(plainLibclang)) {
        GTEST_SKIP() << plainLibclang << " is not installed";
    }
    EXPECT_EXIT(
        {
            XAError error;
            const bool loaded = XALibclang::load(plainLibclang, &error);
            std::fprintf(stderr, "%s|%s", loaded ? "loaded" : "refused", error.message.c_str());
            std::exit(XALibclang::isLoaded() || XALibclang::handle() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0),
        "refused\\|Cannot use the libclang at /usr/lib/llvm-19/lib/libclang-19.so.1: it has no function "
        "clang_tessary_getObjCMessageReceiverKind");
}

TEST(XALibclangTest, BindsLibclangAndOurExtensionsThroughOneTable) {
    ASSERT_TRUE(XALoadStagedLibclang());
    ASSERT_TRUE(XALibclang::isLoaded());
    EXPECT_NE(XALibclang::handle(), nullptr);
    EXPECT_EQ(XALibclang::loadedLibraryPath(), kXAStagedLibclangPath);

    const XALibclangFunctions &clang = XALibclang::fn();
    // A standard function found through the extension library's dependency, and one of ours.
    EXPECT_NE(XAStringFromCXString(clang.clang_getClangVersion()).value_or("").find("clang version 19"),
              std::string::npos);
    EXPECT_EQ(clang.clang_tessary_getSourceTypeForFileExtension("mm"), 7);
}

TEST(XALibclangTest, LoadingAgainKeepsTheLibraryAndRefusesAnother) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const XALibclangFunctions *table = &XALibclang::fn();
    void *handle = XALibclang::handle();

    XAError error;
    EXPECT_TRUE(XALibclang::load(kXAStagedLibclangPath, &error)) << error.message;

    // The same file under another name is the same library.
    XAScratchFolder folder;
    const std::string alias = folder / "libclang_alias_1.so";
    std::filesystem::create_symlink(kXAStagedLibclangPath, alias);
    EXPECT_TRUE(XALibclang::load(alias, &error)) << error.message;

    const std::string other = folder.write("libclang_other_1.so", "not a shared library");
    EXPECT_FALSE(XALibclang::load(other, &error));
    EXPECT_EQ(error.message, "Cannot load libclang at " + other + ": the library at " + kXAStagedLibclangPath +
                                 " is already loaded, and nothing replaces it within a process");
    EXPECT_FALSE(XALibclang::load("", &error));
    EXPECT_EQ(error.message, "Cannot load libclang: no library path");

    EXPECT_EQ(&XALibclang::fn(), table);
    EXPECT_EQ(XALibclang::handle(), handle);
    EXPECT_EQ(XALibclang::loadedLibraryPath(), kXAStagedLibclangPath);
}

TEST(XALibclangTest, ResourceDirectoryHoldsTheBuiltinHeadersOfTheLoadedLLVM) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const std::optional<std::string> directory = XALibclang::resourceDirectory();
    ASSERT_TRUE(directory.has_value());
    EXPECT_TRUE(std::filesystem::is_regular_file(*directory + "/include/stddef.h")) << *directory;
    EXPECT_EQ(std::filesystem::path(*directory).filename(), "19") << *directory;
}
