#include "platform/devtools/XAXcodebuildBuildCompiler.h"

#include "core/XAPaths.h"
#include "core/XAString.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace {

// ---- Languages ----

struct XALanguageOfType {
    std::string_view fileType;
    XASourceLanguage language;
};

constexpr XALanguageOfType kLanguagesOfTypes[] = {
    {"sourcecode.c.c", XASourceLanguage::C},
    {"sourcecode.c.objc", XASourceLanguage::ObjectiveC},
    {"sourcecode.cpp.cpp", XASourceLanguage::CPlusPlus},
    {"sourcecode.cpp.objcpp", XASourceLanguage::ObjectiveCPlusPlus},
};

struct XALanguageOfExtension {
    std::string_view extension;
    XASourceLanguage language;
};

// Case matters: ".C" is C++, ".c" is C.
constexpr XALanguageOfExtension kLanguagesOfExtensions[] = {
    {"c", XASourceLanguage::C},
    {"m", XASourceLanguage::ObjectiveC},
    {"mm", XASourceLanguage::ObjectiveCPlusPlus},
    {"M", XASourceLanguage::ObjectiveCPlusPlus},
    {"cpp", XASourceLanguage::CPlusPlus},
    {"cc", XASourceLanguage::CPlusPlus},
    {"cxx", XASourceLanguage::CPlusPlus},
    {"cp", XASourceLanguage::CPlusPlus},
    {"c++", XASourceLanguage::CPlusPlus},
    {"C", XASourceLanguage::CPlusPlus},
};

bool isObjectiveC(XASourceLanguage language) {
    return language == XASourceLanguage::ObjectiveC || language == XASourceLanguage::ObjectiveCPlusPlus;
}

// ---- Warning settings ----

enum XALanguageMask : unsigned { kAll = 0, kCPlusPlusOnly = 1, kObjectiveCOnly = 2 };

struct XAWarningSetting {
    std::string_view setting;
    std::string_view warning; // the -W name of YES; empty when `yes` and `no` say everything
    unsigned languages = kAll;
    std::string_view aggressive = {}; // the -W name of YES_AGGRESSIVE, when it differs
    std::string_view yes = {};        // a flag of YES that is not -W<warning>
    std::string_view no = {};         // a flag of NO that is not -Wno-<warning>
};

