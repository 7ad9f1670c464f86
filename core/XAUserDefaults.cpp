#include "core/XAUserDefaults.h"

#include "core/XAJSON.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAUserFolders.h"

#include <cerrno>
#include <cstdio>
#include <strings.h>

namespace {

constexpr std::string_view kCrashReportingPolicy = "CrashReportingPolicy";
constexpr std::string_view kCrashReportingSendContactInfo = "CrashReportingSendContactInfo";
constexpr std::string_view kAskToSaveProjectConfig = "askToSaveProjectConfig";
constexpr std::string_view kOfferProjectConfigWizardIfNoConfigFile = "offerProjectConfigWizardIfNoConfigFile";
constexpr std::string_view kNotifyAboutNewRulesForEachProject = "notifyAboutNewRulesForEachProject";
constexpr std::string_view kUseHorribleHackForOpeningFilesInXcode = "useHorribleHackForOpeningFilesInXcode";
constexpr std::string_view kDocsBrowserBundleId = "docsBrowserBundleId";
constexpr std::string_view kCodeEditorBundleId = "codeEditorBundleId";
constexpr std::string_view kClangVersionToUse = "clangVersionToUse";
constexpr std::string_view kUberVerboseLogging = "uberVerboseLogging";
constexpr std::string_view kEnableDebugFeatures = "enableDebugFeatures";
constexpr std::string_view kDetermineBuildSettingsSerially = "determineBuildSettingsSerially";

constexpr std::string_view kCrashPolicyAlways = "always";
constexpr std::string_view kCrashPolicyNever = "never";

bool stringReadsTrue(const std::string &text) {
    if (::strcasecmp(text.c_str(), "yes") == 0 || ::strcasecmp(text.c_str(), "true") == 0) {
        return true;
    }
    // Otherwise the leading integer decides: "1" and "-2" are true, "0", "00" and "abc" false.
    size_t i = text.find_first_not_of(" \t\n\r");
    if (i != std::string::npos && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (text[i] != '0') {
            return true;
        }
    }
    return false;
}

bool valueReadsTrue(const XAValue &value) {
    switch (value.type()) {
    case XAValue::Type::Boolean:
        return *value.boolean();
    case XAValue::Type::Integer:
        return *value.integer() != 0;
    case XAValue::Type::Real:
        return *value.real() != 0;
    case XAValue::Type::String:
        return stringReadsTrue(*value.string());
    default:
        return false;
    }
}

void setOptionalString(XAUserDefaults &defaults, std::string_view key, std::optional<std::string> value) {
    defaults.setObject(key, value ? XAValue(std::move(*value)) : XAValue());
}

} // namespace

// ---- The store ----

XAUserDefaults::XAUserDefaults(std::string filePath) : fixedPath_(std::move(filePath)) {}

XAUserDefaults &XAUserDefaults::standard() {
    static XAUserDefaults defaults;
    return defaults;
}

std::string XAUserDefaults::standardFilePath() {
    return xa_stringByAppendingPathComponent(XAConfigurationRootPath(), "defaults.json");
}

void XAUserDefaults::resetForTesting() { standard().reset(); }

void XAUserDefaults::reset() {
    const std::lock_guard lock(mutex_);
    path_.clear();
    loaded_ = false;
    fileIsUnreadable_ = false;
    stored_ = XADictionary();
    registered_ = XADictionary();
}

std::string XAUserDefaults::filePath() const {
    const std::lock_guard lock(mutex_);
    if (fixedPath_) {
        return *fixedPath_;
    }
    return loaded_ ? path_ : standardFilePath();
}

