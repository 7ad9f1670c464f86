// The checker's configuration files of a project and the record of the rules announced for it.

#include "project/XAProject.h"

#include "core/XAHashing.h"
#include "core/XAPaths.h"
#include "core/XAPropertyList.h"
#include "core/XAUserFolders.h"
#include "project/XAProjectFile.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char *kConfigFolderName = "TessaryConfig";
constexpr const char *kConfigFileSuffix = ".tessary.json";
constexpr const char *kPrimaryConfigFilePrefix = "main.tessary.";
constexpr const char *kNewConfigFileName = "main.tessary.json";
constexpr const char *kNewRuleNumbersFileName = "NewRuleNotificationOrderNumbers.plist";
constexpr std::uint64_t kDefaultNewRuleNumber = 110;

// The names in the folder, sorted so that the order does not depend on the file system; none for a missing folder.
std::vector<std::string> sortedEntryNames(const std::string &folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

XADictionary readNewRuleNumbers() {
    const std::optional<XAValue> root =
        XAPropertyListFromFile(XAApplicationSupportFilePath(kNewRuleNumbersFileName), nullptr);
    return root && root->dictionary() ? *root->dictionary() : XADictionary();
}

} // namespace

// ---- Configuration files ----

std::string XAProject::tessaryConfigFileFolderPath() const {
    return xa_stringByAppendingPathComponent(projectDiskRootPath(), kConfigFolderName);
}

bool XAProject::filenameIsTessaryConfigFile(std::string_view filename) { return filename.ends_with(kConfigFileSuffix); }

std::vector<std::string> XAProject::tessaryConfigFilePaths() const {
    std::vector<std::string> paths;
    for (const std::shared_ptr<XAProjectFile> &file : files()) {
        if (file->pathOnDisk() && filenameIsTessaryConfigFile(file->basename())) {
            paths.push_back(*file->pathOnDisk());
        }
    }
    const std::string folder = tessaryConfigFileFolderPath();
    for (const std::string &name : sortedEntryNames(folder)) {
        if (filenameIsTessaryConfigFile(name)) {
            paths.push_back(xa_stringByAppendingPathComponent(folder, name));
        }
    }
    return paths;
}

std::optional<std::string> XAProject::primaryTessaryConfigFilePath() const {
    const std::vector<std::string> paths = tessaryConfigFilePaths();
    if (paths.empty()) {
        return std::nullopt;
    }
    const auto primary = std::find_if(paths.begin(), paths.end(), [](const std::string &path) {
        return xa_lastPathComponent(path).starts_with(kPrimaryConfigFilePrefix);
    });
    return primary != paths.end() ? *primary : paths.front();
}

bool XAProject::hasProjectSpecificTessaryConfigFile() const {
    return !primaryTessaryConfigFilePath().value_or("").empty();
}

std::string XAProject::defaultPathForSavingNewConfigFile() const {
    return xa_stringByAppendingPathComponent(tessaryConfigFileFolderPath(), kNewConfigFileName);
}

std::string XAProject::tessaryConfigFileHeaderComment() { return "Generated from the Tessary GUI"; }

bool XAProject::saveConfigurationText(const std::string &configurationText, const std::string &path, XAError *error) {
    const std::string folder = xa_stringByDeletingLastPathComponent(path);
    std::error_code code;
    if (!folder.empty() && !xa_pathIsDirectory(folder) && !std::filesystem::create_directories(folder, code)) {
        XASetError(error, "Cannot create the folder " + folder + ": " + code.message());
        return false;
    }
    return XAWriteFileAtomically(path, configurationText, error);
}

// ---- New rules ----

std::string XAProject::newRulesNotificationOrderNumberCacheKey() const { return xa_SHA1Hash(projectName()); }

std::uint64_t XAProject::lastNotificationRuleIntroOrderNumber() const {
    const XADictionary numbers = readNewRuleNumbers();
    const XAValue *number = numbers.get(newRulesNotificationOrderNumberCacheKey());
    const std::optional<std::int64_t> value = number ? number->integer() : std::nullopt;
    return value && *value >= 0 ? static_cast<std::uint64_t>(*value) : kDefaultNewRuleNumber;
}

void XAProject::markNewRulesNotified(std::uint64_t currentMaximumIntroductionOrderNumber) const {
    XADictionary numbers = readNewRuleNumbers();
    numbers.set(newRulesNotificationOrderNumberCacheKey(),
                static_cast<std::int64_t>(currentMaximumIntroductionOrderNumber));
    if (const std::optional<std::string> data = XAXMLPropertyListData(XAValue(std::move(numbers)), nullptr)) {
        XAWriteFileAtomically(XAApplicationSupportFilePath(kNewRuleNumbersFileName), *data, nullptr);
    }
}

std::vector<std::string> XAProject::newRulesToNotifyAbout(const std::vector<RuleIntroduction> &publicRules,
                                                          const std::set<std::string> &ruleSetShortNames) const {
    const std::uint64_t announced = lastNotificationRuleIntroOrderNumber();
    std::vector<std::string> newRules;
    for (const RuleIntroduction &rule : publicRules) {
        if (rule.introductionOrderNumber > announced && !ruleSetShortNames.contains(rule.shortName)) {
            newRules.push_back(rule.shortName);
        }
    }
    return newRules;
}
