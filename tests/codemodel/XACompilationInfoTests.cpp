#include "codemodel/XACompilationInfo.h"

#include "codemodel/XALibclangTestSupport.h"
#include "codemodel/XATranslationUnit.h"
#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectModelTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

namespace {

const XAProject kParseProject(kXAParseFixturesDir + "/App.xcodeproj");

// A compile step: the header line, then the command lines.
XABuildStep compileStep(const std::string &source, const std::string &architecture,
                        const std::vector<std::string> &commands) {
    std::vector<std::string> lines = {"CompileC /DD/Objects-normal/" + architecture + "/x.o " + source + " normal " +
                                      architecture + " objective-c com.apple.compilers.llvm.clang.1_0.compiler"};
    for (const std::string &command : commands) {
        lines.push_back("    " + command);
    }
    return XABuildStep(lines);
}

// Stands in for the loaded libclang: no builtin headers, no developer directory, source types of the usual kinds.
XAParsingEnvironment plainEnvironment(bool vendorBuild) {
    XAParsingEnvironment environment;
    environment.vendorBuild = vendorBuild;
    environment.sourceTypeForFileExtension = [](const std::optional<std::string> &extension) {
        if (extension == "mm" || extension == "cpp") {
            return 7;
        }
        return extension == "m" || extension == "c" ? 3 : 0;
    };
    return environment;
}

XAProjectFileCompilationInfo projectFileInfo(const std::vector<std::string> &commands, bool vendorBuild = true,
                                             const std::string &source = "/a/b.m",
                                             const std::optional<Arguments> &pchPaths = std::nullopt,
                                             const std::string &architecture = "x86_64") {
    return XAProjectFileCompilationInfo(compileStep(source, architecture, commands), kParseProject, {}, pchPaths,
                                        std::nullopt, nullptr, plainEnvironment(vendorBuild));
}

std::string escaped(const std::string &path) {
    std::string result;
    for (char c : path) {
        if (c == ' ' || c == '\\' || c == '"') {
            result.push_back('\\');
        }
        result.push_back(c);
    }
    return result;
}

} // namespace

TEST(XACompilationInfoTest, ProjectFilesLoseTheirOutputsAndLinkerArguments) {
    const std::string clang = "/Xcode/usr/bin/clang";
    XAProjectFileCompilationInfo vendor = projectFileInfo(
        {"cd /a", clang + " -x objective-c -arch x86_64 -c /a/b.m -o /a/b.o -Xlinker -foo -fsyntax-only"});
    EXPECT_EQ(vendor.parsingCompilerArgs(),
              (Arguments{"-x", "objective-c", "-arch", "x86_64", "-target", "x86_64-apple-macosx", "-working-directory",
                         "/a", "-Wno-unknown-warning-option", "-Wno-error", "-fretain-comments-from-system-headers",
                         "-fno-spell-checking", "-ferror-limit=19"}));

    XAProjectFileCompilationInfo other =
        projectFileInfo({"cd /a", clang + " -fapplication-extension -x objective-c -arch x86_64 -ivfsoverlay /a/o.yaml "
                                          "-c /a/b.m -o /a/b.o -Xlinker -foo -fsyntax-only -fapplication-extension"},
                        false);
    EXPECT_EQ(other.parsingCompilerArgs(),
              (Arguments{"-x", "objective-c", "-arch", "x86_64", "-target", "x86_64-apple-macosx", "-working-directory",
                         "/a", "-Wno-format-extra-args", "-Wno-unknown-warning-option", "-Wno-error",
                         "-fretain-comments-from-system-headers", "-fno-spell-checking", "-ferror-limit=19"}));

    // A general compilation keeps its source, output and syntax-only arguments.
    XACompilationInfo general(compileStep("/a/b.m", "x86_64",
                                          {"cd /a", clang + " -x objective-c -c /a/b.m -o /a/b.o -Xlinker -foo "
                                                            "-fsyntax-only"}),
                              kParseProject, {}, std::nullopt, Arguments{"-DEXTRA", "-Wall"}, nullptr,
                              plainEnvironment(true));
    EXPECT_EQ(general.parsingCompilerArgs(),
              (Arguments{"-x", "objective-c", "-c", "/a/b.m", "-o", "/a/b.o", "-fsyntax-only", "-target",
                         "x86_64-apple-macosx", "-working-directory", "/a", "-Wno-unknown-warning-option", "-Wno-error",
                         "-fretain-comments-from-system-headers", "-fno-spell-checking", "-ferror-limit=19", "-DEXTRA",
                         "-Wall"}));
    EXPECT_EQ(general.singleCompilerArgsToRemove(), std::set<std::string>{});
    EXPECT_EQ(vendor.singleCompilerArgsToRemove(), (std::set<std::string>{"-emit-ast", "-fsyntax-only"}));
    EXPECT_EQ(other.valueCompilerArgsToRemove(),
              (std::set<std::string>{"-xanalyzer", "-Xanalyzer", "-xlinker", "-Xlinker", "-fmodule-implementation-of",
                                     "-ivfsoverlay", "-c", "-o", "--serialize-diagnostics"}));
}

