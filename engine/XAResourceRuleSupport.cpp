#include "engine/XAResourceRuleSupport.h"

#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XALocales.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XATextOffsets.h"
#include "core/XAValue.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>

#include <unicode/normalizer2.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>

namespace {

// A value left for translators to fill in.
bool isPlaceholderTranslation(const std::string &value) {
    const std::string word = xa_lowercased(xa_trimmed(value));
    return word == "todo" || word == "fixme";
}

std::vector<std::string> makeLaunchImageNames() {
    const std::vector<std::string> starts = {"Default", "Default-568h"};
    std::vector<std::string> names = starts;
    for (const char *orientation :
         {"-PortraitUpsideDown", "-LandscapeLeft", "-LandscapeRight", "-Portrait", "-Landscape"}) {
        for (const std::string &start : starts) {
            names.push_back(start + orientation);
        }
    }
    const std::size_t withoutScale = names.size();
    for (std::size_t index = 0; index < withoutScale; ++index) {
        names.push_back(names[index] + "@2x");
    }
    const std::size_t withoutDevice = names.size();
    for (const char *device : {"iphone", "ipad"}) {
        for (std::size_t index = 0; index < withoutDevice; ++index) {
            names.push_back(names[index] + "~" + device);
        }
    }
    return names;
}

// A part that the identifier's locale names must be the locale's; one it lacks matches any.
bool partMatches(const std::optional<std::string> &itemPart, const std::optional<std::string> &localePart) {
    return !itemPart || itemPart->empty() || itemPart == localePart;
}

// Calls the visitor with each `.strings` resource of the target and its table, in the target's order; files that
// cannot be read are left out, since the rule on unreadable strings files reports them.
template <typename Visitor> void forEachReadableStringsTable(const XAProjectTarget &target, Visitor &&visit) {
    for (const std::shared_ptr<XAProjectFile> &file : target.resourceFiles()) {
        if (!file->isStringsFile()) {
            continue;
        }
        const std::optional<XAValue> table = file->stringsFileDictionary(nullptr);
        if (table && table->dictionary()) {
            visit(file, *table->dictionary());
        }
    }
}

// Punctuation of other scripts and the character it means: the ideographic full stop and comma (also in their
// half-width forms), and the Greek question mark, which Unicode makes the same as the semicolon.
constexpr std::pair<UChar32, UChar> kPunctuationOfOtherScripts[] = {
    {0x3002, u'.'}, {0xFF61, u'.'}, {0x3001, u','}, {0xFF64, u','}, {0x037E, u';'}};

// The text without the white space that stands between two other characters: French typography puts a space before
// ":", "!", "?" and "…" ("Et alors… ?"), German before "…", which changes nothing of the punctuation. White space at
// either end stays: a trailing blank is a difference of its own.
icu::UnicodeString withoutInnerWhitespace(const icu::UnicodeString &text) {
    const icu::UnicodeSet &whitespace = XAWhitespaceAndNewlineCharacterSet();
    const int32_t start = whitespace.span(text, 0, USET_SPAN_CONTAINED);
    const int32_t end = whitespace.spanBack(text, text.length(), USET_SPAN_CONTAINED);
    if (start >= end) {
        return text;
    }
    icu::UnicodeString result(text, 0, start);
    for (int32_t index = start; index < end; index = text.moveIndex32(index, 1)) {
        if (!whitespace.contains(text.char32At(index))) {
            result.append(text.char32At(index));
        }
    }
    return result.append(text, end, text.length() - end);
}

// What a border means in the language of the locale, as a text to compare.
std::string borderPunctuationMeaning(const std::string &border, const std::string &localeIdentifier) {
    icu::UnicodeString form = icu::UnicodeString::fromUTF8(
        xa_stringByApplyingTransform(border, "Fullwidth-Halfwidth", false).value_or(border));
    for (const auto &[character, meaning] : kPunctuationOfOtherScripts) {
        form.findAndReplace(icu::UnicodeString(character), icu::UnicodeString(meaning));
    }
    if (xa_languageCode(xa_localeWithLocaleIdentifier(localeIdentifier)) == "el") {
        form.findAndReplace(icu::UnicodeString(u';'), icu::UnicodeString(u'?')); // the Greek question mark
    }
    form = withoutInnerWhitespace(form);
    form.foldCase();
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_SUCCESS(status)) {
        form = nfc->normalize(form, status);
    }
    std::string meaning;
    return form.toUTF8String(meaning);
}

} // namespace

