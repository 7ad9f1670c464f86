#include "core/XAOpenStepReader.h"
#include "core/XAPropertyList.h"

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

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

struct ReadResult {
    std::optional<XAValue> value;
    XAError error;
    XAPropertyListFormat format = XAPropertyListFormat::OpenStep;
};

ReadResult readData(std::string_view bytes, const std::string &source = "Info.plist") {
    ReadResult result;
    result.value = XAPropertyListFromData(bytes, source, &result.error, &result.format);
    return result;
}

std::vector<std::string> keysOf(const XAValue &value) {
    std::vector<std::string> keys;
    for (const auto &entry : *value.dictionary()) {
        keys.push_back(entry.first);
    }
    return keys;
}

// Every value type, with keys out of alphabetical order so that a lost order shows.
XAValue richValue() {
    XAValue inner(XADictionary{{"empty array", XAValue(XAValue::Array{})}, {"empty dict", XAValue(XADictionary{})}});
    return XAValue(XADictionary{
        {"zeta", XAValue("first key")},
        {"string", XAValue("Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC <&> \"quotes\" 'apostrophes'\ttab\nline")},
        {"true", XAValue(true)},
        {"false", XAValue(false)},
        {"int", XAValue(42)},
        {"negative", XAValue(std::int64_t{-7})},
        {"min", XAValue(std::int64_t{INT64_MIN})},
        {"max", XAValue(std::int64_t{INT64_MAX})},
        {"real", XAValue(0.1)},
        {"huge", XAValue(1e300)},
        {"negative real", XAValue(-2.5)},
        {"data", XAValue(XAData{0x00, 0x01, 0x02, 0xFF})},
        {"date", XAValue(XADate{599627045})},       // 2020-01-02T03:04:05Z
        {"old date", XAValue(XADate{-3187296000})}, // 1900-01-01, outside libplist's 32-bit seconds
        {"array", XAValue(XAValue::Array{XAValue("a"), XAValue(1), inner})},
        {"nested", inner},
        {"", XAValue("empty key")},
    });
}

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

