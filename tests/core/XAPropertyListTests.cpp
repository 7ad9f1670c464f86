#include "core/XAPropertyList.h"
#include "core/XAPropertyListTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <locale.h>

using ::testing::HasSubstr;
using ::testing::StartsWith;
using namespace xa_plist_testing;

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(XAPropertyList, XMLAndBinaryRoundTripsKeepValuesAndKeyOrder) {
    const XAValue original = richValue();
    for (XAPropertyListFormat format : {XAPropertyListFormat::XML, XAPropertyListFormat::Binary}) {
        XAError error;
        std::optional<std::string> bytes = XAPropertyListData(original, format, &error);
        ASSERT_TRUE(bytes) << error.message;
        ReadResult result = readData(*bytes);
        ASSERT_TRUE(result.value) << result.error.message;
        EXPECT_EQ(result.format, format);
        EXPECT_EQ(*result.value, original) << result.value->description();
        EXPECT_EQ(keysOf(*result.value), keysOf(original));
    }
}

TEST(XAPropertyList, BinaryKeepsFractionsOfSecondsInDates) {
    for (double seconds : {123456789.25, -0.5, -1234.75, 0.000001}) {
        std::optional<std::string> bytes = XABinaryPropertyListData(XAValue(XADate{seconds}), nullptr);
        ASSERT_TRUE(bytes);
        ReadResult result = readData(*bytes);
        ASSERT_TRUE(result.value && result.value->date()) << result.error.message;
        EXPECT_NEAR(result.value->date()->secondsSinceReferenceDate, seconds, 1e-6) << seconds;
    }
}

// A locale whose decimal separator is a comma: an installed one, or one built for the test when glibc's
// locale sources are there.
locale_t commaDecimalLocale() {
    if (locale_t installed = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr)) {
        return installed;
    }
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "tessary-test-locales";
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (directory / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    std::filesystem::create_directories(directory);
    if (std::system(command.c_str()) != 0) {
        return nullptr;
    }
    setenv("LOCPATH", directory.c_str(), 1);
#ifdef __SANITIZE_ADDRESS__
    __lsan::ScopedDisabler keptByGlibc; // glibc never frees its copy of the LOCPATH list
#endif
    locale_t built = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
    unsetenv("LOCPATH");
    std::filesystem::remove_all(directory); // the loaded locale keeps its data mapped
    return built;
}

TEST(XAPropertyList, ReadsAndWritesXMLRealsWhateverTheThreadLocale) {
    locale_t german = commaDecimalLocale();
    if (!german) {
        GTEST_SKIP() << "no locale with a decimal comma can be had here";
    }
    locale_t previous = uselocale(german);
    ReadResult result = readData("<plist><array><real>0.75</real><real>-1.5e3</real></array></plist>");
    std::optional<std::string> xml = XAXMLPropertyListData(XAValue(0.25), nullptr);
    uselocale(previous);
    freelocale(german);
    ASSERT_TRUE(result.value) << result.error.message;
    EXPECT_EQ(*result.value, XAValue(XAValue::Array{XAValue(0.75), XAValue(-1500.0)})) << result.value->description();
    EXPECT_THAT(*xml, HasSubstr("<real>0.25</real>"));
}

TEST(XAPropertyList, DetectsTheFormatOfTheBytes) {
    struct Case {
        std::string bytes;
        XAPropertyListFormat format;
        XAValue expected;
    };
    const Case cases[] = {
        {*XABinaryPropertyListData(XAValue("bin"), nullptr), XAPropertyListFormat::Binary, XAValue("bin")},
        {"\xEF\xBB\xBF \n<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><string>x</string></plist>",
         XAPropertyListFormat::XML, XAValue("x")},
        {"<plist version=\"1.0\"><integer>5</integer></plist>", XAPropertyListFormat::XML, XAValue(5)},
        {"<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist><true/></plist>",
         XAPropertyListFormat::XML, XAValue(true)},
        {"<!-- generated -->\n<plist><array/></plist>", XAPropertyListFormat::XML, XAValue(XAValue::Array{})},
        {"// !$*UTF8*$!\n{ a = b; }", XAPropertyListFormat::OpenStep, XAValue(XADictionary{{"a", XAValue("b")}})},
        {"<68690a>", XAPropertyListFormat::OpenStep, XAValue(XAData{'h', 'i', '\n'})},
        {" [1, \"two\"]", XAPropertyListFormat::JSON, XAValue(XAValue::Array{XAValue(1), XAValue("two")})},
        {"{\"a\": {\"b\": null}}", XAPropertyListFormat::JSON,
         XAValue(XADictionary{{"a", XAValue(XADictionary{{"b", XAValue()}})}})},
    };
    for (const Case &c : cases) {
        ReadResult result = readData(c.bytes);
        ASSERT_TRUE(result.value) << c.bytes << ": " << result.error.message;
        EXPECT_EQ(result.format, c.format) << c.bytes;
        EXPECT_EQ(*result.value, c.expected) << c.bytes;
    }
}

