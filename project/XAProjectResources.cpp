// Questions about a target's resources: is a named resource in the bundle, which known name is closest to a
// mistyped one, and how resource names relate to each other.

#include "project/XAProject.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAStringMatching.h"
#include "project/XAAssetCatalogSet.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XAResourceBuild.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>

#include <unicode/normalizer2.h>

namespace {

constexpr std::array<std::string_view, 13> kImageExtensions = {"png",  "jpg", "jpeg", "tiff", "tif",  "gif", "bmp",
                                                               "bmpf", "ico", "cur",  "xbm",  "icns", "pdf"};

// The names of AppKit's standard images, as its NSImageName constants hold them: each constant's name with
// "NSImageName" replaced by "NS".
constexpr std::array<std::string_view, 59> kAppKitImageNameSuffixes = {"QuickLookTemplate",
                                                                       "BluetoothTemplate",
                                                                       "IChatTheaterTemplate",
                                                                       "SlideshowTemplate",
                                                                       "ActionTemplate",
                                                                       "SmartBadgeTemplate",
                                                                       "IconViewTemplate",
                                                                       "ListViewTemplate",
                                                                       "ColumnViewTemplate",
                                                                       "FlowViewTemplate",
                                                                       "PathTemplate",
                                                                       "InvalidDataFreestandingTemplate",
                                                                       "LockLockedTemplate",
                                                                       "LockUnlockedTemplate",
                                                                       "GoRightTemplate",
                                                                       "GoLeftTemplate",
                                                                       "RightFacingTriangleTemplate",
                                                                       "LeftFacingTriangleTemplate",
                                                                       "AddTemplate",
                                                                       "RemoveTemplate",
                                                                       "RevealFreestandingTemplate",
                                                                       "FollowLinkFreestandingTemplate",
                                                                       "EnterFullScreenTemplate",
                                                                       "ExitFullScreenTemplate",
                                                                       "StopProgressTemplate",
                                                                       "StopProgressFreestandingTemplate",
                                                                       "RefreshTemplate",
                                                                       "RefreshFreestandingTemplate",
                                                                       "Bonjour",
                                                                       "Computer",
                                                                       "FolderBurnable",
                                                                       "FolderSmart",
                                                                       "Folder",
                                                                       "Network",
                                                                       "MobileMe",
                                                                       "MultipleDocuments",
                                                                       "UserAccounts",
                                                                       "PreferencesGeneral",
                                                                       "Advanced",
                                                                       "Info",
                                                                       "FontPanel",
                                                                       "ColorPanel",
                                                                       "User",
                                                                       "UserGroup",
                                                                       "Everyone",
                                                                       "UserGuest",
                                                                       "MenuOnStateTemplate",
                                                                       "MenuMixedStateTemplate",
                                                                       "ApplicationIcon",
                                                                       "TrashEmpty",
                                                                       "TrashFull",
                                                                       "HomeTemplate",
                                                                       "BookmarksTemplate",
                                                                       "Caution",
                                                                       "StatusAvailable",
                                                                       "StatusPartiallyAvailable",
                                                                       "StatusUnavailable",
                                                                       "StatusNone",
                                                                       "ShareTemplate"};
constexpr std::array<std::string_view, 3> kOtherSystemImageNames = {"NSAscendingSortIndicator",
                                                                    "NSDescendingSortIndicator", "NSDotMac"};

bool hasImageExtension(const std::string &name) {
    std::string extension = xa_pathExtension(name);
    std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return std::tolower(c); });
    return std::ranges::find(kImageExtensions, extension) != kImageExtensions.end();
}

// The path without its extension, then `suffix`, then the extension again.
std::string withSuffixBeforeExtension(const std::string &path, const std::string &suffix) {
    const std::string extension = xa_pathExtension(path);
    return xa_stringByDeletingPathExtension(path) + suffix + (extension.empty() ? "" : "." + extension);
}

// Calls `test` with each variant of `path` in turn until one answers true.
using XAVariantTest = std::function<bool(const std::string &)>;

bool anyScaleVariant(const std::string &path, bool isImage, const XAVariantTest &test) {
    return test(path) || (isImage && test(withSuffixBeforeExtension(path, "@2x")));
}

bool anyDeviceVariant(const std::string &path, const XAVariantTest &test) {
    return test(path) || test(withSuffixBeforeExtension(path, "~iphone")) ||
           test(withSuffixBeforeExtension(path, "~ipad"));
}

bool anyLocalizationVariant(const std::string &path, const std::vector<std::string> &regions,
                            const XAVariantTest &test) {
    if (test(XAProject::standardizedResourcePath(path))) {
        return true;
    }
    return std::ranges::any_of(regions, [&](const std::string &region) {
        return test(XAProject::standardizedResourcePath(region + ".lproj/" + path));
    });
}

