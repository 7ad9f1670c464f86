#include "project/XASpellChecker.h"

#include "core/XALog.h"
#include "core/XAUserFolders.h"

#include <hunspell.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

namespace {

constexpr const char *kDictionaryFolder = "SpellCheckDictionaries";

bool isFile(const std::string &path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

XASpellChecker::XASpellChecker(std::string language) : language_(std::move(language)) {
    const std::optional<std::string> folder = xa_pathForResourcePath(kDictionaryFolder);
    const std::string affixPath = folder.value_or("") + "/" + language_ + ".aff";
    const std::string wordsPath = folder.value_or("") + "/" + language_ + ".dic";
    if (folder && isFile(affixPath) && isFile(wordsPath)) {
        handle_ = Hunspell_create(affixPath.c_str(), wordsPath.c_str());
    }
    if (!handle_) {
        XALog(XALogLevelError, "Cannot create spell checker for language '%s': dictionary file(s) not found",
              language_.c_str());
    }
}

XASpellChecker::~XASpellChecker() {
    if (handle_) {
        Hunspell_destroy(handle_);
    }
}

bool XASpellChecker::isSpelledCorrectly(std::string_view word) const {
    return !handle_ || Hunspell_spell(handle_, std::string(word).c_str()) != 0;
}

XASpellChecker &XASpellChecker::spellCheckerForCurrentThreadWithLanguage(const std::string &language) {
    thread_local std::map<std::string, std::unique_ptr<XASpellChecker>> checkers;
    std::unique_ptr<XASpellChecker> &checker = checkers[language];
    if (!checker) {
        checker = std::make_unique<XASpellChecker>(language);
    }
    return *checker;
}

std::vector<std::string> XASpellChecker::availableLanguages() {
    std::vector<std::string> languages;
    const std::optional<std::string> folder = xa_pathForResourcePath(kDictionaryFolder);
    std::error_code error;
    if (!folder || !std::filesystem::is_directory(*folder, error)) {
        return languages;
    }
    for (const auto &entry : std::filesystem::directory_iterator(*folder, error)) {
        const std::filesystem::path &path = entry.path();
        if (path.extension() == ".dic" && isFile(path.string()) &&
            isFile(std::filesystem::path(path).replace_extension(".aff").string())) {
            languages.push_back(path.stem().string());
        }
    }
    std::sort(languages.begin(), languages.end());
    return languages;
}

XASpellChecker &XASpellChecker::spellCheckerForCurrentThreadWithEnglishLanguage() {
    return spellCheckerForCurrentThreadWithLanguage(kEnglishLanguage);
}

bool xa_wordIsMisspelledInEnglish(std::string_view word) {
    for (const char *language : {XASpellChecker::kEnglishLanguage, XASpellChecker::kBritishEnglishLanguage}) {
        if (XASpellChecker::spellCheckerForCurrentThreadWithLanguage(language).isSpelledCorrectly(word)) {
            return false;
        }
    }
    return true;
}

bool xa_wordIsSpelledCorrectlyInEnglish(std::string_view word) { return !xa_wordIsMisspelledInEnglish(word); }
