#include "codemodel/clang/XALocalizedStringLookups.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XALiteralValues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const char *const kLookupsSnippet = R"(#import <Foundation/Foundation.h>
NSString *MyLocalized(NSString *key);
void lookups(NSString *variableTable, NSString *variableKey, NSBundle *otherBundle, BOOL flag) {
    NSBundle *main = [NSBundle mainBundle];
    (void)main;
    (void)[[NSBundle mainBundle] localizedStringForKey:@"nilTable" value:@"" table:nil];
    (void)[NSBundle.mainBundle localizedStringForKey:@"variableTable" value:@"" table:variableTable];
    (void)[NSBundle.mainBundle localizedStringForKey:(@"literalTable") value:@"" table:@"Errors"];
    (void)[NSBundle.mainBundle localizedStringForKey:@"emptyTable" value:@"" table:@""];
    (void)[NSBundle.mainBundle localizedStringForKey:(flag ? @"yes" : @"no") value:@"" table:NULL];
    (void)[NSBundle.mainBundle localizedStringForKey:variableKey value:@"" table:nil];
    (void)[otherBundle localizedStringForKey:@"otherBundle" value:@"" table:nil];
    (void)NSLocalizedString(@"macro", nil);
    (void)MyLocalized(flag ? @"first" : @"second");
    CFStringRef cfVariable = CFSTR("t");
    CFRelease(CFBundleCopyLocalizedString(CFBundleGetMainBundle(), CFSTR("cfNull"), CFSTR(""), NULL));
    CFRelease(CFBundleCopyLocalizedString(CFBundleGetMainBundle(), CFSTR("cfVariable"), CFSTR(""), cfVariable));
    CFRelease(CFBundleCopyLocalizedString(CFBundleGetMainBundle(), CFSTR("cfTable"), CFSTR(""), CFSTR("Menu")));
    CFRelease(CFBundleCopyLocalizedString((__bridge CFBundleRef)otherBundle, CFSTR("cfOther"), CFSTR(""), NULL));
}
)";

using Lookups = std::optional<XALocalizedStringLookups>;

class XALocalizedStringLookupsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { snippet_ = new XAParsedSnippet(kLookupsSnippet); }
    static void TearDownTestSuite() {
        delete snippet_;
        snippet_ = nullptr;
    }
    void SetUp() override { ASSERT_SNIPPET_PARSED(*snippet_); }

    // The lookups of every call and message of the snippet, in the order written.
    static std::vector<XALocalizedStringLookups> allLookups(const std::vector<std::string> &routines) {
        std::vector<XALocalizedStringLookups> found;
        const std::vector<CXCursor> calls = XAParsedSnippet::findAll(snippet_->root(), [](CXCursor cursor) {
            return (cursor.kind == CXCursor_CallExpr || cursor.kind == CXCursor_ObjCMessageExpr) &&
                   snippet_->isInSnippetFolder(cursor);
        });
        for (CXCursor call : calls) {
            if (Lookups lookups = findLocalizedStringCalls(routines, call)) {
                found.push_back(*lookups);
            }
        }
        return found;
    }

    static inline XAParsedSnippet *snippet_ = nullptr;
};

TEST_F(XALocalizedStringLookupsTest, FindsTheKeysAndTablesOfEveryMainBundleLookup) {
    const std::vector<XALocalizedStringLookups> expected = {
        {{"nilTable", "Localizable"}},
        {{"variableTable", std::nullopt}},
        {{"literalTable", "Errors"}},
        {{"emptyTable", std::nullopt}},
        {{"no", "Localizable"}, {"yes", "Localizable"}},
        {},
        {{"macro", "Localizable"}},
        {{"first", "Localizable"}, {"second", "Localizable"}},
        {{"cfNull", "Localizable"}},
        {{"cfVariable", "Localizable"}},
        {{"cfTable", "Menu"}},
    };
    EXPECT_EQ(allLookups({"MyLocalized"}), expected);
}

TEST_F(XALocalizedStringLookupsTest, AnEmptyRoutineListFindsNoRoutineCalls) {
    const std::vector<XALocalizedStringLookups> found = allLookups({});
    ASSERT_EQ(found.size(), 10u);
    EXPECT_EQ(found[7], (XALocalizedStringLookups{{"cfNull", "Localizable"}}));
}

TEST_F(XALocalizedStringLookupsTest, LookupsInAnotherBundleAreNotTheApplications) {
    const CXCursor otherMessage = XAParsedSnippet::findAll(snippet_->root(), [](CXCursor cursor) {
                                      return cursor.kind == CXCursor_ObjCMessageExpr &&
                                             XAStringLiteralArgumentOfMessage(0, cursor) == "otherBundle";
                                  }).at(0);
    EXPECT_EQ(XABundleLocalizedStringMessageKeys(otherMessage), std::nullopt);
    const CXCursor otherCall =
        XAParsedSnippet::findAll(snippet_->root(), [](CXCursor cursor) {
            return cursor.kind == CXCursor_CallExpr && XACursorSpelling(cursor) == "CFBundleCopyLocalizedString";
        }).back();
    EXPECT_EQ(XACFBundleLocalizedStringCallKeys(otherCall), std::nullopt);
    EXPECT_EQ(findLocalizedStringCalls({"MyLocalized"}, snippet_->find(CXCursor_ObjCMessageExpr, "mainBundle")),
              std::nullopt);
}

} // namespace
