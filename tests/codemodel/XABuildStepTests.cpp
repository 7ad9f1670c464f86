#include "codemodel/XABuildStep.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(XABuildStepTest, SplitsTheHeaderIntoNameAndArgumentsAndTrimsTheCommands) {
    XABuildStep step({"CompileC /out/a\\ b.o \"/src/My File.m\" normal arm64 objective-c", "    cd /src\r\n",
                      "\t/usr/bin/clang -x objective-c -c \"/src/My File.m\"  "});
    EXPECT_EQ(step.name(), "CompileC");
    EXPECT_EQ(step.arguments(),
              (std::vector<std::string>{"/out/a b.o", "/src/My File.m", "normal", "arm64", "objective-c"}));
    EXPECT_EQ(step.commands(),
              (std::vector<std::string>{"cd /src", "/usr/bin/clang -x objective-c -c \"/src/My File.m\""}));
    EXPECT_EQ(step.kind(), XABuildStepKindCompileC);
    EXPECT_EQ(step.inputPath(), "/src/My File.m");
    EXPECT_EQ(step.outputPath(), "/out/a b.o");
    EXPECT_EQ(step.argumentAtIndex(4), "objective-c");
    EXPECT_EQ(step.argumentAtIndex(5), std::nullopt);
}

TEST(XABuildStepTest, KindDecidesWhichArgumentsAreInputAndOutput) {
    struct Case {
        std::string header;
        XABuildStepKind kind;
        std::optional<std::string> input;
        std::optional<std::string> output;
    };
    const std::vector<Case> cases = {
        {"ProcessPCH /out/p.pch.gch /src/p.pch normal", XABuildStepKindProcessPCH, "/src/p.pch", "/out/p.pch.gch"},
        {"ProcessPCH++ /out/p.gch /src/p.pch", XABuildStepKindProcessPCH, "/src/p.pch", "/out/p.gch"},
        {"ProcessInfoPlistFile /out/Info.plist /src/Info.plist", XABuildStepKindProcessInfoPlistFile, "/src/Info.plist",
         "/out/Info.plist"},
        {"Preprocess /out/a.i /src/a.m", XABuildStepKindPreprocess, "/src/a.m", "/out/a.i"},
        {"Touch /out/App.app", XABuildStepKindTouch, "/out/App.app", std::nullopt},
        {"CodeSign /out/App.app", XABuildStepKindCodeSign, "/out/App.app", std::nullopt},
        {"Validate /out/App.app", XABuildStepKindValidate, "/out/App.app", std::nullopt},
        {"CompileXIB /src/View.xib", XABuildStepKindCompileXIB, "/src/View.xib", std::nullopt},
        {"CompileStoryboard /src/Main.storyboard", XABuildStepKindCompileStoryboard, "/src/Main.storyboard",
         std::nullopt},
        {"PhaseScriptExecution Run\\ Script /tmp/Script.sh", XABuildStepKindPhaseScriptExecution, std::nullopt,
         std::nullopt},
        {"CpResource /src/a.png /out/a.png", XABuildStepKindOther, std::nullopt, std::nullopt},
        {"compilec /out/a.o /src/a.m", XABuildStepKindOther, std::nullopt, std::nullopt}, // names are exact
        {"CompileC /out/a.o", XABuildStepKindCompileC, std::nullopt, "/out/a.o"},         // too few arguments
        {"Touch", XABuildStepKindTouch, std::nullopt, std::nullopt},
    };
    for (const Case &testCase : cases) {
        XABuildStep step({testCase.header});
        EXPECT_EQ(step.kind(), testCase.kind) << testCase.header;
        EXPECT_EQ(step.inputPath(), testCase.input) << testCase.header;
        EXPECT_EQ(step.outputPath(), testCase.output) << testCase.header;
        EXPECT_TRUE(step.commands().empty());
    }
}

TEST(XABuildStepTest, EmptyLinesMakeAnEmptyStep) {
    for (const std::vector<std::string> &lines : std::vector<std::vector<std::string>>{{}, {""}, {"   "}}) {
        XABuildStep step(lines);
        EXPECT_EQ(step.name(), "");
        EXPECT_TRUE(step.arguments().empty());
        EXPECT_EQ(step.kind(), XABuildStepKindOther);
        EXPECT_EQ(step.inputPath(), std::nullopt);
        EXPECT_EQ(step.argumentAtIndex(0), std::nullopt);
    }
}

TEST(XABuildStepTest, DescriptionNamesTheStepAndQuotesItsArguments) {
    XABuildStep step({"CpResource /src/My\\ Sound.caf /out/App.app", "    cd /src"});
    EXPECT_THAT(step.description(), ::testing::MatchesRegex("<XABuildStep: 0x[0-9a-f]+> - CpResource "
                                                            "\\[\"/src/My Sound.caf\", \"/out/App.app\"\\]"));
    EXPECT_THAT(XABuildStep({}).description(), ::testing::EndsWith("> -  []"));
}