bool anyExtensionVariant(const std::string &path, const std::optional<std::vector<std::string>> &extensions,
                         const XAVariantTest &test) {
    if (test(path)) {
        return true;
    }
    return extensions &&
           std::ranges::any_of(*extensions, [&](const std::string &extension) { return test(path + "." + extension); });
}

bool assetCatalogsHoldImage(const XAResourceBuild &build, const std::string &path) {
    const bool combined = build.compilesAssetCatalogsIntoCombinedBinaryFile();
    const std::string withoutExtension = xa_stringByDeletingPathExtension(path);
    for (const auto &catalog : build.target()->assetCatalogs()) {
        for (const auto &set : catalog->assetCatalogSets()) {
            const std::string name = set->basename();
            if (name == path || name + ".png" == path || (combined && name == withoutExtension)) {
                return true;
            }
        }
    }
    return false;
}

template <typename Item, typename PathOf>
std::map<std::string, std::vector<Item>> groupedByBaseName(const std::vector<Item> &items, PathOf pathOf,
                                                           std::function<bool(const Item &, const Item &)> same) {
    std::map<std::string, std::vector<Item>> groups;
    for (const Item &item : items) {
        std::optional<std::string> path = pathOf(item);
        if (!path) {
            continue;
        }
        std::vector<Item> &group = groups[XABaseResourceNameOfResourceFilename(xa_lastPathComponent(*path))];
        if (std::ranges::none_of(group, [&](const Item &other) { return same(item, other); })) {
            group.push_back(item);
        }
    }
    return groups;
}

} // namespace

std::string XAProject::standardizedResourcePath(const std::string &path) {
    const std::string standardized = xa_stringByStandardizingPath(path);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) {
        return standardized;
    }
    const icu::UnicodeString composed = nfc->normalize(XAUnicodeStringFromUTF8(standardized), status);
    return U_SUCCESS(status) ? XAUTF8FromUnicodeString(composed) : standardized;
}

std::shared_ptr<const std::set<std::string>>
XAProject::standardizedCompleteResourcePathsInBuild(const XAResourceBuild &build) const {
    if (!build.target() || !build.buildConfiguration()) {
        return std::make_shared<const std::set<std::string>>();
    }
    // The first caller computes the set (which may run the CocoaPods script) while the others wait for it.
    std::lock_guard guard(lock_);
    const std::string key = cacheKeyForTargetName(build.target()->name(), build.buildConfiguration()->name());
    if (auto cached = cachedResourcePaths(key)) {
        return cached;
    }
    std::set<std::string> paths;
    for (const std::string &path : resourcePathsInBuild(build)) {
        const std::string standardized = standardizedResourcePath(path);
        const std::vector<std::string> components = xa_pathComponents(standardized);
        std::string ancestor;
        for (std::size_t index = 0; index + 1 < components.size(); ++index) {
            ancestor = index == 0 ? components[0] : xa_stringByAppendingPathComponent(ancestor, components[index]);
            paths.insert(ancestor);
        }
        paths.insert(standardized);
    }
    paths.erase("");
    setCachedResourcePaths(key, std::move(paths));
    return cachedResourcePaths(key);
}

bool XAProject::containsResourcePath(const std::string &path,
                                     const std::optional<std::vector<std::string>> &optionalExtensions,
                                     const XAResourceBuild &build, bool isImageResource) const {
    const std::string standardized = standardizedResourcePath(path);
    if (standardized.empty() || !build.target()) {
        return false;
    }
    if (isImageResource && assetCatalogsHoldImage(build, standardized)) {
        return true;
    }
    const std::vector<std::string> regions = resourceRegionsInBuild(build);
    const std::shared_ptr<const std::set<std::string>> resources = standardizedCompleteResourcePathsInBuild(build);
    const XAVariantTest isKnown = [&resources](const std::string &candidate) { return resources->contains(candidate); };
    return anyScaleVariant(standardized, isImageResource, [&](const std::string &scaled) {
        return anyDeviceVariant(scaled, [&](const std::string &device) {
            return anyLocalizationVariant(device, regions, [&](const std::string &localized) {
                return anyExtensionVariant(localized, optionalExtensions, isKnown);
            });
        });
    });
}

