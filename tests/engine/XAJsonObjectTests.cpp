#include "engine/XAJsonObject.h"

#include "core/XAString.h"

#include <gtest/gtest.h>

namespace {

using Entries = XAJsonObject::Entries;

XAJsonObject entry(const char *key, const char *json, bool commentedOut = false) {
    return XAJsonObject::jsonValue(std::string(json), key, std::nullopt, commentedOut);
}

TEST(XAJsonObjectTest, AnEmptyListIsAnEmptyObject) { EXPECT_EQ(XAJsonObject::jsonFromObjects({}, 4, 79), "{\n}"); }

TEST(XAJsonObjectTest, ACommentedOutLastEntryLeavesNoStrayComma) {
    Entries entries = {entry("a", "1"), entry("b", "2"), entry("c", "3", true)};
    EXPECT_EQ(XAJsonObject::jsonFromObjects(entries, 4, 79), "{\n"
                                                             "    \"a\": 1,\n"
                                                             "    \"b\": 2\n"
                                                             "    //\"c\": 3\n"
                                                             "}");
    // A commented-out entry keeps its comma when a real entry follows.
    Entries middle = {entry("a", "1"), entry("b", "2", true), entry("c", "3")};
    EXPECT_EQ(XAJsonObject::jsonFromObjects(middle, 4, 79), "{\n"
                                                            "    \"a\": 1,\n"
                                                            "    //\"b\": 2,\n"
                                                            "    \"c\": 3\n"
                                                            "}");
}

TEST(XAJsonObjectTest, EmptyLinesSeparateEntriesWithoutTakingTheirCommas) {
    Entries entries = {entry("a", "1"), XAJsonObject::emptyLine(), entry("b", "2"), XAJsonObject::emptyLine()};
    EXPECT_EQ(XAJsonObject::jsonFromObjects(entries, 4, 79), "{\n    \"a\": 1,\n\n    \"b\": 2\n\n}");
}

TEST(XAJsonObjectTest, NestedObjectsOpenOnTheirKeyLineAndCloseAtItsIndentation) {
    Entries group = {entry("maxLength", "40")};
    Entries rules = {XAJsonObject::jsonValue(group, "LongName", std::nullopt, false)};
    Entries entries = {entry("verbose", "false"), XAJsonObject::jsonValue(rules, "ruleOptions", std::nullopt, false)};
    EXPECT_EQ(XAJsonObject::jsonFromObjects(entries, 4, 79), "{\n"
                                                             "    \"verbose\": false,\n"
                                                             "    \"ruleOptions\": {\n"
                                                             "        \"LongName\": {\n"
                                                             "            \"maxLength\": 40\n"
                                                             "        }\n"
                                                             "    }\n"
                                                             "}");
}

// The comment lines written for a long comment at a depth, without their indentation and "// ".
std::vector<std::string> commentLines(const std::string &json, std::size_t depth) {
    const std::string prefix = std::string(4 * depth, ' ') + "// ";
    std::vector<std::string> lines;
    for (const std::string &line : xa_lines(json)) {
        if (line.starts_with(prefix)) {
            lines.push_back(line.substr(prefix.size()));
        }
    }
    return lines;
}

TEST(XAJsonObjectTest, CommentsWrapWithinTheLineLengthAtEveryDepth) {
    std::string comment;
    for (int i = 0; i < 100; ++i) {
        comment += "words ";
    }
    // Twelve five-letter words and their blanks take 71 characters; a thirteenth does not fit in 72, 68 or 64.
    const std::vector<std::pair<std::size_t, std::size_t>> widthsByDepth = {{1, 72}, {2, 68}, {3, 64}};
    for (const auto &[depth, width] : widthsByDepth) {
        Entries entries = {XAJsonObject::jsonValue(std::string("1"), "key", comment, false)};
        std::vector<std::string> lines = commentLines(XAJsonObject::jsonFromObjects(entries, 4, depth, 79), depth);
        ASSERT_GT(lines.size(), 1u) << depth;
        const std::size_t wordsPerLine = (width + 1) / 6;
        EXPECT_EQ(lines[0].size(), wordsPerLine * 6 - 1) << "depth " << depth;
        for (const std::string &line : lines) {
            EXPECT_LE(line.size(), width) << "depth " << depth;
        }
    }
}

TEST(XAJsonObjectTest, ALongWordStandsAloneAndLineBreaksAreReflowed) {
    const std::string longWord(90, 'x');
    Entries entries = {XAJsonObject::jsonValue(std::nullopt, std::nullopt, "short\nwords " + longWord + " end", false)};
    EXPECT_EQ(XAJsonObject::jsonFromObjects(entries, 4, 79),
              "{\n    // short words\n    // " + longWord + "\n    // end\n}");
}

TEST(XAJsonObjectTest, DescribesItselfForDebugging) {
    XAJsonObject object = XAJsonObject::jsonValue(std::string("true"), "verbose", "Verbose output", true);
    EXPECT_EQ(object.description(), "/* Verbose output */ 'verbose': true (commented out: YES)");
}

} // namespace
