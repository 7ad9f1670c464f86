#include "codemodel/XAPrecompiledHeaders.h"

#include "codemodel/XACompilationInfo.h"
#include "codemodel/XALibclangTestSupport.h"
#include "codemodel/XAModulesCache.h"
#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"
#include "project/XAProject.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

namespace fs = std::filesystem;

std::string currentDirectory() { return fs::current_path().string(); }

class XAPrecompiledHeadersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(XALoadStagedLibclang());
        const std::string xcodeproj = XAOneTargetProject().write(scratch_, "App");
        project_ = XAProject::projectWithXcodeproj(xcodeproj);
        ASSERT_TRUE(project_->readPbxproj(nullptr));
    }

    // The info of a C prefix header step compiled in `directory` (relative to the scratch folder) from `header` to
    // `output`, with extra compiler options before "-c".
    std::shared_ptr<const XAPCHCompilationInfo> header(const std::string &directory, const std::string &header,
                                                       const std::string &output,
                                                       const std::vector<std::string> &options = {},
                                                       const std::string &architecture = "x86_64",
                                                       bool vendorBuild = true) {
        const std::string folder = scratch_ / directory;
        std::string compiler = "/usr/bin/clang -x c-header -arch " + architecture;
        for (const std::string &option : options) {
            compiler += " " + option;
        }
        compiler += " -c " + header + " -o " + output;
        XABuildStep step({"ProcessPCH " + output + " " + header + " normal " + architecture +
                              " c com.apple.compilers.llvm.clang.1_0.compiler",
                          "    cd " + folder, "    " + compiler});
        std::shared_ptr<const XAPCHCompilationInfo> info = XAPCHCompilationInfo::compilationInfoWithBuildStep(
            step, *project_, {}, std::nullopt, nullptr, XATestParsingEnvironment(vendorBuild));
        EXPECT_TRUE(info);
        return info;
    }

    bool process(const std::vector<std::shared_ptr<const XAPCHCompilationInfo>> &infos, XAProgressRecorder &recorder,
                 std::size_t width = 4) {
        XAPrecompiledHeaderProcessingOptions options;
        options.projectDiskRootPath = scratch_.path();
        options.width = width;
        return XAProcessPrecompiledHeaders(infos, options, recorder.handler());
    }

    static bool loadsAsPrecompiledHeader(const std::string &path) {
        const XALibclangFunctions &clang = XALibclang::fn();
        XAClangIndexOwner index(clang.clang_createIndex(0, 0));
        CXTranslationUnit unit = nullptr;
        const CXErrorCode code = clang.clang_createTranslationUnit2(index.get(), path.c_str(), &unit);
        XATranslationUnitOwner owner(unit);
        return code == CXError_Success && unit != nullptr;
    }

    XAScratchFolder scratch_;
    std::shared_ptr<XAProject> project_;
};

TEST(XAPrecompiledHeaderKeyTest, EveryPartOfTheInputChangesTheKey) {
    const std::string base = XAPrecompiledHeaderKey("Clang 19", {"-x", "c-header"}, "/p/P.pch", "int a;");
    EXPECT_EQ(base, XAPrecompiledHeaderKey("Clang 19", {"-x", "c-header"}, "/p/P.pch", "int a;"));
    EXPECT_EQ(base.size(), 64u);
    const std::set<std::string> keys = {
        base,
        XAPrecompiledHeaderKey("Clang 20", {"-x", "c-header"}, "/p/P.pch", "int a;"),
        XAPrecompiledHeaderKey("Clang 19", {"-x", "c-header", "-DX"}, "/p/P.pch", "int a;"),
        XAPrecompiledHeaderKey("Clang 19", {"-xc-header"}, "/p/P.pch", "int a;"),
        XAPrecompiledHeaderKey("Clang 19", {"-x", "c-header"}, "/q/P.pch", "int a;"),
        XAPrecompiledHeaderKey("Clang 19", {"-x", "c-header"}, "/p/P.pch", "int b;"),
        // Moving text from one part to the next must not give the same digest input.
        XAPrecompiledHeaderKey("Clang 19-x", {"c-header"}, "/p/P.pch", "int a;"),
    };
    EXPECT_EQ(keys.size(), 7u);
}