TEST(XACompilationInfoTest, FilteringComparesWholeArgumentsAndDropsValues) {
    EXPECT_EQ(XACompilationInfo::compilerArgumentsFromArguments({"-a", "-v", "value", "-v=joined", "-s", "-v"}, {"-s"},
                                                                {"-v"}),
              (Arguments{"-a", "-v=joined"}));
    EXPECT_TRUE(XACompilationInfo::compilerArgumentsFromArguments({}, {"-s"}, {"-v"}).empty());
}

TEST(XACompilationInfoTest, TheLaterOfTheARCOptionsWins) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"-fobjc-arc", true},
        {"-fobjc-arc -fno-objc-arc", false},
        {"-fno-objc-arc -fobjc-arc", true},
        {"-fobjc-arc -fno-objc-arc -fobjc-arc", true},
        {"-fno-objc-arc", false},
        {"-x objective-c", false},
    };
    for (const auto &[options, arc] : cases) {
        EXPECT_EQ(projectFileInfo({"cd /a", "clang " + options}).isUsingARC(), arc) << options;
    }
    EXPECT_FALSE(projectFileInfo({"cd /a"}).isUsingARC());
}

TEST(XACompilationInfoTest, CommandLinesGiveTheEnvironmentAndTheCompiler) {
    XAProjectFileCompilationInfo info = projectFileInfo({
        "cd \"/Users/me/My App\"",
        "export GREETING=\"two words\"",
        "setenv LANG en_US.UTF-8",
        "export PATH=/usr/bin",
        "export PATH=\"/opt/bin:/usr/bin\"",
        "export EMPTY=",
        "export QUOTE=\"",
        "export NOEQUALS",
        "export =nameless",
        "setenv ONLYNAME",
        "exporting X=1",
        "/usr/bin/clang -x c -DFIRST",
        "/usr/bin/gcc -x c -DSECOND",
        "/bin/echo done",
    });
    EXPECT_EQ(info.workingDirectory(), "/Users/me/My App");
    EXPECT_EQ(info.environmentVariables(),
              (std::map<std::string, std::string>{
                  {"GREETING", "two words"}, {"LANG", "en_US.UTF-8"}, {"PATH", "/opt/bin:/usr/bin"}, {"EMPTY", ""}}));
    // The last compiler line counts.
    EXPECT_EQ(info.compilerPath(), "/usr/bin/gcc");
    EXPECT_EQ(info.originalCompilerArgs(), (Arguments{"-x", "c", "-DSECOND"}));
}

TEST(XACompilationInfoTest, ClangPlusPlusIsNoCompilerLine) {
    XACompilationInfo info(compileStep("/a/b.mm", "arm64", {"cd /a", "/usr/bin/clang++ -x objective-c++ -DX"}),
                           kParseProject, {{"PLATFORM_NAME", "iphoneos"}}, std::nullopt, Arguments{"-DEXTRA"}, nullptr,
                           plainEnvironment(true));
    EXPECT_EQ(info.compilerPath(), std::nullopt);
    EXPECT_EQ(info.originalCompilerArgs(), std::nullopt);
    EXPECT_EQ(info.parsingCompilerArgs(),
              (Arguments{"-target", "arm64-apple-ios", "-working-directory", "/a", "-Wno-unknown-warning-option",
                         "-Wno-error", "-fretain-comments-from-system-headers", "-fno-spell-checking",
                         "-ferror-limit=19", "-DEXTRA"}));

    const std::vector<std::pair<std::string, bool>> names = {
        {"clang", true},
        {"/Xcode/usr/bin/clang", true},
        {"gcc", true},
        {"cc", true},
        {"g++", true},
        {"c++", true},
        {"/x/llvm-gcc-4.2", true},
        {"i686-apple-darwin11-llvm-g++-4.2", true},
        {"llvm-cpp", true},
        {"clang++", false},
        {"clang-19", false},
        {"", false},
        {"/bin/echo", false},
    };
    for (const auto &[name, compiler] : names) {
        EXPECT_EQ(XACompilationInfo::isCompilerExecutable(name), compiler) << name;
    }
}

