#include "project/XAProjectFile.h"
#include "project/XAStringsFileEntry.h"

#include "core/XAPathsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Optional;

namespace {

using Entries = std::vector<XAStringsFileEntry>;

XAStringsFileEntry entry(std::string key, std::optional<std::string> value, std::size_t line) {
    return XAStringsFileEntry(std::move(key), std::move(value), line);
}

std::shared_ptr<XAProjectFile> stringsFile(const std::optional<std::string> &path) {
    return XAProjectFile::fileWithPbxObjectID("F1", nullptr, std::nullopt, path, std::nullopt, std::nullopt);
}

// A plutil stand-in for the validity test: a shell script that prints and exits as told.
std::string fakePlutil(const XAScratchFolder &folder, const std::string &body) {
    const std::string path = folder.write("bin/plutil", "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

} // namespace

void PrintTo(const XAStringsFileEntry &entry, std::ostream *out) { *out << entry.description(); }

TEST(XAStringsFileScanner, LineNumbersAndTexts) {
    struct Case {
        const char *name;
        std::string text;
        Entries expected;
    } cases[] = {
        {"block comment and blank line before an entry",
         "/* one\n   two\n   three */\n\n\"a\" = \"1\";\n",
         {entry("a", "1", 5)}},
        {"a value spanning two lines moves the next entry down",
         "\"a\" = \"x\ny\";\n\"b\" = \"2\";\n",
         {entry("a", "x\ny", 1), entry("b", "2", 3)}},
        {"two entries on one line",
         "\"a\" = \"1\"; \"b\" = \"2\";\n\"c\" = \"3\";",
         {entry("a", "1", 1), entry("b", "2", 1), entry("c", "3", 2)}},
        {"escaped quotes and backslashes",
         "\"say \\\"hi\\\"\" = \"back\\\\slash \\n\";",
         {entry("say \"hi\"", "back\\slash n", 1)}},
        {"unquoted key and value", "key1 = value2;\nk=v;", {entry("key1", "value2", 1), entry("k", "v", 2)}},
        {"line comments",
         "// first\n\"a\" = \"1\"; // trailing\n// \"b\" = \"2\";\n\"c\" = \"3\";",
         {entry("a", "1", 2), entry("c", "3", 4)}},
        {"unicode escapes in either case", "\"\\U00e9t\\u00E9\" = \"\\u2603\";", {entry("été", "☃", 1)}},
        {"an empty unquoted value is none, an empty quoted one is empty",
         "\"a\" = ;\n\"b\" = \"\";",
         {entry("a", std::nullopt, 1), entry("b", "", 2)}},
        {"an empty key adds nothing", "\"\" = \"x\";\n\"a\" = \"1\";", {entry("a", "1", 2)}},
        {"CRLF line ends count once",
         "\"a\" = \"1\";\r\n\r\n\"b\" = \"x\r\ny\";\r\n\"c\" = \"3\";",
         {entry("a", "1", 1), entry("b", "x\r\ny", 3), entry("c", "3", 5)}},
        {"line breaks between key, \"=\" and value are counted",
         "\"a\"\n=\n\"1\";\n\"b\" = \"2\";",
         {entry("a", "1", 1), entry("b", "2", 4)}},
        {"only comments and white space", "/* nothing */\n  // here\n\n", {}},
        {"a missing semicolon costs the entry after it",
         "\"a\" = \"1\"\n\"b\" = \"2\";\n\"c\" = \"3\";",
         {entry("a", "1", 1), entry("c", "3", 3)}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAProjectFile::entriesFromOldStylePlist(c.text), c.expected) << c.name;
    }
}

TEST(XAStringsFileScanner, ReadsUTF16FilesWithByteOrderMark) {
    for (const char *name : {"Localizable-utf16le-bom.strings", "Localizable-utf16be-bom.strings"}) {
        auto file = stringsFile(std::string(TESSARY_FIXTURES_DIR "/plist/") + name);
        auto entries = file->stringsFileEntries();
        ASSERT_TRUE(entries) << name;
        ASSERT_FALSE(entries->empty()) << name;
        EXPECT_GT(entries->front().lineNumber(), 1u) << name; // after the leading comment
    }
    auto utf16 = stringsFile(TESSARY_SOURCE_DIR "/examples/TessaryDemo/TessaryDemo/de.lproj/Localizable.strings");
    EXPECT_THAT(utf16->stringsFileEntries(),
                Optional(ElementsAre(entry("greeting.title", "Hallo, Welt", 2),
                                     entry("greeting.tapped", "Du hast „Grüßen“ getippt", 5))));
}

TEST(XAStringsFile, EntriesOfFilesThatAreNoStringsFilesOrCannotBeRead) {
    XAScratchFolder folder;
    EXPECT_EQ(stringsFile(folder.write("a.txt", "\"a\" = \"1\";"))->stringsFileEntries(), std::nullopt);
    EXPECT_EQ(stringsFile(folder.write("empty.strings", ""))->stringsFileEntries(), std::nullopt);
    XAError error;
    auto latin1 = stringsFile(folder.write("latin1.strings", "\"a\" = \"Gr\xFC\xDF"
                                                             "e\";"));
    EXPECT_EQ(latin1->stringsFileEntries(&error), std::nullopt);
    EXPECT_THAT(error.message, HasSubstr("latin1.strings"));
}

TEST(XAStringsFile, ValidityComesFromTheReaderThenFromPlutil) {
    XAScratchFolder folder;
    auto good = stringsFile(folder.write("good.strings", "\"a\" = \"1\";\n"));
    auto blank = stringsFile(folder.write("blank.strings", "  \n\t\n"));
    auto comments = stringsFile(folder.write("comments.strings", "/* only */\n// comments\n"));
    auto broken = stringsFile(folder.write("broken.strings", "\"a\" = \"1\";\n\"b\" = \"2\"\n\"c\" = \"3\";\n"));
    auto latin1 = stringsFile(folder.write("latin1.strings", "\"a\" = \"\xFC\";"));
    const std::string noPlutil = folder / "bin/none";
    XAError error;
    EXPECT_TRUE(good->stringsFileIsValidWithError(&error, noPlutil));
    EXPECT_TRUE(blank->stringsFileIsValidWithError(&error, noPlutil));
    EXPECT_TRUE(comments->stringsFileIsValidWithError(&error, noPlutil));
    EXPECT_FALSE(stringsFile(std::nullopt)->stringsFileIsValidWithError(&error, noPlutil));

    EXPECT_FALSE(broken->stringsFileIsValidWithError(&error, noPlutil));
    EXPECT_THAT(error.message, HasSubstr("broken.strings"));
    EXPECT_THAT(error.message, HasSubstr("3")); // the line where the ";" was expected
    EXPECT_FALSE(latin1->stringsFileIsValidWithError(&error, noPlutil));
    EXPECT_THAT(error.message, HasSubstr("latin1.strings"));

    // plutil's verdict stands over the reader's.
    EXPECT_TRUE(broken->stringsFileIsValidWithError(&error, fakePlutil(folder, "exit 0")));
    error = XAError();
    const std::string failing =
        fakePlutil(folder, "echo '2015-03-01 12:00:00.123 plutil[12:34] Unexpected character at line 3' >&2; exit 1");
    EXPECT_FALSE(broken->stringsFileIsValidWithError(&error, failing));
    EXPECT_EQ(error.message, "Unexpected character at line 3");
    EXPECT_FALSE(broken->stringsFileIsValidWithError(&error, fakePlutil(folder, "echo 'on standard output'; exit 1")));
    EXPECT_EQ(error.message, "on standard output");
}
