#include "core/XAProgressMessage.h"

#include <gtest/gtest.h>

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