const std::vector<std::string> &resourceNameVariants() {
    static const std::vector<std::string> names = makeLaunchImageNames();
    return names;
}

XAStringsFileEntriesByKeyMap XAStringsFileEntriesByKey(const XAProjectTarget &target) {
    XAStringsFileEntriesByKeyMap entriesByKey;
    forEachReadableStringsTable(target, [&](const std::shared_ptr<XAProjectFile> &file, const XADictionary &table) {
        for (const auto &[key, value] : table) {
            entriesByKey[key].emplace_back(file, value);
        }
    });
    return entriesByKey;
}

bool XAAppliesToLocalizedProject(const XARuleContext &context) {
    return context.project() && context.project()->isLocalized();
}

std::vector<XATranslationGroup> XATranslationGroupsOfTarget(const XAProjectTarget &target) {
    std::vector<XATranslationGroup> groups;
    std::map<std::pair<std::string, std::string>, std::size_t> groupIndexes;
    forEachReadableStringsTable(target, [&](const std::shared_ptr<XAProjectFile> &file, const XADictionary &table) {
        const std::string tableName = xa_stringByDeletingPathExtension(file->basename());
        for (const auto &[key, value] : table) {
            const std::string *text = value.string();
            if (!text || isPlaceholderTranslation(*text)) {
                continue;
            }
            auto [found, added] = groupIndexes.try_emplace({tableName, key}, groups.size());
            if (added) {
                groups.push_back({tableName, key, {}});
            }
            groups[found->second].translations.emplace_back(file, *text);
        }
    });
    return groups;
}

std::optional<std::size_t> XAReferenceTranslationIndex(const XATranslationGroup &group, const XAProject &project) {
    const auto firstIndexWhere = [&](auto &&predicate) -> std::optional<std::size_t> {
        for (std::size_t index = 0; index < group.translations.size(); ++index) {
            if (predicate(*group.translations[index].first)) {
                return index;
            }
        }
        return std::nullopt;
    };
    if (std::optional<std::size_t> index =
            firstIndexWhere([&](const XAProjectFile &file) { return project.resourceFileIsDevRegionFile(file); })) {
        return index;
    }
    return firstIndexWhere([](const XAProjectFile &file) { return file.localeIdentifier() == "Base"; });
}

void XAForEachTranslationBesideReference(
    const XAProjectTarget &target, const XAProject &project,
    const std::function<void(const XATranslationGroup &group, const XATranslation &reference,
                             const XATranslation &translation)> &visit) {
    for (const XATranslationGroup &group : XATranslationGroupsOfTarget(target)) {
        const std::optional<std::size_t> referenceIndex =
            group.translations.size() < 2 ? std::nullopt : XAReferenceTranslationIndex(group, project);
        if (!referenceIndex) {
            continue;
        }
        for (std::size_t index = 0; index < group.translations.size(); ++index) {
            if (index != *referenceIndex) {
                visit(group, group.translations[*referenceIndex], group.translations[index]);
            }
        }
    }
}

std::string XATranslationRegionName(const XAProjectFile &file) {
    return file.humanReadableRegionCode().value_or("global");
}

