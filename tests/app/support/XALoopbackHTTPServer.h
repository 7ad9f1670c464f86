#pragma once

// An HTTP server on 127.0.0.1 inside the test process: it records every request and answers each with the status
// and body set for it. It serves on a thread of its own until it is destroyed.

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class XALoopbackHTTPServer {
public:
    struct Request {
        std::string method;
        std::string path;
        std::map<std::string, std::string> headers; // names in lower case
        std::string body;

        // The header's value; "" when absent.
        std::string header(const std::string &lowerCaseName) const;
        bool hasHeader(const std::string &lowerCaseName) const { return headers.count(lowerCaseName) > 0; }
    };

    XALoopbackHTTPServer();
    ~XALoopbackHTTPServer();
    XALoopbackHTTPServer(const XALoopbackHTTPServer &) = delete;
    XALoopbackHTTPServer &operator=(const XALoopbackHTTPServer &) = delete;

    // "http://127.0.0.1:<port>/" followed by the folder, when given.
    std::string baseAddress(const std::string &folder = "") const;
    void setResponse(int status, const std::string &body);
    std::vector<Request> requests() const;

private:
    void serve();
    void answer(int connection);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<Request> requests_;
    int status_ = 200;
    std::string responseBody_ = "{}";
    std::thread thread_;
};
