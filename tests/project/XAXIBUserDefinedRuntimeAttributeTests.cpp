#include "project/XAXIBUserDefinedRuntimeAttribute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

XAXIBUserDefinedRuntimeAttribute attributeFromXML(const std::string &xml) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(xml.c_str())) << xml;
    return XAXIBUserDefinedRuntimeAttribute(document.document_element());
}

// ---- Reading values ----

TEST(XAXIBUserDefinedRuntimeAttributeTest, ValueTypeFromTypeAndLocalizedAttributes) {
    const struct {
        const char *xml;
        XAXIBAttributeValueType type;
    } cases[] = {
        {R"(<a type="string" value="x"/>)", XAXIBAttributeValueTypeString},
        {R"(<a type="string" localized="YES"/>)", XAXIBAttributeValueTypeLocalizedString},
        // Only exactly "YES" marks a localised string.
        {R"(<a type="string" localized="yes"/>)", XAXIBAttributeValueTypeString},
        {R"(<a type="number"/>)", XAXIBAttributeValueTypeNumber},
        {R"(<a type="color"/>)", XAXIBAttributeValueTypeColor},
        {R"(<a type="image"/>)", XAXIBAttributeValueTypeImage},
        {R"(<a type="boolean"/>)", XAXIBAttributeValueTypeBoolean},
        {R"(<a type="point"/>)", XAXIBAttributeValueTypePoint},
        {R"(<a type="size"/>)", XAXIBAttributeValueTypeSize},
        {R"(<a type="rect"/>)", XAXIBAttributeValueTypeRect},
        {R"(<a type="range"/>)", XAXIBAttributeValueTypeRange},
        {R"(<a type="nil"/>)", XAXIBAttributeValueTypeNil},
        {R"(<a type="String"/>)", XAXIBAttributeValueTypeNone},
        {R"(<a type="fontDescriptor"/>)", XAXIBAttributeValueTypeNone},
        {R"(<a keyPath="noType"/>)", XAXIBAttributeValueTypeNone},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(attributeFromXML(c.xml).valueType(), c.type) << c.xml;
    }
}

TEST(XAXIBUserDefinedRuntimeAttributeTest, NumberComesFromTheChildKeyedValue) {
    const auto number = attributeFromXML(
        R"(<a type="number" keyPath="k"><real key="other" value="9"/><real key="value" value="2.5"/></a>)");
    EXPECT_EQ(number.keyPath(), "k");
    EXPECT_EQ(number.numberValue(), 2.5);
    EXPECT_EQ(number.valueDescription(), "2.5");
    // Only the value of the attribute's own type is set.
    EXPECT_FALSE(number.stringValue());
    EXPECT_FALSE(number.colorValue());

    EXPECT_EQ(attributeFromXML(R"(<a type="number"><integer key="value" value="-3"/></a>)").numberValue(), -3.0);
    EXPECT_EQ(attributeFromXML(R"(<a type="number"><real key="value" value="1e3"/></a>)").valueDescription(), "1000");

    for (const char *xml : {R"(<a type="number"><real key="value" value="many"/></a>)", R"(<a type="number"/>)"}) {
        const auto unreadable = attributeFromXML(xml);
        ASSERT_TRUE(unreadable.numberValue()) << xml;
        EXPECT_TRUE(std::isnan(*unreadable.numberValue())) << xml;
        EXPECT_EQ(unreadable.valueDescription(), "NaN") << xml;
    }
}