TEST(XAPropertyList, OpenStepErrorsWinOverJSONForBracedText) {
    ReadResult result = readData("{\n a = b;\n c = ;\n}", "project.pbxproj");
    ASSERT_FALSE(result.value);
    EXPECT_EQ(result.error.message, "project.pbxproj:3: expected a value for the key \"c\" but found ';'");
}

TEST(XAPropertyList, XMLWriterEscapesWhatXMLCannotCarryRawAndLosesNothingElse) {
    const XAValue original(XADictionary{
        {"k\x01y", XAValue("a\x02"
                           "b\x7f")},
        {"nul", XAValue(std::string("x\0y", 3))},
        {"malformed", XAValue("\xFF ok \xC3")},
        {"noncharacter", XAValue("\xEF\xBF\xBE")},
        {"allowed", XAValue("tab\tlf\ncr\r \xF0\x9F\x98\x80")},
    });
    XAError error;
    std::optional<std::string> xml = XAXMLPropertyListData(original, &error);
    ASSERT_TRUE(xml) << error.message;
    for (unsigned char c : *xml) {
        ASSERT_TRUE(c >= 0x20 || c == '\t' || c == '\n' || c == '\r') << "raw control character " << int(c);
    }
    pugi::xml_document document;
    ASSERT_TRUE(document.load_buffer(xml->data(), xml->size(), pugi::parse_default, pugi::encoding_utf8));
    EXPECT_NE(xml->find("<key>k&#x1;y</key>"), std::string::npos) << *xml;
    EXPECT_NE(xml->find("<string>&#xFFFE;</string>"), std::string::npos) << *xml;

    ReadResult result = readData(*xml);
    ASSERT_TRUE(result.value) << result.error.message;
    EXPECT_EQ(*result.value, XAValue(XADictionary{
                                 {"k\x01y", XAValue("a\x02"
                                                    "b\x7f")},
                                 {"nul", XAValue("x" + kReplacement + "y")},
                                 {"malformed", XAValue(kReplacement + " ok " + kReplacement)},
                                 {"noncharacter", XAValue("\xEF\xBF\xBE")},
                                 {"allowed", XAValue("tab\tlf\ncr\r \xF0\x9F\x98\x80")},
                             }));
}

TEST(XAPropertyList, BinaryWriterKeepsControlCharactersButNotNUL) {
    const XAValue original(XADictionary{{"ctrl", XAValue("a\x01\x1f"
                                                         "b")},
                                        {"nul", XAValue(std::string("x\0y", 3))}});
    std::optional<std::string> bytes = XABinaryPropertyListData(original, nullptr);
    ASSERT_TRUE(bytes);
    ReadResult result = readData(*bytes);
    ASSERT_TRUE(result.value) << result.error.message;
    EXPECT_EQ(*result.value->stringForKey("ctrl"), "a\x01\x1f"
                                                   "b");
    EXPECT_EQ(*result.value->stringForKey("nul"), "x" + kReplacement + "y");
}

TEST(XAPropertyList, WritersRefuseNullsAndNameTheirPlace) {
    const XAValue value(
        XADictionary{{"objects", XAValue(XADictionary{{"a", XAValue(XAValue::Array{XAValue(1), XAValue()})}})}});
    XAError error;
    EXPECT_FALSE(XAXMLPropertyListData(value, &error));
    EXPECT_EQ(error.message, "a null value at objects.a[1] cannot be written to a property list");
    EXPECT_FALSE(XABinaryPropertyListData(XAValue(), &error));
    EXPECT_EQ(error.message, "a null value at the top level cannot be written to a property list");
    EXPECT_FALSE(XAOpenStepPropertyListData(value, &error));
    EXPECT_EQ(error.message, "a null value at objects.a[1] cannot be written as OpenStep");

    const XAValue clash(XADictionary{{std::string("a\0", 2), XAValue(1)}, {"a\xFF", XAValue(2)}});
    EXPECT_FALSE(XAXMLPropertyListData(clash, &error));
    EXPECT_THAT(error.message, HasSubstr("keys that differ only in characters a property list cannot hold"));
}

