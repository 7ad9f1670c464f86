// High-resolution image variants whose pixel size is not exactly two or three times that of the low-resolution image:
// the image is drawn blurry, leaves empty space or overflows. Loose "@2x" and "@3x" image files are held against their
// plain file, and the images of an asset-catalog image set against the image of its lowest scale.

#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAAssetCatalogSet.h"
#include "project/XAAssetCatalogSetImage.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <map>

namespace {

// Width and height in 64 bits, so that scaling a large image cannot overflow.
struct XAScaledResolution {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

bool isReadable(XAImageResolution resolution) { return resolution.width > 0 && resolution.height > 0; }

XAScaledResolution expectedResolution(XAImageResolution base, std::int64_t scale) {
    return {scale * base.width, scale * base.height};
}

// The variant is the base scaled exactly; a base one pixel wide (or high) may also stay one pixel wide (or high), as
// long as the other side is longer: such images are stretched along that side.
bool variantMatchesBase(XAImageResolution variant, XAImageResolution base, std::int64_t scale) {
    const XAScaledResolution expected = expectedResolution(base, scale);
    const bool widthMatches =
        variant.width == expected.width || (base.width == 1 && base.height != 1 && variant.width == 1);
    const bool heightMatches =
        variant.height == expected.height || (base.height == 1 && base.width != 1 && variant.height == 1);
    return widthMatches && heightMatches;
}

std::string sizeText(std::int64_t width, std::int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

} // namespace

struct XARuleRetinaImagesResolution : XAProjectRule<XARuleRetinaImagesResolution> {
    static XAXMLString ruleName() { return XAXMLString("Unexpected retina image resolution"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("The retina version (‘@2x’ or ‘@3x’) of an image must be exactly double or triple the size "
                           "of the low-resolution image, assuming that the point size of the presentation context "
                           "stays the same. Otherwise the image is drawn blurry, leaves empty space at its edges or "
                           "overflows.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Apple Developer: Optimizing for High Resolution",
                                              "https://developer.apple.com/high-resolution/")};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.projectTarget()) {
            return diagnostics;
        }
        diagnostics = applyToLooseProjectImagesWithContext(context);
        XADiagnostics catalogDiagnostics = applyToAssetCatalogImagesWithContext(context);
        diagnostics.insert(diagnostics.end(), catalogDiagnostics.begin(), catalogDiagnostics.end());
        return diagnostics;
    }

private:
    // "@2x" and, on iOS, "@3x" files against the plain file of their base name and device type.
    static XADiagnostics applyToLooseProjectImagesWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        for (const auto &[key, files] : XAResourcesByBaseNameAndDeviceType(*context.projectTarget())) {
            const auto base =
                std::find_if(files.begin(), files.end(), [](const auto &file) { return file->isNonRetinaImage(); });
            if (base == files.end()) {
                continue;
            }
            const XAImageResolution baseResolution = (*base)->highestImageResolution();
            if (!isReadable(baseResolution)) {
                continue;
            }
            for (const auto &[scale, variant] : variantsByScale(files, context.targetPlatform())) {
                const XAImageResolution resolution = variant->highestImageResolution();
                if (!isReadable(resolution) || variantMatchesBase(resolution, baseResolution, scale)) {
                    continue;
                }
                const XAScaledResolution expected = expectedResolution(baseResolution, scale);
                diagnostics.push_back(diagnostic(
                    variant->pathOnDisk(),
                    "<filename>" + xa_escapedForXML(variant->basename()) + "</filename> resolution (" +
                        sizeText(resolution.width, resolution.height) + ") should be " + std::to_string(scale) +
                        "x that of <filename>" + xa_escapedForXML((*base)->basename()) + "</filename> (" +
                        sizeText(baseResolution.width, baseResolution.height) +
                        "). Expected resolution: " + sizeText(expected.width, expected.height) + "."));
            }
        }
        return diagnostics;
    }