TEST(XAXIBUserDefinedRuntimeAttributeTest, GeometryAndColourAreSinglePrecisionPrefixes) {
    const auto color =
        attributeFromXML(R"(<a type="color"><color key="value" red="0.1" green="1" blue="0.5px" alpha="none"/></a>)");
    ASSERT_TRUE(color.colorValue());
    // Stored as the single-precision value widened, not as the double nearest 0.1.
    EXPECT_EQ(color.colorValue()->red, static_cast<double>(0.1f));
    EXPECT_NE(color.colorValue()->red, 0.1);
    EXPECT_EQ(color.colorValue()->green, 1.0);
    EXPECT_EQ(color.colorValue()->blue, 0.5);
    EXPECT_EQ(color.colorValue()->alpha, 0.0);

    const auto rect = attributeFromXML(R"(<a type="rect"><rect key="value" x=" 1.5" y="-2" width="+3"/></a>)");
    EXPECT_EQ(rect.rectValue(), (XAXIBRect{{1.5, -2}, {3, 0}}));
    EXPECT_EQ(rect.valueDescription(), "{{1.5, -2}, {3, 0}}");

    // A missing child reads as zeros.
    EXPECT_EQ(attributeFromXML(R"(<a type="point"/>)").pointValue(), (XAXIBPoint{0, 0}));
    EXPECT_EQ(attributeFromXML(R"(<a type="size"><point key="value" x="1"/></a>)").sizeValue(), (XAXIBSize{0, 0}));

    const auto range = attributeFromXML(R"(<a type="range"><range key="value" location="4" length="junk"/></a>)");
    EXPECT_EQ(range.rangeValue(), (XAXIBRange{4, 0}));
    EXPECT_EQ(range.valueDescription(), "{4, 0}");
}

TEST(XAXIBUserDefinedRuntimeAttributeTest, BooleanIsExactlyYES) {
    EXPECT_TRUE(attributeFromXML(R"(<a type="boolean" value="YES"/>)").boolValue());
    EXPECT_FALSE(attributeFromXML(R"(<a type="boolean" value="yes"/>)").boolValue());
    EXPECT_EQ(attributeFromXML(R"(<a type="boolean" value="yes"/>)").valueDescription(), "NO");
    EXPECT_FALSE(attributeFromXML(R"(<a type="boolean"/>)").boolValue());
}

TEST(XAXIBUserDefinedRuntimeAttributeTest, DisplayNames) {
    EXPECT_EQ(XAXIBUserDefinedRuntimeAttribute::displayNameForValueType(XAXIBAttributeValueTypeLocalizedString),
              "localized string");
    EXPECT_EQ(XAXIBUserDefinedRuntimeAttribute::displayNameForValueType(XAXIBAttributeValueTypeNil), "nil");
    for (int unknown : {0, 12, -1, 1000}) {
        EXPECT_EQ(XAXIBUserDefinedRuntimeAttribute::displayNameForValueType(unknown), std::nullopt) << unknown;
    }
    EXPECT_EQ(attributeFromXML(R"(<a type="range"/>)").typeDisplayName(), "range");
}

// ---- Type fit ----

XAXIBTypeFacts facts(int kind, std::string spelling) { return {kind, std::move(spelling), XAXIBTypeKind::Invalid, ""}; }

XAXIBPropertyType objectPointer(const std::string &className) {
    return XAXIBPropertyType::withType(
        {XAXIBTypeKind::ObjCObjectPointer, className + " *", XAXIBTypeKind::ObjCInterface, className});
}

XAXIBPropertyType typedefOf(const std::string &name, XAXIBTypeFacts underlying) {
    return {facts(XAXIBTypeKind::Typedef, name), std::move(underlying)};
}

constexpr int kLong = 18;
constexpr int kInt = 17;
constexpr int kRecord = 105;

