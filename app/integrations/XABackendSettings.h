#pragma once

// Where the vendor's backend is and who the user is to it. Nothing of this is in the source: each value comes from
// the environment when set there (and not empty), else from the user's settings.
//
// | value            | environment variable        | setting                      |
// |------------------|-----------------------------|------------------------------|
// | base address     | TESSARY_BACKEND_URL         | "BackendBaseURL"             |
// | user name        | TESSARY_BACKEND_USER        | "BackendUserName"            |
// | password         | TESSARY_BACKEND_PASSWORD    | "BackendPassword"            |
// | update address   | TESSARY_UPDATE_CHECK_URL    | "UpdateCheckURL"             |
// | contact name     |                             | "CrashReportingContactName"  |
// | contact e-mail   |                             | "CrashReportingContactEmail" |

#include <optional>
#include <string>

struct XABackendSettings {
    std::string baseAddress;
    std::optional<std::string> userName; // with the password: HTTP Basic authorisation
    std::string password;

    // No value when no base address is configured.
    static std::optional<XABackendSettings> current();
};

// The address that the update check asks for the newest version; no value when none is configured.
std::optional<std::string> xa_updateCheckAddress();

// The user's contact details for crash reports (the stand-in for the user's own address-book card): no value when
// neither a name nor an e-mail is set.
struct XAContactCard {
    std::string name;
    std::string email;
};
std::optional<XAContactCard> xa_crashReportContactCard();
void xa_setCrashReportContactCard(const std::optional<XAContactCard> &card);
