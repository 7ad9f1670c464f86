// Resource files of the target, and image sets of its asset catalogs, whose names occur nowhere they could be loaded
// from: no string literal of the code, no resource reference of a XIB, no property list of the project, no text of
// another resource and no name the platform loads by convention. A name can also be put together at run time, so
// the findings are only possible ones, as the rule's warning says.

#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAPossibleStringValues.h"
#include "core/XACollections.h"
#include "core/XAPaths.h"
#include "core/XAPropertyList.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAAssetCatalogSet.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XAXIB.h"

#include <set>

namespace {

constexpr const char *kStringLiteralValuesKey = "UnusedResource_StringLiteralValues";

// "images/logo@2x.png" -> "logo@2x".
std::string lastComponentWithoutExtension(const std::string &path) {
    return xa_stringByDeletingPathExtension(xa_lastPathComponent(path));
}

// The names the platform loads without any reference.
void addImplicitlyUsedNames(XAPlatform platform, std::set<std::string> &used) {
    used.insert({"iTunesArtwork", "Entitlements", "icon", "icon-40", "icon-60", "icon-72", "icon-76", "icon-small",
                 "icon-small-50", "AirshipConfig.plist"});
    used.insert(resourceNameVariants().begin(), resourceNameVariants().end());
    if (platform == XAPlatformOSX) {
        used.insert({"Credits.html", "Credits.rtf", "Credits.rtfd", "NSApplicationIcon"});
    }
}

// Every string of every property list of the project, strings files aside, each without its path extension. A list
// that cannot be read adds nothing; a file the project names twice is read once.
void addNamesFromPropertyLists(const XAProject &project, std::set<std::string> &used) {
    std::set<std::string> readPaths;
    for (const std::shared_ptr<XAProjectFile> &file : project.files()) {
        if (!file->isPropertyListFile() || file->isStringsFile() || file->isStringsDictFile() || !file->pathOnDisk() ||
            !readPaths.insert(*file->pathOnDisk()).second) {
            continue;
        }
        const std::optional<XAValue> contents = XAPropertyListFromFile(*file->pathOnDisk(), nullptr);
        std::vector<XAValue> leaves;
        if (contents && contents->dictionary()) {
            leaves = xa_leafObjectsOfClass(*contents->dictionary(), XAValue::Type::String);
        } else if (contents && contents->array()) {
            leaves = xa_leafObjectsOfClass(*contents->array(), XAValue::Type::String);
        }
        for (const XAValue &leaf : leaves) {
            used.insert(xa_stringByDeletingPathExtension(*leaf.string()));
        }
    }
}

// Kinds of resource files whose text may name other resources.
bool mayNameOtherResources(const XAProjectFile &file) {
    return !file.isStringsFile() && !file.isFolder() && !file.isEntitlementsFile() && !file.isXIBType() &&
           !file.isAssetCatalog() && !file.isIconset() && !file.isFontFile() && !file.isFramework() &&
           !file.isLibraryArchiveFile() && !file.isDylibFile() && !file.isImage() && !file.isVectorImage() &&
           !file.isStringsDictFile();
}

// Files the system reads from the bundle by kind or by a fixed name: the privacy manifest, String Catalogs, app icons
// made with Icon Composer and the Settings bundle.
bool isReadByTheSystem(const XAProjectFile &file) {
    const std::string extension = xa_pathExtension(file.basename());
    return extension == "xcprivacy" || extension == "xcstrings" || extension == "icon" ||
           file.basename() == "Settings.bundle";
}

// Kinds of resource files that are never reported: they are loaded by the system, not by name.
bool isNeverReported(const XAProjectFile &file) {
    return file.isStringsFile() || file.isFolder() || file.isEntitlementsFile() || file.isXIBType() ||
           file.isAssetCatalog() || file.isFontFile() || isReadByTheSystem(file);
}

} // namespace

struct XARuleUnusedResource : XACursorRule<XARuleUnusedResource> {
    static XAXMLString ruleName() { return XAXMLString("Possibly unused resource"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns about resource files that do not seem to be referred to in code or XIB "
                           "files.</p>");
    }
    static std::optional<XAXMLString> ruleWarning() {
        return XAXMLString("Please make sure that a resource really is unused before you remove it: resources whose "
                           "names the code puts together at run time can be reported although they are used.");
    }
    static std::vector<std::string> tags() { return {"Resources"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCStringLiteral, CXCursor_StringLiteral}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind == CXCursor_StringLiteral) {
            if (std::optional<std::string> value = XAStringLiteralValue(cursor)) {
                context.stateStore().addValueToStateSet(std::move(*value), kStringLiteralValuesKey);
            }
        } else if (kind == CXCursor_ObjCStringLiteral) {
            if (const XAPossibleStrings values = XAPossibleStringValues(cursor)) {
                context.stateStore().addValuesFromSetToStateSet(*values, kStringLiteralValuesKey);
            }
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        if (!context.project() || !context.projectTarget()) {
            return {};
        }
        const std::set<std::string> used = usedNames(context);
        const std::string resourceText = textOfResources(*context.projectTarget());
        XADiagnostics unused;
        for (const std::shared_ptr<XAProjectFile> &file : context.projectTarget()->resourceFiles()) {
            if (!isNeverReported(*file) && !isUsed(*file, used, resourceText) && file->pathOnDisk()) {
                unused.push_back(unusedDiagnostic(*file->pathOnDisk()));
            }
        }
        for (const std::shared_ptr<XAProjectFile> &catalog : context.projectTarget()->assetCatalogs()) {
            for (const std::shared_ptr<const XAAssetCatalogSet> &set : catalog->assetCatalogSets()) {
                if (set->setKind() == XAAssetCatalogSetKindImageSet && !used.contains(set->basename())) {
                    unused.push_back(unusedDiagnostic(set->pathOnDisk()));
                }
            }
        }
        return unused;
    }

private:
    static XADiagnostic unusedDiagnostic(const std::string &path) {
        return diagnosticWithFile(path, std::nullopt, std::nullopt, XADiagnosticImpactMaintainability,
                                  XADiagnosticSeverityConcern, XADiagnosticConfidenceLow);
    }

    static std::set<std::string> usedNames(const XARuleContext &context) {
        std::set<std::string> used;
        for (const std::string &literal : context.stateStore()
                                              .copyOfStateSet<std::string>(kStringLiteralValuesKey)
                                              .value_or(std::set<std::string>{})) {
            used.insert(lastComponentWithoutExtension(literal));
        }
        for (const std::shared_ptr<const XAXIB> &xib : context.XIBsForCheckedTarget()) {
            for (const XAXIBResourceReference &reference : xib->resourcePathReferences()) {
                used.insert(lastComponentWithoutExtension(reference.resourcePath()));
            }
        }
        addNamesFromPropertyLists(*context.project(), used);
        addImplicitlyUsedNames(context.targetPlatform(), used);
        return used;
    }

    // The texts of the target's resources that may name other resources, one after the other.
    static std::string textOfResources(const XAProjectTarget &target) {
        std::string text;
        for (const std::shared_ptr<XAProjectFile> &file : target.resourceFiles()) {
            if (mayNameOtherResources(*file)) {
                text += file->textContentsIfTextFile().value_or("");
            }
        }
        return text;
    }

    static bool isUsed(const XAProjectFile &file, const std::set<std::string> &used, const std::string &resourceText) {
        const std::string basename = file.basename();
        if (basename.empty()) {
            return true; // nothing to look for
        }
        const std::optional<std::string> baseResourceName = file.baseResourceName();
        return used.contains(basename) || used.contains(xa_stringByDeletingPathExtension(basename)) ||
               (baseResourceName && used.contains(xa_stringByDeletingPathExtension(*baseResourceName))) ||
               resourceText.find(basename) != std::string::npos;
    }
};

TESSARY_REGISTER_RULE(XARuleUnusedResource)
