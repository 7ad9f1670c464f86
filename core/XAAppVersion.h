#pragma once

#include "core/XAValue.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The application's name as users see it: in option texts, usage and generated configuration files.
inline constexpr const char *XAApplicationName = "Tessary";

// Which build of Tessary is running, as recorded in the resource "appversion.json" when the build was made: a JSON
// object with "version" (the release, such as "0.1.0"), "timestamp" (build time in whole seconds since 1970 UTC, a
// number or a decimal string) and "vcs_revision" (the source revision).
class XAAppVersionInfo {
public:
    // Reads the JSON text; a text that is not a JSON object gives the same answers as a missing resource.
    static XAAppVersionInfo fromJSON(std::string_view text);
    XAAppVersionInfo() = default;
    explicit XAAppVersionInfo(std::optional<XADictionary> dictionary) : dictionary_(std::move(dictionary)) {}

    // The parsed object; no value when the resource was missing or invalid.
    const std::optional<XADictionary> &dictionary() const { return dictionary_; }
    // The "version" text, or "?" when there is none.
    std::string version() const;
    // The "timestamp" value as decimal text, or "0" when there is none.
    std::string compilationTimestamp() const;
    // The moment the timestamp names, taken as a signed 32-bit number of seconds (larger values saturate);
    // 1 January 1970 when there is none.
    std::chrono::system_clock::time_point compilationDate() const;
    // The "vcs_revision" text, or no value.
    std::optional<std::string> versionControlRevision() const;

private:
    std::optional<XADictionary> dictionary_;
};

// The process's own version information, read from the resource folder once, by the first caller on any thread.
// A missing or unreadable resource is logged at the debugging level and reads as no information.
const XAAppVersionInfo &XAAppVersionInfoOfProcess();

std::string xa_version();
// The version as shown to users: the same text as xa_version.
std::string xa_versionForPresentation();
const std::optional<XADictionary> &xa_appVersionDict();
std::string xa_compilationTimestamp();
std::chrono::system_clock::time_point xa_compilationDate();
std::optional<std::string> xa_versionControlRevision();