    // The first "@2x" file, then on iOS the first "@3x" file, each with its scale.
    static std::vector<std::pair<std::int64_t, std::shared_ptr<XAProjectFile>>>
    variantsByScale(const std::vector<std::shared_ptr<XAProjectFile>> &files, XAPlatform platform) {
        std::vector<std::pair<std::int64_t, std::shared_ptr<XAProjectFile>>> variants;
        const auto firstWith = [&](bool (XAProjectFile::*test)() const) {
            return std::find_if(files.begin(), files.end(), [&](const auto &file) { return ((*file).*test)(); });
        };
        if (auto found = firstWith(&XAProjectFile::is2xRetinaImage); found != files.end()) {
            variants.emplace_back(2, *found);
        }
        if (platform != XAPlatformIOS) {
            return variants;
        }
        if (auto found = firstWith(&XAProjectFile::is3xRetinaImage); found != files.end()) {
            variants.emplace_back(3, *found);
        }
        return variants;
    }

    // Every image set: the first image of each scale against the first image of the lowest scale.
    static XADiagnostics applyToAssetCatalogImagesWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        for (const std::shared_ptr<XAProjectFile> &catalog : context.projectTarget()->assetCatalogs()) {
            for (const std::shared_ptr<const XAAssetCatalogSet> &set : catalog->assetCatalogSets()) {
                if (set->setKind() == XAAssetCatalogSetKindImageSet) {
                    applyToImageSet(*catalog, *set, diagnostics);
                }
            }
        }
        return diagnostics;
    }

    static void applyToImageSet(const XAProjectFile &catalog, const XAAssetCatalogSet &set,
                                XADiagnostics &diagnostics) {
        // Scale -> the first raster image of that scale whose file exists, by ascending scale.
        std::map<std::uint64_t, const XAAssetCatalogSetImage *> imagesByScale;
        for (const XAAssetCatalogSetImage &image : set.images()) {
            if (image.existsOnDisk() && !image.isVectorImage()) {
                imagesByScale.emplace(image.scale(), &image);
            }
        }
        if (imagesByScale.empty() || imagesByScale.begin()->first == 0) {
            return; // a scale of 0 is malformed and gives no base size
        }
        const auto &[referenceScale, reference] = *imagesByScale.begin();
        const XAImageResolution referenceResolution = reference->pixelResolutionOfActualFile();
        if (!isReadable(referenceResolution)) {
            return;
        }
        const auto divisor = static_cast<std::int32_t>(std::min<std::uint64_t>(referenceScale, INT32_MAX));
        const XAImageResolution base{referenceResolution.width / divisor, referenceResolution.height / divisor};
        for (auto it = std::next(imagesByScale.begin()); it != imagesByScale.end(); ++it) {
            const std::int64_t scale = static_cast<std::int64_t>(std::min<std::uint64_t>(it->first, INT32_MAX));
            const XAImageResolution resolution = it->second->pixelResolutionOfActualFile();
            if (!isReadable(resolution) || variantMatchesBase(resolution, base, scale)) {
                continue;
            }
            const XAScaledResolution expected = expectedResolution(base, scale);
            diagnostics.push_back(diagnostic(
                it->second->pathOnDisk(),
                "Asset catalog ‘" + xa_escapedForXML(xa_stringByDeletingPathExtension(catalog.basename())) +
                    "’, set ‘" + xa_escapedForXML(set.basename()) + "’: <filename>" +
                    xa_escapedForXML(xa_lastPathComponent(it->second->pathOnDisk().value_or(""))) + "</filename> (x" +
                    std::to_string(it->first) + " scale) resolution (" + sizeText(resolution.width, resolution.height) +
                    ") should be " + sizeText(expected.width, expected.height) + "."));
        }
    }

    static XADiagnostic diagnostic(const std::optional<std::string> &path, const std::string &info) {
        return diagnosticWithFile(path, XAXMLString(info), std::nullopt, XADiagnosticImpactFunctionality,
                                  XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleRetinaImagesResolution)
