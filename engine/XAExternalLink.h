#pragma once

// A documentation link of a rule: a title and an address.

#include <optional>
#include <string>

struct XAExternalLink {
    std::string linkTitle;
    // No value when the address given could not be read as a URL.
    std::optional<std::string> URL;

    // The address is kept when a URL can hold it as it is: not empty, printable ASCII without blanks, quotes, angle
    // brackets, braces, bars, backslashes, carets or backquotes.
    static XAExternalLink linkWithTitle(std::string title, const std::string &URLString);

    bool operator==(const XAExternalLink &) const = default;
};