std::vector<std::string> XAProject::resourceRegionsInBuild(const XAResourceBuild &build) const {
    std::vector<std::string> regions;
    const std::vector<std::string> known = knownRegions();
    if (std::ranges::find(known, "Base") != known.end()) {
        regions.push_back("Base");
    }
    const XAValue *developmentRegion =
        build.infoPlistDictionary() ? build.infoPlistDictionary()->get("CFBundleDevelopmentRegion") : nullptr;
    if (!developmentRegion || !developmentRegion->string()) {
        if (build.target()->infoPlistIsExpectedToExist()) {
            XALog(XALogLevelError,
                  "Cannot determine development region (attempt to read CFBundleDevelopmentRegion from info.plist)");
        }
        return regions;
    }
    // The Info.plist of a dry run is the unprocessed source, which names the region as "$(DEVELOPMENT_LANGUAGE)".
    auto settings = build.buildConfiguration()
                        ? resolvedBuildSettingsForTarget(*build.target(), build.buildConfiguration()->name())
                        : nullptr;
    regions.push_back(settings ? XABuildSettingValueText(stringByResolvingBuildSettingReferencesInString(
                                     *developmentRegion->string(), *settings))
                               : *developmentRegion->string());
    return regions;
}

std::optional<std::string>
XAProject::suggestionForUnknownResourcePath(const std::string &path, const std::set<std::string> &buildResourcePaths,
                                            const std::vector<std::shared_ptr<XAProjectFile>> &assetCatalogs,
                                            bool isImageResource) {
    if (path.empty()) {
        return std::nullopt;
    }
    const std::string standardized = xa_stringByStandardizingPath(path);
    const std::string folder = xa_stringByDeletingLastPathComponent(standardized);
    std::vector<std::string> candidates;
    for (const std::string &known : buildResourcePaths) {
        const std::string name = xa_lastPathComponent(known);
        if (xa_stringByDeletingLastPathComponent(known) == folder && hasImageExtension(name) == isImageResource) {
            candidates.push_back(name);
        }
    }
    if (isImageResource) {
        for (const auto &catalog : assetCatalogs) {
            for (const auto &set : catalog->assetCatalogSets()) {
                if (!set->basename().empty()) {
                    candidates.push_back(set->basename());
                }
            }
        }
    }
    std::ranges::sort(candidates);
    return xa_closestMatchInArray(xa_lastPathComponent(standardized), candidates);
}

std::optional<std::string> XAProject::suggestionForUnknownResourcePath(const std::string &path,
                                                                       const XAResourceBuild &build,
                                                                       bool isImageResource) const {
    if (!build.target()) {
        return std::nullopt;
    }
    return suggestionForUnknownResourcePath(path, *standardizedCompleteResourcePathsInBuild(build),
                                            build.target()->assetCatalogs(), isImageResource);
}

std::string XAProject::baseResourceNameOfResourceFilename(const std::string &filename) {
    return XABaseResourceNameOfResourceFilename(filename);
}

std::map<std::string, std::vector<std::string>>
XAProject::resourcesGroupedByBaseName(const std::vector<std::string> &paths) {
    return groupedByBaseName<std::string>(
        paths, [](const std::string &path) { return std::optional<std::string>(path); },
        [](const std::string &a, const std::string &b) { return a == b; });
}

std::map<std::string, std::vector<std::shared_ptr<XAProjectFile>>>
XAProject::resourcesGroupedByBaseName(const std::vector<std::shared_ptr<XAProjectFile>> &files) {
    return groupedByBaseName<std::shared_ptr<XAProjectFile>>(
        files, [](const auto &file) { return file ? file->pathOnDisk() : std::nullopt; },
        [](const auto &a, const auto &b) { return a->isEqual(*b); });
}

bool XAProject::resourceFileIsDevRegionFile(const XAProjectFile &file) const {
    return file.localeIdentifier() && localeIdentifierIsDevelopmentRegion(*file.localeIdentifier());
}

std::vector<std::shared_ptr<XAProjectFile>>
XAProject::resourceFilesSortedWithDevRegionFilesFirst(std::vector<std::shared_ptr<XAProjectFile>> files) const {
    std::ranges::stable_partition(files, [this](const auto &file) { return resourceFileIsDevRegionFile(*file); });
    return files;
}

bool XAProject::resourcePathIsSystemProvidedIconNameOnPlatform(const std::string &path, XAPlatform platform) {
    if (platform != XAPlatformOSX || xa_lastPathComponent(path) != path) {
        return false;
    }
    if (path.starts_with("NSMenu") || std::ranges::find(kOtherSystemImageNames, path) != kOtherSystemImageNames.end()) {
        return true;
    }
    return path.starts_with("NS") && std::ranges::find(kAppKitImageNameSuffixes, std::string_view(path).substr(2)) !=
                                         kAppKitImageNameSuffixes.end();
}
