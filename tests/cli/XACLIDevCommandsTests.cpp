#include "cli/XACLIDevCommands.h"

#include <gtest/gtest.h>

TEST(XACLIDevCommandsTest, SpellCheckWordsAreFilteredLowerCasedAndSorted) {
    const std::string wordLists = "Zebra\n  Apple \nPrefetch\nab\nwell-known\nzebra\nsubclass\nqwzx\n\u00C9clair\n";
    EXPECT_EQ(XACLISpellCheckCandidateWords(wordLists),
              (std::vector<std::string>{"apple", "qwzx", "zebra", "\u00E9clair"}));
}
