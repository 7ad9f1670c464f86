#include "core/XAURLEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(XAURLEncodingTests, EncodesEverythingButUnreservedCharacters) {
    EXPECT_EQ(xa_URLEncoded("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(xa_URLEncoded("!*'\"();:@&=+$,/?%#[] "),
              "%21%2A%27%22%28%29%3B%3A%40%26%3D%2B%24%2C%2F%3F%25%23%5B%5D%20");
    EXPECT_EQ(xa_URLEncoded("<>{}|\\^`\n"), "%3C%3E%7B%7D%7C%5C%5E%60%0A");
    EXPECT_EQ(xa_URLEncoded("caf\xC3\xA9"), "caf%C3%A9");
    EXPECT_EQ(xa_URLEncoded(""), "");
}

TEST(XAURLEncodingTests, DecodesPercentEscapes) {
    EXPECT_EQ(xa_URLDecoded("caf%C3%A9%20%2b+x"), "caf\xC3\xA9 ++x");
    EXPECT_EQ(xa_URLDecoded("no escapes"), "no escapes");
    const std::string text = "a b/c?d=e&f#g%h [\xE2\x82\xAC]";
    EXPECT_EQ(xa_URLDecoded(xa_URLEncoded(text)), text);
}

TEST(XAURLEncodingTests, DecodingRejectsBrokenEscapes) {
    for (const char *text : {"%", "50%", "%2", "%zz", "%C3", "%FF"}) {
        EXPECT_EQ(xa_URLDecoded(text), std::nullopt) << text;
    }
}

TEST(XAURLEncodingTests, Base64) {
    const struct {
        std::string input;
        std::string expected;
    } cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"}, {"\xFB\xFF", "+/8="},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_base64String(c.input), c.expected) << c.input;
    }
    const std::vector<std::uint8_t> data = {0, 1, 2, 0xFF};
    EXPECT_EQ(xa_base64String(data), "AAEC/w==");
}

TEST(XAURLEncodingTests, Base64OfLongDataHasNoLineBreaks) {
    const std::string data(10'000'000, 'x'); // longer than one encoding chunk
    std::string expected;
    for (std::size_t group = 0; group < data.size() / 3; ++group) {
        expected += "eHh4";
    }
    expected += "eA==";
    EXPECT_TRUE(xa_base64String(data) == expected); // not EXPECT_EQ: a failure would print megabytes
}

} // namespace
