#include "codemodel/clang/XAAnnotations.h"

#include "codemodel/XACodeSnippetSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

TEST(XAAnnotationsTest, AnnotationsAndTheirPayloads) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
#define XA_SUPPRESS(rules) __attribute__((annotate("tessary:suppress:" rules)))
void plain(void);
void prefixOnly(void) __attribute__((annotate("tessary:")));
void mixed(void) __attribute__((annotate("other"))) XA_SUPPRESS("NSLogUsed");
void wrongCase(void) __attribute__((annotate("Tessary:suppress:NSLogUsed")));
void several(void) __attribute__((annotate("tessary:first"), annotate("tessary:"), annotate("tessary:second")));
)");
    ASSERT_SNIPPET_PARSED(snippet);
    using Texts = std::optional<std::vector<std::string>>;
    struct Case {
        const char *function;
        Texts annotations;
        Texts payloads;
    };
    const std::vector<Case> cases = {
        {"plain", std::nullopt, std::nullopt},
        {"prefixOnly", Texts{{"tessary:"}}, Texts{std::vector<std::string>{}}},
        {"mixed", Texts{{"other", "tessary:suppress:NSLogUsed"}}, Texts{{"suppress:NSLogUsed"}}},
        {"wrongCase", Texts{{"Tessary:suppress:NSLogUsed"}}, Texts{std::vector<std::string>{}}},
        {"several", Texts{{"tessary:first", "tessary:", "tessary:second"}}, Texts{{"first", "second"}}},
    };
    for (const Case &c : cases) {
        const CXCursor function = snippet.find(CXCursor_FunctionDecl, c.function);
        ASSERT_FALSE(XAIsNullCursor(function)) << c.function;
        EXPECT_EQ(XACursorHasAnnotations(function), c.annotations.has_value()) << c.function;
        EXPECT_EQ(XACursorAnnotations(function), c.annotations) << c.function;
        EXPECT_EQ(XATessaryAnnotationsOfCursor(function), c.payloads) << c.function;
    }
}
