#include "core/XAPropertyListText.h"

#include <gtest/gtest.h>

TEST(XAPropertyListText, ConvertsDamagedUTF16WithReplacementCharacters) {
    // "a" = "<lone high surrogate>"; then a stray odd byte.
    const std::string bytes("\xFF\xFE\"\0a\0\"\0=\0\"\0\x3D\xD8\"\0;\0!", 19);
    std::string storage;
    EXPECT_EQ(XAPropertyListTextAsUTF8(bytes, storage), "\"a\"=\"\xEF\xBF\xBD\";\xEF\xBF\xBD");
    EXPECT_EQ(XAPropertyListTextAsUTF8("plain", storage), "plain");
}
