#pragma once

#include <string>

// The error value that every fallible operation reports through an out-parameter.
struct XAError {
    static constexpr const char *kDomain = "org.quenby.tessary";

    std::string domain = kDomain;
    int code = 0;
    std::string message;

    XAError() = default;
    explicit XAError(std::string message, int code = 0) : code(code), message(std::move(message)) {}
};

// Stores an error into an optional out-parameter.
inline void XASetError(XAError *error, std::string message, int code = 0) {
    if (error) {
        *error = XAError(std::move(message), code);
    }
}
