#include "codemodel/XALibclangLoader.h"

#include "codemodel/XALibclangTestSupport.h"
#include "core/XALaunchMode.h"
#include "core/XAPathsTestSupport.h"
#include "core/XAUserDefaults.h"
#include "platform/XAStagedProgramSupport.h"
#include "project/XAProjectModelTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <dlfcn.h>
#include <string>
#include <vector>

namespace {

bool logged(const XALogCapture &capture, int level, const std::string &line) {
    for (const auto &[loggedLevel, text] : capture.lines()) {
        if (loggedLevel == level && text == line) {
            return true;
        }
    }
    return false;
}

// Restores the launch flags and the presenter that a test changes.
class XAStartupStateGuard {
public:
    XAStartupStateGuard() : cliMode_(XAIsCLIMode()), unitTests_(XAIsRunningUnitTests()) {}
    ~XAStartupStateGuard() {
        XASetCLIMode(cliMode_);
        XASetRunningUnitTests(unitTests_);
        XASetStartupErrorPresenter(nullptr);
    }

private:
    bool cliMode_;
    bool unitTests_;
};

} // namespace

TEST(XALibclangLoaderTest, LibraryFolderLiesBesideTheExecutablesFolderUnlessTheEnvironmentNamesOne) {
    {
        XAScopedEnvironmentVariable unset("TESSARY_CLANG_LIBRARY_DIR", std::nullopt);
        // This test program lives in <stage>/tests, as Tessary lives in <stage>/libexec.
        EXPECT_EQ(XALibclangLibraryFolder(), std::filesystem::canonical(TESSARY_STAGE_DIR).string() + "/lib/tessary");
    }
    XAScopedEnvironmentVariable set("TESSARY_CLANG_LIBRARY_DIR", "/opt/clangs/./");
    EXPECT_EQ(XALibclangLibraryFolder(), "/opt/clangs");
}

TEST(XALibclangLoaderTest, ListsLibclangSharedLibrariesWithTheirVersionNames) {
    XAScratchFolder folder;
    for (const char *name : {"libclang_llvm19_1.so", "libclang_llvm9_2.so", "libclang.so", "libclang_swift4.so",
                             "libclang_llvm20_1.dylib", "libfoo_llvm19_1.so", "README"}) {
        folder.write(name, "");
    }
    const auto paths = availableLibclangDylibPathsInFolder(folder.path());
    ASSERT_TRUE(paths.has_value());
    EXPECT_EQ(*paths, (std::vector<std::string>{folder / "libclang.so", folder / "libclang_llvm19_1.so",
                                                folder / "libclang_llvm9_2.so", folder / "libclang_swift4.so"}));

    XAScopedEnvironmentVariable override("TESSARY_CLANG_LIBRARY_DIR", folder.path());
    // Without a third field the extension belongs to the version name, so that library never answers to "swift4".
    EXPECT_EQ(XAAvailableClangVersions(),
              (std::vector<std::optional<std::string>>{std::nullopt, "llvm19", "llvm9", "swift4.so"}));
    EXPECT_EQ(XALibclangPathForVersionName("llvm9"), folder / "libclang_llvm9_2.so");
    EXPECT_EQ(XALibclangPathForVersionName("swift4"), std::nullopt);
    EXPECT_EQ(XALibclangVersionNameForPath("/x/libclang_llvm19_1.so"), "llvm19");
    EXPECT_EQ(XALibclangVersionNameForPath("/x_y/libclang.so"), std::nullopt);
}

TEST(XALibclangLoaderTest, ChoosesTheUsersVersionElseFallsBackToTheNewest) {
    const std::vector<std::string> paths = {"/l/libclang.so", "/l/libclang_llvm19_1.so", "/l/libclang_llvm20_1.so",
                                            "/l/libclang_llvm9_1.so"};
    struct Case {
        const char *name;
        std::optional<std::vector<std::string>> paths;
        std::optional<std::string> requested;
        std::optional<std::string> expectedPath;
        std::optional<std::string> expectedMessage;
    };
    const std::vector<Case> cases = {
        {"no user default: the newest by number, not by text", paths, std::nullopt, "/l/libclang_llvm20_1.so",
         std::nullopt},
        {"an empty user default counts as none", paths, "", "/l/libclang_llvm20_1.so", std::nullopt},
        {"an available user default", paths, "llvm9", "/l/libclang_llvm9_1.so", std::nullopt},
        {"an unavailable user default", paths, "llvm7", "/l/libclang_llvm20_1.so",
         "Cannot load specified Clang version 'llvm7'. Available versions: (null), llvm19, llvm20, llvm9. Falling "
         "back to 'llvm20'."},
        {"no library at all", std::vector<std::string>{}, std::nullopt, std::nullopt, std::nullopt},
        {"an unreadable folder and a user default", std::nullopt, "llvm19", std::nullopt,
         "Cannot load specified Clang version 'llvm19'. Available versions: . Falling back to 'llvm19'."},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const XALibclangChoice choice = XAChooseLibclang(testCase.paths, testCase.requested);
        EXPECT_EQ(choice.path, testCase.expectedPath);
        EXPECT_EQ(choice.startupErrorMessage, testCase.expectedMessage);
    }
}

TEST(XALibclangLoaderTest, AMissingFolderIsLoggedAndNothingIsLoaded) {
    XAStartupStateGuard guard;
    XASetCLIMode(true);
    XALogCapture capture;
    EXPECT_FALSE(loadConfiguredLibclangFromFolder("/nonexistent/lib/tessary", std::nullopt));
    EXPECT_TRUE(logged(capture, XALogLevelFatal, "Cannot get contents of /nonexistent/lib/tessary"));
    EXPECT_TRUE(logged(capture, XALogLevelFatal, "Could not load libclang dylib at path: (null)"));
}

