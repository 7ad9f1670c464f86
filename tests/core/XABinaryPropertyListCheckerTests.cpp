#include "core/XAPropertyListTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;
using ::testing::StartsWith;
using namespace xa_plist_testing;

namespace {

TEST(XABinaryPropertyListChecker, RefusesDamagedBinaryListsBeforeLibplistSeesThem) {
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

TEST(XABinaryPropertyListChecker, TruncatedOrCorruptedBinaryNeverCrashes) {
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

} // namespace