TEST(XAPrecompiledHeaderManifestTest, ReadsBackWhatWasWrittenAndRefusesOtherText) {
    const XAPrecompiledHeaderManifest manifest{"abc", {{"/p/P.pch", "d1"}, {"/p/with \"quote\".h", "d2"}}};
    EXPECT_EQ(XAPrecompiledHeaderManifestFromText(XAPrecompiledHeaderManifestText(manifest)), manifest);
    for (const char *text : {"", "{", "[]", "{\"key\": 1, \"dependencies\": []}", "{\"key\": \"k\"}",
                             "{\"key\": \"k\", \"dependencies\": [{\"path\": \"/a\"}]}"}) {
        EXPECT_FALSE(XAPrecompiledHeaderManifestFromText(text)) << text;
    }
    EXPECT_EQ(XAPrecompiledHeaderManifestPath("/s/P.pch.pch"), "/s/P.pch.pch.tessary-key.json");
}

TEST_F(XAPrecompiledHeadersTest, AHeaderWithAWarningIsSavedAndRecordsWhatItWasMadeFrom) {
    scratch_.write("App/Shared.h", "int shared;\n");
    scratch_.write("App/P.pch", "#include \"Shared.h\"\n#warning the prefix warns\nint prefix;\n");
    const std::string output = scratch_ / "PCH/P.pch.pch";
    XAProgressRecorder recorder;

    EXPECT_TRUE(process({header("App", "P.pch", output)}, recorder));

    EXPECT_THAT(recorder.texts(XAProgressMessageKindError), IsEmpty());
    const auto warnings = recorder.texts(XAProgressMessageKindWarning);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings.front(),
                AllOf(StartsWith("Error when parsing precompiled header #1: "), HasSubstr("the prefix warns")));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindPreparationStep),
                ElementsAre("Processing precompiled header #1/1 (Non-ARC, C, x86_64)",
                            "Done processing precompiled header #1/1 (Non-ARC, C, x86_64)"));
    EXPECT_TRUE(loadsAsPrecompiledHeader(output));
    std::ifstream manifestFile(XAPrecompiledHeaderManifestPath(output));
    std::stringstream text;
    text << manifestFile.rdbuf();
    const auto manifest = XAPrecompiledHeaderManifestFromText(text.str());
    ASSERT_TRUE(manifest);
    std::set<std::string> dependencies;
    for (const auto &[path, digest] : manifest->dependencies) {
        dependencies.insert(path);
    }
    EXPECT_EQ(dependencies, (std::set<std::string>{scratch_ / "App/P.pch", scratch_ / "App/Shared.h"}));
}

// A saved header is used again only when nothing it was made from has changed.
TEST_F(XAPrecompiledHeadersTest, ASavedHeaderIsReusedOnlyWhenItIsWhatAFreshParseWouldGive) {
    const std::string output = scratch_ / "PCH/P.pch.pch";
    struct Case {
        std::string name;
        std::function<void()> change;
        std::vector<std::string> options;
        bool reused;
    };
    const std::vector<Case> cases = {
        {"nothing changed", [] {}, {}, true},
        {"the prefix header changed",
         [&] { scratch_.write("App/P.pch", "#include \"Shared.h\"\nint other;\n"); },
         {},
         false},
        {"an included header changed", [&] { scratch_.write("App/Shared.h", "int shared2;\n"); }, {}, false},
        {"other arguments", [] {}, {"-DEXTRA=1"}, false},
        {"no manifest", [&] { fs::remove(XAPrecompiledHeaderManifestPath(output)); }, {}, false},
        {"a damaged saved header", [&] { std::ofstream(output, std::ios::trunc) << "not an AST file"; }, {}, false},
        {"made by another libclang",
         [&] {
             std::ifstream in(XAPrecompiledHeaderManifestPath(output));
             std::stringstream text;
             text << in.rdbuf();
             auto manifest = XAPrecompiledHeaderManifestFromText(text.str());
             ASSERT_TRUE(manifest);
             manifest->key = XAPrecompiledHeaderKey("Clang 18", header("App", "P.pch", output)->parsingCompilerArgs(),
                                                    scratch_ / "App/P.pch", "");
             std::ofstream(XAPrecompiledHeaderManifestPath(output), std::ios::trunc)
                 << XAPrecompiledHeaderManifestText(*manifest);
         },
         {},
         false},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        scratch_.write("App/Shared.h", "int shared;\n");
        scratch_.write("App/P.pch", "#include \"Shared.h\"\nint prefix;\n");
        XAProgressRecorder first;
        ASSERT_TRUE(process({header("App", "P.pch", output)}, first));
        ASSERT_THAT(first.texts(XAProgressMessageKindDebug), IsEmpty());

        testCase.change();
        XAProgressRecorder second;
        EXPECT_TRUE(process({header("App", "P.pch", output, testCase.options)}, second));

        const auto reuses = second.texts(XAProgressMessageKindDebug);
        if (testCase.reused) {
            EXPECT_THAT(reuses, ElementsAre("Reusing the saved precompiled header #1: " + output));
        } else {
            EXPECT_THAT(reuses, IsEmpty());
        }
        EXPECT_THAT(second.texts(XAProgressMessageKindPreparationStep),
                    Contains("Done processing precompiled header #1/1 (Non-ARC, C, x86_64)"));
        EXPECT_TRUE(loadsAsPrecompiledHeader(output));
        fs::remove_all(scratch_ / "PCH");
    }
}