TEST(XAPropertyList, XMLWriterReplacesWhatXMLCannotCarry) {
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

    ReadResult result = readData(*xml);
    ASSERT_TRUE(result.value) << result.error.message;
    EXPECT_EQ(*result.value, XAValue(XADictionary{
                                 {"k" + kReplacement + "y", XAValue("a" + kReplacement + "b\x7f")},
                                 {"nul", XAValue("x" + kReplacement + "y")},
                                 {"malformed", XAValue(kReplacement + " ok " + kReplacement)},
                                 {"noncharacter", XAValue(kReplacement)},
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

    const XAValue clash(XADictionary{{"a\x01", XAValue(1)}, {"a\x02", XAValue(2)}});
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

// Assembles a binary property list; each object is its marker byte and payload, references are two bytes wide.
std::string binaryPlist(const std::vector<std::string> &objects, std::uint64_t root = 0) {
    std::string out = "bplist00";
    std::vector<std::size_t> offsets;
    for (const std::string &object : objects) {
        offsets.push_back(out.size());
        out += object;
    }
    const std::size_t tableOffset = out.size();
    for (std::size_t offset : offsets) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            out += static_cast<char>(offset >> shift);
        }
    }
    out += std::string(6, '\0');
    out += '\x04'; // offset size
    out += '\x02'; // reference size
    for (std::uint64_t number : {std::uint64_t(objects.size()), root, std::uint64_t(tableOffset)}) {
        for (int shift = 56; shift >= 0; shift -= 8) {
            out += static_cast<char>(number >> shift);
        }
    }
    return out;
}

std::string reference(std::size_t object) { return {static_cast<char>(object >> 8), static_cast<char>(object & 0xFF)}; }

std::string arrayOf(std::initializer_list<std::size_t> children) {
    std::string object(1, static_cast<char>(0xA0 | children.size()));
    for (std::size_t child : children) {
        object += reference(child);
    }
    return object;
}

TEST(XAPropertyList, ReadsKeyedArchiverUIDsAsIntegers) {
    // { "$top" = UID(5) }
    std::string dictionary = "\xD1" + reference(1) + reference(2);
    ReadResult result = readData(binaryPlist({dictionary, "\x54$top", std::string("\x80\x05", 2)}));
    ASSERT_TRUE(result.value) << result.error.message;
    EXPECT_EQ(*result.value, XAValue(XADictionary{{"$top", XAValue(5)}}));
}

TEST(XAPropertyList, RefusesDamagedBinaryListsBeforeLibplistSeesThem) {
    std::vector<std::string> deep;
    for (std::size_t i = 0; i < 600; ++i) {
        deep.push_back(arrayOf({i + 1}));
    }
    deep.push_back("\x10\x01");
    std::vector<std::string> doubling; // each array holds the next one twice: 2^40 values once expanded
    for (std::size_t i = 0; i < 40; ++i) {
        doubling.push_back(arrayOf({i + 1, i + 1}));
    }
    doubling.push_back("\x10\x01");
    std::string badOffset = binaryPlist({"\x10\x01"});
    badOffset[11] = '\x7F'; // the single offset now points past the objects

    struct Case {
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {binaryPlist({arrayOf({0})}), "an object contains itself"},
        {binaryPlist({arrayOf({1}), arrayOf({0})}), "an object contains itself"},
        {binaryPlist(deep), "nested more than 512 levels deep"},
        {binaryPlist(doubling), "expands to more than 20000000 values"},
        {binaryPlist({arrayOf({7})}), "runs past its data"},
        {binaryPlist({std::string("\xAF\x13\x7F\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10)}), "runs past its data"},
        {binaryPlist({"\xD1" + reference(1) + reference(2),
                      std::string("\x53"
                                  "a\0b",
                                  4),
                      "\x10\x01"}),
         "a dictionary key is not a string or holds a NUL character"},
        {binaryPlist({"\xD1" + reference(1) + reference(2), std::string("\x62\0a\0\0", 5), "\x10\x01"}),
         "a dictionary key is not a string or holds a NUL character"},
        {binaryPlist({"\xD1" + reference(1) + reference(1), "\x10\x01"}), "a dictionary key is not a string"},
        {binaryPlist({std::string("\x4F\x13\x7F\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10)}), "runs past its data"},
        {binaryPlist({arrayOf({1}), std::string("\x65"
                                                "ab")}),
         "runs past its data"}, // 5 UTF-16 units in 2 bytes
        {binaryPlist({"\x10\x01"}, 1), "trailer or offset table is invalid"},
        {badOffset, "trailer or offset table is invalid"},
        {"bplist00", "truncated"},
        {"bplist01" + std::string(40, '\0'), "unsupported binary property list version \"bplist01\""},
    };
    for (const Case &c : cases) {
        ReadResult result = readData(c.bytes, "Archive.plist");
        EXPECT_FALSE(result.value) << c.message;
        EXPECT_THAT(result.error.message, StartsWith("Archive.plist: "));
        EXPECT_THAT(result.error.message, HasSubstr(c.message));
    }
}

TEST(XAPropertyList, TruncatedOrCorruptedBinaryNeverCrashes) {
    const std::string bytes = *XABinaryPropertyListData(richValue(), nullptr);
    // Shorter than "bplist" the bytes are no longer recognisable as binary (and "bp" is a fine OpenStep string).
    for (std::size_t length = 6; length < bytes.size(); ++length) {
        ReadResult result = readData(std::string_view(bytes).substr(0, length), "cut.plist");
        ASSERT_FALSE(result.value) << "cut at " << length;
        ASSERT_THAT(result.error.message, StartsWith("cut.plist")) << "cut at " << length;
    }
    std::uint32_t state = 12345; // a fixed sequence of corruptions, so that failures reproduce
    auto nextRandom = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = bytes;
        for (int flips = 1 + nextRandom() % 3; flips > 0; --flips) {
            damaged[8 + nextRandom() % (damaged.size() - 8)] = static_cast<char>(nextRandom());
        }
        ReadResult result = readData(damaged, "damaged.plist");
        ASSERT_TRUE(result.value || result.error.message.starts_with("damaged.plist: "))
            << "round " << round << ": " << result.error.message;
    }
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

TEST(XAPropertyList, OpenStepWriterUsesXcodeLayout) {
    const XAValue value(XADictionary{
        {"name", XAValue("My App")},
        {"count", XAValue(3)},
        {"flag", XAValue(true)},
        {"list", XAValue(XAValue::Array{XAValue("a"), XAValue("b c")})},
        {"data", XAValue(XAData{1, 2, 3, 4, 5})},
        {"empty", XAValue("")},
        {"settings", XAValue(XADictionary{})},
    });
    EXPECT_EQ(*XAOpenStepPropertyListData(value, nullptr), "{\n"
                                                           "\tname = \"My App\";\n"
                                                           "\tcount = 3;\n"
                                                           "\tflag = YES;\n"
                                                           "\tlist = (\n"
                                                           "\t\ta,\n"
                                                           "\t\t\"b c\",\n"
                                                           "\t);\n"
                                                           "\tdata = <01020304 05>;\n"
                                                           "\tempty = \"\";\n"
                                                           "\tsettings = {\n"
                                                           "\t};\n"
                                                           "}\n");
}

TEST(XAPropertyList, OpenStepWriterOutputReadsBackUnchanged) {
    const std::string texts[] = {
        "plain",
        "with space",
        "quote\" back\\slash",
        std::string("ctrl\x01\x1f\x7f nul\0", 12),
        "tab\tnl\nret\r",
        "//comment-like",
        "a/*b",
        "\xC3\xBCn\xC3\xAF\xE6\x97\xA5",
        "\xFF invalid",
        "$(inherited)",
        "-flag",
        "a;b",
        "(x)",
        "{y}",
        "<data>",
        "'single'",
        "",
    };
    XADictionary dictionary;
    XAValue::Array array;
    for (const std::string &text : texts) {
        dictionary.set(text, XAValue(text));
        array.push_back(XAValue(text));
    }
    dictionary.set("array", XAValue(array));
    dictionary.set("data", XAValue(XAData{0, 0xFF, 0x10}));
    const XAValue original(dictionary);
    std::optional<std::string> text = XAOpenStepPropertyListData(original, nullptr);
    ASSERT_TRUE(text);
    XAError error;
    std::optional<XAValue> read = XAOpenStepReader::read(*text, "written", XAOpenStepReadMode::PropertyList, &error);
    ASSERT_TRUE(read) << error.message << "\n" << *text;
    EXPECT_EQ(*read, original);
    EXPECT_EQ(keysOf(*read), keysOf(original));
}

TEST(XAPropertyList, FormatsAndParsesISO8601Dates) {
    struct Case {
        double seconds;
        std::string text;
    };
    const Case cases[] = {
        {0, "2001-01-01T00:00:00Z"},
        {-1, "2000-12-31T23:59:59Z"},
        {0.5, "2001-01-01T00:00:00.5Z"},
        {599627045.125, "2020-01-02T03:04:05.125Z"},
        {-3187296000, "1900-01-01T00:00:00Z"},
        {-63113904000, "0001-01-01T00:00:00Z"},
        {5097600, "2001-03-01T00:00:00Z"}, // after the end of February in a non-leap year
        {951782400 - 978307200, "2000-02-29T00:00:00Z"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAISO8601StringFromDate(XADate{c.seconds}), c.text) << c.seconds;
        std::optional<XADate> parsed = XADateFromISO8601String(c.text);
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_DOUBLE_EQ(parsed->secondsSinceReferenceDate, c.seconds) << c.text;
    }
    EXPECT_EQ(XAISO8601StringFromDate(XADate{0.9999999}), "2001-01-01T00:00:01Z");
    for (const char *bad : {"2020-01-02", "2020-13-01T00:00:00Z", "2020-01-02T03:04:05", "2020-01-02T03:04:05.Z",
                            "2020-01-02T24:00:00Z", "2020-01-02T03:04:05Zx", ""}) {
        EXPECT_FALSE(XADateFromISO8601String(bad)) << bad;
    }
}

} // namespace
