// Resource files whose names misspell the "@2x" resolution modifier or, on iOS, carry a device type modifier other
// than "iphone" or "ipad". The platform looks such files up by their exact names, and iOS devices have a
// case-sensitive file system, so a misspelt modifier leaves the file unused.

#include "core/XACollections.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char *, 2> kValidDeviceTypeModifiers = {"iphone", "ipad"};

// The pieces of the text between "~" characters, empty pieces kept ("e~" gives "e" and "").
std::vector<std::string> piecesBetweenTildes(const std::string &text) {
    std::vector<std::string> pieces(1);
    for (char character : text) {
        if (character == '~') {
            pieces.emplace_back();
        } else {
            pieces.back() += character;
        }
    }
    return pieces;
}

} // namespace

struct XARuleUnknownResourceModifier : XAProjectRule<XARuleUnknownResourceModifier> {
    static XAXMLString ruleName() { return XAXMLString("Unknown resource file name modifier"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(std::string("Device type modifiers for device-specific resource files (like <string>~") +
                           kValidDeviceTypeModifiers[0] + "</string> or <string>~" + kValidDeviceTypeModifiers[1] +
                           "</string>), as well as the resolution modifier <string>@2x</string>, must be spelled "
                           "correctly (and case sensitively, due to the case-sensitive filesystem on iOS devices).");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Resource Programming Guide: iOS Supports Device-Specific Resources",
                                              "https://developer.apple.com/library/archive/documentation/Cocoa/"
                                              "Conceptual/LoadingResources/Introduction/Introduction.html#//apple_ref/"
                                              "doc/uid/10000051i-CH1-SW2"),
                XAExternalLink::linkWithTitle("Resource Programming Guide: Specifying High-Resolution Images in iOS",
                                              "https://developer.apple.com/library/archive/documentation/Cocoa/"
                                              "Conceptual/LoadingResources/ImageSoundResources/"
                                              "ImageSoundResources.html#//apple_ref/doc/uid/10000051i-CH7-SW19")};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.projectTarget()) {
            return diagnostics;
        }
        const bool checksDeviceTypes = context.targetPlatform() == XAPlatformIOS;
        for (const std::shared_ptr<XAProjectFile> &file : context.projectTarget()->resourceFiles()) {
            if (!file->pathOnDisk()) {
                continue;
            }
            const std::string &path = *file->pathOnDisk();
            const std::vector<std::string> pieces =
                piecesBetweenTildes(xa_stringByDeletingPathExtension(xa_lastPathComponent(path)));
            if (misspellsResolutionModifier(pieces.front())) {
                diagnostics.push_back(diagnostic(
                    path, "The <string>@2x</string> resolution modifier seems to be incorrectly spelled in the "
                          "filename."));
            }
            if (checksDeviceTypes && pieces.size() >= 2 && isUnknownDeviceTypeModifier(pieces[1])) {
                diagnostics.push_back(diagnostic(path, unknownDeviceTypeInfo(pieces[1])));
            }
        }
        return diagnostics;
    }

private:
    // The name before its device modifier ends in a resolution modifier with the "x" missing or in upper case.
    static bool misspellsResolutionModifier(const std::string &stem) {
        return stem.ends_with("@2") || stem.ends_with("@2X");
    }

    static bool isUnknownDeviceTypeModifier(const std::string &modifier) {
        return !modifier.empty() && std::none_of(kValidDeviceTypeModifiers.begin(), kValidDeviceTypeModifiers.end(),
                                                 [&](const char *valid) { return modifier == valid; });
    }

    static std::string unknownDeviceTypeInfo(const std::string &modifier) {
        std::vector<std::string> valid;
        for (const char *name : kValidDeviceTypeModifiers) {
            valid.push_back(xa_escapedForXML(name));
        }
        return "<string>" + xa_escapedForXML(modifier) +
               "</string> is not a valid device type modifier. Valid "
               "values are: " +
               xa_componentsJoinedByString(xa_componentsWrappedInXMLTag(valid, "string"), ", ") +
               " (remember that iOS devices have a case sensitive filesystem).";
    }

    static XADiagnostic diagnostic(const std::string &path, const std::string &info) {
        return diagnosticWithFile(path, XAXMLString(info), std::nullopt, XADiagnosticImpactFunctionality,
                                  XADiagnosticSeverityError, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleUnknownResourceModifier)