TEST_F(XAPrecompiledHeadersTest, AFailedHeaderIsReportedAndTheOthersAreStillMade) {
    scratch_.write("App/Bad.pch", "int broken = ;\n");
    scratch_.write("App/Good.pch", "int good;\n");
    scratch_.write("PCH/Bad.pch.pch", "left over from an earlier run");
    XAProgressRecorder recorder;

    EXPECT_FALSE(process({header("App", "Bad.pch", scratch_ / "PCH/Bad.pch.pch"),
                          header("App", "Good.pch", scratch_ / "PCH/Good.pch.pch")},
                         recorder));

    const auto errors = recorder.texts(XAProgressMessageKindError);
    ASSERT_EQ(errors.size(), 2u) << testing::PrintToString(errors);
    EXPECT_THAT(errors[0], AllOf(StartsWith("Error when parsing precompiled header #1: "), HasSubstr("Bad.pch")));
    EXPECT_EQ(errors[1], "There were errors when parsing the precompiled header #1.");
    EXPECT_FALSE(fs::exists(scratch_ / "PCH/Bad.pch.pch")) << "the earlier run's file is removed";
    EXPECT_TRUE(loadsAsPrecompiledHeader(scratch_ / "PCH/Good.pch.pch"));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindPreparationStep),
                Contains("Done processing precompiled header #2/2 (Non-ARC, C, x86_64)"));
}

TEST_F(XAPrecompiledHeadersTest, AHeaderWithThousandsOfUnknownNamesFailsQuicklyWithBoundedErrors) {
    // Each unknown name is one letter from a declared one, so typo correction would have something to suggest.
    std::string text;
    for (int index = 0; index < 5000; ++index) {
        const std::string number = std::to_string(index);
        text += "int measure" + number + ";\nint use" + number + " = measur" + number + ";\n";
    }
    scratch_.write("App/Unknown.pch", text);
    XAProgressRecorder recorder;

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(process(
        {header("App", "Unknown.pch", scratch_ / "PCH/Unknown.pch.pch", {"-fspell-checking", "-ferror-limit=0"})},
        recorder));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const auto errors = recorder.texts(XAProgressMessageKindError);
    EXPECT_LE(errors.size(), 21u) << "19 errors, the compiler's note that it stopped, and the summary";
    EXPECT_THAT(errors, Contains(HasSubstr("too many errors emitted")));
    EXPECT_THAT(errors, Not(Contains(HasSubstr("did you mean"))));
    EXPECT_LT(seconds, 5.0);
}

