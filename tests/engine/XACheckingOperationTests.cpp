#include "engine/XACheckingOperation.h"

#include "XACheckingOperationTestSupport.h"
#include "codemodel/XABuild.h"
#include "codemodel/XAProjectBuildLogCache.h"
#include "core/XAProcessInfo.h"
#include "engine/XADiagnosticSerialization.h"
#include "engine/XADiagnosticSuppression.h"
#include "engine/XARule.h"
#include "engine/XARuleContext.h"
#include "project/XAProjectModelTestSupport.h"
#include "project/XAProjectTarget.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <thread>

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;

namespace {

// The operation the test rules cancel.
std::weak_ptr<XACheckingOperation> gOperationToCancel;

void cancelOperation() {
    if (std::shared_ptr<XACheckingOperation> operation = gOperationToCancel.lock()) {
        operation->cancel();
    }
}

// Reports every function declaration by name: what the walk shows the rules.
struct XARuleTestFunctionDeclarations : XACursorRule<XARuleTestFunctionDeclarations> {
    static XAXMLString ruleName() { return XAXMLString("Function declarations"); }
    static XAXMLString ruleDescription() { return XAXMLString("Reports every function declaration."); }
    // Function bodies too, which count as checked statements.
    static std::vector<int> cursorKinds() { return {CXCursor_FunctionDecl, CXCursor_CompoundStmt}; }
    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_FunctionDecl) {
            return {};
        }
        const std::string name = XAStringFromCXString(XALibclang::fn().clang_getCursorSpelling(cursor)).value_or("");
        return {diagnosticWithCursor(cursor, std::nullopt, name, XADiagnosticImpactStyle, XADiagnosticSeverityConcern,
                                     XADiagnosticConfidenceHigh)};
    }
};

// Reports, once per file, the value of LANG (which compile lines export) that the process environment holds while
// the file is checked.
struct XARuleTestEnvironmentDuringWalk : XACursorRule<XARuleTestEnvironmentDuringWalk> {
    static XAXMLString ruleName() { return XAXMLString("Environment during the walk"); }
    static XAXMLString ruleDescription() { return XAXMLString("Reports LANG."); }
    static std::vector<int> cursorKinds() { return {CXCursor_FunctionDecl}; }
    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_TranslationUnit) {
            return {};
        }
        const char *language = std::getenv("LANG");
        return {diagnosticWithCursor(cursor, std::nullopt, language ? language : "(unset)", XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

// Cancels the run at a call of cancelHere().
struct XARuleTestCancelsInWalk : XACursorRule<XARuleTestCancelsInWalk> {
    static XAXMLString ruleName() { return XAXMLString("Cancels in the walk"); }
    static XAXMLString ruleDescription() { return XAXMLString("Cancels the run."); }
    static std::vector<int> cursorKinds() { return {CXCursor_CallExpr}; }
    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind == CXCursor_CallExpr &&
            XAStringFromCXString(XALibclang::fn().clang_getCursorSpelling(cursor)) == "cancelHere") {
            cancelOperation();
        }
        return {};
    }
};

// Findings about files of the project that are not code: one repeated, one in a folder the configuration excludes,
// one there that resists exclusion, and one in a folder whose files the rule's own option ignores.
struct XARuleTestProjectFindings : XAProjectRule<XARuleTestProjectFindings> {
    static XAXMLString ruleName() { return XAXMLString("Project findings"); }
    static XAXMLString ruleDescription() { return XAXMLString("Reports files."); }
    static XADiagnostic finding(const XARuleContext &context, const std::string &file, std::uint64_t resistance) {
        XADiagnostic diagnostic =
            diagnosticWithFile(context.project()->projectDiskRootPath() + "/" + file, XAXMLString(file), file,
                               XADiagnosticImpactStyle, XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh);
        diagnostic.setExclusionResistance(resistance);
        return diagnostic;
    }
    static XADiagnostics applyWithContext(XARuleContext &context) {
        return {finding(context, "Kept/a.png", 0),     finding(context, "Kept/a.png", 0),
                finding(context, "Excluded/b.png", 0), finding(context, "Excluded/c.png", 1),
                finding(context, "Ignored/d.png", 1),  XANullDiagnostic::nullDiagnostic()};
    }
};

