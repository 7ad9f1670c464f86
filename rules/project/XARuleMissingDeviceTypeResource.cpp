// iOS resources with device-specific variants ("~iphone", "~ipad") that leave a device family of the target uncovered,
// such as image~iphone.png without image~ipad.png or a plain image.png, and image sets of asset catalogs without an
// image for a targeted family. On such a device the resource is simply not found.

#include "core/XACollections.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAAssetCatalogSet.h"
#include "project/XAAssetCatalogSetImage.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace {

// A targeted device family and the device type modifier of its resources.
struct XADeviceFamilyName {
    std::int64_t family;
    std::string deviceType;
};

std::optional<std::string> deviceTypeOfFamily(std::int64_t family) {
    switch (family) {
    case XADeviceFamilyIPhone:
        return "iphone";
    case XADeviceFamilyIPad:
        return "ipad";
    default:
        return std::nullopt;
    }
}

// The file name without its device type modifiers: image~iphone.png, image~ipad.png and image.png share image.png.
std::string groupKeyOfFileName(const std::string &name) {
    std::string key = name;
    for (const std::string modifier : {"~iphone", "~ipad"}) {
        for (std::size_t found = key.find(modifier); found != std::string::npos; found = key.find(modifier, found)) {
            key.erase(found, modifier.size());
        }
    }
    return key;
}

std::string codeList(const std::vector<std::string> &deviceTypes) {
    std::vector<std::string> escaped;
    for (const std::string &deviceType : deviceTypes) {
        escaped.push_back(xa_escapedForXML(deviceType));
    }
    return xa_componentsJoinedByString(xa_componentsWrappedInXMLTag(escaped, "code"), ", ");
}

} // namespace

struct XARuleMissingDeviceTypeResource : XAProjectRule<XARuleMissingDeviceTypeResource> {
    static XAXMLString ruleName() { return XAXMLString("Missing device type resource"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns if a device type is not covered by the variants of a resource file. E.g. if "
                           "<code>image~iphone.png</code> exists but <code>image~ipad.png</code> does not.");
    }
    static bool appliesToContext(XARuleContext &context) { return context.targetPlatform() == XAPlatformIOS; }
    static std::string applicationConditionDescription() { return "Applies to iOS targets."; }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Resource Programming Guide: iOS Supports Device-Specific Resources",
                                              "https://developer.apple.com/library/archive/documentation/Cocoa/"
                                              "Conceptual/LoadingResources/Introduction/Introduction.html#//apple_ref/"
                                              "doc/uid/10000051i-CH1-SW2")};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        if (!context.project() || !context.projectTarget() || !context.projectBuildConfig()) {
            return {};
        }
        const std::vector<XADeviceFamilyName> families = targetedFamilies(context);
        if (families.empty()) {
            return {};
        }
        XADiagnostics diagnostics = applyToLooseResources(*context.projectTarget(), families);
        XADiagnostics catalogDiagnostics = applyToAssetCatalogs(*context.projectTarget(), families);
        diagnostics.insert(diagnostics.end(), catalogDiagnostics.begin(), catalogDiagnostics.end());
        return diagnostics;
    }

