#include "project/XASpellChecker.h"

#include "project/XAProjectModelTestSupport.h"

#include <gtest/gtest.h>

#include <latch>
#include <thread>

TEST(XASpellChecker, EachThreadHasItsOwnCheckerPerLanguage) {
    XASpellChecker &first = XASpellChecker::spellCheckerForCurrentThreadWithEnglishLanguage();
    EXPECT_EQ(&first, &XASpellChecker::spellCheckerForCurrentThreadWithLanguage("en_US"));
    EXPECT_NE(&first, &XASpellChecker::spellCheckerForCurrentThreadWithLanguage("en_GB"));

    // Both threads stay alive until both have their checker, so neither can reuse the other's memory.
    std::latch bothHaveOne(2);
    const XASpellChecker *seen[2] = {};
    auto work = [&](int i) {
        seen[i] = &XASpellChecker::spellCheckerForCurrentThreadWithEnglishLanguage();
        bothHaveOne.arrive_and_wait();
    };
    std::thread a(work, 0), b(work, 1);
    a.join();
    b.join();
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[0], &first);
}

TEST(XASpellChecker, AMissingDictionaryIsLoggedOncePerThread) {
    XALogCapture log;
    auto ask = [] {
        for (int i = 0; i < 2; ++i) {
            const XASpellChecker &checker = XASpellChecker::spellCheckerForCurrentThreadWithLanguage("xx_NOWHERE");
            EXPECT_FALSE(checker.hasDictionary());
            EXPECT_TRUE(checker.isSpelledCorrectly("qwzrtx"));
        }
    };
    std::thread(ask).join();
    std::thread(ask).join();
    const std::pair<int, std::string> line{
        XALogLevelError, "Cannot create spell checker for language 'xx_NOWHERE': dictionary file(s) not found"};
    EXPECT_EQ(log.lines(), (std::vector<std::pair<int, std::string>>{line, line}));
}

TEST(XASpellChecker, EnglishAcceptsAmericanAndBritishSpellings) {
    const XASpellChecker &american = XASpellChecker::spellCheckerForCurrentThreadWithEnglishLanguage();
    ASSERT_TRUE(american.hasDictionary());
    EXPECT_TRUE(american.isSpelledCorrectly("color"));
    EXPECT_FALSE(american.isSpelledCorrectly("colour"));

    struct Case {
        const char *word;
        bool correct;
    };
    const Case cases[] = {{"colour", true}, {"color", true},     {"initialise", true},
                          {"naïve", true},  {"Xyzzorpt", false}, {"recieve", false}};
    for (const Case &c : cases) {
        EXPECT_EQ(xa_wordIsSpelledCorrectlyInEnglish(c.word), c.correct) << c.word;
        EXPECT_EQ(xa_wordIsMisspelledInEnglish(c.word), !c.correct) << c.word;
    }
}

TEST(XASpellChecker, AvailableLanguagesAreThoseWithBothDictionaryFiles) {
    XAScratchFolder scratch;
    const XAScopedEnvironmentVariable resources("TESSARY_RESOURCES_DIR", scratch.path());
    EXPECT_TRUE(XASpellChecker::availableLanguages().empty()) << "no dictionary folder";

    scratch.write("SpellCheckDictionaries/en_US.dic", "1\nword\n");
    scratch.write("SpellCheckDictionaries/en_US.aff", "SET UTF-8\n");
    scratch.write("SpellCheckDictionaries/de_DE.dic", "1\nWort\n");   // no affix file
    scratch.write("SpellCheckDictionaries/en_GB.aff", "SET UTF-8\n"); // no word file
    scratch.write("SpellCheckDictionaries/whitelist.txt", "word\n");
    EXPECT_EQ(XASpellChecker::availableLanguages(), std::vector<std::string>{"en_US"});
}