TEST_F(XAPrecompiledHeadersTest, AMissingPrefixHeaderIsNamed) {
    XAProgressRecorder recorder;
    const std::string missing = scratch_ / "App/Missing.pch";

    EXPECT_FALSE(process({header("App", missing, scratch_ / "PCH/Missing.pch.pch")}, recorder));

    const auto errors = recorder.texts(XAProgressMessageKindError);
    ASSERT_FALSE(errors.empty());
    EXPECT_THAT(errors.back(), AllOf(StartsWith("Error parsing precompiled header #1: "),
                                     EndsWith(". Cannot find prefix header at: " + missing)));
}

TEST_F(XAPrecompiledHeadersTest, HeadersForIgnoredArchitecturesAreOnlyReportedAsSkipped) {
    scratch_.write("App/P.pch", "int prefix;\n");
    XAProgressRecorder recorder;

    EXPECT_TRUE(process({header("App", "P.pch", scratch_ / "PCH/arm64/P.pch.pch", {}, "arm64", false),
                         header("App", "P.pch", scratch_ / "PCH/x86_64/P.pch.pch", {}, "x86_64", false)},
                        recorder));

    EXPECT_THAT(recorder.texts(XAProgressMessageKindPreparationStep),
                ElementsAre("Skipping precompiled header #1/2 (Non-ARC, C, arm64)",
                            "Processing precompiled header #2/2 (Non-ARC, C, x86_64)",
                            "Done processing precompiled header #2/2 (Non-ARC, C, x86_64)"));
    EXPECT_FALSE(fs::exists(scratch_ / "PCH/arm64"));
}

// Each header is parsed in its own compiler working directory, side by side, and the process's own working directory
// is never changed.
TEST_F(XAPrecompiledHeadersTest, HeadersWithDifferentWorkingDirectoriesAreParsedSideBySide) {
    const std::string before = currentDirectory();
    std::vector<std::shared_ptr<const XAPCHCompilationInfo>> infos;
    for (const std::string name : {"A", "B", "C", "D"}) {
        scratch_.write(name + "/include/local.h", "int only_in_" + name + ";\n");
        scratch_.write(name + "/P.pch", "#include <local.h>\nint *use = &only_in_" + name + ";\n");
        infos.push_back(header(name, "P.pch", scratch_ / ("PCH/" + name + "/P.pch.pch"), {"-Iinclude"}));
    }
    XAProgressRecorder recorder;

    EXPECT_TRUE(process(infos, recorder, 4)) << testing::PrintToString(recorder.texts(XAProgressMessageKindError));

    EXPECT_EQ(currentDirectory(), before);
    for (const std::string name : {"A", "B", "C", "D"}) {
        EXPECT_TRUE(loadsAsPrecompiledHeader(scratch_ / ("PCH/" + name + "/P.pch.pch"))) << name;
    }
    XAProgressRecorder none;
    EXPECT_TRUE(process({}, none));
    EXPECT_THAT(none.messages(), IsEmpty());
}

constexpr const char *kKey = "developer tools 1\nlibclang C\n";
constexpr const char *kOtherKey = "developer tools 2\nlibclang C\n";

TEST(XAModulesCacheTest, TheVersionFolderIsNamedAfterBothVersionsAndClearingRemovesEverything) {
    XAScratchFolder scratch;
    XAScopedEnvironmentVariable cacheHome("XDG_CACHE_HOME", scratch / "caches");
    const std::string folder = XAModulesCacheDir();
    EXPECT_EQ(folder, scratch / "caches/tessary/ModuleCaches");
    EXPECT_EQ(XAModulesCachePathForVersions("15A240d", "Clang_19"), folder + "/Xcode_15A240d_Clang_19");
    EXPECT_EQ(XAModulesCachePathForVersions(std::nullopt, "Clang_19"), folder + "/Xcode_(null)_Clang_19");

    scratch.write("caches/tessary/ModuleCaches/Xcode_1_C/ABC/Foundation.pcm", "module");
    XAProgressRecorder recorder;
    XAClearModuleCaches(recorder.handler());
    EXPECT_FALSE(fs::exists(folder));
    XAClearModuleCaches(recorder.handler());
    EXPECT_THAT(recorder.messages(), IsEmpty()) << "a missing folder is no error";
}

