#include "engine/XAResourceRuleSupport.h"

#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XALocales.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAValue.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>

namespace {

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

} // namespace

const std::vector<std::string> &resourceNameVariants() {
    static const std::vector<std::string> names = makeLaunchImageNames();
    return names;
}

XAStringsFileEntriesByKeyMap XAStringsFileEntriesByKey(const XAProjectTarget &target) {
    XAStringsFileEntriesByKeyMap entriesByKey;
    for (const std::shared_ptr<XAProjectFile> &file : target.resourceFiles()) {
        if (!file->isStringsFile()) {
            continue;
        }
        const std::optional<XAValue> table = file->stringsFileDictionary(nullptr);
        if (!table || !table->dictionary()) {
            continue;
        }
        for (const auto &[key, value] : *table->dictionary()) {
            entriesByKey[key].emplace_back(file, value);
        }
    }
    return entriesByKey;
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
