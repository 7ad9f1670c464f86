#include "core/XAOpenStepReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

std::string fixtureBytes(const std::string &name) {
    std::ifstream file(std::string(TESSARY_FIXTURES_DIR) + "/plist/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

struct ReadResult {
    std::optional<XAValue> value;
    XAError error;
};

ReadResult readText(std::string_view text, XAOpenStepReadMode mode = XAOpenStepReadMode::PropertyList,
                    const std::string &source = "project.pbxproj") {
    ReadResult result;
    result.value = XAOpenStepReader::read(text, source, mode, &result.error);
    return result;
}

// The string stored under "v" of `{ v = <valueText>; }`.
std::string readStringValue(const std::string &valueText) {
    ReadResult result = readText("{ v = " + valueText + "; }");
    if (!result.value) {
        return "<error: " + result.error.message + ">";
    }
    const std::string *text = result.value->stringForKey("v");
    return text ? *text : "<not a string>";
}

TEST(XAOpenStepReader, ReadsEveryEscapeOfQuotedStrings) {
    struct Case {
        std::string quoted;
        std::string expected;
    };
    const Case cases[] = {
        {R"("a\nb\tc\rd")", "a\nb\tc\rd"},
        {R"("\a\b\f\v")", "\a\b\f\v"},
        {R"("say \"hi\" \\ done")", "say \"hi\" \\ done"},
        {R"("it\'s")", "it's"},
        {R"('single "quoted" \'text\'')", "single \"quoted\" 'text'"},
        {R"("\101\102C")", "ABC"},
        {R"("\1234")", "S4"},                  // at most three octal digits
        {R"("x\0y")", std::string("x\0y", 3)}, // NUL survives
        {R"("\251")", "\xE2\x80\x99"},         // NeXTSTEP 0xA9 is U+2019
        {R"("\240")", "\xC2\xA9"},             // NeXTSTEP 0xA0 is the copyright sign
        {R"("\377")", "\xEF\xBF\xBD"},         // unassigned in NeXTSTEP
        {R"("caf\U00e9")", "caf\xC3\xA9"},
        {R"("\U65E5\U672C")", "\xE6\x97\xA5\xE6\x9C\xAC"},        // 日本
        {R"("\UD83D\UDE00!")", "\xF0\x9F\x98\x80!"},              // surrogate pair joined into one code point
        {R"("\UD83Dx")", "\xEF\xBF\xBDx"},                        // lone high surrogate
        {R"("\UDE00")", "\xEF\xBF\xBD"},                          // lone low surrogate
        {R"("\UD83D\U0041")", std::string("\xEF\xBF\xBD") + "A"}, // high surrogate followed by no low one
        {R"("\U41!")", "A!"},                                     // fewer than four digits, as Apple's reader allows
        {R"("\Uzz")", "Uzz"},
        {R"("\u00e9")", "u00e9"}, // only \U is an escape; others keep the character
        {R"("\q\%")", "q%"},
        {"\"line\\\nbreak\"", "line\nbreak"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(readStringValue(c.quoted), c.expected) << c.quoted;
    }
}

TEST(XAOpenStepReader, ReadsUnquotedTokensAsXcodeWritesThem) {
    ReadResult result = readText("{ path = ../Sources/App_Delegate.m; type = com.apple.product-type.application;\n"
                                 "  mask = 2147483647; neg = -1.5e+3; var = $SRCROOT/a:b; url = https://x.org/a;\n"
                                 "  fileRef = 0123456789ABCDEF01234567/* name */; }");
    ASSERT_TRUE(result.value) << result.error.message;
    const XAValue &dict = *result.value;
    EXPECT_EQ(*dict.stringForKey("path"), "../Sources/App_Delegate.m");
    EXPECT_EQ(*dict.stringForKey("type"), "com.apple.product-type.application");
    EXPECT_EQ(*dict.stringForKey("mask"), "2147483647"); // OpenStep has no numbers
    EXPECT_EQ(*dict.stringForKey("neg"), "-1.5e+3");
    EXPECT_EQ(*dict.stringForKey("var"), "$SRCROOT/a:b");
    EXPECT_EQ(*dict.stringForKey("url"), "https://x.org/a"); // "//" inside a token is no comment
    EXPECT_EQ(*dict.stringForKey("fileRef"), "0123456789ABCDEF01234567");
}

TEST(XAOpenStepReader, SkipsCommentsWhereverBlanksMayStand) {
    const char *text = "// !$*UTF8*$!\n"
                       "/* before */ { /* a */ key /* b */ = /* c */ value /* d */ ; // e\n"
                       "  list = ( /* f */ one /* g */ , // h\n"
                       "     two, /* * ** / */ ) /* i */ ;\n"
                       "  \"quoted /* not a comment */\" = \"// nor this\";\n"
                       "  /* multi\n   line { ( \" */\n"
                       "} // trailing comment without a line break";
    ReadResult result = readText(text);
    ASSERT_TRUE(result.value) << result.error.message;
    EXPECT_EQ(*result.value->stringForKey("key"), "value");
    const XAValue::Array *list = result.value->get("list")->array();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(*list, (XAValue::Array{XAValue("one"), XAValue("two")}));
    EXPECT_EQ(*result.value->stringForKey("quoted /* not a comment */"), "// nor this");
}

TEST(XAOpenStepReader, ToleratesWhatXcodeAndTranslatorsWrite) {
    ReadResult result = readText("{ a = (x, y,); b = (); c = {}; d = \"\"; e = { inner = 1 }; \"f\"; "
                                 "dup = first; g = <0fbd 7787\n 00>; h = <>; dup = second; }");
    ASSERT_TRUE(result.value) << result.error.message;
    const XADictionary &dict = *result.value->dictionary();
    EXPECT_EQ(*dict.get("a"), XAValue(XAValue::Array{XAValue("x"), XAValue("y")}));
    EXPECT_EQ(*dict.get("b"), XAValue(XAValue::Array{}));
    EXPECT_EQ(*dict.get("c"), XAValue(XADictionary{}));
    EXPECT_EQ(*dict.get("d"), XAValue(""));
    EXPECT_EQ(*dict.get("e")->stringForKey("inner"), "1"); // missing ';' before '}'
    EXPECT_EQ(*dict.get("f"), XAValue("f"));               // "key"; shorthand
    EXPECT_EQ(*dict.get("g"), XAValue(XAData{0x0f, 0xbd, 0x77, 0x87, 0x00}));
    EXPECT_EQ(*dict.get("h"), XAValue(XAData{}));
    EXPECT_EQ(*dict.get("dup"), XAValue("second"));
    EXPECT_EQ(dict.entries()[6].first, "dup"); // the later value takes the first one's place
}

TEST(XAOpenStepReader, KeepsNonASCIIBytesAsTheyAre) {
    const std::string text = "{ copyright = \"\xC2\xA9 2024 Exa\xCC\x88mple\"; \"\xE5\x9B\xBE\xE7\x89\x87/cat.png\" = "
                             "'\xE7\x8C\xAB'; bad = \"\xFF\xFE\"; }";
    ReadResult result = readText(text);
    ASSERT_TRUE(result.value) << result.error.message;
    EXPECT_EQ(*result.value->stringForKey("copyright"), "\xC2\xA9 2024 Exa\xCC\x88mple");
    EXPECT_EQ(*result.value->stringForKey("\xE5\x9B\xBE\xE7\x89\x87/cat.png"), "\xE7\x8C\xAB");
    EXPECT_EQ(*result.value->stringForKey("bad"), "\xFF\xFE");
}

TEST(XAOpenStepReader, ReadsTopLevelArraysStringsAndStringsFilePairs) {
    EXPECT_EQ(*readText("( a, \"b\" )").value, XAValue(XAValue::Array{XAValue("a"), XAValue("b")}));
    EXPECT_EQ(*readText("  \"lonely\"  ").value, XAValue("lonely"));

    ReadResult strings = readText("/* header */\n\"greeting\" = \"Hello\";\nfarewell = Bye;\n\"Ok\";\n",
                                  XAOpenStepReadMode::StringsFile, "en.lproj/Localizable.strings");
    ASSERT_TRUE(strings.value) << strings.error.message;
    EXPECT_EQ(
        *strings.value,
        XAValue(XADictionary{{"greeting", XAValue("Hello")}, {"farewell", XAValue("Bye")}, {"Ok", XAValue("Ok")}}));

    ReadResult braced = readText("{ \"a\" = \"b\"; }", XAOpenStepReadMode::StringsFile);
    ASSERT_TRUE(braced.value);
    EXPECT_EQ(*braced.value->stringForKey("a"), "b");

    ReadResult array = readText("(a, b)", XAOpenStepReadMode::StringsFile, "Main.strings");
    ASSERT_FALSE(array.value);
    EXPECT_THAT(array.error.message, StartsWith("Main.strings:1: a strings file must hold"));
}

TEST(XAOpenStepReader, EmptyTextIsAnErrorForProjectFilesAndEmptyForStringsFiles) {
    for (std::string text : {"", "  \n\t\r\n", "// !$*UTF8*$!\n", "/* only */ // comments\n", "\xEF\xBB\xBF"}) {
        ReadResult project = readText(text);
        EXPECT_FALSE(project.value) << text;
        EXPECT_EQ(project.error.message, "project.pbxproj is empty");

        ReadResult strings = readText(text, XAOpenStepReadMode::StringsFile);
        ASSERT_TRUE(strings.value) << text;
        EXPECT_EQ(*strings.value, XAValue(XADictionary{}));
    }
}

TEST(XAOpenStepReader, ErrorsNameTheLineAndWhatWasExpected) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"{\n\tisa = PBXGroup\n\tname = x;\n}",
         "project.pbxproj:3: expected ';' after the value of key \"isa\" but found \"name\""},
        {"{\n\ta = ;\n}", "project.pbxproj:2: expected a value for the key \"a\" but found ';'"},
        {"{ a b; }", "project.pbxproj:1: expected '=' after the key \"a\" but found \"b\""},
        {"{\n = b; }",
         "project.pbxproj:2: expected a key or '}' in the dictionary that starts on line 1 but found '='"},
        {"(\n a\n b )",
         "project.pbxproj:3: expected ',' or ')' after an element of the array that starts on line 1 but "
         "found \"b\""},
        {"( a, , )", "project.pbxproj:1: expected a value or ')' in the array that starts on line 1 but found ','"},
        {"{ a = b; }\n}", "project.pbxproj:2: unexpected '}' after the end of the property list that starts on line 1"},
        {"= x", "project.pbxproj:1: expected a property list (a dictionary, an array, a string or data) but found '='"},
        {"{ a = \x01; }", "project.pbxproj:1: expected a value for the key \"a\" but found the byte 0x01"},
        {"{ a = <0fg>; }", "project.pbxproj:1: expected hexadecimal digits or '>' in the data that starts on line 1 "
                           "but found \"g\""},
        {"{\r\n a = <012>;\r\n}", "project.pbxproj:2: the data that starts on line 2 has an odd number of hexadecimal "
                                  "digits"},
        {"\"a\" = \"b\"\n\"c\" = \"d\";", "project.pbxproj:2: expected ';' after the value of key \"a\" but found a "
                                          "quoted string"},
    };
    for (const Case &c : cases) {
        ReadResult result = readText(c.text);
        EXPECT_FALSE(result.value) << c.text;
        EXPECT_EQ(result.error.message, c.message) << c.text;
    }
}

