#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XATranslationUnitMemo.h"

namespace {

constexpr const char *kSource = R"(#import <Foundation/Foundation.h>
@protocol Named
@property (nonatomic, copy) NSString *name;
@end
@interface Widget : NSObject <Named>
@property (nonatomic) NSInteger count;
- (void)flush;
@end
@implementation Widget
@synthesize name = _name;
- (NSString *)name { return _name; }
- (void)setCount:(NSInteger)count {}
- (void)flush {}
@end
)";

// Counts how often the answer had to be worked out.
struct XACountingQuestion {
    int computed = 0;
    bool ask(CXCursor cursor) {
        return XAMemoisedAnswer<bool>("test question", cursor, [this] {
            ++computed;
            return true;
        });
    }
};

} // namespace

TEST(XATranslationUnitMemoTest, AnswersOnceWhileTheUnitIsOpen) {
    XAParsedSnippet snippet(kSource);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor flush = snippet.find(CXCursor_ObjCInstanceMethodDecl, "flush");
    XACountingQuestion question;
    {
        const XATranslationUnitMemo memo(snippet.unit());
        EXPECT_TRUE(question.ask(flush));
        EXPECT_TRUE(question.ask(flush));
        EXPECT_EQ(question.computed, 1);
        // Another cursor, and another question about the same cursor, are answers of their own.
        question.ask(snippet.find(CXCursor_ObjCInstanceMethodDecl, "count"));
        EXPECT_EQ(question.computed, 2);
        EXPECT_EQ(XAMemoisedAnswer<bool>("another question", flush, [] { return false; }), false);
    }
    // Closed: worked out each time.
    question.ask(flush);
    question.ask(flush);
    EXPECT_EQ(question.computed, 4);
}

TEST(XATranslationUnitMemoTest, CursorsOfAnotherUnitAreNotRemembered) {
    XAParsedSnippet snippet(kSource);
    XAParsedSnippet other(kSource);
    ASSERT_SNIPPET_PARSED(snippet);
    ASSERT_SNIPPET_PARSED(other);
    const XATranslationUnitMemo memo(snippet.unit());
    XACountingQuestion question;
    const CXCursor elsewhere = other.find(CXCursor_ObjCInstanceMethodDecl, "flush");
    question.ask(elsewhere);
    question.ask(elsewhere);
    EXPECT_EQ(question.computed, 2);
    {
        // A memo opened inside another one takes over until it closes.
        const XATranslationUnitMemo inner(other.unit());
        question.ask(elsewhere);
        question.ask(elsewhere);
        EXPECT_EQ(question.computed, 3);
    }
    question.ask(elsewhere);
    EXPECT_EQ(question.computed, 4);
}

// The accessor queries are remembered: an accessor declared by an adopted protocol, one of the class, and a method
// that is none give the same answers with the memo open as without, and the memo holds them.
TEST(XATranslationUnitMemoTest, PropertyAccessorAnswersAreRemembered) {
    XAParsedSnippet snippet(kSource);
    ASSERT_SNIPPET_PARSED(snippet);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"name", "name"}, {"setCount:", "count"}, {"flush", "(none)"}};
    const XATranslationUnitMemo memo(snippet.unit());
    for (const auto &[methodName, propertyName] : cases) {
        const CXCursor method = snippet.find(CXCursor_ObjCInstanceMethodDecl, methodName);
        for (int round = 0; round < 2; ++round) {
            const CXCursor property = XAPropertyDeclOfAccessor(method);
            EXPECT_EQ(XAIsNullCursor(property) ? "(none)" : XACursorSpelling(property).value_or("?"), propertyName)
                << methodName;
            EXPECT_EQ(XAIsPropertyAccessor(method), propertyName != "(none)") << methodName;
        }
        EXPECT_NE(memo.find("property of accessor", method), nullptr) << methodName;
    }
}
