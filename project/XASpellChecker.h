#pragma once

// English spell checking for the rules that look for misspelled words, through Hunspell.
//
// A Hunspell handle must not be used by two threads at once, so every thread gets its own checker per language,
// made on first use and kept for the thread's life. The dictionaries (an affix file <language>.aff and a word file
// <language>.dic) are resources in the folder "SpellCheckDictionaries".

#include <string>
#include <string_view>
#include <vector>

struct Hunhandle;

class XASpellChecker {
public:
    // The American English dictionary.
    static constexpr const char *kEnglishLanguage = "en_US";
    // The British English dictionary, the second opinion of the English test below.
    static constexpr const char *kBritishEnglishLanguage = "en_GB";

    // Opens the language's dictionary; when its files are missing, logs so at the error level and stays without one.
    explicit XASpellChecker(std::string language);
    ~XASpellChecker();
    XASpellChecker(const XASpellChecker &) = delete;
    XASpellChecker &operator=(const XASpellChecker &) = delete;

    const std::string &language() const { return language_; }
    bool hasDictionary() const { return handle_ != nullptr; }

    // Hunspell's verdict on the word's UTF-8 text. Without a dictionary nothing can be judged misspelled: true.
    bool isSpelledCorrectly(std::string_view word) const;

    // The calling thread's checker for the language, made on first use. A language without dictionary files is
    // remembered the same way, so its log line appears once per thread.
    static XASpellChecker &spellCheckerForCurrentThreadWithLanguage(const std::string &language);
    static XASpellChecker &spellCheckerForCurrentThreadWithEnglishLanguage();

    // The languages whose affix and word files are both in the dictionary folder, sorted ("en_GB", "en_US"); none
    // when the folder is missing. The folder is looked at on every call.
    static std::vector<std::string> availableLanguages();

private:
    std::string language_;
    Hunhandle *handle_ = nullptr;
};

// True unless American or British English accepts the word.
bool xa_wordIsMisspelledInEnglish(std::string_view word);
bool xa_wordIsSpelledCorrectlyInEnglish(std::string_view word);
