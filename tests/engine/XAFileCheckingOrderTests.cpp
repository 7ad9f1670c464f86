#include "core/XAPathsTestSupport.h"
#include "engine/XAFileCheckingOrder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

TEST(XAFileCheckingOrderTest, LargestFilesGoFirstAndEqualSizesKeepTheirOrder) {
    struct Case {
        const char *title;
        std::vector<std::size_t> files;
        std::vector<std::uintmax_t> sizes; // by file index
        std::size_t keptInFront;
        std::vector<std::size_t> expected;
    };
    const Case cases[] = {
        {"by size", {0, 1, 2, 3}, {10, 40, 20, 30}, 0, {1, 3, 2, 0}},
        {"ties in list order", {0, 1, 2, 3}, {5, 9, 5, 9}, 0, {1, 3, 0, 2}},
        {"only the queued files", {3, 0, 2}, {7, 1, 8, 2}, 0, {2, 0, 3}},
        {"the first stays first", {0, 1, 2}, {1, 5, 9}, 1, {0, 2, 1}},
        {"more kept than files", {0, 1}, {1, 5}, 4, {0, 1}},
        {"no files", {}, {}, 1, {}},
    };
    for (const Case &testCase : cases) {
        EXPECT_THAT(XALargestFilesFirst(testCase.files, testCase.sizes, testCase.keptInFront),
                    ElementsAreArray(testCase.expected))
            << testCase.title;
    }
}

TEST(XAFileCheckingOrderTest, AFileThatCannotBeReadHasSizeZero) {
    const XAScratchFolder folder;
    EXPECT_EQ(XAFileSizeOrZero(folder.write("Five.m", "12345")), 5u);
    EXPECT_EQ(XAFileSizeOrZero(folder / "Missing.m"), 0u);
}
