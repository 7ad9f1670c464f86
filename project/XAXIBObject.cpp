#include "project/XAXIBObject.h"

#include "project/XAXIBXMLNode.h"

#include <functional>

XAXIBObject::XAXIBObject(const pugi::xml_node &element)
    : tagName_(element.name()), customClassName_(xa_valueOfAttribute(element, "customClass")),
      identifier_(xa_valueOfAttribute(element, "id")) {
    const pugi::xml_node attributes = xa_firstChildElementWithName(element, "userDefinedRuntimeAttributes");
    if (!attributes) {
        return;
    }
    std::vector<XAXIBUserDefinedRuntimeAttribute> records;
    for (const pugi::xml_node &attribute : xa_childElements(attributes)) {
        records.emplace_back(attribute);
    }
    userDefinedRuntimeAttributes_ = std::move(records);
}

bool XAXIBObject::isEqual(const XAXIBObject &other) const {
    return isOfClassOf(other) && identifier_ && other.identifier_ && *identifier_ == *other.identifier_;
}

std::size_t XAXIBObject::hash() const { return identifier_ ? std::hash<std::string>{}(*identifier_) : 0; }

std::string XAXIBObject::description() const {
    return "tag:" + tagName_ + " class:" + customClassName_.value_or("(null)") +
           " identifier:" + identifier_.value_or("(null)");
}

bool XAXIBObject::isOfClassOf(const XAXIBObject &) const { return true; }
