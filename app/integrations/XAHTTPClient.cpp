#include "app/integrations/XAHTTPClient.h"

#include "app/shell/XADispatch.h"
#include "core/XAJSON.h"
#include "core/XALog.h"

#include <QByteArray>
#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>

namespace {

struct PreparedRequest {
    std::string url;
    std::string method;
    std::vector<std::string> headerLines;
    std::optional<std::string> body;
};

size_t appendToString(char *data, size_t size, size_t count, void *target) {
    static_cast<std::string *>(target)->append(data, size * count);
    return size * count;
}

void initializeCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Runs on a pool thread; the error is empty on success.
XAHTTPResponse perform(const PreparedRequest &request, std::string &errorText) {
    XAHTTPResponse response;
    response.url = request.url;
    CURL *curl = curl_easy_init();
    if (!curl) {
        errorText = "Cannot start an HTTP request.";
        return response;
    }
    curl_slist *headers = nullptr;
    for (const std::string &line : request.headerLines) {
        headers = curl_slist_append(headers, line.c_str());
    }
    char curlError[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 60L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, curlError);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendToString);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response.body);
    if (request.body) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body->data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body->size()));
    }
    const CURLcode result = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.statusCode);
    if (result != CURLE_OK) {
        errorText = curlError[0] ? curlError : curl_easy_strerror(result);
    } else if (response.statusCode >= 400) {
        errorText = "The server answered with status " + std::to_string(response.statusCode) + ".";
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return response;
}

// "localhost", "::1" or an IPv4 address 127.x.y.z written in full.
bool isLoopbackHost(const QString &host) {
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 || host == QLatin1String("::1")) {
        return true;
    }
    const QStringList parts = host.split(QLatin1Char('.'));
    if (parts.size() != 4 || parts.front() != QLatin1String("127")) {
        return false;
    }
    for (const QString &part : parts) {
        bool isNumber = false;
        const int value = part.toInt(&isNumber);
        if (!isNumber || value < 0 || value > 255) {
            return false;
        }
    }
    return true;
}

} // namespace

bool XAHTTPClient::isAcceptableBaseAddress(const std::string &baseAddress, XAError *error) {
    const QUrl url(QString::fromStdString(baseAddress), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        XASetError(error, "Not a valid server address: " + baseAddress);
        return false;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https") || (scheme == QLatin1String("http") && isLoopbackHost(url.host()))) {
        return true;
    }
    XASetError(error, "The server address must use HTTPS: " + baseAddress);
    return false;
}

XAHTTPClient::XAHTTPClient(std::string baseAddress) : baseAddress_(std::move(baseAddress)) {}

void XAHTTPClient::setAuthorizationHeaderWithUsername(const std::string &userName, const std::string &password) {
    const QByteArray credentials = QByteArray::fromStdString(userName + ":" + password).toBase64();
    setDefaultHeader("Authorization", "Basic " + credentials.toStdString());
}

std::string XAHTTPClient::URLForPath(const std::string &path) const {
    if (path.empty()) {
        return baseAddress_;
    }
    std::string base = baseAddress_;
    if (base.empty() || base.back() != '/') {
        base += '/';
    }
    return base + (path.starts_with('/') ? path.substr(1) : path);
}

void XAHTTPClient::sendRequestToPath(const std::string &path, const std::string &method,
                                     const std::optional<XAValue> &parameters, const Headers &headers, Success success,
                                     Failure failure) {
    PreparedRequest request{URLForPath(path), method, {}, std::nullopt};
    Headers allHeaders = defaultHeaders_;
    for (const auto &[name, value] : headers) {
        allHeaders[name] = value;
    }
    if (parameters && method != "GET") {
        request.body = XAJSONString(*parameters, false);
        allHeaders["Content-Type"] = "application/json; charset=utf-8";
    }
    allHeaders.emplace("Accept", "application/json");
    allHeaders["Expect"] = ""; // no "100-continue" round trip
    for (const auto &[name, value] : allHeaders) {
        request.headerLines.push_back(value.empty() ? name + ":" : name + ": " + value);
    }
    XALog(XALogLevelDebug, method + " to " + request.url);
    initializeCurlOnce();
    XADispatchToGlobal([request = std::move(request), success = std::move(success), failure = std::move(failure)] {
        std::string errorText;
        XAHTTPResponse response = perform(request, errorText);
        XADispatchToMain([response = std::move(response), errorText, success, failure] {
            if (errorText.empty()) {
                if (success) {
                    success(response);
                }
            } else if (failure) {
                failure(response, XAError(errorText));
            }
        });
    });
}

void XAHTTPClient::getPath(const std::string &path, const Headers &headers, Success success, Failure failure) {
    sendRequestToPath(path, "GET", std::nullopt, headers, std::move(success), std::move(failure));
}

void XAHTTPClient::postPath(const std::string &path, const std::optional<XAValue> &parameters, const Headers &headers,
                            Success success, Failure failure) {
    sendRequestToPath(path, "POST", parameters, headers, std::move(success), std::move(failure));
}
