#include "project/XAXcconfigFile.h"

#include "core/XALog.h"

#include "core/XAPathsTestSupport.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

namespace {

// A scratch folder of configuration files, and the log lines written while a test runs.
class XAXcconfigFileTest : public ::testing::Test {
protected:
    std::string write(const std::string &relativePath, const std::string &contents) {
        return scratch_.write(relativePath, contents);
    }
    std::vector<std::pair<int, std::string>> logLines() const { return log_.lines(); }

    XAScratchFolder scratch_;
    const std::string folder_ = scratch_.path();

private:
    XALogCapture log_;
};

struct Located {
    std::string file;
    std::uint64_t line;
    std::string key;
    bool operator==(const Located &) const = default;
    friend std::ostream &operator<<(std::ostream &out, const Located &l) {
        return out << l.file << ":" << l.line << " " << l.key;
    }
};

std::vector<Located> locations(const std::vector<XCConfigFileStatement> &statements) {
    std::vector<Located> result;
    for (const auto &statement : statements) {
        result.push_back(
            {std::filesystem::path(statement.xcFilePath).filename().string(), statement.xcLineNumber, statement.xcKey});
    }
    return result;
}

} // namespace

TEST(XAXcconfigKeyAndValue, SplitsKeyWithConditionFromValue) {
    struct Case {
        const char *line;
        const char *key;
        std::optional<std::string> value;
    } cases[] = {
        {"OTHER_LDFLAGS[sdk=iphoneos*] = -lz", "OTHER_LDFLAGS[sdk=iphoneos*]", "-lz"},
        {"OTHER_CFLAGS[sdk=iphoneos*][arch=arm64] = -DX=1", "OTHER_CFLAGS[sdk=iphoneos*][arch=arm64]", "-DX=1"},
        {"WARNING_CFLAGS = -Wall   // all of them", "WARNING_CFLAGS", "-Wall"},
        {"HOMEPAGE = http://example.org", "HOMEPAGE", "http:"},
        {"JUST_A_KEY", "JUST_A_KEY", std::nullopt},
        {"EMPTY =", "EMPTY", ""},
        {"BROKEN[sdk=iphoneos* = 1", "BROKEN[sdk=iphoneos* = 1", std::nullopt},
        {"A = b = c", "A", "b = c"},
        {"", "", std::nullopt},
    };
    for (const auto &c : cases) {
        auto assignment = XAXcconfigKeyAndValue(c.line);
        EXPECT_EQ(assignment.key, c.key) << c.line;
        EXPECT_EQ(assignment.value, c.value) << c.line;
    }
}

TEST(XAXcconfigBuildSettings, LaterStatementWinsAndStatementWithoutValueRemoves) {
    auto statement = [](const char *key, std::optional<std::string> value) {
        auto s = XCConfigFileStatement::statementWithRawLine("", "f.xcconfig", 1);
        s.xcKey = key;
        s.xcValue = std::move(value);
        return s;
    };
    auto settings = XAXcconfigBuildSettings({statement("A", "1"), statement("B", "x"), statement("A", "2"),
                                             statement("B", std::nullopt), statement("C", "")});
    EXPECT_THAT(settings, ElementsAre(Pair("A", "2"), Pair("C", "")));
}

TEST_F(XAXcconfigFileTest, IncludedStatementsCarryTheirOwnFileAndLineNumbers) {
    write("Config/base.xcconfig", "// base\nBASE = 1\n\nSHARED = base\n");
    const std::string top =
        write("Config/App.xcconfig", "// app\n#include \"base\"\n  APP = 2 // note\nSHARED = app\n");
    auto statements = XAReadXcconfigStatements(top, folder_);
    ASSERT_TRUE(statements);
    EXPECT_THAT(locations(*statements),
                ElementsAre(Located{"base.xcconfig", 2, "BASE"}, Located{"base.xcconfig", 4, "SHARED"},
                            Located{"App.xcconfig", 3, "APP"}, Located{"App.xcconfig", 4, "SHARED"}));
    EXPECT_EQ((*statements)[0].xcFilePath, folder_ + "/Config/base.xcconfig");
    EXPECT_EQ((*statements)[2].rawLine, "APP = 2 // note");
    EXPECT_EQ((*statements)[2].xcValue, "2");
    EXPECT_THAT(XAXcconfigBuildSettings(*statements),
                ElementsAre(Pair("APP", "2"), Pair("BASE", "1"), Pair("SHARED", "app")));
}

