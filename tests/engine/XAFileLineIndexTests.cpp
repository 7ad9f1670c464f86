#include "core/XAPathsTestSupport.h"
#include "engine/XAFileLineIndex.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

namespace {

using Range = std::optional<std::pair<std::uint64_t, std::uint64_t>>;

Range range(std::uint64_t start, std::uint64_t end) { return std::pair(start, end); }

} // namespace

TEST(XAFileLineIndexTest, LinesEndAtLineFeedsAndTheTextAtAZeroByte) {
    struct Case {
        std::string text;
        std::uint64_t line;
        Range expected;
    };
    const Case cases[] = {
        {"one\ntwo", 1, range(0, 3)},
        {"one\ntwo", 2, range(4, 7)},
        {"one\ntwo", 3, std::nullopt},
        {"one\ntwo", 0, std::nullopt},
        {"one\n", 1, range(0, 3)},
        {"one\n", 2, std::nullopt},       // a final line feed starts no line
        {"a\n\nb", 2, range(2, 2)},       // an empty line in between
        {"crlf\r\nnext", 1, range(0, 5)}, // a carriage return belongs to its line
        {std::string("a\0\nb", 4), 1, range(0, 1)},
        {std::string("a\0\nb", 4), 2, std::nullopt},
        {"", 1, std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAFileLineIndex(c.text).lineRange(c.line), c.expected) << c.text << " line " << c.line;
    }
}

TEST(XAFileLineIndexTest, ARunKeepsOneIndexPerFileUntilTheFileChanges) {
    XAScratchFolder folder;
    const std::string path = folder.write("settings.xcconfig", "A = 1\nB = 2\n");

    EXPECT_NE(XAFileLineIndex::indexOfFile(path), XAFileLineIndex::indexOfFile(path))
        << "nothing is kept outside a run";
    {
        const XAFileLineIndex::RunScope run;
        const std::shared_ptr<const XAFileLineIndex> first = XAFileLineIndex::indexOfFile(path);
        EXPECT_EQ(XAFileLineIndex::indexOfFile(path), first);

        folder.write("settings.xcconfig", "LONGER = 1\nB = 2\nC = 3\n");
        const std::shared_ptr<const XAFileLineIndex> changed = XAFileLineIndex::indexOfFile(path);
        EXPECT_NE(changed, first);
        EXPECT_EQ(changed->lineRange(3), range(17, 22));

        std::filesystem::remove(path);
        EXPECT_EQ(XAFileLineIndex::indexOfFile(path)->lineRange(1), std::nullopt);
    }
    const std::string other = folder.write("other.xcconfig", "X = 1\n");
    EXPECT_NE(XAFileLineIndex::indexOfFile(other), XAFileLineIndex::indexOfFile(other))
        << "the kept indexes go with the run";
}

TEST(XAFileLineIndexTest, ThreadsOfOneRunShareTheIndexes) {
    XAScratchFolder folder;
    std::vector<std::string> paths;
    for (int file = 0; file < 8; ++file) {
        paths.push_back(folder.write("file" + std::to_string(file) + ".m", std::string(file + 1, '\n') + "last"));
    }
    const XAFileLineIndex::RunScope run;
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (std::size_t thread = 0; thread < wrong.size(); ++thread) {
        threads.emplace_back([&paths, &wrong, thread] {
            for (int round = 0; round < 200; ++round) {
                for (std::size_t file = 0; file < paths.size(); ++file) {
                    const Range last = XAFileLineIndex::indexOfFile(paths[file])->lineRange(file + 2);
                    wrong[thread] += last != range(file + 1, file + 5);
                }
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}