private:
    // The target's device families that have a device type, in the target's order.
    static std::vector<XADeviceFamilyName> targetedFamilies(const XARuleContext &context) {
        std::vector<XADeviceFamilyName> families;
        for (std::int64_t family : context.project()->targetedDeviceFamiliesForTarget(
                 *context.projectTarget(), context.projectBuildConfig()->name())) {
            if (const std::optional<std::string> deviceType = deviceTypeOfFamily(family)) {
                families.push_back({family, *deviceType});
            }
        }
        return families;
    }

    // The resources by file name without device modifiers, groups in the order of their first file.
    static std::vector<std::pair<std::string, std::vector<std::shared_ptr<XAProjectFile>>>>
    groupsByKey(const XAProjectTarget &target) {
        std::vector<std::pair<std::string, std::vector<std::shared_ptr<XAProjectFile>>>> groups;
        std::unordered_map<std::string, std::size_t> indexByKey;
        for (const std::shared_ptr<XAProjectFile> &file : target.resourceFiles()) {
            const std::string key = groupKeyOfFileName(file->basename());
            const auto [found, isNew] = indexByKey.emplace(key, groups.size());
            if (isNew) {
                groups.emplace_back(key, std::vector<std::shared_ptr<XAProjectFile>>{});
            }
            groups[found->second].second.push_back(file);
        }
        return groups;
    }

    static XADiagnostics applyToLooseResources(const XAProjectTarget &target,
                                               const std::vector<XADeviceFamilyName> &families) {
        XADiagnostics diagnostics;
        const std::set<std::string> launchImageNames(resourceNameVariants().begin(), resourceNameVariants().end());
        for (const auto &[key, files] : groupsByKey(target)) {
            if (launchImageNames.contains(xa_stringByDeletingPathExtension(key))) {
                continue;
            }
            std::vector<std::string> missing;
            for (const XADeviceFamilyName &family : families) {
                // "@3x" images exist for iPhones only.
                const bool needed = family.deviceType != "ipad" || !xa_containsSubstring(key, "@3x");
                if (needed && std::none_of(files.begin(), files.end(), [&](const auto &file) {
                        return file->coversDeviceTypeSpecifier(family.deviceType);
                    })) {
                    missing.push_back(family.deviceType);
                }
            }
            if (!missing.empty()) {
                diagnostics.push_back(
                    diagnostic(files.front()->pathOnDisk(),
                               "The variants of the resource <code>" + xa_escapedForXML(key) +
                                   "</code> do not cover the following device types: " + codeList(missing) + ".",
                               key));
            }
        }
        return diagnostics;
    }

    static XADiagnostics applyToAssetCatalogs(const XAProjectTarget &target,
                                              const std::vector<XADeviceFamilyName> &families) {
        XADiagnostics diagnostics;
        for (const std::shared_ptr<XAProjectFile> &catalog : target.assetCatalogs()) {
            for (const std::shared_ptr<const XAAssetCatalogSet> &set : catalog->assetCatalogSets()) {
                if (set->setKind() != XAAssetCatalogSetKindImageSet) {
                    continue;
                }
                // Images of other platforms (a Watch complication, a layer of a Vision app icon) are no
                // iPhone or iPad resources; a set of only those is none either.
                const std::vector<XAAssetCatalogSetImage> &images = set->images();
                if (std::none_of(images.begin(), images.end(),
                                 [](const auto &image) { return image.isForIOSDevice(); })) {
                    continue;
                }
                std::vector<std::string> missing;
                for (const XADeviceFamilyName &family : families) {
                    if (std::none_of(images.begin(), images.end(), [&](const auto &image) {
                            return image.existsOnDisk() && image.coversDeviceFamily(family.family);
                        })) {
                        missing.push_back(family.deviceType);
                    }
                }
                if (missing.empty()) {
                    continue;
                }
                diagnostics.push_back(
                    diagnostic(set->pathOnDisk(),
                               "The variants of the asset catalog ‘" +
                                   xa_escapedForXML(xa_stringByDeletingPathExtension(catalog->basename())) + "’ set ‘" +
                                   xa_escapedForXML(set->basename()) +
                                   "’ do not cover the following device types: " + codeList(missing) + ".",
                               xa_stringByDeletingPathExtension(xa_lastPathComponent(set->pathOnDisk()))));
            }
        }
        return diagnostics;
    }

    static XADiagnostic diagnostic(const std::optional<std::string> &path, const std::string &info,
                                   const std::string &identifier) {
        return diagnosticWithFile(path, XAXMLString(info), identifier, XADiagnosticImpactFunctionality,
                                  XADiagnosticSeverityError, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleMissingDeviceTypeResource)
