#pragma once

#include "core/XAError.h"
#include "core/XAValue.h"
#include "project/XAImageResolution.h"
#include "project/XAPbxprojElement.h"
#include "project/XAStringsFileEntry.h"
#include "project/XAXcconfigFile.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XAAssetCatalogSet;

// One file reference of the project ("PBXFileReference"): where the file is on disk, where it sits in Xcode's group
// tree and in a built bundle, and what kind of file it is.
//
// Files made by the file tree (XABuildProjectFileTree) carry their paths; a handle made from an identifier alone
// (XAProjectFile(objectID, projectData)) has none and answers only from its object in the project file. The paths
// are set once before the handle is shared and never change, so a file is read from any thread without locks.
class XAProjectFile : public XAPbxprojElement {
public:
    XAProjectFile(std::string objectID, std::shared_ptr<const XAProjectData> projectData);

    // A file with its paths. When `xcodePath` is given and its last component differs from the file's name, the
    // name is appended to it.
    static std::shared_ptr<XAProjectFile>
    fileWithPbxObjectID(std::string objectID, std::shared_ptr<const XAProjectData> projectData,
                        std::optional<std::string> xcodePath, std::optional<std::string> diskPath,
                        std::optional<std::string> resourcePath, std::optional<std::string> pathRefRoot);

    // ---- Paths ----

    // Absolute path of the file; for a source tree that is not known, a symbolic path such as
    // "${BUILT_PRODUCTS_DIR}/App.app".
    const std::optional<std::string> &pathOnDisk() const { return pathOnDisk_; }
    // Slash-separated group names down to the file, ending in the file name.
    const std::optional<std::string> &pathInXcode() const { return pathInXcode_; }
    // The path under which the file lands in a bundle: the whole reference path when its first component is an
    // ".lproj" folder, else its last component.
    const std::optional<std::string> &pathAsResource() const { return pathAsResource_; }
    // The reference's raw "sourceTree" value as the file tree met it.
    const std::optional<std::string> &pathReferenceRoot() const { return pathReferenceRoot_; }
    // pathAsResource without its ".lproj" components.
    const std::optional<std::string> &resourceReferencePath() const { return resourceReferencePath_; }
    // The first ".lproj" component of pathOnDisk without its extension ("en" for ".../en.lproj/Main.strings").
    const std::optional<std::string> &localeIdentifier() const { return localeIdentifier_; }

    // ---- Read from the file reference object ----

    std::optional<std::string> lastKnownFileType() const;
    std::optional<std::string> sourceTree() const;
    // "includeInIndex" as a truth value; true when absent.
    bool isIncludedInXcodeIndex() const;
    // Last component of pathOnDisk, else of the object's "path"; empty when there is neither.
    std::string name() const;
    std::string basename() const { return name(); }

    // "XAProjectFile (pbx ID id): lastKnownFileType - name".
    std::string description() const override;

    // ---- Kinds ----

    bool isFolder() const;
    bool isXIB() const;
    bool isStoryboard() const;
    bool isXIBType() const;
    bool isFontFile() const;
    bool isStringsFile() const;
    bool isStringsDictFile() const;
    bool isXcodeConfigFile() const;
    bool isPrefixHeader() const;
    // A C-family header other than a prefix header, by its file type or else its extension (.h, .hh, .hpp, .hxx, .ipp).
    bool isHeaderFile() const;
    bool isSourceCodeFile() const;
    bool isSwiftSourceCodeFile() const;
    bool isPropertyListFile() const;
    bool isDylibFile() const;
    bool isLibraryArchiveFile() const;
    bool isFramework() const;
    bool isEntitlementsFile() const;
    bool isIconset() const;
    bool isAssetCatalog() const;
    bool isImage() const;
    bool isVectorImage() const;

    // ---- Resource naming and locale ----

    // "iphone" or "ipad" for a base name such as "Icon~ipad.png"; no value otherwise.
    std::optional<std::string> deviceTypeSpecifier() const;
    // True when the file has no device specifier or has exactly this one.
    bool coversDeviceTypeSpecifier(const std::string &specifier) const;
    // The last component of pathOnDisk without scale and device modifiers (XABaseResourceNameOfResourceFilename).
    std::optional<std::string> baseResourceName() const;
    // The display name of localeIdentifier in the current locale ("German" for "de"); no value without a locale.
    std::optional<std::string> humanReadableRegionCode() const;
    // How specific localeIdentifier is (xa_specificityOfLocaleIdentifier); -2 without a locale.
    int localeSpecificity() const;

    // ---- Image scales and pixel sizes ----

    // True for an image whose name without extension, cut at the first "~", ends with the modifier: "icon@2x~ipad.png"
    // is a "@2x" image, "icon~ipad@2x.png" is not.
    bool isImageWithScaleSpecifier(const std::string &modifier) const;
    bool is2xRetinaImage() const;
    bool is3xRetinaImage() const;
    // Neither of the two above (also true for files that are not images).
    bool isNonRetinaImage() const;

    // The pixel size of every frame of the image file, in frame order; no value for an empty path or a file that is
    // no readable image. Kept in a process-wide cache (under one lock, so one image is examined at a time) that reads
    // a file again when its modification time in whole seconds has changed.
    static std::optional<std::vector<XAImageResolution>> resolutionsOfImageAtPath(const std::string &path);
    // For an image, the resolutions of its file on disk; no value for other files.
    std::optional<std::vector<XAImageResolution>> imageResolutions() const;
    // The first resolution of the largest area; 0 x 0 without any.
    XAImageResolution highestImageResolution() const;
    // The first resolution of the smallest area; INT32_MAX x INT32_MAX without any.
    XAImageResolution lowestImageResolution() const;

    // ---- Asset catalogs ----

    // Whether a folder's extension makes it a set of an asset catalog ("imageset", "appiconset", "launchimage",
    // "iconset"; letter case counts).
    static bool folderAtPathLooksLikeAssetCatalogSet(const std::string &path);
    // Every set under this asset catalog's folder, nested group folders included, in the order of a walk that skips
    // hidden entries. Sets that cannot be read are logged and left out. Read afresh on every call.
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> assetCatalogSets() const;
    // The sets of one kind, in that order.
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> imageSets() const;
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> appIcons() const;
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> launchImages() const;
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> OSXIcons() const;

    // ---- Contents ----

    // The file's text (UTF-8, or UTF-16 with a byte-order mark); no value for a dylib, an image, a folder, a font,
    // or a file that cannot be read as text.
    std::optional<std::string> textContentsIfTextFile() const;

    // A `.strings` table's key-value dictionary, read with the strings-file reader (UTF-8 or UTF-16; an empty file
    // is an empty dictionary). No value, with an error, when the file cannot be read or parsed.
    std::optional<XAValue> stringsFileDictionary(XAError *error) const;

    // The entries of the old-style property-list text of a `.strings` file, in file order, with their line numbers.
    //
    // A small scanner rather than a parser: it understands `//` and `/* */` comments, quoted strings (a backslash
    // makes the next character literal; "\U" and "\u" escapes of four hexadecimal digits become their characters
    // first), unquoted keys and values, and finds "=" and ";" wherever they stand. Text it does not understand costs
    // at most the entry it stands in, so a malformed file still yields the entries around the fault. Every line
    // break moves the count on, "\r\n" counting as one, also between a key and its "=" or its value.
    static std::vector<XAStringsFileEntry> entriesFromOldStylePlist(std::string_view text);
    // The entries of this strings file, read afresh (UTF-8 or UTF-16). No value for a file that is no strings file or
    // is empty, and, with an error saying why, for one that cannot be read as text.
    std::optional<std::vector<XAStringsFileEntry>> stringsFileEntries(XAError *error = nullptr) const;
    // Whether the strings file can be read: a file of only white space is; else one that the strings-file reader
    // reads; else, when the plutil tool at `plutilPath` exists, one that `plutil -lint` accepts. The error of an
    // invalid file is plutil's text without log prefixes, or the reader's (which names the line and what it
    // expected). A file without a path on disk is invalid without an error.
    bool stringsFileIsValidWithError(XAError *error, const std::string &plutilPath = "/usr/bin/plutil") const;

    // The statements of this configuration file and of the files it includes; no value when the file cannot be
    // read. Relative includes are also looked for in the folder that holds the `.xcodeproj`.
    std::optional<std::vector<XCConfigFileStatement>> xcConfigFileStatements() const;
    // Key (with condition) to value from those statements; a later statement wins. Empty when unreadable.
    std::map<std::string, std::string> xcConfigBuildSettings() const;

protected:
    const char *className() const override { return "XAProjectFile"; }

private:
    void cacheCompositeValues();
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> assetCatalogSetsOfKind(int kind) const;
    std::string extension() const;

    std::optional<std::string> pathOnDisk_;
    std::optional<std::string> pathInXcode_;
    std::optional<std::string> pathAsResource_;
    std::optional<std::string> pathReferenceRoot_;
    std::optional<std::string> resourceReferencePath_;
    std::optional<std::string> localeIdentifier_;
};

// The text of a file of the user's project as UTF-8: UTF-8 with or without byte-order mark, or UTF-16 (recognised
// by its byte-order mark or the NUL bytes of ASCII text). No value, with an error, when the file cannot be read or
// is no text in these encodings.
std::optional<std::string> XATextOfFile(const std::string &path, XAError *error);

// A resource file name without scale and device modifiers: the extension removed, every "@2x", then "@3x", then
// "~iphone", then "~ipad" removed, the extension put back ("Icon@2x~ipad.png" gives "Icon.png").
std::string XABaseResourceNameOfResourceFilename(const std::string &filename);