void XAUserDefaults::loadIfNeeded() const {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    path_ = fixedPath_ ? *fixedPath_ : standardFilePath();
    XAError error;
    const std::optional<std::string> text = XAContentsOfFile(path_, &error);
    if (!text) {
        if (error.code != ENOENT) {
            fileIsUnreadable_ = true;
            XALog(XALogLevelWarning, "Ignoring the user defaults file %s: %s", path_.c_str(), error.message.c_str());
        }
        return;
    }
    const std::optional<XAValue> value = XAValueFromJSON(*text, false, path_, &error);
    if (!value || !value->isDictionary()) {
        fileIsUnreadable_ = true;
        const std::string reason = value ? "it does not hold a JSON object" : error.message;
        XALog(XALogLevelWarning, "Ignoring the user defaults file %s: %s", path_.c_str(), reason.c_str());
        return;
    }
    stored_ = *value->dictionary();
}

bool XAUserDefaults::save() {
    XAEnsureParentDirectory(path_);
    if (fileIsUnreadable_) {
        // The user's unreadable file is kept rather than replaced, so that its settings can still be recovered.
        const std::string keptPath = path_ + ".corrupt";
        if (std::rename(path_.c_str(), keptPath.c_str()) == 0) {
            XALog(XALogLevelWarning, "The unreadable user defaults file was kept as %s", keptPath.c_str());
        }
        fileIsUnreadable_ = false;
    }
    XAError error;
    if (!XAWriteFileAtomically(path_, XAJSONString(XAValue(stored_), true) + "\n", &error, 0600)) {
        XALog(XALogLevelWarning, "Cannot save the user defaults: %s", error.message.c_str());
        return false;
    }
    return true;
}

std::optional<XAValue> XAUserDefaults::objectForKey(std::string_view key) const {
    const std::lock_guard lock(mutex_);
    loadIfNeeded();
    if (const XAValue *stored = stored_.get(key)) {
        return *stored;
    }
    if (const XAValue *registered = registered_.get(key)) {
        return *registered;
    }
    return std::nullopt;
}

bool XAUserDefaults::boolForKey(std::string_view key) const {
    const std::optional<XAValue> value = objectForKey(key);
    return value && valueReadsTrue(*value);
}

std::optional<std::string> XAUserDefaults::stringForKey(std::string_view key) const {
    const std::optional<XAValue> value = objectForKey(key);
    if (!value || !value->isString()) {
        return std::nullopt;
    }
    return *value->string();
}

bool XAUserDefaults::setObject(std::string_view key, XAValue value) {
    const std::lock_guard lock(mutex_);
    loadIfNeeded();
    if (value.isNull()) {
        stored_.remove(key);
    } else {
        stored_.set(std::string(key), std::move(value));
    }
    return save();
}

void XAUserDefaults::registerDefaults(const XADictionary &defaults) {
    const std::lock_guard lock(mutex_);
    for (const auto &[key, value] : defaults) {
        registered_.set(key, value);
    }
}

// ---- Settings ----

int64_t xa_crashReportPolicy(const XAUserDefaults &defaults) {
    const std::optional<std::string> stored = defaults.stringForKey(kCrashReportingPolicy);
    if (stored == kCrashPolicyAlways) {
        return 1;
    }
    return stored == kCrashPolicyNever ? 2 : 0;
}

void xa_setCrashReportPolicy(XAUserDefaults &defaults, int64_t policy) {
    const std::optional<std::string_view> stored = policy == 1   ? std::optional(kCrashPolicyAlways)
                                                   : policy == 2 ? std::optional(kCrashPolicyNever)
                                                                 : std::nullopt;
    defaults.setObject(kCrashReportingPolicy, stored ? XAValue(*stored) : XAValue());
}

std::vector<std::string> xa_crashReportPolicyValues() {
    return {"", std::string(kCrashPolicyAlways), std::string(kCrashPolicyNever)};
}

std::vector<std::string> xa_crashReportPolicyDisplayNames() {
    return {"Ask each time", "Send automatically", "Never send"};
}

bool xa_sendContactInfoInCrashReports(const XAUserDefaults &defaults) {
    return defaults.boolForKey(kCrashReportingSendContactInfo);
}
void xa_setSendContactInfoInCrashReports(XAUserDefaults &defaults, bool value) {
    defaults.setBool(kCrashReportingSendContactInfo, value);
}