TEST(XAXIBUserDefinedRuntimeAttributeTest, TypeFitByValueType) {
    const XAXIBPropertyType NSInteger = typedefOf("NSInteger", facts(kLong, "long"));
    const XAXIBPropertyType CGFloat = typedefOf("CGFloat", facts(XAXIBTypeKind::Double, "double"));
    const XAXIBPropertyType BOOLType = typedefOf("BOOL", facts(XAXIBTypeKind::Bool, "bool"));
    const XAXIBPropertyType intType = XAXIBPropertyType::withType(facts(kInt, "int"));
    const XAXIBPropertyType idType = XAXIBPropertyType::withType(facts(XAXIBTypeKind::ObjCId, "id"));
    const XAXIBPropertyType CGPoint = typedefOf("CGPoint", facts(kRecord, "struct CGPoint"));
    const XAXIBPropertyType NSRange = typedefOf("NSRange", facts(kRecord, "struct _NSRange"));
    const XAXIBPropertyType block = typedefOf("XDCompletion", facts(XAXIBTypeKind::BlockPointer, "void (^)(void)"));
    // A typedef of a class pointer answers the class test through its underlying type.
    const XAXIBPropertyType stringTypedef = {
        facts(XAXIBTypeKind::Typedef, "XDName"),
        {XAXIBTypeKind::ObjCObjectPointer, "NSString *", XAXIBTypeKind::ObjCInterface, "NSString"}};

    const char *three = R"(<a type="number"><integer key="value" value="3"/></a>)";
    const char *twoAndAHalf = R"(<a type="number"><real key="value" value="2.5"/></a>)";
    const char *string = R"(<a type="string" value="x"/>)";
    const char *image = R"(<a type="image" value="x"/>)";
    const struct {
        const char *xml;
        XAXIBPropertyType type;
        bool fits;
        const char *what;
    } cases[] = {
        {three, NSInteger, true, "integral number into NSInteger"},
        {three, CGFloat, true, "integral number into CGFloat"},
        {three, objectPointer("NSNumber"), true, "number into NSNumber *"},
        {three, BOOLType, false, "number into BOOL"},
        {twoAndAHalf, CGFloat, true, "fraction into CGFloat"},
        {twoAndAHalf, NSInteger, false, "fraction into NSInteger"},
        {twoAndAHalf, BOOLType, false, "fraction into BOOL"},
        {twoAndAHalf, objectPointer("NSValue"), true, "fraction into NSValue *"},
        {R"(<a type="number"><real key="value" value="x"/></a>)", NSInteger, false, "no number into NSInteger"},
        {string, objectPointer("NSString"), true, "string into NSString *"},
        {string, objectPointer("NSObject"), true, "string into NSObject *"},
        {string, objectPointer("NSMutableString"), false, "string into NSMutableString *"},
        {string, idType, false, "string into id"},
        {string, stringTypedef, true, "string into a typedef of NSString *"},
        {R"(<a type="string" localized="YES"/>)", objectPointer("NSString"), true, "localized string"},
        {image, objectPointer("UIImage"), true, "image into UIImage *"},
        {image, objectPointer("NSObject"), false, "image into NSObject *"},
        {R"(<a type="color"/>)", objectPointer("UIColor"), true, "color into UIColor *"},
        {R"(<a type="color"/>)", objectPointer("CIColor"), false, "color into CIColor *"},
        {R"(<a type="boolean" value="YES"/>)", BOOLType, true, "boolean into BOOL"},
        {R"(<a type="boolean" value="YES"/>)", XAXIBPropertyType::withType(facts(XAXIBTypeKind::Bool, "_Bool")), true,
         "boolean into _Bool"},
        {R"(<a type="boolean" value="YES"/>)", intType, false, "boolean into int"},
        {R"(<a type="point"/>)", CGPoint, true, "point into CGPoint"},
        {R"(<a type="size"/>)", CGPoint, false, "size into CGPoint"},
        {R"(<a type="rect"/>)", typedefOf("NSRect", facts(kRecord, "struct CGRect")), true, "rect into NSRect"},
        {R"(<a type="range"/>)", NSRange, true, "range into NSRange"},
        {R"(<a type="nil"/>)", idType, true, "nil into id"},
        {R"(<a type="nil"/>)", objectPointer("NSString"), true, "nil into NSString *"},
        {R"(<a type="nil"/>)", block, true, "nil into a block typedef"},
        {R"(<a type="nil"/>)", intType, false, "nil into int"},
        {R"(<a type="mystery"/>)", idType, false, "unknown type"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(attributeFromXML(c.xml).typeMatchesType(c.type), c.fits) << c.what;
    }
}

} // namespace
