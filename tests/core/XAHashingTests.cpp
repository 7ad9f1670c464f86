#include "core/XAHashing.h"
#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(XAHashingTests, KnownDigestsInLowerCaseHex) {
    EXPECT_EQ(xa_SHA1Hash("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(xa_SHA256Hash("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(xa_MD5Hash("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(xa_SHA1Hash(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(xa_MD5Hash(""), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(XAHashingTests, DigestsCoverEveryByteOfTheUTF8Text) {
    // "é" as UTF-8 (C3 A9), and text with an embedded zero byte.
    EXPECT_EQ(xa_SHA1Hash("\xC3\xA9"), "bf15be717ac1b080b4f1c456692825891ff5073d");
    EXPECT_NE(xa_SHA1Hash(std::string("a\0b", 3)), xa_SHA1Hash("a"));
}

TEST(XAHashingTests, FilePathHashIsTheSHA1OfThePath) {
    EXPECT_EQ(xa_hashForFilePath("/Users/me/Project"), xa_SHA1Hash("/Users/me/Project"));
    EXPECT_EQ(xa_hashForFilePath("/Users/me/Project").size(), 40u);
}

TEST(XAHashingTests, AFileDigestCoversTheWholeFileReadInPieces) {
    XAScratchFolder scratch;
    // Larger than one piece read, so that the pieces must be joined in order.
    const std::string large(200 * 1024 + 7, 'z');
    EXPECT_EQ(xa_SHA256HashOfFileAtPath(scratch.write("abc.txt", "abc")), xa_SHA256Hash("abc"));
    EXPECT_EQ(xa_SHA256HashOfFileAtPath(scratch.write("large.txt", large)), xa_SHA256Hash(large));
    EXPECT_EQ(xa_SHA256HashOfFileAtPath(scratch.write("empty.txt", "")), xa_SHA256Hash(""));
    EXPECT_EQ(xa_SHA256HashOfFileAtPath(scratch / "missing.txt"), std::nullopt);
}

} // namespace