// A project rule that cancels the run.
struct XARuleTestCancelsInProjectPass : XAProjectRule<XARuleTestCancelsInProjectPass> {
    static XAXMLString ruleName() { return XAXMLString("Cancels in the project pass"); }
    static XAXMLString ruleDescription() { return XAXMLString("Cancels the run."); }
    static XADiagnostics applyWithContext(XARuleContext &) {
        cancelOperation();
        return {};
    }
};

// Applies only when the moon is blue.
struct XARuleTestNeverApplies : XAProjectRule<XARuleTestNeverApplies> {
    static XAXMLString ruleName() { return XAXMLString("Never applies"); }
    static XAXMLString ruleDescription() { return XAXMLString("Never applies."); }
    static bool appliesToContext(XARuleContext &) { return false; }
    static std::string applicationConditionDescription() { return "the moon is blue"; }
    static XADiagnostics applyWithContext(XARuleContext &) { return {}; }
};

const XARuleDescriptor *forbiddenCall() { return XATestRuleRegistry().ruleWithShortName("TestForbiddenCall"); }
const XARuleDescriptor *unprefixedClass() { return XATestRuleRegistry().ruleWithShortName("TestUnprefixedClass"); }

std::vector<std::string> identifiersOf(const XADiagnostics &diagnostics, const std::string &ruleShortName) {
    std::vector<std::string> identifiers;
    for (const XADiagnostic &diagnostic : diagnostics) {
        if (diagnostic.ruleShortName() == ruleShortName) {
            identifiers.push_back(diagnostic.instanceIdentifier().value_or("(none)"));
        }
    }
    std::sort(identifiers.begin(), identifiers.end());
    return identifiers;
}

std::vector<std::string> filesOfKind(const XACheckingOperation &operation, XAProgressMessageKind kind) {
    std::vector<std::string> files;
    for (const XAProgressMessage &message :
         operation.progressMessagesOfKind(kind).value_or(std::vector<XAProgressMessage>{})) {
        const XAValue *file = message.userInfo().get("file");
        files.push_back(file && file->string() ? xa_lastPathComponent(*file->string()) : "(none)");
    }
    std::sort(files.begin(), files.end());
    return files;
}

XAConfiguration configurationWith(const std::string &option, XAOptionValue value) {
    XAConfiguration configuration;
    configuration.setValue(value, *XAConfiguration::appOptionWithLongName(option));
    return configuration;
}

// A project file with the targets and configurations the choice of inputs looks at.
std::shared_ptr<XAProject> projectForChoosing(const XAScratchFolder &folder,
                                              const std::vector<std::string> &targetConfigurations,
                                              const std::string &defaultConfiguration) {
    XATestProjectBuilder builder;
    std::vector<std::string> configurationIDs;
    for (const std::string &name : targetConfigurations) {
        configurationIDs.push_back(builder.configuration("TC" + name, name));
    }
    const std::string targetList = builder.configurationList("TL", configurationIDs, defaultConfiguration);
    const std::string library =
        builder.target("T1", "Library", "com.apple.product-type.library.static", {}, targetList);
    const std::string app = builder.target("T2", "App", "com.apple.product-type.application", {}, targetList);
    const std::string projectList =
        builder.configurationList("PL", {builder.configuration("PC", "Release")}, defaultConfiguration);
    builder.project(builder.group("G", {}), {library, app}, projectList);
    auto project = XAProject::projectWithXcodeproj(builder.write(folder, "Demo"));
    EXPECT_TRUE(project->readPbxproj(nullptr));
    return project;
}

} // namespace

// ---- Choosing the inputs ----