constexpr XAWarningSetting kWarningSettings[] = {
    {"GCC_WARN_64_TO_32_BIT_CONVERSION", "shorten-64-to-32"},
    {"GCC_WARN_ABOUT_DEPRECATED_FUNCTIONS", "deprecated-declarations"},
    {"GCC_WARN_ABOUT_INVALID_OFFSETOF_MACRO", "invalid-offsetof", kCPlusPlusOnly},
    {"GCC_WARN_ABOUT_MISSING_FIELD_INITIALIZERS", "missing-field-initializers"},
    {"GCC_WARN_ABOUT_MISSING_NEWLINE", "newline-eof"},
    {"GCC_WARN_ABOUT_MISSING_PROTOTYPES", "missing-prototypes"},
    {"GCC_WARN_ABOUT_POINTER_SIGNEDNESS", "pointer-sign"},
    {"GCC_WARN_ABOUT_RETURN_TYPE", "return-type"},
    {"GCC_WARN_ALLOW_INCOMPLETE_PROTOCOL", "protocol", kObjectiveCOnly},
    {"GCC_WARN_CHECK_SWITCH_STATEMENTS", "switch"},
    {"GCC_WARN_EFFECTIVE_CPLUSPLUS_VIOLATIONS", "effc++", kCPlusPlusOnly},
    {"GCC_WARN_FOUR_CHARACTER_CONSTANTS", "four-char-constants"},
    {"GCC_WARN_HIDDEN_VIRTUAL_FUNCTIONS", "overloaded-virtual", kCPlusPlusOnly},
    {"GCC_WARN_INHIBIT_ALL_WARNINGS", "", kAll, {}, "-w", {}},
    {"GCC_WARN_INITIALIZER_NOT_FULLY_BRACKETED", "missing-braces"},
    {"GCC_WARN_MISSING_PARENTHESES", "parentheses"},
    {"GCC_WARN_MULTIPLE_DEFINITION_TYPES_FOR_SELECTOR", "selector", kObjectiveCOnly},
    {"GCC_WARN_NON_VIRTUAL_DESTRUCTOR", "non-virtual-dtor", kCPlusPlusOnly},
    {"GCC_WARN_PEDANTIC", "", kAll, {}, "-pedantic", {}},
    {"GCC_WARN_SHADOW", "shadow"},
    {"GCC_WARN_SIGN_COMPARE", "sign-compare"},
    {"GCC_WARN_STRICT_SELECTOR_MATCH", "strict-selector-match", kObjectiveCOnly},
    {"GCC_WARN_TYPECHECK_CALLS_TO_PRINTF", "", kAll, {}, {}, "-Wno-format"},
    {"GCC_WARN_UNDECLARED_SELECTOR", "undeclared-selector", kObjectiveCOnly},
    {"GCC_WARN_UNINITIALIZED_AUTOS", "uninitialized", kAll, "conditional-uninitialized"},
    {"GCC_WARN_UNKNOWN_PRAGMAS", "unknown-pragmas"},
    {"GCC_WARN_UNUSED_FUNCTION", "unused-function"},
    {"GCC_WARN_UNUSED_LABEL", "unused-label"},
    {"GCC_WARN_UNUSED_PARAMETER", "unused-parameter"},
    {"GCC_WARN_UNUSED_VALUE", "unused-value"},
    {"GCC_WARN_UNUSED_VARIABLE", "unused-variable"},
    {"CLANG_WARN__ARC_BRIDGE_CAST_NONARC", "arc-bridge-casts-disallowed-in-nonarc", kObjectiveCOnly},
    {"CLANG_WARN__DUPLICATE_METHOD_MATCH", "duplicate-method-match", kObjectiveCOnly},
    {"CLANG_WARN__EXIT_TIME_DESTRUCTORS", "exit-time-destructors", kCPlusPlusOnly},
    {"CLANG_WARN_ASSIGN_ENUM", "assign-enum"},
    {"CLANG_WARN_ATOMIC_IMPLICIT_SEQ_CST", "atomic-implicit-seq-cst"},
    {"CLANG_WARN_BLOCK_CAPTURE_AUTORELEASING", "block-capture-autoreleasing", kObjectiveCOnly},
    {"CLANG_WARN_BOOL_CONVERSION", "bool-conversion"},
    {"CLANG_WARN_COMMA", "comma"},
    {"CLANG_WARN_COMPLETION_HANDLER_MISUSE", "completion-handler", kObjectiveCOnly},
    {"CLANG_WARN_CONSTANT_CONVERSION", "constant-conversion"},
    {"CLANG_WARN_CXX0X_EXTENSIONS", "c++11-extensions", kCPlusPlusOnly},
    {"CLANG_WARN_DELETE_NON_VIRTUAL_DTOR", "delete-non-virtual-dtor", kCPlusPlusOnly},
    {"CLANG_WARN_DEPRECATED_OBJC_IMPLEMENTATIONS", "deprecated-implementations", kObjectiveCOnly},
    {"CLANG_WARN_DIRECT_OBJC_ISA_USAGE", "deprecated-objc-isa-usage", kObjectiveCOnly},
    {"CLANG_WARN_DOCUMENTATION_COMMENTS", "documentation"},
    {"CLANG_WARN_EMPTY_BODY", "empty-body"},
    {"CLANG_WARN_ENUM_CONVERSION", "enum-conversion"},
    {"CLANG_WARN_FLOAT_CONVERSION", "float-conversion"},
    {"CLANG_WARN_FRAMEWORK_INCLUDE_PRIVATE_FROM_PUBLIC", "framework-include-private-from-public"},
    {"CLANG_WARN_IMPLICIT_FALLTHROUGH", "implicit-fallthrough"},
    {"CLANG_WARN_IMPLICIT_SIGN_CONVERSION", "sign-conversion"},
    {"CLANG_WARN_INFINITE_RECURSION", "infinite-recursion"},
    {"CLANG_WARN_INT_CONVERSION", "int-conversion"},
    {"CLANG_WARN_MISSING_NOESCAPE", "missing-noescape", kObjectiveCOnly},
    {"CLANG_WARN_NON_LITERAL_NULL_CONVERSION", "non-literal-null-conversion"},
    {"CLANG_WARN_NULLABLE_TO_NONNULL_CONVERSION", "nullable-to-nonnull-conversion"},
    {"CLANG_WARN_OBJC_EXPLICIT_OWNERSHIP_TYPE", "explicit-ownership-type", kObjectiveCOnly},
    {"CLANG_WARN_OBJC_IMPLICIT_ATOMIC_PROPERTIES", "implicit-atomic-properties", kObjectiveCOnly},
    {"CLANG_WARN_OBJC_IMPLICIT_RETAIN_SELF", "implicit-retain-self", kObjectiveCOnly},
    {"CLANG_WARN_OBJC_INTERFACE_IVARS", "objc-interface-ivars", kObjectiveCOnly},
    {"CLANG_WARN_OBJC_LITERAL_CONVERSION", "objc-literal-conversion", kObjectiveCOnly},
    {"CLANG_WARN_OBJC_MISSING_PROPERTY_SYNTHESIS", "objc-missing-property-synthesis", kObjectiveCOnly},
    {"CLANG_WARN_OBJC_RECEIVER_WEAK", "receiver-is-weak", kObjectiveCOnly},
    {"CLANG_WARN_OBJC_REPEATED_USE_OF_WEAK", "arc-repeated-use-of-weak", kObjectiveCOnly},
    {"CLANG_WARN_OBJC_ROOT_CLASS", "objc-root-class", kObjectiveCOnly},
    {"CLANG_WARN_PRAGMA_PACK", "pragma-pack"},
    {"CLANG_WARN_QUOTED_INCLUDE_IN_FRAMEWORK_HEADER", "quoted-include-in-framework-header"},
    {"CLANG_WARN_RANGE_LOOP_ANALYSIS", "range-loop-analysis", kCPlusPlusOnly},
    {"CLANG_WARN_SEMICOLON_BEFORE_METHOD_BODY", "semicolon-before-method-body", kObjectiveCOnly},
    {"CLANG_WARN_STRICT_PROTOTYPES", "strict-prototypes"},
    {"CLANG_WARN_SUSPICIOUS_IMPLICIT_CONVERSION", "conversion"},
    {"CLANG_WARN_SUSPICIOUS_MOVE", "move", kCPlusPlusOnly},
    {"CLANG_WARN_UNGUARDED_AVAILABILITY", "unguarded-availability-new", kAll, "unguarded-availability"},
    {"CLANG_WARN_UNREACHABLE_CODE", "unreachable-code"},
    {"CLANG_WARN_VEXING_PARSE", "vexing-parse", kCPlusPlusOnly},
};

