#include "core/XAOpenStepReader.h"
#include "core/XAPropertyListTestSupport.h"

#include <gtest/gtest.h>

using namespace xa_plist_testing;

namespace {

TEST(XAOpenStepWriter, UsesXcodeLayout) {
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

TEST(XAOpenStepWriter, OutputReadsBackUnchanged) {
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

} // namespace