TEST(XACompilationInfoTest, WithoutAChangeOfDirectoryTheProjectFolderStandsIn) {
    XAProgressRecorder recorder;
    XAProjectFileCompilationInfo info(compileStep("App/AppDelegate.m", "arm64", {"clang -x objective-c"}),
                                      kParseProject, {}, std::nullopt, std::nullopt, recorder.handler(),
                                      plainEnvironment(true));
    EXPECT_EQ(info.filePath(), kXAParseFixturesDir + "/App/AppDelegate.m");
    EXPECT_EQ(info.workingDirectory(), kXAParseFixturesDir);
    EXPECT_EQ(recorder.texts(XAProgressMessageKindWarning),
              std::vector<std::string>{"Warning: could not determine compiler working directory for file (using "
                                       "project root path as fallback): " +
                                       kXAParseFixturesDir + "/App/AppDelegate.m"});
    EXPECT_EQ(info.file(), nullptr);
    EXPECT_EQ(info.architecture(), "arm64");
}

TEST(XACompilationInfoTest, ArmIsIgnoredOnlyByLibrariesThatAreNoVendorBuild) {
    EXPECT_TRUE(XACompilationInfo::ignoredArchitectures(true).empty());
    EXPECT_EQ(XACompilationInfo::ignoredArchitectures(false), Arguments{"arm64"});
    EXPECT_TRUE(projectFileInfo({"cd /a", "clang"}, false, "/a/b.m", std::nullopt, "arm64")
                    .isCompilationForIgnoredArchitecture());
    EXPECT_FALSE(projectFileInfo({"cd /a", "clang"}, true, "/a/b.m", std::nullopt, "arm64")
                     .isCompilationForIgnoredArchitecture());
    EXPECT_FALSE(projectFileInfo({"cd /a", "clang"}, false, "/a/b.m", std::nullopt, "x86_64")
                     .isCompilationForIgnoredArchitecture());
    // Our own library counts as a vendor build, so no architecture disappears.
    ASSERT_TRUE(XALoadStagedLibclang());
    EXPECT_TRUE(XACompilationInfo::ignoredArchitectures().empty());
}

TEST(XACompilationInfoTest, PrecompiledHeaderOfACompilation) {
    XAProjectFileCompilationInfo info =
        projectFileInfo({"cd /P", "clang -x objective-c -include /P/App-Prefix.pch -c /P/a.m"}, true, "/P/a.m",
                        Arguments{"/P/Other.pch.pch", "/P/App-Prefix.pch.pch"});
    EXPECT_EQ(info.pchPath(), "/P/App-Prefix.pch.pch");
    const std::vector<std::pair<std::string, bool>> cases = {
        {"/elsewhere/App-Prefix.h", true},
        {"/x/App-Prefix.hpp", true},
        {"/x/Other.pch", true},
        {"/x/App.h", false},
        {"/x/App-Prefix.m", false},
        {"", false},
    };
    for (const auto &[path, isPCH] : cases) {
        EXPECT_EQ(info.pathIsPCHFilePath(path), isPCH) << path;
    }
    XAProjectFileCompilationInfo withoutPCH = projectFileInfo({"cd /P", "clang -x objective-c -c /P/a.m"});
    EXPECT_EQ(withoutPCH.pchPath(), std::nullopt);
    EXPECT_FALSE(withoutPCH.pathIsPCHFilePath("/x/App-Prefix.h"));
    EXPECT_TRUE(withoutPCH.pathIsPCHFilePath("/x/App-Prefix.pch"));
}

