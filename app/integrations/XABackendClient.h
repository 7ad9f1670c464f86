#pragma once

// The one client of the vendor's backend. Every request carries "X-Tessary-Version" (the version, "?" without one),
// "X-Tessary-VCS-Revision" (the source revision, "unknown-revision" without one) and, when a user name is
// configured, HTTP Basic authorisation. Crash reports go as a JSON object {"logs": [texts]} by POST to "reportcrash",
// with "X-Tessary-UserName" and "X-Tessary-UserEmail" when contact details are wanted and set.

#include "app/integrations/XABackendSettings.h"
#include "app/integrations/XAHTTPClient.h"
#include "core/XAAppVersion.h"

#include <memory>
#include <vector>

class XABackendClient : public XAHTTPClient {
public:
    XABackendClient(const XABackendSettings &settings, const XAAppVersionInfo &version);

    // The shared client, made on first use from the configured settings and the process's version; none when no
    // backend is configured or its address is not acceptable (logged).
    static std::shared_ptr<XABackendClient> sharedClient();
    // Replaces the shared client; none makes the next use read the settings again.
    static void setSharedClient(std::shared_ptr<XABackendClient> client);

    void sendCrashLogs(const std::vector<std::string> &texts, bool withContactInfo, Success success, Failure failure);
};
