#include "core/XAAppVersion.h"

#include "core/XAJSON.h"
#include "core/XALog.h"
#include "core/XAUserFolders.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr const char *kResourceName = "appversion.json";

std::string decimalText(double value) {
    if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < 9.0e18) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The leading decimal integer of a text, as C's atoi reads it but saturated to the 32-bit range; 0 when the text
// does not begin with one.
std::int32_t leadingInt32(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && std::isspace(static_cast<unsigned char>(text[position]))) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    std::int64_t magnitude = 0;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; position < text.size() && std::isdigit(static_cast<unsigned char>(text[position])); ++position) {
        magnitude = std::min(limit, magnitude * 10 + (text[position] - '0'));
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

} // namespace

XAAppVersionInfo XAAppVersionInfo::fromJSON(std::string_view text) {
    std::optional<XAValue> value = XAValueFromJSON(text, false, kResourceName, nullptr);
    if (!value || !value->isDictionary()) {
        return XAAppVersionInfo();
    }
    return XAAppVersionInfo(*value->dictionary());
}

std::string XAAppVersionInfo::version() const {
    const XAValue *value = dictionary_ ? dictionary_->get("version") : nullptr;
    if (value && value->isString() && !value->string()->empty()) {
        return *value->string();
    }
    return "?";
}

std::string XAAppVersionInfo::compilationTimestamp() const {
    const XAValue *value = dictionary_ ? dictionary_->get("timestamp") : nullptr;
    if (!value) {
        return "0";
    }
    if (value->isString()) {
        return *value->string();
    }
    if (value->isInteger()) {
        return std::to_string(*value->integer());
    }
    if (value->isReal()) {
        return decimalText(*value->real());
    }
    return "0";
}

std::chrono::system_clock::time_point XAAppVersionInfo::compilationDate() const {
    return std::chrono::system_clock::time_point(std::chrono::seconds(leadingInt32(compilationTimestamp())));
}

std::optional<std::string> XAAppVersionInfo::versionControlRevision() const {
    const XAValue *value = dictionary_ ? dictionary_->get("vcs_revision") : nullptr;
    if (value && value->isString()) {
        return *value->string();
    }
    return std::nullopt;
}

const XAAppVersionInfo &XAAppVersionInfoOfProcess() {
    static const XAAppVersionInfo info = [] {
        std::optional<std::string> text = xa_contentsOfResource(kResourceName);
        if (!text) {
            return XAAppVersionInfo();
        }
        XAAppVersionInfo parsed = XAAppVersionInfo::fromJSON(*text);
        if (!parsed.dictionary()) {
            XALog(XALogLevelDebug, "Error reading resource file %s: not a JSON object", kResourceName);
        }
        return parsed;
    }();
    return info;
}

std::string xa_version() { return XAAppVersionInfoOfProcess().version(); }
std::string xa_versionForPresentation() { return xa_version(); }
const std::optional<XADictionary> &xa_appVersionDict() { return XAAppVersionInfoOfProcess().dictionary(); }
std::string xa_compilationTimestamp() { return XAAppVersionInfoOfProcess().compilationTimestamp(); }
std::chrono::system_clock::time_point xa_compilationDate() { return XAAppVersionInfoOfProcess().compilationDate(); }
std::optional<std::string> xa_versionControlRevision() { return XAAppVersionInfoOfProcess().versionControlRevision(); }
