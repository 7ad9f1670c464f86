#pragma once

// Small facts about resources and localisations that the resource and translation rules share: the default launch
// image names, the image types a platform displays, the resources a platform uses without a reference in code, and
// which localisations serve a locale. Nothing here keeps state.

#include "engine/XARuleContext.h"
#include "project/XAProject.h"

#include <clang-c/Index.h>
#include <unicode/locid.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class XAProjectFile;
class XAProjectTarget;
class XAValue;

// Key -> every (strings file, value) that defines it, in resource order.
using XAStringsFileEntriesByKeyMap =
    std::map<std::string, std::vector<std::pair<std::shared_ptr<XAProjectFile>, XAValue>>>;
// "<base name>~<device type>" -> the resource files of that base name and device type, in resource order.
using XAResourcesByBaseNameAndDeviceTypeMap = std::map<std::string, std::vector<std::shared_ptr<XAProjectFile>>>;

// The 72 base names of default launch images: "Default" and "Default-568h", each with and without an orientation,
// each with and without "@2x", each for any device, "~iphone" and "~ipad".
const std::vector<std::string> &resourceNameVariants();

// The entries of every `.strings` resource of the target by key; a file that cannot be read has none.
XAStringsFileEntriesByKeyMap XAStringsFileEntriesByKey(const XAProjectTarget &target);

// The condition of the rules on translations: the project has a `.strings` file.
inline constexpr const char *kXALocalizedProjectsCondition = "Applies to localized projects.";
bool XAAppliesToLocalizedProject(const XARuleContext &context);

// A strings file and the text it gives a key.
using XATranslation = std::pair<std::shared_ptr<XAProjectFile>, std::string>;

// One key of one strings table (the file name without extension: "Localizable", "Menu") with its translations in
// resource order.
struct XATranslationGroup {
    std::string table;
    std::string key;
    std::vector<XATranslation> translations;
};

// The translations of the target's `.strings` resources grouped by table and key, in order of first appearance. Only
// entries of one table are compared with each other: the same key in "Localizable" and "Menu" is two groups. A file
// that cannot be read, values that are not strings and placeholder values ("todo" or "fixme" in any case, trimmed)
// take no part.
std::vector<XATranslationGroup> XATranslationGroupsOfTarget(const XAProjectTarget &target);

// The index of a group's reference translation: the first from a development-region file, else the first from the
// Base localisation. None when the key has neither: the translations of other languages are then not compared with
// each other, since any one of them as the reference would be arbitrary.
std::optional<std::size_t> XAReferenceTranslationIndex(const XATranslationGroup &group, const XAProject &project);

// Calls `visit` with every translation of the target's groups beside its group's reference translation, in group and
// resource order: the reference itself, and groups without a reference, take no part.
void XAForEachTranslationBesideReference(
    const XAProjectTarget &target, const XAProject &project,
    const std::function<void(const XATranslationGroup &group, const XATranslation &reference,
                             const XATranslation &translation)> &visit);

// The name of a translation's language for messages ("German"); "global" for a file outside a localisation folder.
std::string XATranslationRegionName(const XAProjectFile &file);

// The border punctuation at the start and at the end of a translation: the longest runs of the punctuation
// characters (with their full-width forms and the marks of other scripts that mean one of them: "。", "、" and the
// Greek question mark) and white space at either end, without the white space on their inner sides ("  ¿Qué?" gives
// "  ¿" and "?"; "Hello " gives "" and "").
std::pair<std::string, std::string> XATranslationBorderPunctuation(const std::string &translation,
                                                                   const std::string &punctuationChars);
// Whether two borders of translations in the given locales mean the same: full-width forms and the ideographic full
// stop and comma are their Latin marks, in Greek ";" (U+037E or U+003B) is the question mark, white space between two
// marks does not count (French "… ?" is "…?"), nor do case and composition. White space at the outer ends counts, so
// "." and ". " differ.
bool XABorderPunctuationEquals(const std::string &border, const std::string &localeIdentifier, const std::string &other,
                               const std::string &otherLocaleIdentifier);

// The target's resources by base resource name and device type specifier, under "%@~%@" of the two: "Icon.png~ipad",
// and "Icon.png~(null)" for a file for any device (the key the rules have always used).
XAResourcesByBaseNameAndDeviceTypeMap XAResourcesByBaseNameAndDeviceType(const XAProjectTarget &target);

// The extensions of the image files the platform shows: "png" on iOS, thirteen types on OS X; none for another.
std::optional<std::vector<std::string>> XAImageFileExtensionsForPlatform(XAPlatform platform);

// Whether the platform uses the resource without a reference in code: a system-provided icon name (only when
// `checkSystemIcons`), and on iOS a provisioning profile, the code signature and the files the bundle format needs.
bool XAIsImplicitlyUsedResourcePath(const std::string &path, XAPlatform platform, bool checkSystemIcons);

// Whether a localisation with the identifier serves the locale: a blank identifier and "Base" serve every locale;
// otherwise the languages must be equal, and each of country, script and variant that the identifier names must be
// equal too ("en" serves "en_US"; "en_GB" does not).
bool XALocaleIdentifierMatchesLocale(const std::string &identifier, const icu::Locale &locale);

// The items whose locale identifier serves the locale, in their order.
template <typename Item, typename IdentifierOf>
std::vector<Item> XALocalizationsMatchingLocale(const std::vector<Item> &items, const icu::Locale &locale,
                                                IdentifierOf identifierOf) {
    std::vector<Item> matching;
    for (const Item &item : items) {
        if (XALocaleIdentifierMatchesLocale(identifierOf(item), locale)) {
            matching.push_back(item);
        }
    }
    return matching;
}

// The cursor is a main-bundle expression in code of an application target (whose main bundle holds its resources).
bool XAIsMainBundleExprInAppTarget(const XARuleContext &context, CXCursor cursor);