std::pair<std::string, std::string> XATranslationBorderPunctuation(const std::string &translation,
                                                                   const std::string &punctuationChars) {
    icu::UnicodeSet border = XACharacterSetWithCharacters(punctuationChars);
    border.addAll(XACharacterSetWithCharacters(
        xa_stringByApplyingTransform(punctuationChars, "Fullwidth-Halfwidth", true).value_or("")));
    for (const auto &[character, meaning] : kPunctuationOfOtherScripts) {
        if (border.contains(meaning)) {
            border.add(character);
        }
    }
    border.addAll(XAWhitespaceAndNewlineCharacterSet());
    const auto length = static_cast<int32_t>(translation.size());
    const auto prefixEnd = static_cast<std::size_t>(border.spanUTF8(translation.data(), length, USET_SPAN_CONTAINED));
    const auto suffixStart =
        static_cast<std::size_t>(border.spanBackUTF8(translation.data(), length, USET_SPAN_CONTAINED));
    return {xa_trimmedFromEnd(translation.substr(0, prefixEnd)), xa_trimmedFromStart(translation.substr(suffixStart))};
}

bool XABorderPunctuationEquals(const std::string &border, const std::string &localeIdentifier, const std::string &other,
                               const std::string &otherLocaleIdentifier) {
    return borderPunctuationMeaning(border, localeIdentifier) == borderPunctuationMeaning(other, otherLocaleIdentifier);
}

XAResourcesByBaseNameAndDeviceTypeMap XAResourcesByBaseNameAndDeviceType(const XAProjectTarget &target) {
    XAResourcesByBaseNameAndDeviceTypeMap resources;
    for (const auto &[baseName, files] : target.resourcesGroupedByResourceBaseName()) {
        for (const std::shared_ptr<XAProjectFile> &file : files) {
            const std::string key =
                file->baseResourceName().value_or("(null)") + "~" + file->deviceTypeSpecifier().value_or("(null)");
            resources[key].push_back(file);
        }
    }
    return resources;
}

std::optional<std::vector<std::string>> XAImageFileExtensionsForPlatform(XAPlatform platform) {
    switch (platform) {
    case XAPlatformIOS:
        return std::vector<std::string>{"png"};
    case XAPlatformOSX:
        return std::vector<std::string>{"png",  "jpg", "jpeg", "tiff", "tif",  "gif", "bmp",
                                        "bmpf", "ico", "cur",  "xbm",  "icns", "pdf"};
    default:
        return std::nullopt;
    }
}

bool XAIsImplicitlyUsedResourcePath(const std::string &path, XAPlatform platform, bool checkSystemIcons) {
    if (checkSystemIcons && XAProject::resourcePathIsSystemProvidedIconNameOnPlatform(path, platform)) {
        return true;
    }
    if (platform != XAPlatformIOS) {
        return false;
    }
    const std::vector<std::string> components = xa_pathComponents(path);
    const std::string lastComponent = xa_lastPathComponent(path);
    return xa_pathExtension(path) == "mobileprovision" ||
           std::ranges::find(components, "_CodeSignature") != components.end() ||
           lastComponent == "ResourceRules.plist" || lastComponent == "PkgInfo";
}

bool XALocaleIdentifierMatchesLocale(const std::string &identifier, const icu::Locale &locale) {
    if (xa_trimmed(identifier).empty() || xa_lowercased(identifier) == "base") {
        return true;
    }
    const icu::Locale itemLocale = xa_localeWithLocaleIdentifier(identifier);
    return xa_languageCode(itemLocale) == xa_languageCode(locale) &&
           partMatches(xa_countryCode(itemLocale), xa_countryCode(locale)) &&
           partMatches(xa_scriptCode(itemLocale), xa_scriptCode(locale)) &&
           partMatches(xa_variantCode(itemLocale), xa_variantCode(locale));
}

bool XAIsMainBundleExprInAppTarget(const XARuleContext &context, CXCursor cursor) {
    return context.projectTarget() && context.projectTarget()->targetTypeIsAnApplication() &&
           XAIsMainBundleExpr(cursor);
}
