#include "core/XAXMLPropertyListChecker.h"

#include "core/XAPropertyListInternal.h"

#include <pugixml.hpp>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

using xa_detail::kMaxPropertyListNestingDepth;

std::size_t lineAtOffset(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 +
           static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

// Walks the document without recursion, so that the depth check itself cannot run out of stack.
bool isNestedTooDeeply(const pugi::xml_document &document) {
    std::int64_t depth = 0;
    for (pugi::xml_node node = document.first_child(); node;) {
        if (node.first_child()) {
            node = node.first_child();
            if (++depth > static_cast<std::int64_t>(kMaxPropertyListNestingDepth)) {
                return true;
            }
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
        }
        node = node ? node.next_sibling() : node;
    }
    return false;
}

} // namespace

bool XACheckXMLPropertyList(std::string_view text, const std::string &sourceName, XAError *error) {
    if (text.size() > UINT32_MAX) {
        XASetError(error, sourceName + ": the XML property list is too large to read");
        return false;
    }
    pugi::xml_document document;
    pugi::xml_parse_result result =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result) {
        XASetError(error, sourceName + ":" +
                              std::to_string(lineAtOffset(text, static_cast<std::size_t>(result.offset))) +
                              ": the XML property list is not well-formed: " + result.description());
        return false;
    }
    if (isNestedTooDeeply(document)) {
        XASetError(error, sourceName + ": the property list is nested more than " +
                              std::to_string(kMaxPropertyListNestingDepth) + " levels deep");
        return false;
    }
    return true;
}
