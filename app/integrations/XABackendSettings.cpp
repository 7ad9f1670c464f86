#include "app/integrations/XABackendSettings.h"

#include "core/XAUserDefaults.h"

#include <cstdlib>

namespace {

std::optional<std::string> configuredValue(const char *environmentVariable, const char *settingKey) {
    if (environmentVariable) {
        const char *value = std::getenv(environmentVariable);
        if (value && *value) {
            return std::string(value);
        }
    }
    std::optional<std::string> stored = XAUserDefaults::standard().stringForKey(settingKey);
    return stored && !stored->empty() ? stored : std::nullopt;
}

} // namespace

std::optional<XABackendSettings> XABackendSettings::current() {
    std::optional<std::string> base = configuredValue("TESSARY_BACKEND_URL", "BackendBaseURL");
    if (!base) {
        return std::nullopt;
    }
    return XABackendSettings{*base, configuredValue("TESSARY_BACKEND_USER", "BackendUserName"),
                             configuredValue("TESSARY_BACKEND_PASSWORD", "BackendPassword").value_or("")};
}

std::optional<std::string> xa_updateCheckAddress() {
    return configuredValue("TESSARY_UPDATE_CHECK_URL", "UpdateCheckURL");
}

std::optional<XAContactCard> xa_crashReportContactCard() {
    const std::optional<std::string> name = configuredValue(nullptr, "CrashReportingContactName");
    const std::optional<std::string> email = configuredValue(nullptr, "CrashReportingContactEmail");
    if (!name && !email) {
        return std::nullopt;
    }
    return XAContactCard{name.value_or(""), email.value_or("")};
}

void xa_setCrashReportContactCard(const std::optional<XAContactCard> &card) {
    XAUserDefaults &defaults = XAUserDefaults::standard();
    defaults.setObject("CrashReportingContactName", card ? XAValue(card->name) : XAValue());
    defaults.setObject("CrashReportingContactEmail", card ? XAValue(card->email) : XAValue());
}