TEST(XACompilationInfoTest, LanguageAndCPlusPlusMode) {
    struct Case {
        std::string source;
        std::string compilerLine;
        std::optional<std::string> language;
        bool cppMode;
        bool libCpp;
    };
    const std::vector<Case> cases = {
        {"/a/b.m", "clang -x objective-c++ -stdlib=libc++", "objective-c++", true, true},
        {"/a/b.mm", "clang -x c", "c", false, false},
        {"/a/b.mm", "clang -stdlib=libstdc++", std::nullopt, true, false},
        {"/a/b.m", "clang", std::nullopt, false, false},
        {"/a/b.c", "/usr/bin/g++", std::nullopt, true, false},
        {"/a/Makefile", "clang", std::nullopt, false, false},
        {"/a/b.m", "clang -x", std::nullopt, false, false},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.source + " " + testCase.compilerLine);
        XAProjectFileCompilationInfo info = projectFileInfo({"cd /a", testCase.compilerLine}, true, testCase.source);
        EXPECT_EQ(info.languageCompilerArgument(), testCase.language);
        EXPECT_EQ(info.isCompilingInCPPMode(), testCase.cppMode);
        EXPECT_EQ(info.usesLibCpp(), testCase.libCpp);
    }
    const std::vector<std::pair<std::optional<std::string>, std::optional<std::string>>> languages = {
        {"c", "C"},
        {"c-header", "C"},
        {"c++-header", "C++"},
        {"objective-c++-header", "Objective-C++"},
        {"objective-c-header", "Objective-C"},
        {"assembler", "assembler"},
        {"", ""},
        {std::nullopt, std::nullopt},
    };
    for (const auto &[value, language] : languages) {
        EXPECT_EQ(XACompilationInfo::humanReadableLanguageFromClangLanguageArg(value), language)
            << value.value_or("(none)");
    }
}

TEST(XACompilationInfoTest, PrecompiledHeaderStepsNeedAnOutputPath) {
    const XABuildStep step({"ProcessPCH /P/App-Prefix.pch.pch /P/App-Prefix.pch normal x86_64 objective-c x",
                            "    cd /P",
                            "    clang -x objective-c-header -arch x86_64 -fobjc-arc -c /P/App-Prefix.pch -o "
                            "/P/App-Prefix.pch.pch"});
    auto info = XAPCHCompilationInfo::compilationInfoWithBuildStep(step, kParseProject, {}, std::nullopt, nullptr,
                                                                   plainEnvironment(true));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->outputPath(), "/P/App-Prefix.pch.pch");
    EXPECT_EQ(info->pchTypeDescription(), "ARC, Objective-C, x86_64");
    // The header is named by the arguments: its "-c" stays, unlike a project file's.
    EXPECT_NE(std::find(info->parsingCompilerArgs().begin(), info->parsingCompilerArgs().end(), "/P/App-Prefix.pch"),
              info->parsingCompilerArgs().end());

    const XABuildStep cHeader({"ProcessPCH /P/C.pch.pch /P/C.pch normal x86_64 c x", "    cd /P",
                               "    clang -x c-header -c /P/C.pch -o /P/C.pch.pch"});
    EXPECT_EQ(XAPCHCompilationInfo::compilationInfoWithBuildStep(cHeader, kParseProject, {}, std::nullopt, nullptr,
                                                                 plainEnvironment(true))
                  ->pchTypeDescription(),
              "Non-ARC, C");

    XAProgressRecorder recorder;
    const XABuildStep withoutOutput({"ProcessPCH /P/App-Prefix.pch.pch /P/App-Prefix.pch normal x86_64 c x",
                                     "    cd /P", "    clang -x c-header \"/P/My Prefix.pch\" -o"});
    EXPECT_EQ(XAPCHCompilationInfo::compilationInfoWithBuildStep(withoutOutput, kParseProject, {}, std::nullopt,
                                                                 recorder.handler(), plainEnvironment(true)),
              nullptr);
    EXPECT_EQ(recorder.texts(XAProgressMessageKindError),
              std::vector<std::string>{"Error handling precompiled header: cannot find value for output (-o) "
                                       "argument. Arguments: (-x, c-header, \"/P/My Prefix.pch\", -o)"});
}

TEST(XACompilationInfoTest, FindsTheProjectsFileReference) {
    XAProject project(TESSARY_FIXTURES_DIR "/projects/iOSApp/iOSApp.xcodeproj");
    ASSERT_TRUE(project.readPbxproj(nullptr));
    XAProjectFileCompilationInfo info(compileStep("iOSApp/AppDelegate.m", "arm64", {"cd /a", "clang -x objective-c"}),
                                      project, {}, std::nullopt, std::nullopt, nullptr, plainEnvironment(true));
    ASSERT_NE(info.file(), nullptr);
    EXPECT_EQ(info.file()->pathOnDisk(), info.filePath());
    EXPECT_NE(info.debugDescription().find("XAProjectFileCompilationInfo"), std::string::npos);
    EXPECT_NE(info.debugDescription().find(info.filePath()), std::string::npos);
}

