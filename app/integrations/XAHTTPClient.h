#pragma once

// A small HTTP client on libcurl: a base address that request paths are relative to, headers sent with every
// request (plus per-request ones), HTTP Basic authorisation and JSON bodies. Requests run on the global thread pool,
// never on the GUI thread; their completion blocks run on the GUI thread. A transport error or a status of 400 or
// more is a failure.
//
// Only HTTPS is accepted, except towards a loopback address (localhost, 127.0.0.0/8, ::1), where plain HTTP is too:
// credentials and crash reports never travel unencrypted over a network.

#include "core/XAError.h"
#include "core/XAValue.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

struct XAHTTPResponse {
    std::string url;     // the address the request went to
    long statusCode = 0; // 0 when no answer came
    std::string body;
};

class XAHTTPClient {
public:
    using Headers = std::map<std::string, std::string>;
    using Success = std::function<void(const XAHTTPResponse &response)>;
    using Failure = std::function<void(const XAHTTPResponse &response, const XAError &error)>;

    // Whether requests may go to this base address (see above); the reason otherwise.
    static bool isAcceptableBaseAddress(const std::string &baseAddress, XAError *error);

    explicit XAHTTPClient(std::string baseAddress);
    virtual ~XAHTTPClient() = default;

    const std::string &baseAddress() const { return baseAddress_; }
    void setDefaultHeader(const std::string &name, const std::string &value) { defaultHeaders_[name] = value; }
    const Headers &defaultHeaders() const { return defaultHeaders_; }
    void setAuthorizationHeaderWithUsername(const std::string &userName, const std::string &password);
    // The base address with the path appended (the base is taken as a folder); the base itself for no path.
    std::string URLForPath(const std::string &path) const;

    // Sends the request: the parameters, when given, as a JSON body (GET sends none), the default headers and then
    // the extra ones. Logs "<method> to <url>" at the debugging level.
    void sendRequestToPath(const std::string &path, const std::string &method, const std::optional<XAValue> &parameters,
                           const Headers &headers, Success success, Failure failure);
    void getPath(const std::string &path, const Headers &headers, Success success, Failure failure);
    void postPath(const std::string &path, const std::optional<XAValue> &parameters, const Headers &headers,
                  Success success, Failure failure);

private:
    std::string baseAddress_;
    Headers defaultHeaders_;
};