TEST(XAPropertyList, MapsIntegersBeyondTheSignedRangeAndUIDs) {
    struct Case {
        std::string xml;
        XAValue expected;
    };
    const Case cases[] = {
        {"<integer>-1</integer>", XAValue(std::int64_t{-1})},
        {"<integer>9223372036854775807</integer>", XAValue(std::int64_t{INT64_MAX})},
        {"<integer>-9223372036854775808</integer>", XAValue(std::int64_t{INT64_MIN})},
        {"<integer>9223372036854775808</integer>", XAValue(9223372036854775808.0)},
        {"<integer>18446744073709551615</integer>", XAValue(18446744073709551615.0)},
        {"<real>-0.25</real>", XAValue(-0.25)},
        {"<date>1850-06-01T12:00:00Z</date>", XAValue(*XADateFromISO8601String("1850-06-01T12:00:00Z"))},
    };
    for (const Case &c : cases) {
        ReadResult result = readData("<plist version=\"1.0\">" + c.xml + "</plist>");
        ASSERT_TRUE(result.value) << c.xml << ": " << result.error.message;
        EXPECT_EQ(*result.value, c.expected) << c.xml << " read as " << result.value->description();
    }
}

TEST(XAPropertyList, ReadsKeyedArchiverUIDsAsIntegers) {
    // { "$top" = UID(5) }
    std::string dictionary = "\xD1" + reference(1) + reference(2);
    ReadResult result = readData(binaryPlist({dictionary, "\x54$top", std::string("\x80\x05", 2)}));
    ASSERT_TRUE(result.value) << result.error.message;
    EXPECT_EQ(*result.value, XAValue(XADictionary{{"$top", XAValue(5)}}));
}

TEST(XAPropertyList, XMLErrorsNameTheLineAndTruncationIsAlwaysAnError) {
    ReadResult mismatched =
        readData("<?xml version=\"1.0\"?>\n<plist>\n<dict>\n<key>a</key>\n<string>b</dict>\n</plist>");
    ASSERT_FALSE(mismatched.value);
    EXPECT_THAT(mismatched.error.message, StartsWith("Info.plist:5: the XML property list is not well-formed: "));

    ReadResult notPlist = readData("<plist><dict><key>a</key><unknown/></dict></plist>");
    ASSERT_FALSE(notPlist.value);
    EXPECT_THAT(notPlist.error.message, StartsWith("Info.plist: the XML is not a property list"));

    std::string deep = "<plist>";
    for (int i = 0; i < 600; ++i) {
        deep += "<array>";
    }
    for (int i = 0; i < 600; ++i) {
        deep += "</array>";
    }
    EXPECT_THAT(readData(deep + "</plist>").error.message, HasSubstr("nested more than 512 levels deep"));

    const std::string xml = *XAXMLPropertyListData(richValue(), nullptr);
    const std::size_t end = xml.rfind("</plist>") + 7;
    for (std::size_t length = 0; length < end; ++length) {
        ReadResult result = readData(std::string_view(xml).substr(0, length), "cut.plist");
        ASSERT_FALSE(result.value) << "cut at " << length;
        ASSERT_THAT(result.error.message, StartsWith("cut.plist")) << "cut at " << length;
    }
}

TEST(XAPropertyList, ReadsFilesAndReportsWhyOneCannotBeRead) {
    XAError error;
    XAPropertyListFormat format = XAPropertyListFormat::OpenStep;
    const std::string fixtures = std::string(TESSARY_FIXTURES_DIR) + "/plist";
    std::optional<XAValue> info = XAPropertyListFromFile(fixtures + "/Info-utf16.plist", &error, &format);
    ASSERT_TRUE(info) << error.message;
    EXPECT_EQ(format, XAPropertyListFormat::XML);
    EXPECT_EQ(*info->stringForKey("CFBundleDisplayName"), "Caf\xC3\xA9 \xE2\x98\x95");
    EXPECT_EQ(*info->get("UIDeviceFamily"), XAValue(XAValue::Array{XAValue(1), XAValue(2)}));

    std::optional<XAValue> project = XAPropertyListFromFile(fixtures + "/synchronized-groups.pbxproj", &error, &format);
    ASSERT_TRUE(project) << error.message;
    EXPECT_EQ(format, XAPropertyListFormat::OpenStep);

    EXPECT_FALSE(XAPropertyListFromFile(fixtures + "/missing.plist", &error));
    EXPECT_EQ(error.message, "cannot read " + fixtures + "/missing.plist: No such file or directory");
    EXPECT_FALSE(XAPropertyListFromFile(fixtures, &error));
    EXPECT_EQ(error.message, "cannot read " + fixtures + ": Is a directory");

    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "tessary-empty-project.pbxproj";
    std::ofstream(empty).close();
    EXPECT_FALSE(XAPropertyListFromFile(empty.string(), &error));
    EXPECT_EQ(error.message, empty.string() + " is empty");
    std::filesystem::remove(empty);
}

} // namespace