// A compile step as Xcode logs it for an arm64 iOS file with ARC, a prefix header, a relative header search path and
// a preprocessor definition, together with what only a real build on a Mac has: the SDK inside Xcode, header maps,
// index and dependency outputs, a response file. The file parses without errors once the arguments are prepared.
TEST(XACompilationInfoTest, ATypicalCompileStepParsesWithoutErrors) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const std::string root = kXAParseFixturesDir;
    const std::string clang = "/Applications/Xcode.app/Contents/Developer/Toolchains/XcodeDefault.xctoolchain/usr/"
                              "bin/clang";
    const std::string sdk = "/Applications/Xcode.app/Contents/Developer/Platforms/iPhoneOS.platform/Developer/SDKs/"
                            "iPhoneOS14.0.sdk";
    const std::string derived = "/Users/me/Library/Developer/Xcode/DerivedData/App-abc/Build/Intermediates.noindex/"
                                "App.build/Debug-iphoneos/App.build";
    const std::string common =
        " -fmessage-length=0 -fdiagnostics-show-note-include-stack -fmacro-backtrace-limit=0 -std=gnu11 -fobjc-arc "
        "-fobjc-weak -fmodules -gmodules -fmodules-cache-path=/Users/me/Library/Developer/Xcode/DerivedData/"
        "ModuleCache.noindex -fmodules-prune-interval=86400 -fmodules-prune-after=345600 -Wnon-modular-include-in-"
        "framework-module -Werror=non-modular-include-in-framework-module -Wno-trigraphs -fpascal-strings -O0 "
        "-fno-common -Werror=return-type -Wunreachable-code -Werror=deprecated-objc-isa-usage -Werror=objc-root-class "
        "-Wimplicit-retain-self -Wshorten-64-to-32 -DDEBUG=1 -DAPP_FLAVOR=2 -DOBJC_OLD_DISPATCH_PROTOTYPES=0 "
        "-isysroot " +
        sdk +
        " -fstrict-aliasing -g -fobjc-abi-version=2 -fobjc-legacy-dispatch -fembed-bitcode-marker "
        "-index-store-path /Users/me/Library/Developer/Xcode/DerivedData/App-abc/Index/DataStore -iquote " +
        derived + "/App-generated-files.hmap -I" + derived + "/App-own-target-headers.hmap -I" + derived +
        "/App-all-target-headers.hmap -iquote " + derived + "/App-project-headers.hmap -I" + derived +
        "/DerivedSources/arm64 -IApp/Include -include " + escaped(root) +
        "/App/App-Prefix.pch -MMD -MT dependencies "
        "-MF " +
        derived + "/Objects-normal/arm64/AppDelegate.d --serialize-diagnostics " + derived +
        "/Objects-normal/arm64/AppDelegate.dia @" + derived + "/Objects-normal/arm64/7187-common-args.resp -c " +
        escaped(root) + "/App/AppDelegate.m -o " + derived + "/Objects-normal/arm64/AppDelegate.o";
    struct Case {
        const char *name;
        std::string targetArguments;
        std::string expectedTriple;
    };
    const std::vector<Case> cases = {
        {"with a target triple", " -target arm64-apple-ios12.0", "arm64-apple-ios12.0.0"},
        {"with -arch and a deployment option", " -arch arm64 -miphoneos-version-min=11.0", "arm64-apple-ios11.0.0"},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const XABuildStep step({"CompileC " + derived +
                                    "/Objects-normal/arm64/AppDelegate.o App/AppDelegate.m normal arm64 objective-c "
                                    "com.apple.compilers.llvm.clang.1_0.compiler (in target 'App' from project 'App')",
                                "    cd " + escaped(root), "    export LANG=en_US.US-ASCII",
                                "    " + clang + " -x objective-c" + testCase.targetArguments + common});
        XAProjectFileCompilationInfo info(step, kParseProject, {{"PLATFORM_NAME", "iphoneos"}}, std::nullopt,
                                          std::nullopt, nullptr, XATestParsingEnvironment());
        ASSERT_EQ(info.filePath(), root + "/App/AppDelegate.m");
        EXPECT_TRUE(info.isUsingARC());

        XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
        XAError error;
        XATranslationUnitOwner unit(
            XAParseTranslationUnit(index.get(), info.filePath(), info.parsingCompilerArgs(), 0, &error));
        ASSERT_NE(unit, nullptr) << error.message;
        const std::vector<std::string> diagnostics = XAFormattedDiagnosticsWithChildren(unit.get());
        std::string arguments;
        for (const std::string &argument : info.parsingCompilerArgs()) {
            arguments += " " + argument;
        }
        EXPECT_EQ(XANumberOfErrorDiagnostics(unit.get()), 0u)
            << testing::PrintToString(diagnostics) << "\nwith" << arguments;
        EXPECT_TRUE(diagnostics.empty()) << testing::PrintToString(diagnostics);

        const XALibclangFunctions &clangFunctions = XALibclang::fn();
        CXTargetInfo target = clangFunctions.clang_getTranslationUnitTargetInfo(unit.get());
        EXPECT_EQ(XAStringFromCXString(clangFunctions.clang_TargetInfo_getTriple(target)), testCase.expectedTriple);
        clangFunctions.clang_TargetInfo_dispose(target);
    }
}