TEST(XACheckingOperationInputsTest, TheFirstApplicationTargetIsChosenUnlessOneIsNamed) {
    const XAScratchFolder folder;
    const auto project = projectForChoosing(folder, {"Release"}, "Release");
    EXPECT_EQ(XACheckingOperation::determineTargetForProject(*project, {}, nullptr)->name(), "App");
    EXPECT_EQ(XACheckingOperation::determineTargetForProject(*project, configurationWith("target", "Library"), nullptr)
                  ->name(),
              "Library");

    XAMessageQueue messages;
    EXPECT_EQ(XACheckingOperation::determineTargetForProject(*project, configurationWith("target", "Nope"),
                                                             messages.progressHandler()),
              nullptr);
    EXPECT_EQ(messages.formattedErrorMessages(), "• ERROR: Error: Cannot find specified target 'Nope'");
}

TEST(XACheckingOperationInputsTest, AConfigurationNamedLikeTheProjectComesBeforeRelease) {
    const XAScratchFolder folder;
    const auto project = projectForChoosing(folder, {"Release", "Demo"}, "Missing");
    const auto target = project->targetForName("App");
    EXPECT_EQ(XACheckingOperation::determineBuildConfigForProject(*project, target.get(), {}, nullptr)->name(), "Demo");
    EXPECT_EQ(XACheckingOperation::determineBuildConfigForProject(*project, target.get(),
                                                                  configurationWith("buildConfig", "Release"), nullptr)
                  ->name(),
              "Release");
}

TEST(XACheckingOperationInputsTest, TheMessageNamesTheConfigurationsTried) {
    const XAScratchFolder folder;
    const auto project = projectForChoosing(folder, {"Beta"}, "Missing");
    XAMessageQueue messages;
    EXPECT_EQ(XACheckingOperation::determineBuildConfigForProject(*project, project->targetForName("App").get(), {},
                                                                  messages.progressHandler()),
              nullptr);
    EXPECT_EQ(messages.formattedErrorMessages(),
              "• ERROR: Error: Cannot determine default build configuration (tried: \"Demo\", \"Release\", "
              "\"AppStore\", \"App Store\", \"App\", \"Application\", \"Debug\"). You can specify one with the "
              "--buildConfig argument.");
}

TEST(XACheckingOperationInputsTest, OnlyRulesWinOverTagsAndNames) {
    XAConfiguration configuration = configurationWith("onlyRules", XAOptionValue::Array{"Nope"});
    configuration.setValue(XAOptionValue::Array{"Style"}, *XAConfiguration::appOptionWithLongName("ruleTags"));
    configuration.setValue(XAOptionValue::Array{"Other"}, *XAConfiguration::appOptionWithLongName("rules"));
    XAMessageQueue messages;
    auto ruleSet = XACheckingOperation::determineRuleSetWithConfiguration(configuration, messages.progressHandler());
    EXPECT_EQ(ruleSet->name(), "0 Rules: ");
    EXPECT_THAT(messages.formattedErrorMessages(), AllOf(HasSubstr("'Nope'"), Not(HasSubstr("'Other'"))));

    configuration.setValue(XAOptionValue::Array{}, *XAConfiguration::appOptionWithLongName("onlyRules"));
    XAMessageQueue withoutOnlyRules;
    XACheckingOperation::determineRuleSetWithConfiguration(configuration, withoutOnlyRules.progressHandler());
    EXPECT_THAT(withoutOnlyRules.formattedErrorMessages(), HasSubstr("'Other'"));
}

// ---- File filters ----

TEST(XACheckingOperationFiltersTest, FilesOutsideTheVersionControlRootAreExcluded) {
    const XATestProject project({{"A.m", "void a(void) {}\n"}});
    std::filesystem::create_directory(project.path(".hg"));
    const auto operation = project.operation({forbiddenCall()});
    operation->project()->determineAndCacheVCSInfoWithProgress(nullptr);
    const std::string outside = std::filesystem::path(project.folder()).parent_path().string() + "/Outside.m";
    EXPECT_TRUE(operation->filePathIsExcluded(outside));
    EXPECT_FALSE(operation->shouldFileAtPathBeChecked(outside));
    EXPECT_FALSE(operation->filePathIsExcluded(project.caseFile("A.m")));
}

