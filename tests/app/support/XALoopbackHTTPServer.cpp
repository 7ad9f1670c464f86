#include "support/XALoopbackHTTPServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string lowercased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string trimmed(const std::string &text) {
    const size_t first = text.find_first_not_of(" \t\r");
    const size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

bool readMore(int connection, std::string &buffer) {
    char chunk[8192];
    const ssize_t count = ::recv(connection, chunk, sizeof chunk, 0);
    if (count <= 0) {
        return false;
    }
    buffer.append(chunk, static_cast<size_t>(count));
    return true;
}

} // namespace

std::string XALoopbackHTTPServer::Request::header(const std::string &lowerCaseName) const {
    const auto found = headers.find(lowerCaseName);
    return found == headers.end() ? "" : found->second;
}

XALoopbackHTTPServer::XALoopbackHTTPServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::listen(listener_, 64);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

XALoopbackHTTPServer::~XALoopbackHTTPServer() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

std::string XALoopbackHTTPServer::baseAddress(const std::string &folder) const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/" + folder;
}

void XALoopbackHTTPServer::setResponse(int status, const std::string &body) {
    std::lock_guard lock(mutex_);
    status_ = status;
    responseBody_ = body;
}

std::vector<XALoopbackHTTPServer::Request> XALoopbackHTTPServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void XALoopbackHTTPServer::serve() {
    while (!stopping_) {
        pollfd waiting = {listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0) {
            continue;
        }
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            answer(connection);
            ::close(connection);
        }
    }
}

void XALoopbackHTTPServer::answer(int connection) {
    std::string buffer;
    size_t headerEnd;
    while ((headerEnd = buffer.find("\r\n\r\n")) == std::string::npos) {
        if (!readMore(connection, buffer)) {
            return;
        }
    }
    Request request;
    size_t lineStart = 0;
    bool firstLine = true;
    while (lineStart < headerEnd) {
        const size_t lineEnd = buffer.find("\r\n", lineStart);
        const std::string line = buffer.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (firstLine) {
            const size_t space = line.find(' ');
            request.method = line.substr(0, space);
            request.path = line.substr(space + 1, line.find(' ', space + 1) - space - 1);
            firstLine = false;
        } else if (const size_t colon = line.find(':'); colon != std::string::npos) {
            request.headers[lowercased(line.substr(0, colon))] = trimmed(line.substr(colon + 1));
        }
    }
    const size_t bodyLength = request.hasHeader("content-length") ? std::stoul(request.header("content-length")) : 0;
    request.body = buffer.substr(headerEnd + 4);
    while (request.body.size() < bodyLength && readMore(connection, request.body)) {
    }
    int status;
    std::string body;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        status = status_;
        body = responseBody_;
    }
    const std::string response =
        "HTTP/1.1 " + std::to_string(status) + " Status\r\nContent-Type: application/json\r\n" +
        "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    ::send(connection, response.data(), response.size(), MSG_NOSIGNAL);
}
