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

std::size_t XAReferenceTranslationIndex(const XATranslationGroup &group, const XAProject &project) {
    for (std::size_t index = 0; index < group.translations.size(); ++index) {
        if (project.resourceFileIsDevRegionFile(*group.translations[index].first)) {
            return index;
        }
    }
    return 0;
}

std::string XATranslationRegionName(const XAProjectFile &file) {
    return file.humanReadableRegionCode().value_or("global");
}

std::pair<std::string, std::string> XATranslationBorderPunctuation(const std::string &translation,
                                                                   const std::string &punctuationChars) {
    icu::UnicodeSet border = XACharacterSetWithCharacters(punctuationChars);
    border.addAll(XACharacterSetWithCharacters(
        xa_stringByApplyingTransform(punctuationChars, "Fullwidth-Halfwidth", true).value_or("")));
    border.addAll(XAWhitespaceAndNewlineCharacterSet());
    const auto length = static_cast<int32_t>(translation.size());
    const auto prefixEnd = static_cast<std::size_t>(border.spanUTF8(translation.data(), length, USET_SPAN_CONTAINED));
    const auto suffixStart =
        static_cast<std::size_t>(border.spanBackUTF8(translation.data(), length, USET_SPAN_CONTAINED));
    return {xa_trimmedFromEnd(translation.substr(0, prefixEnd)), xa_trimmedFromStart(translation.substr(suffixStart))};
}

bool XABorderPunctuationEquals(const std::string &border, const std::string &other) {
    const auto comparable = [](const std::string &text) {
        icu::UnicodeString form = icu::UnicodeString::fromUTF8(text);
        form.findAndReplace(icu::UnicodeString(static_cast<UChar32>(0x3002)), icu::UnicodeString("."));
        form.foldCase();
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
        return U_SUCCESS(status) ? nfc->normalize(form, status) : form;
    };
    return comparable(border) == comparable(other);
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
