#include "project/XAProjectTarget.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectBuildPhase.h"
#include "project/XAProjectFile.h"

#include <array>

#include <unicode/locid.h>

namespace {

struct XAProductTypeInfo {
    const char *productType;
    const char *displayName;
    bool isBundle;
    bool isApplication;
};

// Indexed by XAProjectTargetType - 1.
constexpr std::array<XAProductTypeInfo, 25> kProductTypes = {{
    {"com.apple.product-type.application", "Application", true, true},
    {"com.apple.product-type.application.shallow", "Application (Shallow Bundle)", true, true},
    {"com.apple.product-type.application.java", "Java Application", true, true},
    {"com.apple.product-type.bundle", "Bundle", true, false},
    {"com.apple.product-type.bundle.shallow", "Bundle (Shallow)", true, false},
    {"com.apple.product-type.bundle.unit-test", "Unit Test Bundle", true, false},
    {"com.apple.product-type.bundle.ocunit-test", "OCUnit Test Bundle", true, false},
    {"com.apple.product-type.framework", "Framework", true, false},
    {"com.apple.product-type.framework.shallow", "Framework (Shallow Bundle)", true, false},
    {"com.apple.product-type.framework.static", "Static Framework", false, false},
    {"com.apple.product-type.tool", "Command-line Tool", false, false},
    {"com.apple.product-type.tool.java", "Java Command-line Tool", false, false},
    {"com.apple.product-type.java.archive", "Java Library", false, false},
    {"com.apple.product-type.objfile", "Object File", false, false},
    {"com.apple.product-type.library.static", "Static Library", false, false},
    {"com.apple.product-type.library.dynamic", "Dynamic Library", false, false},
    {"com.apple.product-type.kernel-extension", "Kernel Extension", false, false},
    {"com.apple.product-type.kernel-extension.shallow", "Kernel Extension (Shallow)", false, false},
    {"com.apple.product-type.kernel-extension.iokit", "IOKit Kernel Extension", false, false},
    {"com.apple.product-type.kernel-extension.iokit.shallow", "IOKit Kernel Extension (Shallow)", false, false},
    {"com.apple.product-type.in-app-purchase-content", "In-App Purchase Content", true, false},
    {"com.apple.product-type.app-extension", "App Extension", true, false},
    {"com.apple.product-type.xpc-service", "XPC Service", true, false},
    {"com.apple.product-type.pluginkit-plugin", "PlugInKit PlugIn", true, false},
    {"com.apple.product-type.spotlight-importer", "Spotlight Importer", true, false},
}};

const XAProductTypeInfo *productTypeInfo(XAProjectTargetType type) {
    return type == XAProjectTargetTypeUnknown ? nullptr : &kProductTypes[type - 1];
}

XAProjectTargetType targetTypeForProductType(const std::string &productType) {
    for (std::size_t index = 0; index < kProductTypes.size(); ++index) {
        if (productType == kProductTypes[index].productType) {
            return static_cast<XAProjectTargetType>(index + 1);
        }
    }
    XALog(XALogLevelDebug, "Unknown product type: %s", productType.c_str());
    return XAProjectTargetTypeUnknown;
}

std::string lowercased(std::string_view text) {
    icu::UnicodeString unicode = XAUnicodeStringFromUTF8(text);
    unicode.toLower(icu::Locale::getRoot());
    return XAUTF8FromUnicodeString(unicode);
}

} // namespace

XAProjectTarget::XAProjectTarget(std::string objectID, std::shared_ptr<const XAProjectData> projectData)
    : XAPbxprojElement(std::move(objectID), std::move(projectData)) {
    cacheData();
}

const std::string *XAProjectTarget::ownString(const char *key) const {
    const XAValue *own = pbx_ownObject();
    return own ? own->stringForKey(key) : nullptr;
}

std::string XAProjectTarget::name() const {
    const std::string *value = ownString("name");
    return value ? *value : std::string();
}

std::string XAProjectTarget::productType() const {
    const std::string *value = ownString("productType");
    return value ? *value : std::string();
}

std::string XAProjectTarget::productName() const {
    const std::string *value = ownString("productName");
    return value ? *value : std::string();
}

std::string XAProjectTarget::projectDiskRootPath() const {
    std::lock_guard lock(rootPathMutex_);
    return projectDiskRootPath_;
}

void XAProjectTarget::setProjectDiskRootPath(std::string path) {
    std::lock_guard lock(rootPathMutex_);
    projectDiskRootPath_ = std::move(path);
}

void XAProjectTarget::cacheData() {
    targetType_ = targetTypeForProductType(productType());
    cacheBuildPhases();
    cacheBuildConfigurations();
    cacheSourceFiles();
    cacheResourceFiles();
    cacheAssetCatalogs();
    cacheResourcePaths();
}

void XAProjectTarget::cacheBuildPhases() {
    const XAValue *own = pbx_ownObject();
    buildPhases_ = pbx_elementsOfClass<XAProjectBuildPhase>(own ? own->get("buildPhases") : nullptr);
}

void XAProjectTarget::cacheBuildConfigurations() {
    const std::string *listID = ownString("buildConfigurationList");
    const XAValue *list = listID ? pbx_dictForID(*listID) : nullptr;
    buildConfigurations_ =
        pbx_elementsOfClass<XAProjectBuildConfiguration>(list ? list->get("buildConfigurations") : nullptr);
}

void XAProjectTarget::cacheSourceFiles() {
    for (const auto &phase : buildPhases_) {
        if (phase->phaseType() != XAProjectBuildPhaseTypeSources) {
            continue;
        }
        for (auto &file : phase->phaseFiles()) {
            if (file->isSourceCodeFile()) {
                sourceFiles_.push_back(std::move(file));
            }
        }
    }
}

void XAProjectTarget::cacheResourceFiles() {
    for (const auto &phase : buildPhases_) {
        if (phase->phaseType() == XAProjectBuildPhaseTypeResources) {
            auto files = phase->phaseFiles();
            resourceFiles_.insert(resourceFiles_.end(), files.begin(), files.end());
        }
    }
}

void XAProjectTarget::cacheAssetCatalogs() {
    for (const auto &file : resourceFiles_) {
        if (file->isAssetCatalog()) {
            assetCatalogs_.push_back(file);
        }
    }
}

void XAProjectTarget::cacheResourcePaths() {
    resourcePaths_.reserve(500);
    auto add = [this](const std::string &path) {
        std::size_t first = path.find_first_not_of('/');
        std::size_t last = path.find_last_not_of('/');
        resourcePaths_.push_back(first == std::string::npos ? std::string() : path.substr(first, last - first + 1));
    };
    for (const auto &file : resourceFiles_) {
        if (file->isFolder()) {
            if (file->pathOnDisk()) {
                for (const std::string &path : resourceFilesInDirRecursive(*file->pathOnDisk())) {
                    add(path);
                }
            }
        } else if (file->pathAsResource()) {
            add(*file->pathAsResource());
        }
    }
}

std::shared_ptr<XAProjectBuildConfiguration> XAProjectTarget::buildConfigurationForName(const std::string &name) const {
    const std::string wanted = lowercased(name);
    for (const auto &configuration : buildConfigurations_) {
        if (lowercased(configuration->name()) == wanted) {
            return configuration;
        }
    }
    return nullptr;
}

bool XAProjectTarget::targetTypeIsABundle() const {
    const XAProductTypeInfo *info = productTypeInfo(targetType_);
    return info && info->isBundle;
}

bool XAProjectTarget::targetTypeIsAnApplication() const {
    const XAProductTypeInfo *info = productTypeInfo(targetType_);
    return info && info->isApplication;
}

bool XAProjectTarget::targetTypeIsAnAppOrAppExtension() const {
    return targetTypeIsAnApplication() || targetType_ == XAProjectTargetTypeAppExtension;
}

std::string XAProjectTarget::targetTypeDisplayName() const {
    const XAProductTypeInfo *info = productTypeInfo(targetType_);
    return info ? info->displayName : "Target";
}

std::map<std::string, std::vector<std::shared_ptr<XAProjectFile>>>
XAProjectTarget::resourcesGroupedByResourceBaseName() const {
    return XAProject::resourcesGroupedByBaseName(resourceFiles_);
}

std::vector<std::string> XAProjectTarget::resourceFilesInDirRecursive(const std::string &folderPath) {
    std::vector<std::string> paths;
    const std::string folder = xa_stringByStandardizingPath(folderPath);
    const std::size_t prefixLength = xa_stringByStandardizingPath(xa_stringByDeletingLastPathComponent(folder)).size();
    auto visitor = [&](const std::string &path, bool &) {
        const std::string standardized = xa_stringByStandardizingPath(path);
        paths.push_back(standardized.size() > prefixLength ? standardized.substr(prefixLength) : std::string());
    };
    auto onError = [](const std::string &path, const XAError &error) {
        XALog(XALogLevelError, "Error enumerating files at url: %s : %s", path.c_str(), error.message.c_str());
        return true;
    };
    xa_visitFilesAtRoot(folder, XADirectoryEnumerationSkipsHiddenFiles, false, visitor, onError);
    return paths;
}