bool appliesTo(const XAWarningSetting &entry, XASourceLanguage language) {
    if (entry.languages == kCPlusPlusOnly) {
        return XAIsCPlusPlusLanguage(language);
    }
    return entry.languages != kObjectiveCOnly || isObjectiveC(language);
}

const XAWarningSetting *warningSetting(std::string_view setting) {
    for (const XAWarningSetting &entry : kWarningSettings) {
        if (entry.setting == setting) {
            return &entry;
        }
    }
    return nullptr;
}

// ---- Recursive search paths ----

constexpr std::size_t kMaximumRecursiveFolders = 5000;

// Folders Xcode's EXCLUDED_RECURSIVE_SEARCH_PATH_SUBDIRECTORIES leaves out of a recursive search path.
bool isExcludedFromRecursiveSearch(const std::string &name) {
    if (name.empty() || name.front() == '.' || name == "CVS" || (name.front() == '(' && name.back() == ')')) {
        return true;
    }
    const std::string extension = xa_pathExtension(name);
    return extension == "nib" || extension == "lproj" || extension == "framework" || extension == "gch" ||
           extension == "xcassets" || extension == "pbproj" || extension == "pbxproj" || extension.starts_with("xcode");
}

// The folder and every folder below it, in a stable order; links are not followed so that a loop cannot trap it.
std::vector<std::string> foldersBelow(const std::string &root) {
    std::vector<std::string> folders{root};
    std::error_code error;
    if (!std::filesystem::is_directory(root, error)) {
        return folders;
    }
    for (std::size_t next = 0; next < folders.size() && folders.size() < kMaximumRecursiveFolders; ++next) {
        std::vector<std::string> children;
        for (std::filesystem::directory_iterator entry(folders[next], error), end; !error && entry != end;
             entry.increment(error)) {
            std::error_code typeError;
            if (entry->is_directory(typeError) && !entry->is_symlink(typeError) &&
                !isExcludedFromRecursiveSearch(entry->path().filename().string())) {
                children.push_back(entry->path().string());
            }
        }
        error.clear();
        std::sort(children.begin(), children.end());
        for (std::string &child : children) {
            if (folders.size() < kMaximumRecursiveFolders) {
                folders.push_back(std::move(child));
            }
        }
    }
    return folders;
}

