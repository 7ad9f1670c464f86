#include "engine/XADiagnosticFilter.h"

#include "XADiagnosticTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

XADiagnostic diagnosticOfRule(const std::string &ruleName, std::optional<std::string> filePath = "/p/App/main.m") {
    return XADiagnostic::diagnosticWithRuleName(XAXMLString(ruleName), "Rule", XAXMLString("d"), std::nullopt, {},
                                                std::nullopt, std::nullopt, std::move(filePath), std::nullopt,
                                                std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                                XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh);
}

} // namespace

TEST(XADiagnosticFilterTest, TokensParseIntoKindOperatorAndValue) {
    struct Case {
        std::string token;
        XADiagnosticFilter::Kind kind;
        XADiagnosticFilter::Operator op;
        std::string kindString;
        std::string value;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"Rule=Unused*", XADiagnosticFilter::KindRule, XADiagnosticFilter::OperatorEquals, "rule", "Unused*", true},
        {"foo", XADiagnosticFilter::KindNone, XADiagnosticFilter::OperatorNone, "?", "foo", false},
        {"colour=red", XADiagnosticFilter::KindNone, XADiagnosticFilter::OperatorEquals, "?", "red", false},
        {"=x", XADiagnosticFilter::KindNone, XADiagnosticFilter::OperatorEquals, "?", "=x", false},
        {"SEVERITY=a=b", XADiagnosticFilter::KindSeverity, XADiagnosticFilter::OperatorEquals, "severity", "a=b", true},
    };
    for (const Case &c : cases) {
        const XADiagnosticFilter filter(c.token);
        EXPECT_EQ(filter.kind(), c.kind) << c.token;
        EXPECT_EQ(filter.op(), c.op) << c.token;
        EXPECT_EQ(filter.kindString(), c.kindString) << c.token;
        EXPECT_EQ(filter.string(), c.value) << c.token;
        EXPECT_EQ(filter.isValid(), c.valid) << c.token;
        EXPECT_EQ(filter.kindColor(), c.valid ? *XADiagnosticFilter::colorForKind(c.kind) : XAColor::redColor())
            << c.token;
    }
    EXPECT_EQ(XADiagnosticFilter("file=x").kindColor(), XAColor::blueColor());
    EXPECT_EQ(XADiagnosticFilter::colorForKind(9), std::nullopt);
}

TEST(XADiagnosticFilterTest, TokensWithoutAKindAcceptEverything) {
    const XADiagnostic diagnostic = diagnosticOfRule("Anything");
    for (const std::string token : {"foo", "colour=red", "=x"}) {
        EXPECT_TRUE(XADiagnosticFilter(token).acceptsDiagnostic(diagnostic)) << token;
    }
}

TEST(XADiagnosticFilterTest, ValuesMatchAnywhereCaseSensitivelyWithStars) {
    struct Case {
        std::string token;
        XADiagnostic diagnostic;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"rule=unused", diagnosticOfRule("Possibly unused Objective-C method"), true},
        {"rule=Unused", diagnosticOfRule("Possibly unused Objective-C method"), false},
        {"rule=Possibly*method", diagnosticOfRule("Possibly unused Objective-C method"), true},
        {"rule=a b", diagnosticOfRule("a, b"), true},
        {"rule=(x", diagnosticOfRule("call (x)"), true},
        {"rule=.", diagnosticOfRule("no dot"), false},
        {"file=*.h", diagnosticOfRule("r", "/p/main.hpp"), true},
        {"file=*.h", diagnosticOfRule("r", "/p/a.html"), true},
        {"file=*.h", diagnosticOfRule("r", "/p/main.m"), false},
        {"file=p", diagnosticOfRule("r", "/p/main.m"), false},
        {"file=*", diagnosticOfRule("r", std::nullopt), false},
        {"severity=Warn", diagnosticOfRule("r"), true},
        {"confidence=High", diagnosticOfRule("r"), true},
        {"impact=Style", diagnosticOfRule("r"), false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XADiagnosticFilter(c.token).acceptsDiagnostic(c.diagnostic), c.accepted) << c.token;
        EXPECT_NE(XADiagnosticFilter(c.token).rejectsDiagnostic(c.diagnostic), c.accepted) << c.token;
    }
}

TEST(XADiagnosticFilterTest, CompletionsListEachTokenOnce) {
    const XADiagnostics diagnostics = {diagnosticOfRule("First, rule", "/p/a.m"), diagnosticOfRule("Other", "/q/a.m")};
    EXPECT_THAT(XADiagnosticFilter::allPossibleCompletionsForDiagnostics(diagnostics),
                ElementsAre("file=a.m", "rule=First rule", "impact=Functionality", "confidence=High",
                            "severity=Warning", "rule=Other"));
}
