// The fit of XIB runtime attributes to properties declared in parsed code.

#include "codemodel/clang/XAXIBPropertyTypes.h"

#include "codemodel/XACodeSnippetSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char *const kPropertiesSnippet = R"(
#import <UIKit/UIKit.h>
typedef NSInteger MyCount;
typedef NSString *MyString;
typedef MyString MyOtherString;
typedef BOOL MyFlag;
typedef CGPoint MyPoint;
typedef void (^MyHandler)(void);
@interface Widget : UIView
@property (nonatomic) NSInteger integer;
@property (nonatomic) MyCount myCount;
@property (nonatomic) CGFloat width;
@property (nonatomic) NSNumber *number;
@property (nonatomic) BOOL flag;
@property (nonatomic) bool cFlag;
@property (nonatomic) MyFlag myFlag;
@property (nonatomic) CGPoint point;
@property (nonatomic) MyPoint myPoint;
@property (nonatomic) CGSize size;
@property (nonatomic) CGRect rect;
@property (nonatomic) NSRange range;
@property (nonatomic, copy, nullable) NSString *title;
@property (nonatomic) MyOtherString otherString;
@property (nonatomic) NSMutableString *mutableTitle;
@property (nonatomic) id anything;
@property (nonatomic) UIColor *color;
@property (nonatomic) UIImage *image;
@property (nonatomic, copy) MyHandler handler;
@end
)";

XAXIBUserDefinedRuntimeAttribute attribute(XAXIBAttributeValueType type, double number = 0) {
    XAXIBUserDefinedRuntimeAttribute attribute;
    attribute.setValueType(type);
    if (type == XAXIBAttributeValueTypeNumber) {
        attribute.setNumberValue(number);
    }
    return attribute;
}

struct XAFitCase {
    XAXIBAttributeValueType type;
    double number;
    std::vector<const char *> fitting;
    std::vector<const char *> notFitting;
};

} // namespace

TEST(XAXIBPropertyTypesTest, RuntimeAttributesFitParsedPropertyTypes) {
    XAParsedSnippet snippet(kPropertiesSnippet);
    ASSERT_SNIPPET_PARSED(snippet);
    const std::vector<XAFitCase> cases = {
        {XAXIBAttributeValueTypeNumber, 3, {"integer", "myCount", "width", "number"}, {"flag", "title", "point"}},
        {XAXIBAttributeValueTypeNumber, 2.5, {"width", "number"}, {"integer", "myCount", "flag"}},
        {XAXIBAttributeValueTypeBoolean, 0, {"flag", "cFlag", "myFlag"}, {"integer", "anything"}},
        {XAXIBAttributeValueTypePoint, 0, {"point", "myPoint"}, {"size", "rect"}},
        {XAXIBAttributeValueTypeSize, 0, {"size"}, {"point"}},
        {XAXIBAttributeValueTypeRect, 0, {"rect"}, {"size"}},
        {XAXIBAttributeValueTypeRange, 0, {"range"}, {"rect", "integer"}},
        {XAXIBAttributeValueTypeString, 0, {"title", "otherString"}, {"mutableTitle", "anything", "number"}},
        {XAXIBAttributeValueTypeColor, 0, {"color"}, {"image", "title"}},
        {XAXIBAttributeValueTypeImage, 0, {"image"}, {"color"}},
        {XAXIBAttributeValueTypeNil, 0, {"title", "anything", "handler", "otherString"}, {"integer", "point"}},
    };
    for (const XAFitCase &c : cases) {
        const XAXIBUserDefinedRuntimeAttribute value = attribute(c.type, c.number);
        for (const char *property : c.fitting) {
            const CXType type = XALibclang::fn().clang_getCursorType(snippet.find(CXCursor_ObjCPropertyDecl, property));
            EXPECT_TRUE(value.typeMatchesType(XAXIBPropertyTypeOfType(type)))
                << *value.typeDisplayName() << " " << c.number << " should fit " << property;
        }
        for (const char *property : c.notFitting) {
            const CXType type = XALibclang::fn().clang_getCursorType(snippet.find(CXCursor_ObjCPropertyDecl, property));
            EXPECT_FALSE(value.typeMatchesType(XAXIBPropertyTypeOfType(type)))
                << *value.typeDisplayName() << " " << c.number << " should not fit " << property;
        }
    }
}

TEST(XAXIBPropertyTypesTest, DescriptionOfATypedefChain) {
    XAParsedSnippet snippet(kPropertiesSnippet);
    ASSERT_SNIPPET_PARSED(snippet);
    const auto typeOf = [&](const char *property) {
        return XAXIBPropertyTypeOfType(
            XALibclang::fn().clang_getCursorType(snippet.find(CXCursor_ObjCPropertyDecl, property)));
    };
    const XAXIBPropertyType chain = typeOf("otherString");
    EXPECT_EQ(chain.type.kind, CXType_Typedef);
    EXPECT_EQ(chain.type.spelling, "MyOtherString");
    EXPECT_EQ(chain.underlying.spelling, "MyString");
    EXPECT_EQ(chain.underlying.kind, CXType_ObjCObjectPointer);
    EXPECT_EQ(chain.underlying.pointeeKind, CXType_ObjCInterface);
    EXPECT_EQ(chain.underlying.pointeeSpelling, "NSString");

    const XAXIBPropertyType plain = typeOf("title");
    EXPECT_EQ(plain.type.spelling, "NSString *");
    EXPECT_EQ(plain.underlying.spelling, plain.type.spelling);
    EXPECT_EQ(plain.underlying.pointeeSpelling, "NSString");

    const XAXIBPropertyType integer = typeOf("integer");
    EXPECT_EQ(integer.type.spelling, "NSInteger");
    EXPECT_EQ(integer.underlying.kind, CXType_Long);
}

TEST(XAXIBPropertyTypesTest, MacOSGeometryAndClasses) {
    XASnippetSettings macOS;
    macOS.platform = "macosx";
    XAParsedSnippet snippet(R"(
#import <Cocoa/Cocoa.h>
@interface Panel : NSView
@property (nonatomic) NSPoint origin;
@property (nonatomic) NSColor *tint;
@property (nonatomic) NSImage *picture;
@end
)",
                            macOS);
    ASSERT_SNIPPET_PARSED(snippet);
    const auto fits = [&](XAXIBAttributeValueType valueType, const char *property) {
        const CXType type = XALibclang::fn().clang_getCursorType(snippet.find(CXCursor_ObjCPropertyDecl, property));
        return attribute(valueType).typeMatchesType(XAXIBPropertyTypeOfType(type));
    };
    EXPECT_TRUE(fits(XAXIBAttributeValueTypePoint, "origin"));
    EXPECT_TRUE(fits(XAXIBAttributeValueTypeColor, "tint"));
    EXPECT_TRUE(fits(XAXIBAttributeValueTypeImage, "picture"));
    EXPECT_FALSE(fits(XAXIBAttributeValueTypeImage, "tint"));
}
