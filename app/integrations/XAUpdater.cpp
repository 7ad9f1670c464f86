#include "app/integrations/XAUpdater.h"

#include "app/integrations/XABackendSettings.h"
#include "app/integrations/XAHTTPClient.h"
#include "app/shell/XANotificationCenter.h"
#include "core/XAAppVersion.h"
#include "core/XAJSON.h"
#include "core/XAUserDefaults.h"
#include "core/XAVersionStrings.h"

namespace {

constexpr const char *kLastCheckTimeKey = "SULastCheckTime";

XAUpdateCheckResult resultOfAnswer(const std::string &body) {
    XAUpdateCheckResult result;
    const std::optional<XAValue> answer = XAValueFromJSON(body, false, "update check", nullptr);
    const std::string *newest = answer ? answer->stringForKey("version") : nullptr;
    if (!newest || newest->empty()) {
        result.error = XAError("The update server's answer names no version.");
        return result;
    }
    result.newestVersion = *newest;
    result.updateAvailable = XACompareVersionStrings(*newest, xa_version()) == XAOrderedDescending;
    return result;
}

} // namespace

XAUpdater &XAUpdater::sharedUpdater() {
    static XAUpdater updater;
    return updater;
}

std::optional<std::chrono::system_clock::time_point> XAUpdater::lastUpdateCheckDate() const {
    const std::optional<XAValue> stored = XAUserDefaults::standard().objectForKey(kLastCheckTimeKey);
    const std::optional<double> seconds = stored ? stored->real() : std::nullopt;
    if (!seconds) {
        return std::nullopt;
    }
    return std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(std::chrono::duration<double>(*seconds)));
}

void XAUpdater::checkForUpdates(std::function<void(const XAUpdateCheckResult &result)> completion) {
    const std::optional<std::string> address = xa_updateCheckAddress();
    XAError error;
    if (!address || !XAHTTPClient::isAcceptableBaseAddress(*address, &error)) {
        XAUpdateCheckResult result;
        result.error = address ? error : XAError("No address is configured for update checks.");
        finish(result, completion);
        return;
    }
    checking_ = true;
    auto client = std::make_shared<XAHTTPClient>(*address);
    client->getPath(
        "", {},
        [this, client, completion](const XAHTTPResponse &response) {
            finish(resultOfAnswer(response.body), completion);
        },
        [this, client, completion](const XAHTTPResponse &, const XAError &failure) {
            XAUpdateCheckResult result;
            result.error = failure;
            finish(result, completion);
        });
}

void XAUpdater::finish(const XAUpdateCheckResult &result,
                       const std::function<void(const XAUpdateCheckResult &)> &completion) {
    checking_ = false;
    const double now = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    XAUserDefaults::standard().setObject(kLastCheckTimeKey, XAValue(now));
    if (completion) {
        completion(result);
    }
    XANotificationCenter::defaultCenter().post({XAUpdateDriverFinishedNotificationName, this, {}});
}
