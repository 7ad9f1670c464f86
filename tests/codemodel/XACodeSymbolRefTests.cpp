#include "codemodel/clang/XACodeSymbolRef.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct XAReferenceCase {
    XACodeSymbolRef reference;
    std::optional<std::string> appleRef;
    std::optional<std::string> displayName;
    std::optional<std::string> searchTerm;
};

} // namespace

TEST(XACodeSymbolRefTest, PartsGiveReferenceDisplayNameAndSearchTerm) {
    const std::vector<XAReferenceCase> cases = {
        {XACodeSymbolRef::withObjCMethod("NSView", "setNeedsDisplay:", true),
         "//apple_ref/occ/instm/NSView/setNeedsDisplay:", "NSView method -setNeedsDisplay:", "NSView setNeedsDisplay:"},
        {XACodeSymbolRef::withObjCMethod("NSView", "setNeedsDisplay:", false),
         "//apple_ref/occ/clm/NSView/setNeedsDisplay:", "NSView method +setNeedsDisplay:", "NSView setNeedsDisplay:"},
        {XACodeSymbolRef::withObjCClassName("NSString"), "//apple_ref/occ/cl/NSString", "class NSString", "NSString"},
        {XACodeSymbolRef::withObjCProtocolName("NSCopying"), "//apple_ref/occ/intf/NSCopying", "protocol NSCopying",
         "NSCopying"},
        // A property is "instp" also when it is a class property.
        {XACodeSymbolRef::withObjCProperty("UIView", "frame", false), "//apple_ref/occ/instp/UIView/frame",
         "UIView property frame", "UIView frame"},
        {XACodeSymbolRef::withFunctionName("NSLog"), "//apple_ref/c/func/NSLog", "function NSLog", "NSLog"},
        {XACodeSymbolRef::withMacroName("NS_ENUM"), "//apple_ref/c/macro/NS_ENUM", "macro NS_ENUM", "NS_ENUM"},
        {XACodeSymbolRef::withTypedefDisplayName("NSInteger"), "//apple_ref/c/tdef/NSInteger", "typedef NSInteger",
         "NSInteger"},
        // Required parts that are empty give no reference and so no display name.
        {XACodeSymbolRef::withObjCClassName(""), std::nullopt, std::nullopt, ""},
        {XACodeSymbolRef::withObjCMethod("NSView", "", true), std::nullopt, std::nullopt, "NSView "},
        {XACodeSymbolRef(), std::nullopt, std::nullopt, std::nullopt},
    };
    for (const XAReferenceCase &c : cases) {
        EXPECT_EQ(c.reference.appleRef(), c.appleRef) << c.appleRef.value_or("(none)");
        EXPECT_EQ(c.reference.displayName(), c.displayName) << c.appleRef.value_or("(none)");
        EXPECT_EQ(c.reference.searchTerm(), c.searchTerm) << c.appleRef.value_or("(none)");
    }
}