TEST(XACheckingOperationFiltersTest, DiagnosticsInSourceFilesOutsideTheProjectAreNotAllowed) {
    const XATestProject project({{"A.m", "void a(void) {}\n"}});
    const auto operation = project.operation({forbiddenCall()});
    EXPECT_TRUE(operation->allowDiagnosticForFilePath(project.caseFile("A.m")));
    EXPECT_FALSE(operation->allowDiagnosticForFilePath(project.path("NotInProject.m")));
    EXPECT_TRUE(operation->allowDiagnosticForFilePath(project.path("NotInProject.png")));
}

TEST(XACheckingOperationFiltersTest, ARuleWhoseConditionDoesNotHoldIsReportedAndNotApplied) {
    const XATestProject project({{"A.m", "void a(void) {}\n"}});
    const auto operation = project.operation({&XARuleTestNeverApplies::descriptor()});
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    EXPECT_FALSE(operation->preparationSuccess());
    EXPECT_THAT(XARecordedTexts(*operation, XAProgressMessageKindDebug),
                Contains("Rule TestNeverApplies will not be applied: “the moon is blue”"));
    EXPECT_THAT(XARecordedTexts(*operation, XAProgressMessageKindError),
                ElementsAre("No rules that apply to the given [project, target, build configuration]."));
}

// ---- The per-file phase ----

TEST(XACheckingOperationPerFileTest, OnlyTheFirstFileOfAPrecompiledHeaderBringsItsDeclarations) {
    const XATestProject project({{"Other.m", "void other(void) {}\n"}}, "iOSApp");
    project.append("iOSApp/iOSApp-Prefix.pch", "#ifdef __OBJC__\n@interface PCHThing : NSObject\n@end\n#endif\n");
    const auto operation = project.operation({unprefixedClass()});
    ASSERT_TRUE(operation->prepareOperationWithProgress(nullptr));
    EXPECT_THAT(operation->compilationInfosForFilesToCheck(), SizeIs(4)); // three Objective-C files and one C file
    auto context = operation->newRuleContextWithProgressHandler(nullptr);
    const std::optional<XADiagnostics> found =
        operation->applyCursorRules({unprefixedClass()}, *context, nullptr, nullptr);
    ASSERT_TRUE(found);
    EXPECT_THAT(identifiersOf(*found, "TestUnprefixedClass"), ElementsAre("PCHThing"));
}

TEST(XACheckingOperationPerFileTest, CompilerWarningsAreReportedAndCompilerErrorsKeepTheRulesAway) {
    const XATestProject project({{"Warned.m", "#warning careful\n#include <stdlib.h>\nvoid a(void) { abort(); }\n"},
                                 {"Broken.m", "#include <stdlib.h>\nvoid b(void) { abort(); int broken = ; }\n"}});
    const auto operation = project.operation({forbiddenCall(), &XARuleTestFunctionDeclarations::descriptor()});
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    ASSERT_TRUE(operation->diagnostics());
    EXPECT_THAT(identifiersOf(*operation->diagnostics(), "TestForbiddenCall"), ElementsAre("abort"));
    // Declarations of system headers (abort among them) never reach the rules.
    EXPECT_THAT(identifiersOf(*operation->diagnostics(), "TestFunctionDeclarations"), ElementsAre("a"));
    EXPECT_THAT(filesOfKind(*operation, XAProgressMessageKindCompilerWarning), ElementsAre("Warned.m"));
    EXPECT_THAT(filesOfKind(*operation, XAProgressMessageKindCompilerError), ElementsAre("Broken.m"));
    EXPECT_THAT(filesOfKind(*operation, XAProgressMessageKindFileStarted), ElementsAre("Broken.m", "Warned.m"));
    EXPECT_THAT(filesOfKind(*operation, XAProgressMessageKindFileFinished), ElementsAre("Warned.m"));
    EXPECT_EQ(operation->numCheckedStatements(), 1u); // the body of a(); calls are expressions
    EXPECT_THAT(operation->formattedStatsMessage(), HasSubstr("Checked total 1 code statements in "));
}