TEST(XAOpenStepReader, TruncatedTextSaysItEndedAndWhatWasExpected) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"{\n\ta = b;\n", "project.pbxproj:2: the file ended unexpectedly; expected a key or '}' in the dictionary "
                          "that starts on line 1"},
        {"{ a = b", "project.pbxproj:1: the file ended unexpectedly; expected ';' after the value of key \"a\""},
        {"{ a =", "project.pbxproj:1: the file ended unexpectedly; expected a value for the key \"a\""},
        {"{ a = (x,", "project.pbxproj:1: the file ended unexpectedly; expected a value or ')' in the array that "
                      "starts on line 1"},
        {"{\n a = \"abc\n", "project.pbxproj:2: the file ended unexpectedly inside the quoted string that starts on "
                            "line 2; expected a closing \""},
        {"{ a = 'x\\", "project.pbxproj:1: the file ended unexpectedly inside the quoted string that starts on line 1; "
                       "expected a closing '"},
        {"{ a = <0f", "project.pbxproj:1: the file ended unexpectedly; expected hexadecimal digits or '>' in the data "
                      "that starts on line 1"},
        {"{ /* a\n\n", "project.pbxproj:2: the file ended unexpectedly inside the comment that starts on line 1; "
                       "expected '*/'"},
    };
    for (const Case &c : cases) {
        ReadResult result = readText(c.text);
        EXPECT_FALSE(result.value) << c.text;
        EXPECT_EQ(result.error.message, c.message) << c.text;
    }
}

