#include "codemodel/clang/XAPossibleStringValues.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XACursorNavigation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::set<std::string>;

const char *const kValuesSnippet = R"(#import <Foundation/Foundation.h>
static NSString *const kConstant = @"k";
static NSString *gVariable = @"v";
@interface Names : NSObject
- (NSString *)twoNames:(BOOL)flag;
- (NSString *)unknownName:(NSString *)name;
- (NSString *)growing:(BOOL)flag;
@end
@implementation Names
- (NSString *)twoNames:(BOOL)flag {
    if (flag) {
        return @"a";
    }
    return @"b";
}
- (NSString *)unknownName:(NSString *)name { return name; }
- (NSString *)growing:(BOOL)flag { return flag ? @"x" : [[self growing:!flag] stringByAppendingString:@"y"]; }
@end
void values(Names *names, BOOL flag, NSString *unknown, int number) {
    NSString *conditional = flag ? @"a" : @"b";
    NSString *halfKnown = flag ? @"a" : unknown;
    NSString *unknownFirst = flag ? unknown : @"b";
    NSString *extension = [@"a" stringByAppendingPathExtension:@"png"];
    NSString *component = [(flag ? @"/a" : @"/b") stringByAppendingPathComponent:@"c"];
    NSString *appended = [kConstant stringByAppendingString:@"s"];
    NSString *notConstant = [gVariable stringByAppendingString:@"s"];
    NSString *format = [NSString stringWithFormat:@"%@-%@", flag ? @"a" : @"b", @"c"];
    NSString *bareFormat = [NSString stringWithFormat:@"x"];
    NSString *numberFormat = [NSString stringWithFormat:@"%d", number];
    NSString *appendedFormat = [@"p" stringByAppendingFormat:@"%@", flag ? @"1" : @"2"];
    NSString *returned = [names twoNames:flag];
    NSString *notReturned = [names unknownName:@"z"];
    NSString *recursive = [names growing:flag];
    const char *cString = "abc";
    (void)conditional; (void)halfKnown; (void)unknownFirst; (void)extension; (void)component; (void)appended;
    (void)notConstant; (void)format; (void)bareFormat; (void)numberFormat; (void)appendedFormat; (void)returned;
    (void)notReturned; (void)recursive; (void)cString;
}
)";

class XAPossibleStringValuesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        snippet_ = new XAParsedSnippet(kValuesSnippet);
        ASSERT_SNIPPET_PARSED(*snippet_);
    }
    static void TearDownTestSuite() {
        delete snippet_;
        snippet_ = nullptr;
    }

    static XAPossibleStrings valuesOf(const char *variable) {
        return XAPossibleStringValues(XALastChild(snippet_->find(CXCursor_VarDecl, variable)));
    }

    static inline XAParsedSnippet *snippet_ = nullptr;
};

// Format arguments: `count` conditionals, each choosing among `choices` literals.
std::string formatOfConditionals(int count, int choices) {
    std::string format = "@\"";
    std::string arguments;
    for (int argument = 0; argument < count; ++argument) {
        format += "%@";
        std::string conditional = "@\"end\"";
        for (int choice = 0; choice < choices - 1; ++choice) {
            conditional = "(flag == " + std::to_string(choice) + " ? @\"" + std::to_string(argument) + "." +
                          std::to_string(choice) + "\" : " + conditional + ")";
        }
        arguments += ", " + conditional;
    }
    return "[NSString stringWithFormat:" + format + "\"" + arguments + "]";
}

} // namespace

TEST_F(XAPossibleStringValuesTest, ConditionalsAndStringMessages) {
    EXPECT_EQ(valuesOf("conditional"), (Strings{"a", "b"}));
    // An unknown second branch adds nothing; an unknown first branch makes the whole unknown.
    EXPECT_EQ(valuesOf("halfKnown"), (Strings{"a"}));
    EXPECT_EQ(valuesOf("unknownFirst"), std::nullopt);
    EXPECT_EQ(valuesOf("extension"), (Strings{"a.png"}));
    EXPECT_EQ(valuesOf("component"), (Strings{"/a/c", "/b/c"}));
    EXPECT_EQ(valuesOf("appended"), (Strings{"ks"}));
    EXPECT_EQ(valuesOf("notConstant"), std::nullopt);
}

TEST_F(XAPossibleStringValuesTest, Formats) {
    EXPECT_EQ(valuesOf("format"), (Strings{"a-c", "b-c"}));
    // No further argument gives no choice of values: known, and empty.
    EXPECT_EQ(valuesOf("bareFormat"), Strings{});
    EXPECT_EQ(valuesOf("numberFormat"), std::nullopt);
    EXPECT_EQ(valuesOf("appendedFormat"), (Strings{"p1", "p2"}));
}

TEST_F(XAPossibleStringValuesTest, CallsAreFollowedIntoTheirDefinitions) {
    EXPECT_EQ(valuesOf("returned"), (Strings{"a", "b"}));
    // A definition that returns nothing known contributes nothing: the empty set, not unknown.
    EXPECT_EQ(valuesOf("notReturned"), Strings{});
    // A definition that reaches itself again ends after the depth is used up.
    const XAPossibleStrings recursive = valuesOf("recursive");
    ASSERT_TRUE(recursive.has_value());
    EXPECT_EQ(*recursive, (Strings{"x", "xy", "xyy", "xyyy", "xyyyy"}));
    // A C string literal on its own is not one of the values followed.
    EXPECT_EQ(valuesOf("cString"), std::nullopt);
}

TEST(XAPossibleStringValuesLimitTest, MoreThanAThousandValuesAreUnknown) {
    // Three arguments of ten choices give exactly a thousand values; four of six give 1296.
    XAParsedSnippet snippet("#import <Foundation/Foundation.h>\nvoid values(int flag) {\n"
                            "    NSString *thousand = " +
                            formatOfConditionals(3, 10) +
                            ";\n"
                            "    NSString *tooMany = " +
                            formatOfConditionals(4, 6) + ";\n    (void)thousand; (void)tooMany;\n}\n");
    ASSERT_SNIPPET_PARSED(snippet);
    const XAPossibleStrings thousand = XAPossibleStringValues(XALastChild(snippet.find(CXCursor_VarDecl, "thousand")));
    ASSERT_TRUE(thousand.has_value());
    EXPECT_EQ(thousand->size(), 1000u);
    EXPECT_TRUE(thousand->contains("0.0end2.8"));
    EXPECT_EQ(XAPossibleStringValues(XALastChild(snippet.find(CXCursor_VarDecl, "tooMany"))), std::nullopt);
}