TEST(XACheckingOperationPerFileTest, SuppressionMacrosAreCollectedThoughNoRuleAskedForMacros) {
    const std::string suppressed = "#define TESSARY_IGNORED_IN_FILE(...)\n"
                                   "#include <stdlib.h>\n"
                                   "TESSARY_IGNORED_IN_FILE(testforbiddencall)\n"
                                   "void a(void) { abort(); }\n";
    const XATestProject project(
        {{"Suppressed.m", suppressed}, {"Plain.m", "#include <stdlib.h>\nvoid b(void) { abort(); }\n"}});
    const auto operation = project.operation({forbiddenCall()});
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    ASSERT_TRUE(operation->diagnostics());
    ASSERT_THAT(*operation->diagnostics(), SizeIs(1));
    EXPECT_EQ(xa_lastPathComponent(*operation->diagnostics()->front().filePath()), "Plain.m");
    ASSERT_THAT(operation->diagnosticSuppressions(), SizeIs(1));
    EXPECT_THAT(operation->diagnosticSuppressions()[0].suppressedRuleShortNames(), ElementsAre("TestForbiddenCall"));
}

TEST(XACheckingOperationPerFileTest, ACancelDuringTheWalkDropsTheFileAndEndsTheRunOnce) {
    const XATestProject project({{"Cancelled.m", "#include <stdlib.h>\nvoid cancelHere(void);\n"
                                                 "void a(void) { cancelHere(); abort(); }\n"}});
    const auto operation = project.operation({&XARuleTestCancelsInWalk::descriptor(), forbiddenCall()});
    gOperationToCancel = operation;
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    EXPECT_TRUE(operation->isCancelled());
    EXPECT_FALSE(operation->isRunning());
    EXPECT_FALSE(operation->hasFailed());
    EXPECT_FALSE(operation->diagnostics());
    EXPECT_THAT(filesOfKind(*operation, XAProgressMessageKindFileStarted), ElementsAre("Cancelled.m"));
    EXPECT_THAT(filesOfKind(*operation, XAProgressMessageKindFileFinished), IsEmpty());
    EXPECT_EQ(operation->progressMessagesOfKind(XAProgressMessageKindAfterCodePhase), std::nullopt);
}

TEST(XACheckingOperationPerFileTest, MixedWorkingDirectoriesAreNamedAndCommonVariablesRecorded) {
    const XATestProject project({{"A.m", "void a(void) {}\n"}});
    const auto operation = project.operation({forbiddenCall()});
    auto info = [&](const std::string &directory, const std::string &exports) {
        const XABuildStep step({"CompileC /o/x.o " + project.caseFile("A.m") + " normal x86_64 objective-c x",
                                "    cd " + directory, "    export SHARED=1", "    export " + exports,
                                "    /usr/bin/clang -x objective-c -c " + project.caseFile("A.m") + " -o /o/x.o"});
        return std::make_shared<const XAProjectFileCompilationInfo>(
            step, *operation->project(), XASharedBuildSettings(), std::nullopt, std::nullopt, nullptr);
    };
    const XACheckingOperation::CompilationInfos infos = {info("/A", "ONLY_A=1"), info("/B", "ONLY_B=1"),
                                                         info("/B", "ONLY_B=1")};
    XAMessageQueue messages;
    auto context = operation->newRuleContextWithProgressHandler(nullptr);
    operation->applyCursorRulesToCompilations(infos, {forbiddenCall()}, *context, nullptr, messages.progressHandler());
    std::vector<std::string> warnings;
    for (const XAProgressMessage &message : messages.allProgressMessages()) {
        if (message.kind() == XAProgressMessageKindWarning) {
            warnings.push_back(message.message());
        }
    }
    EXPECT_THAT(warnings, ElementsAre("Warning: The compilation working directories are not the same for all files. "
                                      "Using compilation working directory: /B"));

    const std::map<std::string, std::string> before = XAProcessEnvironment();
    operation->updateEnvironmentFromCompilationInfos(infos);
    EXPECT_EQ(operation->parsingEnvironmentVariables(), (std::map<std::string, std::string>{{"SHARED", "1"}}));
    EXPECT_EQ(XAProcessEnvironment(), before) << "the process environment is left alone";
}