bool isNonDefault(const std::string &value) { return !value.empty() && value != "compiler-default"; }

} // namespace

std::optional<XASourceLanguage> XASourceLanguageForFile(const std::optional<std::string> &fileType,
                                                        const std::string &fileName) {
    if (fileType && !fileType->empty()) {
        for (const XALanguageOfType &entry : kLanguagesOfTypes) {
            if (entry.fileType == *fileType) {
                return entry.language;
            }
        }
        if (fileType->starts_with("sourcecode.")) {
            return std::nullopt; // a header, Swift, assembly, a Metal shader...: not compiled by clang as C
        }
    }
    const std::string extension = xa_pathExtension(fileName);
    for (const XALanguageOfExtension &entry : kLanguagesOfExtensions) {
        if (entry.extension == extension) {
            return entry.language;
        }
    }
    return std::nullopt;
}

std::vector<std::string> XABuildSettingWords(std::string_view value) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t index = 0; index < value.size(); ++index) {
        const char character = value[index];
        if (quote == '\'') {
            if (character == '\'') {
                quote = 0;
            } else {
                word.push_back(character);
            }
        } else if (character == '\\' && index + 1 < value.size() &&
                   (quote == 0 || value[index + 1] == '"' || value[index + 1] == '\\')) {
            word.push_back(value[++index]);
            inWord = true;
        } else if (quote == '"') {
            if (character == '"') {
                quote = 0;
            } else {
                word.push_back(character);
            }
        } else if (character == '"' || character == '\'') {
            quote = character;
            inWord = true;
        } else if (character == ' ' || character == '\t' || character == '\n' || character == '\r') {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
        } else {
            word.push_back(character);
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

const char *XALanguageDialectName(XASourceLanguage language) {
    switch (language) {
    case XASourceLanguage::C:
        return "c";
    case XASourceLanguage::ObjectiveC:
        return "objective-c";
    case XASourceLanguage::CPlusPlus:
        return "c++";
    case XASourceLanguage::ObjectiveCPlusPlus:
        return "objective-c++";
    }
    return "c";
}

bool XAIsCPlusPlusLanguage(XASourceLanguage language) {
    return language == XASourceLanguage::CPlusPlus || language == XASourceLanguage::ObjectiveCPlusPlus;
}

std::vector<std::string> XAWarningFlagsForSetting(const std::string &setting, const std::string &value,
                                                  XASourceLanguage language) {
    const XAWarningSetting *entry = warningSetting(setting);
    if (!entry || !appliesTo(*entry, language)) {
        return {};
    }
    const std::string warning(entry->warning);
    if (value == "YES" || (value == "YES_AGGRESSIVE" && entry->aggressive.empty())) {
        if (!entry->yes.empty()) {
            return {std::string(entry->yes)};
        }
        return warning.empty() ? std::vector<std::string>{} : std::vector<std::string>{"-W" + warning};
    }
    if (value == "YES_AGGRESSIVE") {
        return {"-W" + std::string(entry->aggressive)};
    }
    if (value == "YES_ERROR" && !warning.empty()) {
        return {"-Werror=" + warning};
    }
    if (value == "NO") {
        if (!entry->no.empty()) {
            return {std::string(entry->no)};
        }
        return warning.empty() ? std::vector<std::string>{} : std::vector<std::string>{"-Wno-" + warning};
    }
    return {};
}

XAClangArguments::XAClangArguments(const std::map<std::string, std::string> &settings) : settings_(settings) {}

std::string XAClangArguments::value(const std::string &key) const {
    auto found = settings_.find(key);
    return found == settings_.end() ? std::string() : found->second;
}

bool XAClangArguments::isYes(const std::string &key) const { return value(key) == "YES"; }

std::vector<std::string> XAClangArguments::words(const std::string &key) const {
    return XABuildSettingWords(value(key));
}

std::string XAClangArguments::compilerPath() const { return value("DT_TOOLCHAIN_DIR") + "/usr/bin/clang"; }

std::string XAClangArguments::architecture() const { return value("CURRENT_ARCH"); }

std::vector<std::string> XAClangArguments::searchPaths(const std::string &key) {
    if (auto cached = searchPathCache_.find(key); cached != searchPathCache_.end()) {
        return cached->second;
    }
    std::vector<std::string> paths;
    for (std::string path : words(key)) {
        if (path == "**" || path.ends_with("/**")) {
            path.resize(path.size() >= 3 ? path.size() - 3 : 0);
            if (!xa_isAbsolutePath(path)) {
                path = xa_stringByStandardizingPath(xa_stringByAppendingPathComponent(value("PROJECT_DIR"), path));
            }
            std::vector<std::string> folders = foldersBelow(path);
            paths.insert(paths.end(), folders.begin(), folders.end());
        } else if (!path.empty()) {
            paths.push_back(std::move(path));
        }
    }
    return searchPathCache_[key] = paths;
}

const std::vector<std::string> &XAClangArguments::languageArguments(XASourceLanguage language,
                                                                    bool forPrecompiledHeader) {
    const auto key = std::make_pair(language, forPrecompiledHeader);
    auto cached = cache_.find(key);
    if (cached == cache_.end()) {
        cached = cache_.emplace(key, makeLanguageArguments(language, forPrecompiledHeader)).first;
    }
    return cached->second;
}

std::vector<std::string> XAClangArguments::makeLanguageArguments(XASourceLanguage language, bool forPrecompiledHeader) {
    std::vector<std::string> arguments;
    arguments.reserve(96);
    const std::string dialect = XALanguageDialectName(language);
    arguments.insert(arguments.end(), {"-x", forPrecompiledHeader ? dialect + "-header" : dialect});
    const std::string arch = architecture();
    const std::string osVersion = value("LLVM_TARGET_TRIPLE_OS_VERSION");
    if (!arch.empty() && !osVersion.empty()) {
        const std::string vendor = value("LLVM_TARGET_TRIPLE_VENDOR");
        arguments.insert(arguments.end(), {"-target", arch + "-" + (vendor.empty() ? "apple" : vendor) + "-" +
                                                          osVersion + value("LLVM_TARGET_TRIPLE_SUFFIX")});
    }
    if (!arch.empty()) {
        arguments.insert(arguments.end(), {"-arch", arch});
    }
    arguments.insert(arguments.end(),
                     {"-fmessage-length=0", "-fdiagnostics-show-note-include-stack", "-fmacro-backtrace-limit=0"});
    appendLanguageFlags(arguments, language);
    for (const XAWarningSetting &entry : kWarningSettings) {
        auto found = settings_.find(std::string(entry.setting));
        if (found != settings_.end()) {
            for (std::string &flag : XAWarningFlagsForSetting(found->first, found->second, language)) {
                arguments.push_back(std::move(flag));
            }
        }
    }
    if (isYes("GCC_TREAT_WARNINGS_AS_ERRORS")) {
        arguments.push_back("-Werror");
    }
    // Xcode's switch for Foundation's assertion macros, off in release builds of its templates.
    if (value("ENABLE_NS_ASSERTIONS") == "NO") {
        arguments.push_back("-DNS_BLOCK_ASSERTIONS=1");
    }
    for (const char *key : {"GCC_PREPROCESSOR_DEFINITIONS", "GCC_PREPROCESSOR_DEFINITIONS_NOT_USED_IN_PRECOMPS"}) {
        if (forPrecompiledHeader && std::string_view(key).ends_with("PRECOMPS")) {
            continue;
        }
        for (const std::string &definition : words(key)) {
            arguments.push_back("-D" + definition);
        }
    }
    if (const std::string sdk = value("SDKROOT"); !sdk.empty()) {
        arguments.insert(arguments.end(), {"-isysroot", sdk});
    }
    appendSearchPaths(arguments);
    for (std::string &flag : words("WARNING_CFLAGS")) {
        arguments.push_back(std::move(flag));
    }
    const bool cPlusPlusFlags = XAIsCPlusPlusLanguage(language) && settings_.count("OTHER_CPLUSPLUSFLAGS");
    for (std::string &flag : words(cPlusPlusFlags ? "OTHER_CPLUSPLUSFLAGS" : "OTHER_CFLAGS")) {
        arguments.push_back(std::move(flag));
    }
    return arguments;
}

void XAClangArguments::appendLanguageFlags(std::vector<std::string> &arguments, XASourceLanguage language) const {
    if (XAIsCPlusPlusLanguage(language)) {
        if (const std::string standard = value("CLANG_CXX_LANGUAGE_STANDARD"); isNonDefault(standard)) {
            arguments.push_back("-std=" + standard);
        }
        if (const std::string library = value("CLANG_CXX_LIBRARY"); isNonDefault(library)) {
            arguments.push_back("-stdlib=" + library);
        }
    } else if (const std::string standard = value("GCC_C_LANGUAGE_STANDARD"); isNonDefault(standard)) {
        arguments.push_back("-std=" + standard);
    }
    if (isObjectiveC(language) && isYes("CLANG_ENABLE_OBJC_ARC")) {
        arguments.push_back("-fobjc-arc");
    }
    if (!XAIsCPlusPlusLanguage(language) && isYes("CLANG_ENABLE_MODULES")) {
        arguments.push_back("-fmodules");
        if (const std::string cache = value("MODULE_CACHE_DIR"); !cache.empty()) {
            arguments.push_back("-fmodules-cache-path=" + cache);
        }
    }
    if (const std::string level = value("GCC_OPTIMIZATION_LEVEL"); !level.empty()) {
        arguments.push_back("-O" + level);
    }
    if (value("GCC_GENERATE_DEBUGGING_SYMBOLS") != "NO") {
        arguments.push_back("-g");
    }
}

// Xcode's header maps, which let `#import "Name.h"` find a header of the project in any folder. A dry run writes none,
// but the line names them as a real build does.
void XAClangArguments::appendHeaderMaps(std::vector<std::string> &arguments) {
    if (value("USE_HEADERMAP") == "NO") {
        return;
    }
    std::string name = value("PRODUCT_NAME");
    if (name.empty()) {
        name = value("TARGET_NAME");
    }
    const std::string prefix = value("TARGET_TEMP_DIR") + "/" + name;
    arguments.insert(arguments.end(), {"-iquote", prefix + "-generated-files.hmap"});
    arguments.push_back("-I" + prefix + "-own-target-headers.hmap");
    arguments.push_back("-I" + prefix + "-all-target-headers.hmap");
    arguments.insert(arguments.end(), {"-iquote", prefix + "-project-headers.hmap"});
}

void XAClangArguments::appendSearchPaths(std::vector<std::string> &arguments) {
    const std::string productsFolder = value("BUILT_PRODUCTS_DIR");
    const std::string derivedSources = value("DERIVED_FILE_DIR");
    appendHeaderMaps(arguments);
    arguments.push_back("-I" + productsFolder + "/include");
    const bool userPathsAsSystemPaths = isYes("ALWAYS_SEARCH_USER_PATHS");
    for (const std::string &path : searchPaths("USER_HEADER_SEARCH_PATHS")) {
        if (userPathsAsSystemPaths) {
            arguments.push_back("-I" + path);
        } else {
            arguments.insert(arguments.end(), {"-iquote", path});
        }
    }
    for (const std::string &path : searchPaths("HEADER_SEARCH_PATHS")) {
        arguments.push_back("-I" + path);
    }
    arguments.push_back("-I" + derivedSources + "/" + architecture());
    arguments.push_back("-I" + derivedSources);
    arguments.push_back("-F" + productsFolder);
    for (const std::string &path : searchPaths("FRAMEWORK_SEARCH_PATHS")) {
        arguments.push_back("-F" + path);
    }
    for (const std::string &path : searchPaths("SYSTEM_HEADER_SEARCH_PATHS")) {
        arguments.insert(arguments.end(), {"-isystem", path});
    }
}
