// Images of the checked target that lack one of the expected resolution variants: the plain low-resolution file, the
// "@2x" file or, on iOS, the "@3x" file; and image sets of asset catalogs that declare an image whose file is missing.
// App icons and launch images follow rules of their own and are left out.

#include "core/XAPaths.h"
#include "core/XAVersionStrings.h"
#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAAssetCatalogSet.h"
#include "project/XAAssetCatalogSetImage.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr const char *kExpectedScales = "expectedScales";

// Base names of app icons that the platform finds by name.
const std::vector<std::string> kIconBaseNames = {"iTunesArtwork", "icon",    "icon-40",    "icon-60",
                                                 "icon-72",       "icon-76", "icon-small", "icon-small-50"};

// The first iOS version that no iPad with a non-retina screen runs.
constexpr const char *kFirstIOSVersionWithoutNonRetinaIPads = "10.0";

std::string scaleName(std::int64_t scale) { return scale == 1 ? "non-retina" : std::to_string(scale) + "x retina"; }

} // namespace

struct XARuleMissingImageResolutionVariant : XAProjectRule<XARuleMissingImageResolutionVariant> {
    static XAXMLString ruleName() { return XAXMLString("Missing image resolution variant"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when either the high-resolution (@2x or @3x) or the low-resolution variant of an "
                           "image resource is missing.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Apple Developer: Optimizing for High Resolution",
                                              "https://developer.apple.com/high-resolution/")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kExpectedScales, "Expected resolution scales",
            "Which resolution variant scales are expected to exist for all images.",
            XAOptionValue(XAOptionValue::Array{1, 2, 3}), XAOptionValueTypeNumberArray)};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        const std::optional<XAOptionValue> scales = valueForOption(kExpectedScales, context);
        if (!scales || !scales->array() || scales->array()->empty() || !context.projectTarget()) {
            return {};
        }
        const ExpectedScales expected{*scales->array()};
        XADiagnostics diagnostics = applyToLooseImages(context, expected);
        XADiagnostics catalogDiagnostics = applyToAssetCatalogs(context, expected);
        diagnostics.insert(diagnostics.end(), catalogDiagnostics.begin(), catalogDiagnostics.end());
        return diagnostics;
    }