TEST(XACheckingOperationPerFileTest, TheProcessEnvironmentStaysAsItIsWhileFilesAreChecked) {
    const XAScopedEnvironmentVariable language("LANG", "C.UTF-8");
    const XATestProject project({{"A.m", "void a(void) {}\n"}});
    const auto operation = project.operation({&XARuleTestEnvironmentDuringWalk::descriptor()});
    ASSERT_EQ(XARunSynchronously(*operation), 1);
    ASSERT_TRUE(operation->diagnostics());
    EXPECT_EQ(operation->parsingEnvironmentVariables().at("LANG"), "en_US.US-ASCII") << "what the compile lines export";
    EXPECT_THAT(identifiersOf(*operation->diagnostics(), "TestEnvironmentDuringWalk"), ElementsAre("C.UTF-8"));
}

// ---- The run ----

TEST(XACheckingOperationRunTest, ProjectRulesAloneRunNoCodePhases) {
    const XATestProject project({});
    const auto operation = project.operation({&XARuleTestProjectFindings::descriptor()});
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    ASSERT_TRUE(operation->diagnostics());
    EXPECT_THAT(identifiersOf(*operation->diagnostics(), "TestProjectFindings"),
                ElementsAre("Excluded/b.png", "Excluded/c.png", "Ignored/d.png", "Kept/a.png"));
    EXPECT_EQ(operation->progressMessagesOfKind(XAProgressMessageKindAfterCodePhase), std::nullopt);
    EXPECT_THAT(XARecordedTexts(*operation, XAProgressMessageKindBeforeCodePhase),
                ElementsAre("Applying rules before checking code"));
    EXPECT_EQ(operation->numCheckedStatements(), 0u);
    EXPECT_TRUE(operation->preparationSuccess());
    EXPECT_FALSE(operation->hasFailed());
}

TEST(XACheckingOperationRunTest, ExclusionResistanceBeatsExclusionsButNotSuppressions) {
    const XATestProject project({});
    XAConfiguration configuration = configurationWith("fileExclusionRegexes", XAOptionValue::Array{"/Excluded/"});
    const XARuleDescriptor &rule = XARuleTestProjectFindings::descriptor();
    configuration.setValue(XAOptionValue::Array{"/Ignored/"}, *rule.optionWithLongName("ignoredFileRegexes"),
                           rule.shortName);
    const auto operation = project.operation({&rule}, configuration);
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    ASSERT_TRUE(operation->diagnostics());
    EXPECT_THAT(identifiersOf(*operation->diagnostics(), rule.shortName), ElementsAre("Excluded/c.png", "Kept/a.png"));
    ASSERT_THAT(operation->diagnosticSuppressions(), SizeIs(1));
}

TEST(XACheckingOperationRunTest, AFailedPreparationEndsTheRunOnceWithoutDiagnostics) {
    const XATestProject project({{"A.m", "void a(void) {}\n"}});
    const auto operation = project.operation({&XARuleTestNeverApplies::descriptor()});
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    EXPECT_FALSE(operation->preparationSuccess());
    EXPECT_TRUE(operation->hasFailed());
    EXPECT_FALSE(operation->diagnostics());
    EXPECT_THAT(XARecordedTexts(*operation, XAProgressMessageKindDebug),
                Contains("Preparation failed → clearing build log caches"));
    EXPECT_TRUE(operation->shouldShowSuggestionsForFailedOperation());
    EXPECT_THAT(operation->suggestionsForFailedOperation().front(),
                HasSubstr("Just try again — the project caches have now been cleared"));
}

TEST(XACheckingOperationRunTest, ATargetWithoutFilesToCheckStillRunsTheProjectRulesAndKeepsTheCache) {
    struct Case {
        std::string title;
        std::optional<std::string> fixture;
        XAConfiguration configuration;
        std::vector<std::string> errors;
    };
    const std::vector<Case> cases = {
        // The bare application target has neither sources nor an Info.plist, which is reported and does not stop
        // the run.
        {"a target without sources", std::nullopt, {}, {"Initialization: Error: Cannot find an Info.plist file."}},
        {"an app whose every source is excluded",
         "iOSApp",
         configurationWith("fileExclusionRegexes", XAOptionValue::Array{"\\.(m|c)$"}),
         {}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.title);
        const XATestProject project({}, testCase.fixture);
        const auto operation =
            project.operation({&XARuleTestProjectFindings::descriptor(), forbiddenCall()}, testCase.configuration);
        EXPECT_EQ(XARunSynchronously(*operation), 1);
        EXPECT_TRUE(operation->preparationSuccess());
        EXPECT_FALSE(operation->hasFailed());
        ASSERT_TRUE(operation->diagnostics());
        EXPECT_THAT(identifiersOf(*operation->diagnostics(), "TestProjectFindings"), SizeIs(4));
        EXPECT_THAT(XARecordedTexts(*operation, XAProgressMessageKindDebug),
                    Contains("No compilation units found — no code to check."));
        EXPECT_EQ(XARecordedTexts(*operation, XAProgressMessageKindError), testCase.errors);
        EXPECT_THAT(XARecordedTexts(*operation, XAProgressMessageKindAfterCodePhase),
                    ElementsAre("Applying rules after checking code"));
        EXPECT_TRUE(XAHasAnyCachedBuildLogInfo(*operation->project())) << "the build log stays cached";
    }
}

TEST(XACheckingOperationRunTest, TwoChecksOfOneProjectAtOnceBothSucceed) {
    // With modules on, both checks build and read modules in the same caches while the other one starts.
    const XATestProject project({{"A.m", "#import <Foundation/Foundation.h>\n#include <stdlib.h>\n"
                                         "void a(void) { NSLog(@\"%@\", @\"x\"); abort(); }\n"}},
                                std::nullopt, XADictionary{{"modules", XAValue(true)}});
    for (int round = 0; round < 3; ++round) {
        std::vector<std::shared_ptr<XACheckingOperation>> operations;
        for (int check = 0; check < 2; ++check) {
            operations.push_back(project.operation({forbiddenCall()}));
        }
        std::vector<std::thread> threads;
        for (const auto &operation : operations) {
            threads.emplace_back([operation] { XARunSynchronously(*operation); });
        }
        for (std::thread &thread : threads) {
            thread.join();
        }
        for (const auto &operation : operations) {
            EXPECT_EQ(operation->progressMessagesOfKind(XAProgressMessageKindCompilerError), std::nullopt)
                << testing::PrintToString(XARecordedTexts(*operation, XAProgressMessageKindCompilerError));
            ASSERT_TRUE(operation->diagnostics()) << round;
            EXPECT_EQ(operation->diagnostics()->size(), 1u) << round;
        }
    }
}

TEST(XACheckingOperationRunTest, ACancelDuringTheProjectPassEndsTheRunOnceAfterIt) {
    const XATestProject project({{"A.m", "#include <stdlib.h>\nvoid a(void) { abort(); }\n"}});
    const auto operation = project.operation({&XARuleTestCancelsInProjectPass::descriptor(), forbiddenCall()});
    gOperationToCancel = operation;
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    EXPECT_TRUE(operation->isCancelled());
    EXPECT_FALSE(operation->diagnostics());
    EXPECT_EQ(operation->progressMessagesOfKind(XAProgressMessageKindFileStarted), std::nullopt);
}

TEST(XACheckingOperationRunTest, AnAsynchronousRunKeepsItsOperationUntilTheCompletion) {
    const XATestProject project({{"A.m", "#include <stdlib.h>\nvoid a(void) { abort(); }\n"}});
    std::promise<std::size_t> found;
    std::atomic<int> completions{0};
    const std::thread::id caller = std::this_thread::get_id();
    std::thread::id completedOn;
    {
        auto operation = project.operation({forbiddenCall()});
        XACheckingOperation *checked = operation.get();
        operation->applyRulesWithProgress(
            nullptr,
            [&, checked] {
                completedOn = std::this_thread::get_id();
                found.set_value(++completions == 1 && checked->diagnostics() ? checked->diagnostics()->size() : 0);
            },
            false);
    }
    EXPECT_EQ(found.get_future().get(), 1u);
    EXPECT_NE(completedOn, caller);
}

