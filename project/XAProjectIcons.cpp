// The icons of a project's application targets.

#include "project/XAProject.h"

#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XAAssetCatalogSet.h"
#include "project/XABuildSettingValues.h"
#include "project/XABuildSettingsOutput.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char *kConventionalIconFileNames[] = {
    "icon.png",       "icon@2x.png",       "icon-40.png",       "icon-40@2x.png",      "icon-60.png",
    "icon-60@2x.png", "icon-72.png",       "icon-72@2x.png",    "icon-76.png",         "icon-76@2x.png",
    "icon-small.png", "icon-small@2x.png", "icon-small-50.png", "icon-small-50@2x.png"};
constexpr const char *kArtworkName = "iTunesArtwork";

std::string asciiLowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

bool isConventionalIconFileName(const std::string &name) {
    const std::string lowercase = asciiLowercase(name);
    return std::any_of(std::begin(kConventionalIconFileNames), std::end(kConventionalIconFileNames),
                       [&](const char *conventional) { return lowercase == conventional; });
}

std::string nameWithoutExtension(const XAProjectFile &file) {
    return xa_stringByDeletingPathExtension(file.basename());
}

bool exists(const std::string &path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The strings of an array value; none for anything else.
void appendStrings(const XAValue *value, std::vector<std::string> &names) {
    if (const XAValue::Array *array = value ? value->array() : nullptr) {
        for (const XAValue &element : *array) {
            if (element.string()) {
                names.push_back(*element.string());
            }
        }
    }
}

// The icon file names that an Info.plist gives, in key order.
std::vector<std::string> iconNamesOfInfoPlist(const XADictionary &infoPlist) {
    std::vector<std::string> names;
    const XAValue *iconFile = infoPlist.get("CFBundleIconFile");
    if (iconFile && iconFile->string() && !xa_trimmed(*iconFile->string()).empty()) {
        names.push_back(*iconFile->string());
    }
    appendStrings(infoPlist.get("CFBundleIconFiles"), names);
    const XAValue *icons = infoPlist.get("CFBundleIcons");
    const XADictionary *iconsDictionary = icons ? icons->dictionary() : nullptr;
    const XAValue *primary = iconsDictionary ? iconsDictionary->get("CFBundlePrimaryIcon") : nullptr;
    const XADictionary *primaryDictionary = primary ? primary->dictionary() : nullptr;
    appendStrings(primaryDictionary ? primaryDictionary->get("CFBundleIconFiles") : nullptr, names);
    return names;
}

// The paths an icon file offers: an icon set's entries (sorted), else its own path.
std::vector<std::string> candidatePaths(const XAProjectFile &file) {
    const std::string &path = *file.pathOnDisk();
    if (!file.isIconset()) {
        return {path};
    }
    std::vector<std::string> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path().string());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace

std::optional<std::vector<std::shared_ptr<XAProjectFile>>>
XAProject::iconResourceFilesForTarget(const XAProjectTarget &target, const std::string &buildConfigurationName) const {
    if (target.targetType() != XAProjectTargetTypeApplication) {
        return std::nullopt;
    }
    const std::vector<std::shared_ptr<XAProjectFile>> &resources = target.resourceFiles();
    const std::optional<XADictionary> infoPlist = infoPlistDictionaryForTarget(target, buildConfigurationName);
    const std::shared_ptr<const XABuildSettings> settings =
        resolvedBuildSettingsForTarget(target, buildConfigurationName);
    std::vector<std::shared_ptr<XAProjectFile>> icons;
    for (std::string name : infoPlist ? iconNamesOfInfoPlist(*infoPlist) : std::vector<std::string>()) {
        if (settings && xa_containsUnresolvedXcodeVariables(name)) {
            name = XABuildSettingValueText(stringByResolvingBuildSettingReferencesInString(name, *settings));
        }
        const std::string wanted = xa_stringByDeletingPathExtension(name);
        const auto found = std::find_if(resources.begin(), resources.end(), [&](const auto &file) {
            return (file->isImage() || file->isIconset()) && nameWithoutExtension(*file) == wanted;
        });
        if (found != resources.end()) {
            icons.push_back(*found);
        }
    }
    if (icons.empty()) {
        std::copy_if(resources.begin(), resources.end(), std::back_inserter(icons),
                     [](const auto &file) { return file->isImage() && isConventionalIconFileName(file->basename()); });
    }
    const auto artwork = std::find_if(resources.begin(), resources.end(), [](const auto &file) {
        return file->isImage() && nameWithoutExtension(*file) == kArtworkName;
    });
    if (artwork != resources.end()) {
        icons.push_back(*artwork);
    }
    return icons;
}

std::optional<std::string>
XAProject::bestProjectFileAppIconFilePathForTarget(const XAProjectTarget &target,
                                                   const std::string &buildConfigurationName) const {
    std::optional<std::string> best;
    std::int64_t bestArea = 0;
    for (const auto &file : iconResourceFilesForTarget(target, buildConfigurationName)
                                .value_or(std::vector<std::shared_ptr<XAProjectFile>>())) {
        if (!file->pathOnDisk() || !exists(*file->pathOnDisk())) {
            continue;
        }
        for (const std::string &candidate : candidatePaths(*file)) {
            for (const XAImageResolution &resolution :
                 XAProjectFile::resolutionsOfImageAtPath(candidate).value_or(std::vector<XAImageResolution>())) {
                if (resolution.area() > bestArea) {
                    bestArea = resolution.area();
                    best = candidate;
                }
            }
        }
    }
    return best;
}

std::vector<std::shared_ptr<const XAAssetCatalogSet>>
XAProject::populatedIconAssetCatalogSetsForTarget(const XAProjectTarget &target, const std::string &) const {
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> sets;
    for (const auto &catalog : target.assetCatalogs()) {
        for (auto &set : catalog->appIcons()) {
            if (!set->images().empty()) {
                sets.push_back(std::move(set));
            }
        }
    }
    return sets;
}

std::optional<std::string>
XAProject::bestImageAssetCatalogAppIconFilePathForTarget(const XAProjectTarget &target,
                                                         const std::string &buildConfigurationName) const {
    const std::optional<std::string> setName =
        resolvedSetting(target, buildConfigurationName, "ASSETCATALOG_COMPILER_APPICON_NAME");
    if (!setName) {
        return std::nullopt;
    }
    const auto sets = populatedIconAssetCatalogSetsForTarget(target, buildConfigurationName);
    const auto set = std::find_if(sets.begin(), sets.end(), [&](const auto &s) { return s->basename() == *setName; });
    if (set == sets.end()) {
        return std::nullopt;
    }
    const XAAssetCatalogSetImage *best = nullptr;
    for (const XAAssetCatalogSetImage &image : (*set)->images()) {
        if (image.filename().empty() || !image.pathOnDisk() || !exists(*image.pathOnDisk())) {
            continue;
        }
        if (!best || image.pixelResolution().area() > best->pixelResolution().area()) {
            best = &image;
        }
    }
    return best ? best->pathOnDisk() : std::nullopt;
}

std::optional<XAImage> XAProject::iconForTarget(const XAProjectTarget &target,
                                                const std::string &buildConfigurationName) const {
    std::optional<std::string> path = bestImageAssetCatalogAppIconFilePathForTarget(target, buildConfigurationName);
    if (!path) {
        path = bestProjectFileAppIconFilePathForTarget(target, buildConfigurationName);
    }
    std::optional<XAImage> icon = path ? XAImage::imageWithContentsOfFile(*path, nullptr) : std::nullopt;
    if (icon && platformForTarget(target, buildConfigurationName) == XAPlatformIOS) {
        icon = xa_imageByRoundingCornersLikeiOS7AppIcons(*icon);
    }
    return icon;
}

XAImage XAProject::representativeIconForTarget(const XAProjectTarget &target, const std::string &buildConfigurationName,
                                               const XAImage &fileTypeIcon) const {
    if (std::optional<XAImage> own = iconForTarget(target, buildConfigurationName)) {
        return *own;
    }
    for (const auto &other : targets()) {
        const std::string otherName = other->name();
        if (otherName != target.name() && target.name().find(otherName) != std::string::npos) {
            if (std::optional<XAImage> icon = iconForTarget(*other, buildConfigurationName)) {
                return *icon;
            }
        }
    }
    return defaultProjectIcon(fileTypeIcon);
}

XAImage XAProject::defaultProjectIcon(const XAImage &fileTypeIcon) const {
    const std::shared_ptr<XAProjectTarget> app = primaryAppTarget();
    if (app && !app->buildConfigurations().empty()) {
        if (std::optional<XAImage> icon = iconForTarget(*app, app->buildConfigurations().front()->name())) {
            return *icon;
        }
    }
    return fileTypeIcon;
}
