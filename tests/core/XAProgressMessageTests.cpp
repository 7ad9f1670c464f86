#include "core/XALogTestSupport.h"
#include "core/XAMessageQueue.h"
#include "core/XAProgressMessage.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(XAProgressMessageTest, AbsentTextAndUserInfoBecomeEmpty) {
    XAProgressMessage message(XAProgressMessageKindInfo);
    EXPECT_EQ(message.kind(), XAProgressMessageKindInfo);
    EXPECT_EQ(message.message(), "");
    EXPECT_TRUE(message.userInfo().empty());
}

TEST(XAProgressMessageTest, ErrorsAndWarningsIncludeTheCompilerKinds) {
    struct Case {
        XAProgressMessageKind kind;
        bool isError;
        bool isWarning;
    };
    const std::vector<Case> cases = {
        {XAProgressMessageKindInfo, false, false},
        {XAProgressMessageKindSuccess, false, false},
        {XAProgressMessageKindError, true, false},
        {XAProgressMessageKindWarning, false, true},
        {XAProgressMessageKindDebug, false, false},
        {XAProgressMessageKindPreparationStep, false, false},
        {XAProgressMessageKindFileStarted, false, false},
        {XAProgressMessageKindCompilerWarning, false, true},
        {XAProgressMessageKindCompilerError, true, false},
        {XAProgressMessageKindFileFinished, false, false},
        {0, false, false},
        {15, false, false},
        {-3, false, false},
    };
    for (const Case &testCase : cases) {
        XAProgressMessage message(testCase.kind, "text");
        EXPECT_EQ(message.isError(), testCase.isError) << "kind " << testCase.kind;
        EXPECT_EQ(message.isWarning(), testCase.isWarning) << "kind " << testCase.kind;
    }
}

TEST(XAProgressMessageTest, PrefixedCopyKeepsKindAndUserInfoAndLeavesTheOriginal) {
    XAProgressMessage original(XAProgressMessageKindError, "Cannot read the project",
                               XADictionary{{"file", XAValue("/p/App.xcodeproj")}});
    XAProgressMessage copy = original.copyWithMessagePrefix("Initialization");
    EXPECT_EQ(copy.message(), "Initialization: Cannot read the project");
    EXPECT_EQ(copy.kind(), XAProgressMessageKindError);
    EXPECT_EQ(copy.userInfo(), original.userInfo());
    EXPECT_EQ(original.message(), "Cannot read the project");

    EXPECT_EQ(XAProgressMessage(XAProgressMessageKindInfo).copyWithMessagePrefix("Step").message(), "Step: ");
}

TEST(XAProgressMessageTest, LogLineAndColourOfEveryKind) {
    const XADictionary fileInfo{
        {"num", XAValue(2)}, {"total", XAValue(7)}, {"remaining", XAValue(4)}, {"file", XAValue("App/Main.m")}};
    struct Case {
        XAProgressMessageKind kind;
        std::string logLine;
        std::optional<XAColor> color;
    };
    const std::vector<Case> cases = {
        {XAProgressMessageKindInfo, "text", std::nullopt},
        {XAProgressMessageKindSuccess, "text", XAColor::greenColor()},
        {XAProgressMessageKindError, "ERROR: text", XAColor::redColor()},
        {XAProgressMessageKindWarning, "text", XAColor::yellowColor()},
        {XAProgressMessageKindDebug, "text", XAColor::grayColor()},
        {XAProgressMessageKindOperationStarted, "text", std::nullopt},
        {XAProgressMessageKindAfterCodePhase, "text", std::nullopt},
        {XAProgressMessageKindFileStarted, "Checking file #2/7 (4 remaining): App/Main.m\n", std::nullopt},
        {XAProgressMessageKindCompilerWarning, "COMPILER WARNING when parsing file App/Main.m: text\n",
         XAColor::yellowColor()},
        {XAProgressMessageKindCompilerError, "COMPILER ERROR when parsing file App/Main.m: text\n",
         XAColor::redColor()},
        {XAProgressMessageKindFileFinished, "    File DONE #2/7 (4 remaining): App/Main.m\n", std::nullopt},
        {15, "text", std::nullopt},
    };
    for (const Case &testCase : cases) {
        XAProgressMessage message(testCase.kind, "text", fileInfo);
        EXPECT_EQ(message.logMessage(), testCase.logLine) << "kind " << testCase.kind;
        EXPECT_EQ(message.logMessageColor(), testCase.color) << "kind " << testCase.kind;
    }
}