private:
    // The configured scales, compared by numeric value.
    struct ExpectedScales {
        XAOptionValue::Array scales;
        bool contains(std::int64_t scale) const {
            return std::find(scales.begin(), scales.end(), XAOptionValue(scale)) != scales.end();
        }
    };

    static XADiagnostics applyToLooseImages(XARuleContext &context, const ExpectedScales &expected) {
        XADiagnostics diagnostics;
        const std::set<std::string> exemptNames = exemptBaseNames();
        const std::set<std::string> iconPaths = iconPathsOfTarget(context);
        for (const auto &[key, files] : XAResourcesByBaseNameAndDeviceType(*context.projectTarget())) {
            if (!files.front()->isImage() || files.front()->isVectorImage() ||
                std::any_of(files.begin(), files.end(),
                            [&](const auto &file) { return isExempt(*file, exemptNames, iconPaths); })) {
                continue;
            }
            const std::map<std::int64_t, std::shared_ptr<XAProjectFile>> variants =
                variantsByScale(files, context.targetPlatform());
            const std::set<std::int64_t> screenScales =
                screenScalesOfDevices(context, files.front()->deviceTypeSpecifier());
            const auto present = std::find_if(variants.begin(), variants.end(),
                                              [](const auto &variant) { return variant.second != nullptr; });
            if (present == variants.end() || holdsSeveralResolutions(variants.at(1))) {
                continue;
            }
            for (const auto &[scale, file] : variants) {
                if (!file && expected.contains(scale) && screenScales.contains(scale)) {
                    diagnostics.push_back(
                        diagnostic(present->second->pathOnDisk(),
                                   "The ‘" + scaleName(scale) + "’ version of this image is missing."));
                }
            }
        }
        return diagnostics;
    }

    static std::set<std::string> exemptBaseNames() {
        std::set<std::string> names(kIconBaseNames.begin(), kIconBaseNames.end());
        names.insert(resourceNameVariants().begin(), resourceNameVariants().end());
        return names;
    }

    static std::set<std::string> iconPathsOfTarget(const XARuleContext &context) {
        std::set<std::string> paths;
        if (!context.project() || !context.projectBuildConfig()) {
            return paths;
        }
        const auto icons = context.project()->iconResourceFilesForTarget(*context.projectTarget(),
                                                                         context.projectBuildConfig()->name());
        for (const std::shared_ptr<XAProjectFile> &icon :
             icons.value_or(std::vector<std::shared_ptr<XAProjectFile>>{})) {
            if (icon->pathOnDisk()) {
                paths.insert(*icon->pathOnDisk());
            }
        }
        return paths;
    }

    static bool isExempt(const XAProjectFile &file, const std::set<std::string> &exemptNames,
                         const std::set<std::string> &iconPaths) {
        if (file.pathOnDisk() && iconPaths.contains(*file.pathOnDisk())) {
            return true;
        }
        const std::optional<std::string> baseName = file.baseResourceName();
        return baseName && exemptNames.contains(xa_stringByDeletingPathExtension(*baseName));
    }

    // The screen scales of the devices that use a resource of the device type: on iOS 1, 2 and 3, except that no
    // iPad has a 3x screen and iPads with 1x screens run no iOS from 10.0 on; elsewhere every scale of the table.
    static std::set<std::int64_t> screenScalesOfDevices(const XARuleContext &context,
                                                        const std::optional<std::string> &deviceType) {
        if (context.targetPlatform() != XAPlatformIOS || deviceType != "ipad") {
            return {1, 2, 3};
        }
        const std::optional<std::string> &minimumVersion = context.targetMinOSVersion();
        const bool supportsNonRetinaIPads =
            !minimumVersion || minimumVersion->empty() ||
            XACompareVersionStrings(*minimumVersion, kFirstIOSVersionWithoutNonRetinaIPads) == XAOrderedAscending;
        return supportsNonRetinaIPads ? std::set<std::int64_t>{1, 2} : std::set<std::int64_t>{2};
    }

    // Scale -> the first file of that scale, or null: 1 and 2 always, 3 on iOS only.
    static std::map<std::int64_t, std::shared_ptr<XAProjectFile>>
    variantsByScale(const std::vector<std::shared_ptr<XAProjectFile>> &files, XAPlatform platform) {
        const auto firstWith = [&](bool (XAProjectFile::*test)() const) -> std::shared_ptr<XAProjectFile> {
            const auto found =
                std::find_if(files.begin(), files.end(), [&](const auto &file) { return ((*file).*test)(); });
            return found == files.end() ? nullptr : *found;
        };
        std::map<std::int64_t, std::shared_ptr<XAProjectFile>> variants = {
            {1, firstWith(&XAProjectFile::isNonRetinaImage)}, {2, firstWith(&XAProjectFile::is2xRetinaImage)}};
        if (platform == XAPlatformIOS) {
            variants.emplace(3, firstWith(&XAProjectFile::is3xRetinaImage));
        }
        return variants;
    }

    // A file with several sizes in it (a multi-page TIFF, say) serves every resolution by itself.
    static bool holdsSeveralResolutions(const std::shared_ptr<XAProjectFile> &file) {
        if (!file) {
            return false;
        }
        const auto resolutions = file->imageResolutions();
        return resolutions && resolutions->size() > 1;
    }

    // Image sets without vector images: each declared scale whose first image's file is missing; a Touch Bar image
    // needs no 1x version.
    static XADiagnostics applyToAssetCatalogs(XARuleContext &context, const ExpectedScales &expected) {
        XADiagnostics diagnostics;
        for (const std::shared_ptr<XAProjectFile> &catalog : context.projectTarget()->assetCatalogs()) {
            for (const std::shared_ptr<const XAAssetCatalogSet> &set : catalog->assetCatalogSets()) {
                const std::vector<XAAssetCatalogSetImage> &images = set->images();
                if (set->setKind() != XAAssetCatalogSetKindImageSet || isPartOfAppIcon(*set) ||
                    std::any_of(images.begin(), images.end(),
                                [](const auto &image) { return image.isVectorImage(); })) {
                    continue;
                }
                std::map<std::uint64_t, const XAAssetCatalogSetImage *> firstImagesByScale;
                for (const XAAssetCatalogSetImage &image : images) {
                    if (!(image.isTouchBarImage() && image.scale() == 1)) { // the Touch Bar has 2x screens only
                        firstImagesByScale.emplace(image.scale(), &image);
                    }
                }
                for (const auto &[scale, image] : firstImagesByScale) {
                    if (!image->existsOnDisk() && scale <= INT64_MAX &&
                        expected.contains(static_cast<std::int64_t>(scale))) {
                        diagnostics.push_back(
                            diagnostic(set->pathOnDisk(),
                                       "Asset catalog ‘" +
                                           xa_escapedForXML(xa_stringByDeletingPathExtension(catalog->basename())) +
                                           "’, set ‘" + xa_escapedForXML(set->basename()) + "’: The ‘" +
                                           xa_escapedForXML(image->identificationString()) +
                                           "’ version of this image is missing."));
                    }
                }
            }
        }
        return diagnostics;
    }

    // The image sets inside a tvOS brand-assets folder are the layers of the app icon and the top shelf images,
    // which are exempt like every other app icon.
    static bool isPartOfAppIcon(const XAAssetCatalogSet &set) {
        const std::vector<std::string> components = xa_pathComponents(set.pathOnDisk());
        return std::any_of(components.begin(), components.end(),
                           [](const std::string &component) { return xa_pathExtension(component) == "brandassets"; });
    }

    static XADiagnostic diagnostic(const std::optional<std::string> &path, const std::string &info) {
        return diagnosticWithFile(path, XAXMLString(info), std::nullopt, XADiagnosticImpactFunctionality,
                                  XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleMissingImageResolutionVariant)
