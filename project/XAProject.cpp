#include "project/XAProject.h"

#include "core/XAAppVersion.h"
#include "core/XAHashing.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XATextOffsets.h"
#include "project/XAPbxprojReader.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectFileTree.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unicode/locid.h>
#include <utility>

namespace {

// The English language names that old projects use as regions, which ICU does not know as identifiers.
constexpr std::pair<const char *, const char *> kLegacyRegionNames[] = {
    {"English", "en"},    {"French", "fr"},    {"German", "de"},    {"Italian", "it"},    {"Dutch", "nl"},
    {"Swedish", "sv"},    {"Spanish", "es"},   {"Danish", "da"},    {"Portuguese", "pt"}, {"Norwegian", "nb"},
    {"Hebrew", "he"},     {"Japanese", "ja"},  {"Arabic", "ar"},    {"Finnish", "fi"},    {"Greek", "el"},
    {"Icelandic", "is"},  {"Maltese", "mt"},   {"Turkish", "tr"},   {"Croatian", "hr"},   {"Chinese", "zh"},
    {"Urdu", "ur"},       {"Hindi", "hi"},     {"Thai", "th"},      {"Korean", "ko"},     {"Lithuanian", "lt"},
    {"Polish", "pl"},     {"Hungarian", "hu"}, {"Estonian", "et"},  {"Latvian", "lv"},    {"Russian", "ru"},
    {"Czech", "cs"},      {"Ukrainian", "uk"}, {"Slovak", "sk"},    {"Slovenian", "sl"},  {"Romanian", "ro"},
    {"Irish", "ga"},      {"Welsh", "cy"},     {"Catalan", "ca"},   {"Indonesian", "id"}, {"Malay", "ms"},
    {"Vietnamese", "vi"}, {"Persian", "fa"},   {"Bulgarian", "bg"}, {"Serbian", "sr"},    {"Afrikaans", "af"},
};

std::string canonicalLocaleIdentifier(const std::string &identifier) {
    for (const auto &[name, code] : kLegacyRegionNames) {
        if (identifier == name) {
            return code;
        }
    }
    icu::Locale locale = icu::Locale::createCanonical(identifier.c_str());
    return locale.isBogus() ? identifier : std::string(locale.getName());
}

bool isValidUTF8(std::string_view text) {
    for (std::size_t offset = 0; offset < text.size();) {
        XAUTF8Char character = XADecodeUTF8(text, offset);
        if (!character.valid || character.length == 0) {
            return false;
        }
        offset += character.length;
    }
    return true;
}

// The integer value of a text as the project file's editor settings hold it; 0 when it does not start with one.
std::int64_t integerValueOfText(const std::string &text) { return xa_numberFromDecimalIntString(text).value_or(0); }

} // namespace

XAProject::XAProject(std::string xcodeprojPath) : xcodeprojPath_(std::move(xcodeprojPath)) {}

std::shared_ptr<XAProject> XAProject::projectWithXcodeproj(std::string xcodeprojPath) {
    return std::make_shared<XAProject>(std::move(xcodeprojPath));
}

std::mutex &XAProject::classLock() {
    static std::mutex lock;
    return lock;
}

void XAProject::setXcodebuildRunnerForTesting(XAXcodebuildRunner runner) { xcodebuildRunner_ = std::move(runner); }

void XAProject::send(const XAProgressHandler &progress, XAProgressMessageKind kind, const std::string &message) const {
    if (progress) {
        progress(XAProgressMessage(kind, message));
    }
}

// ---- Loading ----

bool XAProject::loadProject(const XAProgressHandler &progress) {
    if (!readPbxproj(progress) || !cacheAllBuildSettings(progress)) {
        return false;
    }
    return validateProject(progress);
}

bool XAProject::failRead(const XAProgressHandler &progress, const std::string &message) {
    send(progress, XAProgressMessageKindError, message);
    return false;
}

bool XAProject::readPbxproj(const XAProgressHandler &progress) {
    if (xcodeprojPath_.empty()) {
        return failRead(progress, "No path to xcodeproj given");
    }
    const std::string path = pbxprojPath();
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        return failRead(progress, "The project.pbxproj file cannot be found: " + path);
    }
    if (std::filesystem::is_directory(path, ignored)) {
        return failRead(progress, "A directory exists where the project.pbxproj file should be: " + path);
    }
    auto record = std::make_shared<XAProjectData>();
    record->xcodeprojPath = xcodeprojPath_;
    {
        // A project read again starts its targets and configurations afresh from the new record.
        std::lock_guard lock(lock_);
        targetObjects_.reset();
        buildConfigObjects_.reset();
    }
    XAError error;
    record->projectDict = XAReadPbxproj(path, &error);
    if (!record->projectDict) {
        setProjectData(record);
        // The reader's reason names the file and, when the text does not parse, the line and what was expected there
        // ("<path>:12: expected ';' ..."); users see it, not only verbose logs.
        const std::string &reason = error.message;
        return failRead(progress,
                        "The contents of the project.pbxproj file cannot be read: " +
                            (reason.starts_with(path) ? reason : path + (reason.empty() ? "" : ": " + reason)));
    }
    XABuildProjectFileTree(*record);
    setProjectData(std::move(record));
    return true;
}

bool XAProject::validateProject(const XAProgressHandler &progress) {
    if (!progress) {
        return true;
    }
    if (!isSupportedProjectFormatVersion()) {
        std::string version = XcodeCompatibilityVersion().value_or("");
        if (xa_trimmedOfWhitespace(version).empty()) {
            version = "ObjectVersion " + objectVersion();
        }
        send(progress, XAProgressMessageKindWarning,
             "The Xcode project format is \"" + version + "\". " + XAApplicationName +
                 " supports Xcode projects that are " + humanReadableSupportedProjectFormatVersions() +
                 ". Some features may not work correctly.");
    }
    // Kinds of names in the order they are reported; equal keys (two targets of one name) collapse into one.
    std::vector<std::pair<std::string, std::string>> names{{"project", projectName()}};
    auto addName = [&names](std::string key, std::string name) {
        if (std::ranges::none_of(names, [&key](const auto &entry) { return entry.first == key; })) {
            names.emplace_back(std::move(key), std::move(name));
        }
    };
    for (const auto &target : targets()) {
        addName("target '" + target->name() + "'", target->name());
    }
    for (const auto &configuration : buildConfigurations()) {
        addName("build configuration '" + configuration->name() + "'", configuration->name());
    }
    for (const auto &[key, name] : names) {
        if (xa_containsNonASCIICodePoints(name)) {
            send(progress, XAProgressMessageKindWarning,
                 "The " + key + " name (" + name +
                     ") contains non-ASCII code points. Xcode developer tools such as xcodebuild contain bugs that may "
                     "be triggered by this. If you encounter problems, try changing this name to contain only ASCII "
                     "characters.");
        }
    }
    return true;
}

// ---- Paths and facts of the project file ----

std::string XAProject::projectName() const {
    return xa_stringByDeletingPathExtension(xa_lastPathComponent(xcodeprojPath_));
}

std::string XAProject::projectDiskRootPath() const {
    return xa_stringByStandardizingPath(xa_stringByDeletingLastPathComponent(xcodeprojPath_));
}

std::string XAProject::pbxprojPath() const {
    return xa_stringByAppendingPathComponent(xcodeprojPath_, "project.pbxproj");
}

std::optional<std::chrono::system_clock::time_point> XAProject::projectModificationDate() const {
    struct stat status {};
    if (::stat(pbxprojPath().c_str(), &status) != 0) {
        return std::nullopt;
    }
    return std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
        std::chrono::seconds(status.st_mtim.tv_sec) + std::chrono::nanoseconds(status.st_mtim.tv_nsec)));
}

std::optional<std::string> XAProject::projectHash() const {
    std::optional<std::string> text = XAContentsOfFile(pbxprojPath(), nullptr);
    if (!text || !isValidUTF8(*text)) {
        return std::nullopt;
    }
    return xa_SHA1Hash(*text);
}

const XAValue *XAProject::rootObjectValue(const char *key) const {
    const XAValue *root = pbx_projectRootObject();
    return root ? root->get(key) : nullptr;
}

std::optional<std::string> XAProject::rootObjectString(const char *key) const {
    const XAValue *value = rootObjectValue(key);
    const std::string *text = value ? value->string() : nullptr;
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

std::string XAProject::objectVersion() const {
    auto data = projectData();
    const XAValue *version = data && data->projectDict ? data->projectDict->get("objectVersion") : nullptr;
    if (!version) {
        return "(null)";
    }
    if (const std::string *text = version->string()) {
        return *text;
    }
    if (auto number = version->integer()) {
        return std::to_string(*number);
    }
    return version->description();
}

std::optional<std::string> XAProject::XcodeCompatibilityVersion() const {
    return rootObjectString("compatibilityVersion");
}

std::optional<std::string> XAProject::organizationName() const {
    const XAValue *root = pbx_projectRootObject();
    const XAValue *name = root ? xa_objectWithPath(*root, "attributes.ORGANIZATIONNAME") : nullptr;
    return name && name->string() ? std::optional<std::string>(*name->string()) : std::nullopt;
}

std::optional<std::string> XAProject::classPrefix() const {
    const XAValue *root = pbx_projectRootObject();
    const XAValue *prefix = root ? xa_objectWithPath(*root, "attributes.CLASSPREFIX") : nullptr;
    return prefix && prefix->string() ? std::optional<std::string>(*prefix->string()) : std::nullopt;
}

std::vector<std::string> XAProject::knownRegions() const {
    std::vector<std::string> regions;
    const XAValue *list = rootObjectValue("knownRegions");
    if (const XAValue::Array *array = list ? list->array() : nullptr) {
        for (const XAValue &region : *array) {
            if (const std::string *text = region.string()) {
                regions.push_back(*text);
            }
        }
    }
    return regions;
}

std::optional<std::string> XAProject::developmentRegion() const { return rootObjectString("developmentRegion"); }

std::optional<std::string> XAProject::developmentRegionTwoCharISOCode() const {
    std::optional<std::string> region = developmentRegion();
    return region ? std::optional<std::string>(canonicalLocaleIdentifier(*region)) : std::nullopt;
}

bool XAProject::localeIdentifierIsDevelopmentRegion(const std::string &localeIdentifier) const {
    // As written, or in the canonical form: folders and the project may name the region either way ("English.lproj"
    // is the region "en").
    const std::optional<std::string> region = developmentRegionTwoCharISOCode();
    return localeIdentifier == developmentRegion() || localeIdentifier == region ||
           (region && canonicalLocaleIdentifier(localeIdentifier) == *region);
}

XAProjectFileTextSettings XAProject::editorTextSettings() const {
    XAProjectFileTextSettings settings;
    std::optional<std::string> mainGroupID = rootObjectString("mainGroup");
    const XAValue *mainGroup = mainGroupID ? pbx_dictForID(*mainGroupID) : nullptr;
    if (!mainGroup) {
        return settings;
    }
    if (const std::string *indentWidth = mainGroup->stringForKey("indentWidth")) {
        settings.indentWidth = integerValueOfText(*indentWidth);
    }
    if (const std::string *tabWidth = mainGroup->stringForKey("tabWidth")) {
        settings.tabWidth = integerValueOfText(*tabWidth);
    }
    if (const std::string *usesTabs = mainGroup->stringForKey("usesTabs")) {
        settings.indentMode = integerValueOfText(*usesTabs) != 0 ? 1 : 2;
    }
    if (const std::string *wrapsLines = mainGroup->stringForKey("wrapsLines")) {
        settings.wrapLines = integerValueOfText(*wrapsLines);
    }
    return settings;
}

std::vector<std::string> XAProject::supportedObjectVersions() { return {"45", "46", "47", "48"}; }

// Newer Xcode versions write a newer object version into a project that stays compatible with an older format; the
// format the project names is the one the warning quotes, so it must count too.
bool XAProject::isSupportedProjectFormatVersion() const {
    const auto versions = supportedObjectVersions();
    if (std::ranges::find(versions, objectVersion()) != versions.end()) {
        return true;
    }
    // The "compatibilityVersion" texts of the same formats.
    static const std::vector<std::string> formats = {"Xcode 8.0", "Xcode 6.3", "Xcode 3.2", "Xcode 3.1"};
    const std::string format = xa_trimmedOfWhitespace(XcodeCompatibilityVersion().value_or(""));
    return std::ranges::find(formats, format) != formats.end();
}

std::string XAProject::humanReadableSupportedProjectFormatVersions() {
    return "Xcode 8.0 or 6.3 or 3.2 or 3.1 -compatible";
}

std::string XAProject::cacheKeyForTargetName(const std::string &targetName, const std::string &buildConfigurationName) {
    return "target-" + targetName + "__buildconfig-" + buildConfigurationName;
}

// ---- Files ----

std::vector<std::shared_ptr<XAProjectFile>> XAProject::files() const {
    std::vector<std::shared_ptr<XAProjectFile>> all;
    if (auto data = projectData()) {
        all.reserve(data->fileReferenceObjects.size());
        for (const auto &[identifier, file] : data->fileReferenceObjects) {
            all.push_back(file);
        }
    }
    return all;
}

std::shared_ptr<XAProjectFile> XAProject::projectFileWithPath(const std::string &path) const {
    auto data = projectData();
    if (!data) {
        return nullptr;
    }
    auto found = data->fileReferenceObjectsByStandardizedPath.find(xa_stringByStandardizingPath(path));
    return found == data->fileReferenceObjectsByStandardizedPath.end() ? nullptr : found->second;
}

bool XAProject::containsSwiftCode() const {
    return std::ranges::any_of(files(), [](const auto &file) { return file->isSwiftSourceCodeFile(); });
}

bool XAProject::isLocalized() const {
    return std::ranges::any_of(files(), [](const auto &file) { return file->isStringsFile(); });
}

bool XAProject::containsAnnotationHeader() const {
    return std::ranges::any_of(files(), [](const auto &file) { return file->basename() == "TessaryAnnotations.h"; });
}

std::string XAProject::annotationHeaderInstallDirPath() const {
    for (const auto &file : files()) {
        if (file->basename() != "main.m") {
            continue;
        }
        std::error_code ignored;
        if (file->pathOnDisk() && std::filesystem::exists(*file->pathOnDisk(), ignored)) {
            return xa_stringByDeletingLastPathComponent(*file->pathOnDisk());
        }
        break;
    }
    return projectDiskRootPath();
}

// ---- Targets and build configurations ----

std::vector<std::shared_ptr<XAProjectTarget>> XAProject::targets() const {
    std::lock_guard lock(lock_);
    if (!targetObjects_) {
        if (!projectData()) {
            return {};
        }
        auto made = pbx_elementsOfClass<XAProjectTarget>(rootObjectValue("targets"));
        const std::string rootPath = projectDiskRootPath();
        for (const auto &target : made) {
            target->setProjectDiskRootPath(rootPath);
        }
        targetObjects_ = std::move(made);
    }
    return *targetObjects_;
}

std::vector<std::shared_ptr<XAProjectBuildConfiguration>> XAProject::buildConfigurations() const {
    std::lock_guard lock(lock_);
    if (!buildConfigObjects_) {
        if (!projectData()) {
            return {};
        }
        std::optional<std::string> listID = rootObjectString("buildConfigurationList");
        const XAValue *list = listID ? pbx_dictForID(*listID) : nullptr;
        buildConfigObjects_ =
            pbx_elementsOfClass<XAProjectBuildConfiguration>(list ? list->get("buildConfigurations") : nullptr);
    }
    return *buildConfigObjects_;
}

std::shared_ptr<XAProjectTarget> XAProject::targetForName(const std::string &name) const {
    for (const auto &target : targets()) {
        if (target->name() == name) {
            return target;
        }
    }
    return nullptr;
}

std::shared_ptr<XAProjectTarget> XAProject::primaryTarget() const {
    auto all = targets();
    if (all.empty()) {
        return nullptr;
    }
    const std::string name = projectName();
    auto named = std::ranges::find_if(all, [&name](const auto &target) { return target->name() == name; });
    return named != all.end() ? *named : all.front();
}

std::shared_ptr<XAProjectTarget> XAProject::primaryAppTarget() const {
    auto primary = primaryTarget();
    if (primary && primary->targetType() == XAProjectTargetTypeApplication) {
        return primary;
    }
    for (const auto &target : targets()) {
        if (target->targetType() == XAProjectTargetTypeApplication) {
            return target;
        }
    }
    return nullptr;
}

std::shared_ptr<XAProjectBuildConfiguration> XAProject::buildConfigurationForName(const std::string &name) const {
    for (const auto &configuration : buildConfigurations()) {
        if (configuration->name() == name) {
            return configuration;
        }
    }
    return nullptr;
}

std::shared_ptr<XAProjectBuildConfiguration> XAProject::defaultBuildConfiguration() const {
    std::optional<std::string> listID = rootObjectString("buildConfigurationList");
    const XAValue *list = listID ? pbx_dictForID(*listID) : nullptr;
    const std::string *defaultName = list ? list->stringForKey("defaultConfigurationName") : nullptr;
    return defaultName ? buildConfigurationForName(*defaultName) : nullptr;
}

bool XAProject::usesBuildConfigurationFiles() const {
    auto hasConfigFile = [](const auto &configuration) { return configuration->configFile() != nullptr; };
    if (std::ranges::any_of(buildConfigurations(), hasConfigFile)) {
        return true;
    }
    return std::ranges::any_of(targets(), [&hasConfigFile](const auto &target) {
        return std::ranges::any_of(target->buildConfigurations(), hasConfigFile);
    });
}

// ---- Resource-path cache ----

std::shared_ptr<const std::set<std::string>> XAProject::cachedResourcePaths(const std::string &cacheKey) const {
    std::lock_guard lock(lock_);
    auto found = resourcePathsCache_.find(cacheKey);
    return found == resourcePathsCache_.end() ? nullptr : found->second;
}

void XAProject::setCachedResourcePaths(const std::string &cacheKey, std::set<std::string> resourcePaths) const {
    std::lock_guard lock(lock_);
    resourcePathsCache_[cacheKey] = std::make_shared<const std::set<std::string>>(std::move(resourcePaths));
}