TEST(XALibclangLoaderTest, AnUnavailableUserChoiceIsReportedThenTheNewestIsLoaded) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XAStartupStateGuard guard;
    XAScratchFolder folder;
    std::filesystem::create_symlink(kXAStagedLibclangPath, folder / "libclang_llvm19_1.so");
    std::filesystem::create_symlink(kXAStagedLibclangPath, folder / "libclang_llvm18_1.so");
    const std::string expected = "Cannot load specified Clang version 'llvm7'. Available versions: llvm18, llvm19. "
                                 "Falling back to 'llvm19'.";

    // Outside command-line mode the message goes to the desktop's presenter as an error.
    XASetCLIMode(false);
    std::vector<XAError> presented;
    XASetStartupErrorPresenter([&presented](const XAError &error) { presented.push_back(error); });
    EXPECT_TRUE(loadConfiguredLibclangFromFolder(folder.path(), "llvm7"));
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(presented[0].message, expected);
    EXPECT_EQ(presented[0].domain, "org.quenby.tessary");
    EXPECT_EQ(presented[0].code, 0);

    // In command-line mode it is logged as an error line instead.
    XASetCLIMode(true);
    XALogCapture capture;
    EXPECT_TRUE(loadConfiguredLibclangFromFolder(folder.path(), "llvm7"));
    EXPECT_TRUE(logged(capture, XALogLevelError, "Error: " + expected));
    EXPECT_EQ(presented.size(), 1u);
}

// In a fresh process of this test program, as at start: nothing is loaded before.
TEST(XALibclangLoaderDeathTest, AChosenLibraryThatFailsToLoadIsNotReplacedByAnother) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    XAScratchFolder folder;
    folder.write("libclang_broken_1.so", "not a shared library");
    std::filesystem::create_symlink(kXAStagedLibclangPath, folder / "libclang_llvm19_1.so");
    EXPECT_EXIT(
        {
            XASetCLIMode(true);
            const bool loaded = loadConfiguredLibclangFromFolder(folder.path(), "broken");
            std::exit(loaded || XALibclang::isLoaded() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0),
        // The child runs this test again, with a scratch folder of its own.
        "^Could not load libclang dylib: Cannot load libclang at [^ ]*/libclang_broken_1\\.so: ");
}

// In a fresh process, as at start: the start-up chooses the library but leaves LLVM unloaded until libclang is first
// used, so that a command that never parses never pays for it.
TEST(XALibclangLoaderDeathTest, StartUpLoadsTheChosenLibraryAtItsFirstUse) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    XAScratchFolder folder;
    std::filesystem::create_symlink(kXAStagedLibclangPath, folder / "libclang_llvm19_1.so");
    const std::string path = folder / "libclang_llvm19_1.so";
    EXPECT_EXIT(
        {
            XASetRunningUnitTests(false);
            XASetCLIMode(true);
            ::setenv("TESSARY_CLANG_LIBRARY_DIR", folder.path().c_str(), 1);
            const auto isInProcess = [&path] {
                void *handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
                if (handle) {
                    ::dlclose(handle);
                }
                return handle != nullptr;
            };
            XALoadLibclangAtStartup();
            const bool loadedAtStart = isInProcess();
            const bool usable = XALibclang::fn().clang_getClangVersion != nullptr;
            std::exit(!loadedAtStart && usable && isInProcess() && XALibclang::loadedLibraryPath() == path ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(XALibclangLoaderTest, StartUpDoesNothingUnderATestHarness) {
    XAStartupStateGuard guard;
    XASetRunningUnitTests(true);
    XAScopedEnvironmentVariable folder("TESSARY_CLANG_LIBRARY_DIR", "/nonexistent");
    XALogCapture capture;
    XALoadLibclangAtStartup();
    EXPECT_TRUE(capture.lines().empty());
}

TEST(XALibclangLoaderTest, VersionTextsOfVendorBuilds) {
    struct Case {
        const char *text;
        bool vendor;
    };
    const std::vector<Case> cases = {
        {"LLVM version 3.4 (tags/RELEASE_34/final)", true},   {"Apple LLVM version 9.0.0 (clang-900.0.39.2)", true},
        {"Clang version 4.0.0 (based on Apple clang)", true}, {"Clang version 19.1.7", false},
        {"Debian Clang version 19.1.7 (3~deb12u1)", false},   {"clang LLVM version", false},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XAClangVersionTextIsLLVMOrApple(testCase.text), testCase.vendor) << testCase.text;
    }
    // Our own libraries are built over a full upstream libclang, whatever their version text says.
    ASSERT_TRUE(XALoadStagedLibclang());
    EXPECT_TRUE(clangVersionIsLLVMOrApple());
}

// The entry point loads libclang once the launch mode is set, so a command-line user reads the start-up error on
// standard error and the command still runs with the fallback library.
TEST(XALibclangLoaderTest, CommandLineStartUpReportsTheFallbackOnStandardError) {
    XAScratchFolder configHome;
    configHome.write("tessary/defaults.json", R"({"clangVersionToUse": "llvm7"})");
    XAStagedPrograms::Environment environment = XAStagedPrograms::cleanEnvironment();
    environment["XDG_CONFIG_HOME"] = configHome.path();
    environment.erase("TESSARY_CLANG_LIBRARY_DIR");
    const XATaskResults results = XAStagedPrograms::run(XAStagedPrograms::launcherPath(), {"version"}, environment);
    EXPECT_EQ(results.exitStatus, 0) << XAStagedPrograms::standardError(results);
    EXPECT_EQ(XAStagedPrograms::standardError(results),
              "Error: Cannot load specified Clang version 'llvm7'. Available versions: llvm19. Falling back to "
              "'llvm19'.\n");
}
