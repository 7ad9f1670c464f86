#pragma once

// The compiler invocation of the xcodebuild stand-in's build log, derived from a target's resolved build settings as
// Xcode's build system derives it for clang:
//
//   -x <dialect> -target <arch>-apple-<os><version><suffix> -arch <arch> -fmessage-length=0 ...
//   -std=... -stdlib=... -fobjc-arc -fmodules -fmodules-cache-path=... -O<level> -g
//   <-W flags of the GCC_WARN_* and CLANG_WARN_* settings that are set> -Werror
//   -D<definition>... -isysroot <SDKROOT>
//   -I<products>/include -iquote <user header path>... -I<header path>... -I<derived sources>/<arch>
//   -I<derived sources> -F<products> -F<framework path>... -isystem <system header path>...
//   <WARNING_CFLAGS> <OTHER_CFLAGS, or OTHER_CPLUSPLUSFLAGS for C++>
//
// Search paths ending in "/**" stand for the folder and every folder below it (hidden folders, bundles and
// localisation folders left out, as Xcode leaves them out).

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class XASourceLanguage { C, ObjectiveC, CPlusPlus, ObjectiveCPlusPlus };

// The language a Sources-phase file is compiled in, from its file type ("sourcecode.c.objc") when it has one, else
// from its name's extension; no value for files that are not C, Objective-C, C++ or Objective-C++ sources.
std::optional<XASourceLanguage> XASourceLanguageForFile(const std::optional<std::string> &fileType,
                                                        const std::string &fileName);
// The words of a list setting or of a file's COMPILER_FLAGS, split as a shell splits them: blanks separate words;
// double and single quotes group characters (also in the middle of a word) and are removed; a backslash outside single
// quotes takes the next character as it is. `-DNAME="a b"` is the one word `-DNAME=a b`, `-DNAME=\"a\"` the word
// `-DNAME="a"`.
std::vector<std::string> XABuildSettingWords(std::string_view value);

// "c", "objective-c", "c++", "objective-c++": the value of -x and the language column of a CompileC step.
const char *XALanguageDialectName(XASourceLanguage language);
bool XAIsCPlusPlusLanguage(XASourceLanguage language);

// The -W flag (or flags) of a warning setting's value: "-Wunused-variable" for GCC_WARN_UNUSED_VARIABLE = YES,
// "-Wno-unused-variable" for NO, "-Werror=return-type" for GCC_WARN_ABOUT_RETURN_TYPE = YES_ERROR. Empty for
// settings that are not warning settings and for values that add no flag.
std::vector<std::string> XAWarningFlagsForSetting(const std::string &setting, const std::string &value,
                                                  XASourceLanguage language);

class XAClangArguments {
public:
    explicit XAClangArguments(const std::map<std::string, std::string> &settings);

    // <DT_TOOLCHAIN_DIR>/usr/bin/clang.
    std::string compilerPath() const;
    // The target's architecture: CURRENT_ARCH.
    std::string architecture() const;
    // The arguments every compile of the language shares (everything in the order above), made once per language.
    // A precompiled header is compiled as "<dialect>-header" and without GCC_PREPROCESSOR_DEFINITIONS_NOT_USED_IN_
    // PRECOMPS.
    const std::vector<std::string> &languageArguments(XASourceLanguage language, bool forPrecompiledHeader);

private:
    std::string value(const std::string &key) const;
    bool isYes(const std::string &key) const;
    std::vector<std::string> words(const std::string &key) const;
    std::vector<std::string> searchPaths(const std::string &key);
    std::vector<std::string> makeLanguageArguments(XASourceLanguage language, bool forPrecompiledHeader);
    void appendLanguageFlags(std::vector<std::string> &arguments, XASourceLanguage language) const;
    void appendHeaderMaps(std::vector<std::string> &arguments);
    void appendSearchPaths(std::vector<std::string> &arguments);

    const std::map<std::string, std::string> &settings_;
    std::map<std::pair<XASourceLanguage, bool>, std::vector<std::string>> cache_;
    std::map<std::string, std::vector<std::string>> searchPathCache_;
};
