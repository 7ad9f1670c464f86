#pragma once

// A view of an Interface Builder document: an object whose element name is a known view tag (or an element of a
// "subviews" list). Besides the object fields it keeps Interface Builder's layout warnings, the text and accessibility
// fields that name the view for a user, and its subview tree.

#include "project/XAXIBObject.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

class XAXIBView;

// View records by element, so that a document walk makes each view's record (and subview tree) once and shares it
// wherever the element turns up again. One cache belongs to one document and one thread.
class XAXIBViewCache {
public:
    // The record of `element` made as a view, whatever its element name; built without recursion, so deep subview
    // trees cannot exhaust the stack.
    std::shared_ptr<const XAXIBView> view(const pugi::xml_node &element);

private:
    std::unordered_map<const void *, std::shared_ptr<const XAXIBView>> views_;
};

class XAXIBView : public XAXIBObject {
public:
    XAXIBView() = default;
    // The object fields, then the view fields and the whole subview tree.
    explicit XAXIBView(const pugi::xml_node &element);

    // The custom class when there is one; otherwise the class that the tables give for the tag, the OS X table first in
    // an OS X document and the iOS table first in any other; no value when neither knows the tag.
    std::optional<std::string> viewClassName() const;
    // Markup that names the view for a user: "<objcclass>Class</objcclass>", then " <string>label</string>" or, without
    // a label, " <string>text</string>" (cut to 50 characters), then " (id <string>identifier</string>)". A missing
    // class or identifier reads "(null)". Inserted texts are escaped for the markup.
    std::string viewIdentifierForUser() const;
    std::string description() const override;

    // Element name to class, for iOS and OS X documents; built once, then shared.
    static const std::map<std::string, std::string> &iOSViewTagNamesToClasses();
    static const std::map<std::string, std::string> &OSXViewTagNamesToClasses();
    // Every tag of both tables.
    static const std::set<std::string> &knownViewTagNames();

    // The view's document declares an OS X type ("com.apple.InterfaceBuilder3.Cocoa.XIB" or its storyboard).
    bool isInOSXDocument() const { return isInOSXDocument_; }
    bool isMisplaced() const { return isMisplaced_; }
    bool layoutIsAmbiguous() const { return layoutIsAmbiguous_; }
    const std::optional<std::string> &text() const { return text_; }
    const std::optional<std::string> &accessibilityLabel() const { return accessibilityLabel_; }
    const std::optional<std::string> &accessibilityHint() const { return accessibilityHint_; }
    const std::optional<std::string> &accessibilityIdentifier() const { return accessibilityIdentifier_; }
    // The children of the first "subviews" child element, each made into a view whatever its element name.
    const std::vector<std::shared_ptr<const XAXIBView>> &directSubviews() const { return directSubviews_; }

    void setIsInOSXDocument(bool value) { isInOSXDocument_ = value; }
    void setIsMisplaced(bool value) { isMisplaced_ = value; }
    void setLayoutIsAmbiguous(bool value) { layoutIsAmbiguous_ = value; }
    void setText(std::optional<std::string> value) { text_ = std::move(value); }
    void setAccessibilityLabel(std::optional<std::string> value) { accessibilityLabel_ = std::move(value); }
    void setAccessibilityHint(std::optional<std::string> value) { accessibilityHint_ = std::move(value); }
    void setAccessibilityIdentifier(std::optional<std::string> value) { accessibilityIdentifier_ = std::move(value); }
    void setDirectSubviews(std::vector<std::shared_ptr<const XAXIBView>> value) { directSubviews_ = std::move(value); }

protected:
    bool isOfClassOf(const XAXIBObject &other) const override;

private:
    friend class XAXIBViewCache;
    XAXIBView(const pugi::xml_node &element, std::vector<std::shared_ptr<const XAXIBView>> directSubviews);
    void readViewFields(const pugi::xml_node &element);

    bool isInOSXDocument_ = false;
    bool isMisplaced_ = false;
    bool layoutIsAmbiguous_ = false;
    std::optional<std::string> text_;
    std::optional<std::string> accessibilityLabel_;
    std::optional<std::string> accessibilityHint_;
    std::optional<std::string> accessibilityIdentifier_;
    std::vector<std::shared_ptr<const XAXIBView>> directSubviews_;
};
