#include "project/XAProjectFile.h"

#include "core/XALocales.h"
#include "core/XAOpenStepReader.h"
#include "core/XAPaths.h"
#include "core/XAPropertyListText.h"
#include "core/XAString.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

std::string lowercasedASCII(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isValidUTF8(std::string_view text) {
    size_t offset = 0;
    while (offset < text.size()) {
        const XAUTF8Char character = XADecodeUTF8(text, offset);
        if (!character.valid || character.length == 0) {
            return false;
        }
        offset += character.length;
    }
    return true;
}

// The pieces of `text` between the occurrences of `separator`, empty pieces included.
std::vector<std::string> piecesSeparatedBy(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t position = text.find(separator); position != std::string_view::npos;
         position = text.find(separator, start)) {
        pieces.emplace_back(text.substr(start, position - start));
        start = position + 1;
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

void removeAllOccurrences(std::string &text, std::string_view needle) {
    for (size_t position = text.find(needle); position != std::string::npos; position = text.find(needle, position)) {
        text.erase(position, needle.size());
    }
}

bool isLprojComponent(const std::string &component) { return xa_pathExtension(component) == "lproj"; }

// The truth value of a property-list string as Xcode writes it ("0", "1", "YES"): a leading "Y", "y", "T", "t" or
// a non-zero digit after blanks, a sign and zeros.
bool truthValueOfString(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    while (i < text.size() && text[i] == '0') {
        ++i;
    }
    if (i >= text.size()) {
        return false;
    }
    const char c = text[i];
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

} // namespace

std::optional<std::string> XATextOfFile(const std::string &path, XAError *error) {
    auto bytes = XAContentsOfFile(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    std::string storage;
    const std::string_view text = XAPropertyListTextAsUTF8(*bytes, storage);
    if (!isValidUTF8(text)) {
        XASetError(error, "Cannot read " + path + ": the file is not UTF-8 or UTF-16 text");
        return std::nullopt;
    }
    return std::string(text);
}

std::string XABaseResourceNameOfResourceFilename(const std::string &filename) {
    const std::string extension = xa_pathExtension(filename);
    std::string base = xa_stringByDeletingPathExtension(filename);
    for (std::string_view modifier : {"@2x", "@3x", "~iphone", "~ipad"}) {
        removeAllOccurrences(base, modifier);
    }
    return extension.empty() ? base : xa_stringByAppendingPathExtension(base, extension);
}

XAProjectFile::XAProjectFile(std::string objectID, std::shared_ptr<const XAProjectData> projectData)
    : XAPbxprojElement(std::move(objectID), std::move(projectData)) {}

std::shared_ptr<XAProjectFile>
XAProjectFile::fileWithPbxObjectID(std::string objectID, std::shared_ptr<const XAProjectData> projectData,
                                   std::optional<std::string> xcodePath, std::optional<std::string> diskPath,
                                   std::optional<std::string> resourcePath, std::optional<std::string> pathRefRoot) {
    auto file = std::make_shared<XAProjectFile>(std::move(objectID), std::move(projectData));
    file->pathOnDisk_ = std::move(diskPath);
    file->pathInXcode_ = std::move(xcodePath);
    file->pathAsResource_ = std::move(resourcePath);
    file->pathReferenceRoot_ = std::move(pathRefRoot);
    const std::string name = file->name();
    if (file->pathInXcode_ && !name.empty() && xa_lastPathComponent(*file->pathInXcode_) != name) {
        file->pathInXcode_ = xa_stringByAppendingPathComponent(*file->pathInXcode_, name);
    }
    file->cacheCompositeValues();
    return file;
}

void XAProjectFile::cacheCompositeValues() {
    localeIdentifier_.reset();
    if (pathOnDisk_) {
        for (const auto &component : xa_pathComponents(*pathOnDisk_)) {
            if (component.ends_with(".lproj")) {
                localeIdentifier_ = component.substr(0, component.size() - std::string_view(".lproj").size());
                break;
            }
        }
    }
    resourceReferencePath_.reset();
    if (pathAsResource_) {
        std::string joined;
        for (const auto &component : xa_pathComponentsWithoutSlashes(*pathAsResource_)) {
            if (component.empty() || isLprojComponent(component)) {
                continue;
            }
            joined += (joined.empty() ? "" : "/") + component;
        }
        resourceReferencePath_ = joined;
    }
}

// ---- Read from the file reference object ----

std::optional<std::string> XAProjectFile::lastKnownFileType() const {
    const XAValue *own = pbx_ownObject();
    const std::string *type = own ? own->stringForKey("lastKnownFileType") : nullptr;
    return type ? std::optional<std::string>(*type) : std::nullopt;
}

std::optional<std::string> XAProjectFile::sourceTree() const {
    const XAValue *own = pbx_ownObject();
    const std::string *tree = own ? own->stringForKey("sourceTree") : nullptr;
    return tree ? std::optional<std::string>(*tree) : std::nullopt;
}

bool XAProjectFile::isIncludedInXcodeIndex() const {
    const XAValue *own = pbx_ownObject();
    const XAValue *value = own ? own->get("includeInIndex") : nullptr;
    if (!value) {
        return true;
    }
    if (const std::string *text = value->string()) {
        return truthValueOfString(*text);
    }
    if (auto flag = value->boolean()) {
        return *flag;
    }
    if (auto number = value->integer()) {
        return *number != 0;
    }
    return true;
}

std::string XAProjectFile::name() const {
    if (pathOnDisk_) {
        return xa_lastPathComponent(*pathOnDisk_);
    }
    const XAValue *own = pbx_ownObject();
    const std::string *path = own ? own->stringForKey("path") : nullptr;
    return path ? xa_lastPathComponent(*path) : std::string();
}

std::string XAProjectFile::description() const {
    return std::string(className()) + " (pbx ID " + objectID().value_or("(null)") +
           "): " + lastKnownFileType().value_or("(null)") + " - " + name();
}

// ---- Kinds ----

std::string XAProjectFile::extension() const { return pathOnDisk_ ? xa_pathExtension(*pathOnDisk_) : std::string(); }

bool XAProjectFile::isFolder() const { return lastKnownFileType() == "folder"; }

bool XAProjectFile::isXIB() const { return lastKnownFileType() == "file.xib"; }

bool XAProjectFile::isStoryboard() const { return lastKnownFileType() == "file.storyboard"; }

bool XAProjectFile::isXIBType() const { return isXIB() || isStoryboard(); }

bool XAProjectFile::isFontFile() const {
    const std::string lowered = lowercasedASCII(extension());
    return lowered == "otf" || lowered == "ttf" || lowered == "ttc";
}

bool XAProjectFile::isStringsFile() const {
    return lastKnownFileType() == "text.plist.strings" || extension() == "strings";
}

bool XAProjectFile::isStringsDictFile() const { return extension() == "stringsdict"; }

bool XAProjectFile::isXcodeConfigFile() const {
    return lastKnownFileType() == "text.xcconfig" || extension() == "xcconfig";
}

bool XAProjectFile::isPrefixHeader() const { return xa_pathExtension(basename()) == "pch"; }

bool XAProjectFile::isHeaderFile() const {
    if (isPrefixHeader()) {
        return false;
    }
    if (auto type = lastKnownFileType()) {
        return type->starts_with("sourcecode.") && type->ends_with(".h");
    }
    const std::string extension = xa_pathExtension(basename());
    return extension == "h" || extension == "hh" || extension == "hpp" || extension == "hxx" || extension == "ipp";
}

bool XAProjectFile::isSourceCodeFile() const {
    auto type = lastKnownFileType();
    return type && type->starts_with("sourcecode.");
}

bool XAProjectFile::isSwiftSourceCodeFile() const {
    return lastKnownFileType() == "sourcecode.swift" || extension() == "swift";
}

bool XAProjectFile::isPropertyListFile() const {
    auto type = lastKnownFileType();
    return type && type->find(".plist") != std::string::npos;
}

bool XAProjectFile::isDylibFile() const { return lastKnownFileType() == "compiled.mach-o.dylib"; }

bool XAProjectFile::isLibraryArchiveFile() const { return lastKnownFileType() == "archive.ar" || extension() == "a"; }

bool XAProjectFile::isFramework() const { return lastKnownFileType() == "wrapper.framework"; }

bool XAProjectFile::isEntitlementsFile() const { return extension() == "entitlements"; }

bool XAProjectFile::isIconset() const { return lastKnownFileType() == "folder.iconset"; }

bool XAProjectFile::isAssetCatalog() const {
    return lastKnownFileType() == "folder.assetcatalog" || extension() == "xcassets";
}

bool XAProjectFile::isImage() const {
    static constexpr std::array<std::string_view, 13> imageExtensions = {
        "png", "jpg", "jpeg", "tiff", "tif", "gif", "bmp", "bmpf", "ico", "cur", "xbm", "icns", "pdf"};
    auto type = lastKnownFileType();
    if (type && type->starts_with("image.")) {
        return true;
    }
    const std::string name = basename();
    const std::string lowered = lowercasedASCII(xa_pathExtension(name));
    return std::find(imageExtensions.begin(), imageExtensions.end(), lowered) != imageExtensions.end() ||
           name == "iTunesArtwork";
}

bool XAProjectFile::isVectorImage() const {
    const std::string ext = extension();
    return ext == "pdf" || ext == "eps" || ext == "svg";
}

// ---- Resource naming and locale ----

std::optional<std::string> XAProjectFile::deviceTypeSpecifier() const {
    const auto parts = piecesSeparatedBy(xa_stringByDeletingPathExtension(basename()), '~');
    if (parts.size() < 2) {
        return std::nullopt;
    }
    for (const char *device : {"iphone", "ipad"}) {
        if (parts[1].starts_with(device)) {
            return device;
        }
    }
    return std::nullopt;
}

bool XAProjectFile::coversDeviceTypeSpecifier(const std::string &specifier) const {
    auto own = deviceTypeSpecifier();
    return !own || own->empty() || *own == specifier;
}

std::optional<std::string> XAProjectFile::baseResourceName() const {
    if (!pathOnDisk_) {
        return std::nullopt;
    }
    return XABaseResourceNameOfResourceFilename(xa_lastPathComponent(*pathOnDisk_));
}

std::optional<std::string> XAProjectFile::humanReadableRegionCode() const {
    if (!localeIdentifier_) {
        return std::nullopt;
    }
    return xa_displayNameForBundleLocaleIdentifier(icu::Locale::getDefault(), *localeIdentifier_);
}

int XAProjectFile::localeSpecificity() const {
    return xa_specificityOfLocaleIdentifier(localeIdentifier_.value_or(""));
}

// ---- Contents ----

std::optional<std::string> XAProjectFile::textContentsIfTextFile() const {
    if (isDylibFile() || isImage() || isFolder() || isFontFile() || !pathOnDisk_) {
        return std::nullopt;
    }
    return XATextOfFile(*pathOnDisk_, nullptr);
}

std::optional<XAValue> XAProjectFile::stringsFileDictionary(XAError *error) const {
    if (!pathOnDisk_) {
        XASetError(error, "The strings file " + name() + " has no path on disk");
        return std::nullopt;
    }
    auto bytes = XAContentsOfFile(*pathOnDisk_, error);
    if (!bytes) {
        return std::nullopt;
    }
    return XAOpenStepReader::read(*bytes, *pathOnDisk_, XAOpenStepReadMode::StringsFile, error);
}

std::optional<std::vector<XCConfigFileStatement>> XAProjectFile::xcConfigFileStatements() const {
    if (!pathOnDisk_) {
        return std::nullopt;
    }
    auto data = projectData();
    const std::string containerRootPath = data ? xa_stringByDeletingLastPathComponent(data->xcodeprojPath) : "";
    return XAReadXcconfigStatements(*pathOnDisk_, containerRootPath);
}

std::map<std::string, std::string> XAProjectFile::xcConfigBuildSettings() const {
    auto statements = xcConfigFileStatements();
    return statements ? XAXcconfigBuildSettings(*statements) : std::map<std::string, std::string>();
}