TEST_F(XAXcconfigFileTest, ResolvesIncludesAbsoluteNextToTheFileThenInTheContainerFolder) {
    const std::string absolute = write("elsewhere/Abs.xcconfig", "ABS = 1\n");
    write("Shared/Common.xcconfig", "COMMON = 1\n");
    write("Config/Local.xcconfig", "LOCAL = 1\n");
    write("Local.xcconfig", "CONTAINER_LOCAL = 1\n");
    const std::string top = write("Config/Top.xcconfig", "#include \"" + absolute +
                                                             "\"\n#include \"Shared/Common.xcconfig\"\n"
                                                             "#include \"Local\"\n#include   \"Missing.xcconfig\"\n");
    auto statements = XAReadXcconfigStatements(top, folder_);
    ASSERT_TRUE(statements);
    EXPECT_THAT(locations(*statements),
                ElementsAre(Located{"Abs.xcconfig", 1, "ABS"}, Located{"Common.xcconfig", 1, "COMMON"},
                            Located{"Local.xcconfig", 1, "LOCAL"}));
    EXPECT_THAT(logLines(), ElementsAre(Pair(XALogLevelError, "Error processing .xcconfig file include in " + top +
                                                                  ": cannot find file Missing.xcconfig")));
}

TEST_F(XAXcconfigFileTest, IncludeCyclesAreReadOnceAndLogged) {
    write("a.xcconfig", "A = 1\n#include \"b.xcconfig\"\n");
    write("b.xcconfig", "B = 1\n#include \"a.xcconfig\"\n#include \"b.xcconfig\"\n");
    auto statements = XAReadXcconfigStatements(folder_ + "/a.xcconfig", "");
    ASSERT_TRUE(statements);
    EXPECT_THAT(locations(*statements), ElementsAre(Located{"a.xcconfig", 1, "A"}, Located{"b.xcconfig", 1, "B"}));
    auto lines = logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].first, XALogLevelWarning);
    EXPECT_THAT(lines[0].second, HasSubstr("a.xcconfig"));
}

TEST_F(XAXcconfigFileTest, UnreadableFilesGiveNoStatementsAndAreLogged) {
    EXPECT_FALSE(XAReadXcconfigStatements(folder_ + "/none.xcconfig", folder_));
    ASSERT_EQ(logLines().size(), 1u);
    EXPECT_EQ(logLines()[0].first, XALogLevelError);
    EXPECT_THAT(logLines()[0].second, HasSubstr("Error reading .xcconfig file " + folder_ + "/none.xcconfig: "));

    // An included folder exists but cannot be read: the includer keeps its own statements.
    std::filesystem::create_directories(folder_ + "/dir.xcconfig");
    const std::string top = write("top.xcconfig", "#include \"dir.xcconfig\"\nTOP = 1\n");
    auto statements = XAReadXcconfigStatements(top, "");
    ASSERT_TRUE(statements);
    EXPECT_THAT(locations(*statements), ElementsAre(Located{"top.xcconfig", 2, "TOP"}));
    EXPECT_THAT(logLines().back().second, HasSubstr("(included from: " + top + ")"));
}

TEST_F(XAXcconfigFileTest, CountsLinesOfEveryLineEndingAndReadsUTF16) {
    const std::string crlf = write("crlf.xcconfig", "A = 1\r\n\r\nB = 2\rC = 3\n");
    auto statements = XAReadXcconfigStatements(crlf, "");
    ASSERT_TRUE(statements);
    EXPECT_THAT(locations(*statements), ElementsAre(Located{"crlf.xcconfig", 1, "A"}, Located{"crlf.xcconfig", 3, "B"},
                                                    Located{"crlf.xcconfig", 4, "C"}));

    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : std::u16string(u"NAME = \u00e9t\u00e9\n")) {
        utf16 += static_cast<char>(unit & 0xFF);
        utf16 += static_cast<char>(unit >> 8);
    }
    auto wide = XAReadXcconfigStatements(write("utf16.xcconfig", utf16), "");
    ASSERT_TRUE(wide);
    ASSERT_EQ(wide->size(), 1u);
    EXPECT_EQ((*wide)[0].xcValue, "\u00e9t\u00e9");
}