TEST(XAModulesCacheTest, ModulesOutliveAChecksUseUnderTheSameKeyOnly) {
    XAScratchFolder scratch;
    XAScopedEnvironmentVariable cacheHome("XDG_CACHE_HOME", scratch / "caches");
    const std::string module = scratch.write("caches/tessary/ModuleCaches/Xcode_1_C/ABC/Foundation.pcm", "module");
    XAModulesCacheUse(kKey, nullptr);
    EXPECT_FALSE(fs::exists(module)) << "caches of no key are cleared";

    scratch.write("caches/tessary/ModuleCaches/Xcode_1_C/ABC/Foundation.pcm", "module");
    XAModulesCacheUse(kKey, nullptr);
    EXPECT_TRUE(fs::exists(module)) << "the next check under the same key reads them";

    XAModulesCacheUse(kOtherKey, nullptr);
    EXPECT_FALSE(fs::exists(module)) << "a check under another key clears them";
    scratch.write("caches/tessary/ModuleCaches/Xcode_1_C/ABC/Foundation.pcm", "module");
    XAModulesCacheUse(kOtherKey, nullptr);
    EXPECT_TRUE(fs::exists(module)) << "and keeps what it built";

    XAClearModuleCaches(nullptr);
    scratch.write("caches/tessary/ModuleCaches/Xcode_1_C/ABC/Foundation.pcm", "module");
    XAModulesCacheUse(kOtherKey, nullptr);
    EXPECT_FALSE(fs::exists(module)) << "cleared caches lost their key with them";
}

TEST(XAModulesCacheTest, CachesInUseByACheckAreNotCleared) {
    XAScratchFolder scratch;
    XAScopedEnvironmentVariable cacheHome("XDG_CACHE_HOME", scratch / "caches");
    std::optional<XAModulesCacheUse> running(std::in_place, kKey, nullptr);
    const std::string module = scratch.write("caches/tessary/ModuleCaches/Xcode_1_C/ABC/Foundation.pcm", "module");

    XAProgressRecorder recorder;
    XAClearModuleCaches(recorder.handler());
    EXPECT_TRUE(fs::exists(module)) << "a running check keeps its modules";
    EXPECT_THAT(recorder.texts(XAProgressMessageKindDebug),
                ElementsAre("Module caches are in use by another check: not cleared"));
    {
        XAModulesCacheUse second(kOtherKey, nullptr);
        EXPECT_TRUE(fs::exists(module)) << "nor does a check under another key clear them";
        second.clearUnlessUsedElsewhere(nullptr);
        EXPECT_TRUE(fs::exists(module)) << "nor a check that was asked to clear them";
    }
    running->clearUnlessUsedElsewhere(nullptr);
    EXPECT_FALSE(fs::exists(module)) << "a check alone may clear them";
    scratch.write("caches/tessary/ModuleCaches/Xcode_1_C/ABC/Foundation.pcm", "module");
    running.reset();
    XAClearModuleCaches(nullptr);
    EXPECT_FALSE(fs::exists(module)) << "once no check runs";
}

TEST(XAModulesCacheTest, TheSDKLayoutStampChangesWhenHeadersAreLaidOutAgain) {
    XAScratchFolder scratch;
    EXPECT_EQ(XASDKLayoutStamp(scratch / "Developer"), "");
    const std::string sdk = "Developer/Platforms/iPhoneOS.platform/Developer/SDKs/iPhoneOS.sdk";
    const std::string header = sdk + "/System/Library/Frameworks/UIKit.framework/Headers/UIKit.h";
    scratch.write(header, "@import Foundation;\n");
    scratch.write(sdk + "/usr/include/stdio.h", "int puts(const char *);\n");
    const std::string before = XASDKLayoutStamp(scratch / "Developer");
    EXPECT_THAT(before, testing::HasSubstr(scratch / sdk));
    EXPECT_EQ(XASDKLayoutStamp(scratch / "Developer"), before) << "nothing changed";

    // File times advance with the kernel's clock tick, up to 10 ms.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    fs::remove_all(scratch / (sdk + "/System/Library/Frameworks"));
    scratch.write(header, "@import Foundation;\n");
    EXPECT_NE(XASDKLayoutStamp(scratch / "Developer"), before) << "the frameworks were laid out again";
}

} // namespace
