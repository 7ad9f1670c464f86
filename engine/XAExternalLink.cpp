#include "engine/XAExternalLink.h"

#include <algorithm>
#include <string_view>

namespace {

// Printable ASCII other than the characters a URL must escape.
bool isURL(const std::string &text) {
    constexpr std::string_view kExcluded = " \"<>{}|\\^`";
    return !text.empty() && std::all_of(text.begin(), text.end(), [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 && byte < 0x7F && kExcluded.find(c) == std::string_view::npos;
    });
}

} // namespace

XAExternalLink XAExternalLink::linkWithTitle(std::string title, const std::string &URLString) {
    return {std::move(title), isURL(URLString) ? std::optional(URLString) : std::nullopt};
}
