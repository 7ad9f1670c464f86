#pragma once

// The small XML access layer under the Interface Builder document model: XPath queries that keep only elements,
// child elements by name or attribute value, and attribute reads that tell a missing attribute from an empty one.
// Every XPath query of the system runs through xa_elementsForXPath.
//
// Nodes are pugixml nodes; a null pugi::xml_node stands for "no node". pugixml documents are safe to read, XPath
// queries included, from many threads at once as long as nobody changes them: an evaluation keeps its state in its own
// allocations and pugixml has no shared mutable state. Documents here are built by one thread and only read
// afterwards, so queries take no lock.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

// The nodes that the XPath 1.0 query selects relative to `node`, elements only, in document order. No value when the
// query cannot be compiled or does not select a node set (the reason is dropped).
std::optional<std::vector<pugi::xml_node>> xa_elementsForXPath(const pugi::xml_node &node, const char *query);

// The child nodes of `node` that are elements, in order.
std::vector<pugi::xml_node> xa_childElements(const pugi::xml_node &node);

// The first child element named `name`; a null node when there is none or `node` is not an element.
pugi::xml_node xa_firstChildElementWithName(const pugi::xml_node &node, std::string_view name);

// The first child element whose attribute `attribute` has exactly the value `value`; a null node when there is none.
pugi::xml_node xa_firstChildElementWithValue(const pugi::xml_node &node, std::string_view value,
                                             std::string_view attribute);

// The value of the attribute as the parser decoded it; no value when it is absent or `node` is not an element.
std::optional<std::string> xa_valueOfAttribute(const pugi::xml_node &node, std::string_view name);

// True when `node` is an element that has the attribute, even with an empty value.
bool xa_hasAttribute(const pugi::xml_node &node, std::string_view name);
