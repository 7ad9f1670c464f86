#include "app/integrations/XABackendClient.h"

#include "core/XALog.h"

#include <mutex>

namespace {

std::mutex gSharedClientMutex;
std::shared_ptr<XABackendClient> gSharedClient;
bool gSharedClientWasMade = false;

std::shared_ptr<XABackendClient> makeClientFromSettings() {
    const std::optional<XABackendSettings> settings = XABackendSettings::current();
    if (!settings) {
        return nullptr;
    }
    XAError error;
    if (!XAHTTPClient::isAcceptableBaseAddress(settings->baseAddress, &error)) {
        XALog(XALogLevelError, "Error: " + error.message);
        return nullptr;
    }
    return std::make_shared<XABackendClient>(*settings, XAAppVersionInfoOfProcess());
}

} // namespace

XABackendClient::XABackendClient(const XABackendSettings &settings, const XAAppVersionInfo &version)
    : XAHTTPClient(settings.baseAddress) {
    if (settings.userName) {
        setAuthorizationHeaderWithUsername(*settings.userName, settings.password);
    }
    setDefaultHeader("X-Tessary-Version", version.version());
    setDefaultHeader("X-Tessary-VCS-Revision", version.versionControlRevision().value_or("unknown-revision"));
}

std::shared_ptr<XABackendClient> XABackendClient::sharedClient() {
    std::lock_guard lock(gSharedClientMutex);
    if (!gSharedClientWasMade) {
        gSharedClient = makeClientFromSettings();
        gSharedClientWasMade = true;
    }
    return gSharedClient;
}

void XABackendClient::setSharedClient(std::shared_ptr<XABackendClient> client) {
    std::lock_guard lock(gSharedClientMutex);
    gSharedClientWasMade = client != nullptr;
    gSharedClient = std::move(client);
}

void XABackendClient::sendCrashLogs(const std::vector<std::string> &texts, bool withContactInfo, Success success,
                                    Failure failure) {
    Headers headers;
    if (withContactInfo) {
        if (const std::optional<XAContactCard> card = xa_crashReportContactCard()) {
            headers["X-Tessary-UserName"] = card->name;
            headers["X-Tessary-UserEmail"] = card->email;
        }
    }
    XAValue::Array logs;
    for (const std::string &text : texts) {
        logs.emplace_back(text);
    }
    postPath("reportcrash", XAValue(XADictionary{{"logs", XAValue(std::move(logs))}}), headers, std::move(success),
             std::move(failure));
}
