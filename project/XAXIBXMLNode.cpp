#include "project/XAXIBXMLNode.h"

#include <new>

namespace {

pugi::xml_attribute attributeNamed(const pugi::xml_node &node, std::string_view name) {
    if (node.type() != pugi::node_element) {
        return {};
    }
    for (pugi::xml_attribute attribute : node.attributes()) {
        if (name == attribute.name()) {
            return attribute;
        }
    }
    return {};
}

} // namespace

std::optional<std::vector<pugi::xml_node>> xa_elementsForXPath(const pugi::xml_node &node, const char *query) {
    if (!node || query == nullptr) {
        return std::nullopt;
    }
    // pugixml reports a query it cannot compile or evaluate as a node set by throwing; a failing query selects
    // nothing for our callers, so the exception ends here.
    try {
        const pugi::xpath_query compiled(query);
        if (compiled.return_type() != pugi::xpath_type_node_set) {
            return std::nullopt;
        }
        pugi::xpath_node_set selected = compiled.evaluate_node_set(node);
        selected.sort();
        std::vector<pugi::xml_node> elements;
        elements.reserve(selected.size());
        for (const pugi::xpath_node &match : selected) {
            if (!match.attribute() && match.node().type() == pugi::node_element) {
                elements.push_back(match.node());
            }
        }
        return elements;
    } catch (const pugi::xpath_exception &) {
        return std::nullopt;
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}

std::vector<pugi::xml_node> xa_childElements(const pugi::xml_node &node) {
    std::vector<pugi::xml_node> elements;
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element) {
            elements.push_back(child);
        }
    }
    return elements;
}

pugi::xml_node xa_firstChildElementWithName(const pugi::xml_node &node, std::string_view name) {
    if (node.type() != pugi::node_element) {
        return {};
    }
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element && name == child.name()) {
            return child;
        }
    }
    return {};
}

pugi::xml_node xa_firstChildElementWithValue(const pugi::xml_node &node, std::string_view value,
                                             std::string_view attribute) {
    for (pugi::xml_node child : node.children()) {
        const pugi::xml_attribute found = attributeNamed(child, attribute);
        if (found && value == found.value()) {
            return child;
        }
    }
    return {};
}

std::optional<std::string> xa_valueOfAttribute(const pugi::xml_node &node, std::string_view name) {
    const pugi::xml_attribute attribute = attributeNamed(node, name);
    if (!attribute) {
        return std::nullopt;
    }
    return std::string(attribute.value());
}

bool xa_hasAttribute(const pugi::xml_node &node, std::string_view name) {
    return static_cast<bool>(attributeNamed(node, name));
}
