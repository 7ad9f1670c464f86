#pragma once

// What an Interface Builder document names outside itself: the resources it declares and the custom classes it uses.
// Rules hold them against the project's resources and the classes declared in code.

#include <optional>
#include <string>

enum XAXIBResourceType : int {
    XAXIBResourceTypeUnknown = 0,
    XAXIBResourceTypeImage = 1,
};

// One resource element of the document's "resources" section.
class XAXIBResourceReference {
public:
    XAXIBResourceReference() = default;
    XAXIBResourceReference(std::string resourcePath, XAXIBResourceType resourceType)
        : resourcePath_(std::move(resourcePath)), resourceType_(resourceType) {}

    // "" for unknown (and any other number), "Image" for images.
    static std::string nameForResourceType(int resourceType);
    std::string resourceTypeName() const { return nameForResourceType(resourceType_); }
    // "path (type name)".
    std::string description() const;

    const std::string &resourcePath() const { return resourcePath_; }
    XAXIBResourceType resourceType() const { return resourceType_; }
    void setResourcePath(std::string resourcePath) { resourcePath_ = std::move(resourcePath); }
    void setResourceType(XAXIBResourceType resourceType) { resourceType_ = resourceType; }

private:
    std::string resourcePath_;
    XAXIBResourceType resourceType_ = XAXIBResourceTypeUnknown;
};

// One custom class named by an element of the document.
class XAXIBClassReference {
public:
    XAXIBClassReference() = default;
    explicit XAXIBClassReference(std::string className) : className_(std::move(className)) {}

    // "<objcclass>Name</objcclass>", followed by " (superclass <objcclass>Super</objcclass>)" when a superclass is
    // known. Names are escaped for the markup.
    std::string xmlDescription() const;
    std::string description() const { return "XAXIBClassReference " + className_; }

    const std::string &className() const { return className_; }
    const std::optional<std::string> &superClassName() const { return superClassName_; }
    void setClassName(std::string className) { className_ = std::move(className); }
    void setSuperClassName(std::optional<std::string> superClassName) { superClassName_ = std::move(superClassName); }
    // The module the file names for the class ("customModule"), and whether the class comes from the target's own
    // module ("customModuleProvider" is "target"): a Swift class, or one of a framework.
    const std::optional<std::string> &moduleName() const { return moduleName_; }
    bool isProvidedByTarget() const { return providedByTarget_; }
    void setModule(std::optional<std::string> moduleName, bool providedByTarget) {
        moduleName_ = std::move(moduleName);
        providedByTarget_ = providedByTarget;
    }

private:
    std::string className_;
    std::optional<std::string> superClassName_;
    std::optional<std::string> moduleName_;
    bool providedByTarget_ = false;
};