TEST(XAProgressMessageTest, PrefixedPerFileMessageStillLogsThePerFileLine) {
    XAProgressMessage started(
        XAProgressMessageKindFileStarted, std::nullopt,
        XADictionary{{"num", XAValue(0)}, {"total", XAValue(1)}, {"remaining", XAValue(1)}, {"file", XAValue("a.m")}});
    EXPECT_EQ(started.copyWithMessagePrefix("Initialization").logMessage(), "Checking file #0/1 (1 remaining): a.m\n");
}

TEST(XAProgressHandlerTest, AnEmptyHandlerStaysEmpty) {
    EXPECT_FALSE(XAProgressHandlerWithMessagePrefix("Initialization", nullptr));
    EXPECT_FALSE(XAProgressHandlerDowngradingErrors(nullptr));
}

TEST(XAProgressHandlerTest, PrefixesEveryMessage) {
    std::vector<XAProgressMessage> received;
    XAProgressHandler handler = XAProgressHandlerWithMessagePrefix(
        "Reading workspace data", [&](const XAProgressMessage &message) { received.push_back(message); });
    handler(XAProgressMessage(XAProgressMessageKindWarning, "No scheme"));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message(), "Reading workspace data: No scheme");
    EXPECT_EQ(received[0].kind(), XAProgressMessageKindWarning);
}

TEST(XAProgressHandlerTest, DowngradesErrorsButNotCompilerErrors) {
    std::vector<XAProgressMessage> received;
    XAProgressHandler handler =
        XAProgressHandlerDowngradingErrors([&](const XAProgressMessage &message) { received.push_back(message); });
    const XADictionary userInfo{{"file", XAValue("a.m")}};
    handler(XAProgressMessage(XAProgressMessageKindError, "no repository", userInfo));
    handler(XAProgressMessage(XAProgressMessageKindCompilerError, "expected ';'", userInfo));
    handler(XAProgressMessage(XAProgressMessageKindInfo, "step"));
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].kind(), XAProgressMessageKindWarning);
    EXPECT_EQ(received[0].message(), "no repository");
    EXPECT_EQ(received[0].userInfo(), userInfo);
    EXPECT_EQ(received[1].kind(), XAProgressMessageKindCompilerError);
    EXPECT_EQ(received[2].kind(), XAProgressMessageKindInfo);
}

TEST(XAProgressHandlerTest, TheLoggingHandlerIsSharedAndLogsOnlyErrors) {
    EXPECT_EQ(&XAProgressHandlerLoggingErrors(), &XAProgressHandlerLoggingErrors());
    XALogCapture capture;
    XAProgressHandlerLoggingErrors()(XAProgressMessage(XAProgressMessageKindWarning, "a warning"));
    XAProgressHandlerLoggingErrors()(XAProgressMessage(XAProgressMessageKindError, "an error"));
    XAProgressHandlerLoggingErrors()(
        XAProgressMessage(XAProgressMessageKindCompilerError, "expected ';'", XADictionary{{"file", XAValue("a.m")}}));
    EXPECT_EQ(capture.lines(), (std::vector<std::pair<int, std::string>>{
                                   {XALogLevelError, "Error: an error"},
                                   {XALogLevelError, "COMPILER ERROR when parsing file a.m: expected ';'"}}));
}

TEST(XAMessageQueueTest, StoresMessagesFromManyThreads) {
    auto queue = XAMessageQueue::queue();
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&queue, t] {
            for (int i = 0; i < 100; ++i) {
                queue->progressHandler()(
                    XAProgressMessage(i % 10 == 0 ? XAProgressMessageKindError : XAProgressMessageKindInfo,
                                      std::to_string(t) + "/" + std::to_string(i)));
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(queue->allProgressMessages().size(), 800u);
    EXPECT_EQ(queue->errorProgressMessages().size(), 80u);
}

TEST(XAMessageQueueTest, FormatsItsErrors) {
    XAMessageQueue queue;
    queue.progressHandler()(XAProgressMessage(XAProgressMessageKindWarning, "only a warning"));
    EXPECT_EQ(queue.formattedErrorMessages(), "");
    queue.progressHandler()(XAProgressMessage(XAProgressMessageKindError, "first"));
    queue.progressHandler()(
        XAProgressMessage(XAProgressMessageKindCompilerError, "second", XADictionary{{"file", XAValue("b.m")}}));
    EXPECT_EQ(queue.formattedErrorMessages(), "• ERROR: first\n• COMPILER ERROR when parsing file b.m: second\n");
}

TEST(XAMessageQueueTest, AHandlerThatOutlivesItsQueueDoesNothing) {
    XAProgressHandler handler;
    {
        XAMessageQueue queue;
        handler = queue.progressHandler();
        handler(XAProgressMessage(XAProgressMessageKindInfo, "stored"));
        EXPECT_EQ(queue.allProgressMessages().size(), 1u);
    }
    handler(XAProgressMessage(XAProgressMessageKindInfo, "dropped"));
}