TEST(XAOpenStepReader, ReportsMergeConflictMarkersPlainly) {
    ReadResult result = readText(fixtureBytes("conflicted.pbxproj"));
    ASSERT_FALSE(result.value);
    EXPECT_EQ(result.error.message, "project.pbxproj:11: the file contains unresolved merge-conflict markers "
                                    "(\"<<<<<<<\"); resolve the conflict and try again");

    // A marker where a value is expected, and one in a strings file.
    ReadResult value = readText("{\n a =\n=======\n b;\n}");
    EXPECT_THAT(value.error.message,
                HasSubstr(":3: the file contains unresolved merge-conflict markers (\"=======\")"));
    ReadResult strings = readText("\"a\" = \"b\";\n>>>>>>> main\n", XAOpenStepReadMode::StringsFile, "x.strings");
    EXPECT_THAT(strings.error.message, StartsWith("x.strings:2: the file contains unresolved merge-conflict markers"));
}

TEST(XAOpenStepReader, ReadsProjectFileWithSynchronizedRootGroups) {
    ReadResult result = readText(fixtureBytes("synchronized-groups.pbxproj"));
    ASSERT_TRUE(result.value) << result.error.message;
    const XAValue &project = *result.value;
    EXPECT_EQ(*project.stringForKey("objectVersion"), "77");
    EXPECT_EQ(*project.stringForKey("rootObject"), "8A1F2C3D2C00000100000060");
    const XAValue *objects = project.get("objects");
    ASSERT_NE(objects, nullptr);
    EXPECT_EQ(objects->dictionary()->size(), 19u);

    const XAValue *group = objects->get("8A1F2C3D2C00000100000011");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(*group->stringForKey("isa"), "PBXFileSystemSynchronizedRootGroup");
    EXPECT_EQ(*group->get("exceptions"), XAValue(XAValue::Array{XAValue("8A1F2C3D2C00000100000010")}));
    EXPECT_EQ(*group->stringForKey("sourceTree"), "<group>");

    const XAValue *image = objects->get("8A1F2C3D2C00000100000004");
    EXPECT_EQ(*image->stringForKey("path"), "Resources/\xE7\x8C\xAB\xE3\x81\xAE\xE7\x94\xBB\xE5\x83\x8F.png");
    const XAValue *debug = objects->get("8A1F2C3D2C00000100000070");
    EXPECT_EQ(*debug->get("buildSettings")->stringForKey("INFOPLIST_KEY_NSHumanReadableCopyright"),
              "\xC2\xA9 2024 Ex\xC3\xA4mple GmbH");
}