// A module whose header includes a header found through the search paths holds what the search paths found, so two
// projects that share the modules cache must not share that module.
TEST(XACompilationInfoTest, ModulesBuiltWithOtherSearchPathsAreNotReadFromASharedCache) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XAScratchFolder scratch;
    scratch.write("M/module.modulemap", "module Wrapper { header \"Wrapper.h\" export * }\n");
    scratch.write("M/Wrapper.h", "#include <Inner.h>\n");
    XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
    for (const std::string project : {"A", "B"}) {
        scratch.write(project + "/Inner.h", "int onlyIn" + project + "(void);\n");
        const std::string source =
            scratch.write(project + ".m", "@import Wrapper;\nint use(void) { return onlyIn" + project + "(); }\n");
        const XAProjectFileCompilationInfo info = projectFileInfo(
            {"cd " + scratch.path(), "/usr/bin/clang -x objective-c -fmodules -fmodules-cache-path=" + scratch.path() +
                                         "/ModuleCache -IM -I" + project + " -c " + source + " -o x.o"},
            true, source);
        XAError error;
        XATranslationUnitOwner unit(XAParseTranslationUnit(index.get(), source, info.parsingCompilerArgs(),
                                                           CXTranslationUnit_DetailedPreprocessingRecord, &error));
        ASSERT_TRUE(unit) << error.message;
        EXPECT_EQ(XAFormattedDiagnostics(unit.get()), std::vector<std::string>{}) << project;
    }
}

TEST(XACompilationInfoTest, AFileWithThousandsOfUnknownNamesIsParsedQuicklyWithBoundedErrors) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XAScratchFolder scratch;
    std::string text = "int measure;\nvoid f(void) {\n";
    for (int index = 0; index < 5000; ++index) {
        text += "    measur" + std::to_string(index) + " = measur;\n";
    }
    const std::string source = scratch.write("Unknown.c", text + "}\n");
    // A build line that asks for typo correction and for every error.
    const XAProjectFileCompilationInfo info = projectFileInfo(
        {"cd " + scratch.path(), "/usr/bin/clang -x c -fspell-checking -ferror-limit=0 -c " + source + " -o x.o"}, true,
        source);
    ASSERT_TRUE(info.parsingCompilerArgs().size() >= 2);
    EXPECT_EQ(Arguments(info.parsingCompilerArgs().end() - 2, info.parsingCompilerArgs().end()),
              (Arguments{"-fno-spell-checking", "-ferror-limit=19"}));

    XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
    XAError error;
    const auto start = std::chrono::steady_clock::now();
    XATranslationUnitOwner unit(XAParseTranslationUnit(index.get(), source, info.parsingCompilerArgs(),
                                                       CXTranslationUnit_DetailedPreprocessingRecord, &error));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    ASSERT_TRUE(unit) << error.message;
    const std::vector<std::string> diagnostics = XAFormattedDiagnostics(unit.get());
    EXPECT_EQ(diagnostics.size(), 20u) << "19 errors and the compiler's note that it stopped";
    for (const std::string &diagnostic : diagnostics) {
        EXPECT_EQ(diagnostic.find("did you mean"), std::string::npos) << diagnostic;
    }
    EXPECT_LT(seconds, 5.0);
}