TEST(XACodeSymbolRefTest, ReferenceStringsAreParsedAndKept) {
    const XACodeSymbolRef classRef = XACodeSymbolRef::withAppleRef("//apple_ref/occ/cl/NSString");
    EXPECT_EQ(classRef.type(), XACodeSymbolTypeObjCClass);
    EXPECT_EQ(classRef.objCClassName(), "NSString");

    const XACodeSymbolRef function = XACodeSymbolRef::withAppleRef("apple_ref/c/func/NSLog");
    EXPECT_EQ(function.type(), XACodeSymbolTypeFunction);
    EXPECT_EQ(function.functionName(), "NSLog");
    EXPECT_EQ(function.appleRef(), "apple_ref/c/func/NSLog");
    // Without its leading "//" the string is no known fragment, so the display name is the string itself.
    EXPECT_EQ(function.displayName(), "apple_ref/c/func/NSLog");

    const XACodeSymbolRef method = XACodeSymbolRef::withAppleRef("//apple_ref/occ/clm/NSBundle/mainBundle");
    EXPECT_EQ(method.type(), XACodeSymbolTypeObjCMethod);
    EXPECT_EQ(method.objCClassName(), "NSBundle");
    EXPECT_EQ(method.objCMethodName(), "mainBundle");
    EXPECT_FALSE(method.isInstanceMethodOrProperty());

    const XACodeSymbolRef property = XACodeSymbolRef::withAppleRef("//apple_ref/occ/instp/UIView/frame");
    EXPECT_EQ(property.type(), XACodeSymbolTypeObjCProperty);
    EXPECT_EQ(property.objCPropertyName(), "frame");
    EXPECT_TRUE(property.isInstanceMethodOrProperty());

    // Not understood: too few components, an unknown kind, not an apple_ref. The string stays the reference.
    for (const char *text : {"//apple_ref/occ/instm/NSView", "//apple_ref/occ/xyz/NSView/a", "//apple_ref/swift/a/b",
                             "//other_ref/occ/cl/NSString", ""}) {
        const XACodeSymbolRef reference = XACodeSymbolRef::withAppleRef(text);
        EXPECT_EQ(reference.type(), XACodeSymbolTypeUnknown) << text;
        EXPECT_EQ(reference.explicitAppleRef(), text);
        EXPECT_EQ(reference.appleRef(), *text ? std::optional<std::string>(text) : std::nullopt) << text;
    }
}

TEST(XACodeSymbolRefTest, DisplayNamesAreParsed) {
    const std::optional<XACodeSymbolRef> classMethod =
        XACodeSymbolRef::withObjCMethodDisplayName(" +[NSBundle mainBundle] ");
    ASSERT_TRUE(classMethod.has_value());
    EXPECT_EQ(classMethod->appleRef(), "//apple_ref/occ/clm/NSBundle/mainBundle");
    const std::optional<XACodeSymbolRef> spaced = XACodeSymbolRef::withObjCMethodDisplayName("- [ NSView  setFrame: ]");
    ASSERT_TRUE(spaced.has_value());
    EXPECT_EQ(spaced->objCClassName(), "NSView");
    EXPECT_EQ(spaced->objCMethodName(), "setFrame:");
    EXPECT_TRUE(spaced->isInstanceMethodOrProperty());
    for (const char *text : {"NSBundle mainBundle", "[NSBundle mainBundle]", "+[NSBundle]", "+[NSBundle mainBundle"}) {
        EXPECT_FALSE(XACodeSymbolRef::withObjCMethodDisplayName(text).has_value()) << text;
    }

    EXPECT_EQ(XACodeSymbolRef::withFunctionDisplayName("  NSLog(...) ").functionName(), "NSLog");
    EXPECT_EQ(XACodeSymbolRef::withFunctionDisplayName("NSLog").functionName(), "NSLog");
    EXPECT_EQ(XACodeSymbolRef::withMacroDisplayName("NSAssert(condition, desc)").macroName(), "NSAssert");

    EXPECT_EQ(XACodeSymbolRef::withObjCPropertyDisplayName("UIView.frame").appleRef(),
              "//apple_ref/occ/instp/UIView/frame");
    const XACodeSymbolRef noDot = XACodeSymbolRef::withObjCPropertyDisplayName("frame");
    EXPECT_EQ(noDot.type(), XACodeSymbolTypeObjCProperty);
    EXPECT_EQ(noDot.appleRef(), std::nullopt);
}

TEST(XACodeSymbolRefTest, DisplayNameOfAReferenceString) {
    EXPECT_EQ(XACodeSymbolRef::displayNameForAppleRef("//apple_ref/occ/instp/UIView/frame"), "UIView property frame");
    EXPECT_EQ(XACodeSymbolRef::displayNameForAppleRef("//apple_ref/occ/clp/UIView/layerClass"),
              "UIView property layerClass");
    EXPECT_EQ(XACodeSymbolRef::displayNameForAppleRef("see //apple_ref/c/func/NSLog"), "function NSLog");
    EXPECT_EQ(XACodeSymbolRef::displayNameForAppleRef("https://example.com/doc"), "https://example.com/doc");
}
