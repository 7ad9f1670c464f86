#pragma once

// One object of an Interface Builder document: an element that carries an "id" (a placeholder, a controller, a
// constraint, a view ...), with its custom class and user-defined runtime attributes. Views get the subclass
// XAXIBView.

#include "project/XAXIBUserDefinedRuntimeAttribute.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

class XAXIBObject {
public:
    XAXIBObject() = default;
    explicit XAXIBObject(const pugi::xml_node &element);
    virtual ~XAXIBObject() = default;

    // True when `other` is of this record's class (or a subclass of it) and both carry the same identifier; a record
    // without an identifier equals nothing. So an object may equal a view, but a view never equals a plain object.
    bool isEqual(const XAXIBObject &other) const;
    // The hash of the identifier; 0 without one.
    std::size_t hash() const;
    // "tag:<tag> class:<class> identifier:<id>", for debugging.
    virtual std::string description() const;

    const std::string &tagName() const { return tagName_; }
    const std::optional<std::string> &customClassName() const { return customClassName_; }
    const std::optional<std::string> &identifier() const { return identifier_; }
    // One record per child element of the first "userDefinedRuntimeAttributes" child; no value without that child.
    const std::optional<std::vector<XAXIBUserDefinedRuntimeAttribute>> &userDefinedRuntimeAttributes() const {
        return userDefinedRuntimeAttributes_;
    }

    void setTagName(std::string value) { tagName_ = std::move(value); }
    void setCustomClassName(std::optional<std::string> value) { customClassName_ = std::move(value); }
    void setIdentifier(std::optional<std::string> value) { identifier_ = std::move(value); }
    void setUserDefinedRuntimeAttributes(std::optional<std::vector<XAXIBUserDefinedRuntimeAttribute>> value) {
        userDefinedRuntimeAttributes_ = std::move(value);
    }

protected:
    // Whether `other` is of this record's class or of a subclass of it.
    virtual bool isOfClassOf(const XAXIBObject &other) const;

private:
    std::string tagName_;
    std::optional<std::string> customClassName_;
    std::optional<std::string> identifier_;
    std::optional<std::vector<XAXIBUserDefinedRuntimeAttribute>> userDefinedRuntimeAttributes_;
};