TEST(XAOpenStepReader, EveryTruncationOfAProjectFileIsAnErrorNeverACrash) {
    const std::string text = fixtureBytes("synchronized-groups.pbxproj");
    const std::size_t closingBrace = text.rfind('}');
    ASSERT_NE(closingBrace, std::string::npos);
    for (std::size_t length = 0; length <= closingBrace; ++length) {
        if (length == 1) {
            continue; // "/" alone is a valid property list: one unquoted string
        }
        ReadResult result = readText(std::string_view(text).substr(0, length));
        ASSERT_FALSE(result.value) << "cut at " << length;
        ASSERT_THAT(result.error.message, StartsWith("project.pbxproj")) << "cut at " << length;
        // Past the header comment something was expected; a last '/' may also be a token, so it can be "found".
        if (length > 16 && text[length - 1] != '/') {
            ASSERT_THAT(result.error.message, HasSubstr("ended unexpectedly")) << "cut at " << length;
        }
    }
    EXPECT_TRUE(readText(std::string_view(text).substr(0, closingBrace + 1)).value);
}

TEST(XAOpenStepReader, ReadsStringsFilesInEveryUnicodeEncoding) {
    const XAValue expected(XADictionary{
        {"greeting", XAValue("Gr\xC3\xBC\xC3\x9F dich, \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80")},
        {"farewell", XAValue("Au revoir")},
        {"quote", XAValue("She said \"hi\"")},
    });
    for (const char *name :
         {"Localizable-utf8-bom.strings", "Localizable-utf16le-bom.strings", "Localizable-utf16be-bom.strings",
          "Localizable-utf16le.strings", "Localizable-utf16be.strings"}) {
        const std::string bytes = fixtureBytes(name);
        ASSERT_FALSE(bytes.empty()) << name;
        ReadResult result = readText(bytes, XAOpenStepReadMode::StringsFile, name);
        ASSERT_TRUE(result.value) << name << ": " << result.error.message;
        EXPECT_EQ(*result.value, expected) << name;
        EXPECT_EQ(result.value->dictionary()->entries().front().first, "greeting") << name;
    }
}

TEST(XAOpenStepReader, RefusesNestingDeeperThanAnyRealFile) {
    std::string deep(600, '(');
    deep += std::string(600, ')');
    ReadResult result = readText(deep);
    ASSERT_FALSE(result.value);
    EXPECT_THAT(result.error.message, HasSubstr("nested more than 512 levels deep"));

    std::string fine(100, '(');
    fine += std::string(100, ')');
    EXPECT_TRUE(readText(fine).value);
}

} // namespace