bool xa_askToSaveProjectConfig(const XAUserDefaults &defaults) { return defaults.boolForKey(kAskToSaveProjectConfig); }
void xa_setAskToSaveProjectConfig(XAUserDefaults &defaults, bool value) {
    defaults.setBool(kAskToSaveProjectConfig, value);
}

bool xa_offerProjectConfigWizardIfNoConfigFile(const XAUserDefaults &defaults) {
    return defaults.boolForKey(kOfferProjectConfigWizardIfNoConfigFile);
}
void xa_setOfferProjectConfigWizardIfNoConfigFile(XAUserDefaults &defaults, bool value) {
    defaults.setBool(kOfferProjectConfigWizardIfNoConfigFile, value);
}

bool xa_notifyAboutNewRulesForEachProject(const XAUserDefaults &defaults) {
    return defaults.boolForKey(kNotifyAboutNewRulesForEachProject);
}
void xa_setNotifyAboutNewRulesForEachProject(XAUserDefaults &defaults, bool value) {
    defaults.setBool(kNotifyAboutNewRulesForEachProject, value);
}

bool xa_useHorribleHackForOpeningFilesInXcode(const XAUserDefaults &defaults) {
    return defaults.boolForKey(kUseHorribleHackForOpeningFilesInXcode);
}
void xa_setUseHorribleHackForOpeningFilesInXcode(XAUserDefaults &defaults, bool value) {
    defaults.setBool(kUseHorribleHackForOpeningFilesInXcode, value);
}

bool xa_uberVerboseLogging(const XAUserDefaults &defaults) { return defaults.boolForKey(kUberVerboseLogging); }
void xa_setUberVerboseLogging(XAUserDefaults &defaults, bool value) { defaults.setBool(kUberVerboseLogging, value); }

bool xa_debugFeaturesEnabled(const XAUserDefaults &defaults) { return defaults.boolForKey(kEnableDebugFeatures); }
void xa_setDebugFeaturesEnabled(XAUserDefaults &defaults, bool value) { defaults.setBool(kEnableDebugFeatures, value); }

bool xa_determineBuildSettingsSerially(const XAUserDefaults &defaults) {
    return defaults.boolForKey(kDetermineBuildSettingsSerially);
}
void xa_setDetermineBuildSettingsSerially(XAUserDefaults &defaults, bool value) {
    defaults.setBool(kDetermineBuildSettingsSerially, value);
}

std::optional<std::string> xa_selectedDocsBrowserBundleId(const XAUserDefaults &defaults) {
    return defaults.stringForKey(kDocsBrowserBundleId);
}
void xa_setSelectedDocsBrowserBundleId(XAUserDefaults &defaults, std::optional<std::string> value) {
    setOptionalString(defaults, kDocsBrowserBundleId, std::move(value));
}

std::optional<std::string> xa_selectedCodeEditorBundleId(const XAUserDefaults &defaults) {
    return defaults.stringForKey(kCodeEditorBundleId);
}
void xa_setSelectedCodeEditorBundleId(XAUserDefaults &defaults, std::optional<std::string> value) {
    setOptionalString(defaults, kCodeEditorBundleId, std::move(value));
}

std::optional<std::string> xa_clangVersionToUse(const XAUserDefaults &defaults) {
    return defaults.stringForKey(kClangVersionToUse);
}
void xa_setClangVersionToUse(XAUserDefaults &defaults, std::optional<std::string> value) {
    setOptionalString(defaults, kClangVersionToUse, std::move(value));
}

void xa_registerAppDefaults(XAUserDefaults &defaults) {
    defaults.registerDefaults({
        {std::string(kAskToSaveProjectConfig), true},
        {std::string(kOfferProjectConfigWizardIfNoConfigFile), true},
        {std::string(kCrashReportingSendContactInfo), true},
        {std::string(kNotifyAboutNewRulesForEachProject), true},
    });
}
