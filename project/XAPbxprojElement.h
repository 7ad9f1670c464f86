#pragma once

#include "project/XAProjectData.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Base of every project-model handle (project, target, build phase, file, build configuration).
// A handle holds only its object identifier and the shared project record; every property is
// read from the parsed project file when asked for. Handles made separately for one object are
// equal, so they serve as keys and set members.
class XAPbxprojElement {
public:
    // A handle without identifier (the project itself); its record is set when the file is read.
    XAPbxprojElement() = default;
    XAPbxprojElement(std::string objectID, std::shared_ptr<const XAProjectData> projectData);
    XAPbxprojElement(const XAPbxprojElement &) = delete;
    XAPbxprojElement &operator=(const XAPbxprojElement &) = delete;
    virtual ~XAPbxprojElement() = default;

    const std::optional<std::string> &objectID() const { return objectID_; }
    std::optional<std::string> uniqueXcodeObjectID() const { return objectID_; }

    std::shared_ptr<const XAProjectData> projectData() const { return projectData_.load(); }
    void setProjectData(std::shared_ptr<const XAProjectData> projectData) {
        projectData_.store(std::move(projectData));
    }

    // Equal by identifier when the receiver has one; otherwise only to itself.
    bool isEqual(const XAPbxprojElement &other) const;
    std::size_t hash() const;

    // "Class (pbx ID id): own object".
    virtual std::string description() const;

    // The entry of an identifier in "objects"; null for an unknown identifier.
    const XAValue *pbx_dictForID(std::string_view objectID) const;
    // The project object named by the top-level "rootObject".
    const XAValue *pbx_projectRootObject() const;
    // The receiver's own object.
    const XAValue *pbx_ownObject() const;
    // The "isa" of the receiver's own object.
    const std::string *pbx_isa() const;

    // One handle of type T per identifier of the list, in list order, sharing the receiver's record.
    // A missing or non-array list gives an empty result; identifiers are not checked here.
    template <class T> std::vector<std::shared_ptr<T>> pbx_elementsOfClass(const XAValue *idList) const {
        std::vector<std::shared_ptr<T>> elements;
        const XAValue::Array *ids = idList ? idList->array() : nullptr;
        if (!ids) {
            return elements;
        }
        auto data = projectData();
        elements.reserve(ids->size());
        for (const auto &id : *ids) {
            if (const std::string *text = id.string()) {
                elements.push_back(std::make_shared<T>(*text, data));
            }
        }
        return elements;
    }

protected:
    // Name of the concrete class for descriptions.
    virtual const char *className() const { return "XAPbxprojElement"; }

private:
    const XAValue *objects() const;

    std::optional<std::string> objectID_;
    std::atomic<std::shared_ptr<const XAProjectData>> projectData_;
};

// Hashing and equality of shared handles by identity of the project object they stand for.
struct XAPbxprojElementHash {
    std::size_t operator()(const std::shared_ptr<const XAPbxprojElement> &element) const {
        return element ? element->hash() : 0;
    }
};

struct XAPbxprojElementEqual {
    bool operator()(const std::shared_ptr<const XAPbxprojElement> &a,
                    const std::shared_ptr<const XAPbxprojElement> &b) const {
        return a && b ? a->isEqual(*b) : a == b;
    }
};