TEST(XACheckingOperationRunTest, ACustomQueueRunsTheWorkAndASynchronousRunWaitsForIt) {
    const XATestProject project({{"A.m", "#include <stdlib.h>\nvoid a(void) { abort(); }\n"}});
    const auto operation = project.operation({forbiddenCall()});
    int submitted = 0;
    std::thread::id ranOn;
    operation->setCustomQueue([&](std::function<void()> work) {
        ++submitted;
        std::thread([&, work = std::move(work)] {
            ranOn = std::this_thread::get_id();
            work();
        }).join();
    });
    EXPECT_EQ(XARunSynchronously(*operation), 1);
    EXPECT_EQ(submitted, 1);
    EXPECT_NE(ranOn, std::this_thread::get_id());
    ASSERT_TRUE(operation->diagnostics());
    EXPECT_THAT(*operation->diagnostics(), SizeIs(1));
}

TEST(XACheckingOperationRunTest, TheExportNamesTheCheckedProjectTargetAndConfiguration) {
    const XATestProject project({{"A.m", "#include <stdlib.h>\nvoid a(void) { abort(); }\n"}});
    const auto operation = project.operation({forbiddenCall()});
    XARunSynchronously(*operation);
    ASSERT_TRUE(operation->diagnostics());
    const XADictionary root = XADiagnosticSerialization::rootObjectForOperation(
        operation.get(), XADiagnosticSerialization::dictionaryRepresentationsOfDiagnostics(*operation->diagnostics()));
    EXPECT_EQ(*root.get("projectName")->string(), "RuleCase");
    EXPECT_EQ(*root.get("targetName")->string(), "RuleCase");
    EXPECT_EQ(*root.get("buildConfigurationName")->string(), "Debug");
    EXPECT_EQ(*root.get("projectPath")->string(), operation->project()->xcodeprojPath());
    EXPECT_EQ(*root.get("versionControlSystemName")->string(), "");
    const XAValue &diagnostic = root.get("diagnostics")->array()->at(0);
    EXPECT_EQ(*diagnostic.get("identifier")->string(), "abort");
    // Post-processing gave the positions in UTF-16 units and the snippet.
    EXPECT_EQ(*diagnostic.get("extent")->get("start")->get("utf16Column")->integer(), 15);
    EXPECT_THAT(*diagnostic.get("fileSnippet")->string(), HasSubstr("abort"));
}

TEST(XACheckingOperationRunTest, EnoughFileErrorsAreAThirdOfTheFiles) {
    struct Case {
        std::size_t files;
        std::size_t broken;
        bool enough;
    };
    for (const Case &c : std::vector<Case>{{2, 1, true}, {9, 2, false}, {9, 3, true}}) {
        std::vector<XARuleCaseSourceFile> files;
        for (std::size_t index = 0; index < c.files; ++index) {
            const std::string name = "F" + std::to_string(index);
            files.push_back(
                {name + ".m", "void " + name + "(void) { " + (index < c.broken ? "int broken = ;" : "") + " }\n"});
        }
        const XATestProject project(files);
        const auto operation = project.operation({forbiddenCall()});
        XARunSynchronously(*operation);
        EXPECT_EQ(operation->enoughFileCheckingErrors(), c.enough) << c.files << " files, " << c.broken << " broken";
    }
}

TEST(XACheckingOperationRunTest, DurationsAreFormattedAsHoursMinutesSecondsAndMilliseconds) {
    EXPECT_EQ(XACheckingOperation::formattedDuration(62.5), "00:01:02.500");
    EXPECT_EQ(XACheckingOperation::formattedDuration(0), "00:00:00.000");
    EXPECT_EQ(XACheckingOperation::formattedDuration(3599.9996), "01:00:00.000");
    EXPECT_EQ(XACheckingOperation::formattedDuration(86401.25), "00:00:01.250");
}
