#include "project/XAPbxprojElement.h"

#include <functional>

XAPbxprojElement::XAPbxprojElement(std::string objectID, std::shared_ptr<const XAProjectData> projectData)
    : objectID_(std::move(objectID)), projectData_(std::move(projectData)) {}

bool XAPbxprojElement::isEqual(const XAPbxprojElement &other) const {
    if (objectID_) {
        return other.objectID_ == objectID_;
    }
    return this == &other;
}

std::size_t XAPbxprojElement::hash() const {
    if (objectID_) {
        return std::hash<std::string>{}(*objectID_);
    }
    return std::hash<const void *>{}(this);
}

std::string XAPbxprojElement::description() const {
    const XAValue *own = pbx_ownObject();
    return std::string(className()) + " (pbx ID " + objectID_.value_or("(null)") +
           "): " + (own ? own->description() : "(null)");
}

const XAValue *XAPbxprojElement::objects() const {
    auto data = projectData();
    if (!data || !data->projectDict) {
        return nullptr;
    }
    return data->projectDict->get("objects");
}

const XAValue *XAPbxprojElement::pbx_dictForID(std::string_view objectID) const {
    const XAValue *all = objects();
    return all ? all->get(objectID) : nullptr;
}

const XAValue *XAPbxprojElement::pbx_projectRootObject() const {
    auto data = projectData();
    if (!data || !data->projectDict) {
        return nullptr;
    }
    const std::string *rootID = data->projectDict->stringForKey("rootObject");
    return rootID ? pbx_dictForID(*rootID) : nullptr;
}

const XAValue *XAPbxprojElement::pbx_ownObject() const { return objectID_ ? pbx_dictForID(*objectID_) : nullptr; }

const std::string *XAPbxprojElement::pbx_isa() const {
    const XAValue *own = pbx_ownObject();
    return own ? own->stringForKey("isa") : nullptr;
}
