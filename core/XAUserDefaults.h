#pragma once

// Application-wide settings of the user.
//
// XAUserDefaults is a small key-value store kept in a JSON file, by default $XDG_CONFIG_HOME/tessary/defaults.json
// (~/.config/tessary/defaults.json). The file is read once, on first use, and every change is written back at once,
// atomically (a new file renamed over the old one). A missing file means that nothing is stored. A file that cannot
// be read or parsed is reported with a warning naming it, and the store starts empty; the file is left alone until a
// value is set, and then kept beside the new one as "<file>.corrupt". A value that cannot be saved still holds for
// the rest of the run; the failure is logged.
//
// Reads fall back to the registration domain: defaults registered in memory by the desktop application at start,
// never saved. All member functions are thread-safe.
//
// The settings themselves are read and written only through the typed xa_ functions below, which own every key.

#include "core/XAValue.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class XAUserDefaults {
public:
    // A store kept in the given file.
    explicit XAUserDefaults(std::string filePath);
    XAUserDefaults(const XAUserDefaults &) = delete;
    XAUserDefaults &operator=(const XAUserDefaults &) = delete;

    // The user's store, in the file of standardFilePath() as the environment gives it at first use.
    static XAUserDefaults &standard();
    static std::string standardFilePath();
    // Forgets what the user's store has read, stored and registered, so that the next use reads its file again,
    // at the path the environment then gives.
    static void resetForTesting();

    std::string filePath() const;

    // The stored value, else the registered one; no value when neither exists.
    std::optional<XAValue> objectForKey(std::string_view key) const;
    // A boolean, a non-zero number, or a string that is "yes" or "true" (in any case) or begins with a non-zero
    // integer reads true; anything else, and a missing key, false.
    bool boolForKey(std::string_view key) const;
    // A string value; no value for a missing key or another type.
    std::optional<std::string> stringForKey(std::string_view key) const;

    // Store a value (a null value removes the key) and save the file; false when saving failed.
    bool setObject(std::string_view key, XAValue value);
    bool setBool(std::string_view key, bool value) { return setObject(key, XAValue(value)); }
    bool setString(std::string_view key, std::string value) { return setObject(key, XAValue(std::move(value))); }
    bool removeObjectForKey(std::string_view key) { return setObject(key, XAValue()); }

    // Adds values to the registration domain, replacing earlier registrations of the same keys.
    void registerDefaults(const XADictionary &defaults);

private:
    XAUserDefaults() = default; // the user's store: its path comes from the environment when it is first read

    void loadIfNeeded() const;
    bool save();
    void reset();

    mutable std::mutex mutex_;
    std::optional<std::string> fixedPath_;
    mutable std::string path_;
    mutable bool loaded_ = false;
    mutable bool fileIsUnreadable_ = false;
    mutable XADictionary stored_;
    XADictionary registered_;
};

// ---- Settings ----
// Boolean settings read false unless stored or registered; string settings have no value unless stored.

// What to do with crash reports found at start: 0 ask each time, 1 send automatically, 2 never send. Stored as
// "always" (1), "never" (2) or no value (0); any other stored text reads as 0, and setting any other policy than 1
// or 2 removes the key.
int64_t xa_crashReportPolicy(const XAUserDefaults &defaults);
void xa_setCrashReportPolicy(XAUserDefaults &defaults, int64_t policy);
// The stored forms in policy order ("", "always", "never") and their display names, index by index.
std::vector<std::string> xa_crashReportPolicyValues();
std::vector<std::string> xa_crashReportPolicyDisplayNames();

bool xa_sendContactInfoInCrashReports(const XAUserDefaults &defaults);
void xa_setSendContactInfoInCrashReports(XAUserDefaults &defaults, bool value);
// Ask before writing a changed project configuration back.
bool xa_askToSaveProjectConfig(const XAUserDefaults &defaults);
void xa_setAskToSaveProjectConfig(XAUserDefaults &defaults, bool value);
// Offer the first-open wizard for a project without configuration file.
bool xa_offerProjectConfigWizardIfNoConfigFile(const XAUserDefaults &defaults);
void xa_setOfferProjectConfigWizardIfNoConfigFile(XAUserDefaults &defaults, bool value);
// Tell per project about rules added since it was last opened.
bool xa_notifyAboutNewRulesForEachProject(const XAUserDefaults &defaults);
void xa_setNotifyAboutNewRulesForEachProject(XAUserDefaults &defaults, bool value);
// The alternative way of opening files at a line in Xcode.
bool xa_useHorribleHackForOpeningFilesInXcode(const XAUserDefaults &defaults);
void xa_setUseHorribleHackForOpeningFilesInXcode(XAUserDefaults &defaults, bool value);
// Very verbose logging (log threshold 0).
bool xa_uberVerboseLogging(const XAUserDefaults &defaults);
void xa_setUberVerboseLogging(XAUserDefaults &defaults, bool value);
// The desktop application's debugging features.
bool xa_debugFeaturesEnabled(const XAUserDefaults &defaults);
void xa_setDebugFeaturesEnabled(XAUserDefaults &defaults, bool value);
// Fetch resolved build settings one target and configuration at a time instead of in parallel.
bool xa_determineBuildSettingsSerially(const XAUserDefaults &defaults);
void xa_setDetermineBuildSettingsSerially(XAUserDefaults &defaults, bool value);

// The chosen documentation browser, external code editor (application identifiers) and libclang version name.
// Setting no value removes the key.
std::optional<std::string> xa_selectedDocsBrowserBundleId(const XAUserDefaults &defaults);
void xa_setSelectedDocsBrowserBundleId(XAUserDefaults &defaults, std::optional<std::string> value);
std::optional<std::string> xa_selectedCodeEditorBundleId(const XAUserDefaults &defaults);
void xa_setSelectedCodeEditorBundleId(XAUserDefaults &defaults, std::optional<std::string> value);
std::optional<std::string> xa_clangVersionToUse(const XAUserDefaults &defaults);
void xa_setClangVersionToUse(XAUserDefaults &defaults, std::optional<std::string> value);

// Registers true for "ask to save project configuration", "offer the configuration wizard", "send contact info in
// crash reports" and "notify about new rules". The desktop application calls it once at start; the command-line
// tool does not, and so reads false for these unless the user stored a value.
void xa_registerAppDefaults(XAUserDefaults &defaults);
