#pragma once

// The outlet and action connections of an Interface Builder document, with what the document says about both ends.
// Rules compare outlets with properties and actions with methods declared in code.

#include <optional>
#include <string>

// The part common to outlets and actions. Strings that the document may leave out are optional.
class XAXIBConnection {
public:
    virtual ~XAXIBConnection() = default;

    // "<tag of the holder>--><class of the destination>", for debugging.
    virtual std::string description() const;

    const std::optional<std::string> &identifier() const { return identifier_; }
    const std::string &parentXIBPath() const { return parentXIBPath_; }
    const std::optional<std::string> &parentElementID() const { return parentElementID_; }
    const std::string &parentElementTagName() const { return parentElementTagName_; }
    const std::optional<std::string> &parentClassName() const { return parentClassName_; }
    bool parentIsFilesOwner() const { return parentIsFilesOwner_; }
    bool parentIsTopLevelObject() const { return parentIsTopLevelObject_; }
    const std::optional<std::string> &destinationID() const { return destinationID_; }
    const std::optional<std::string> &destinationClassName() const { return destinationClassName_; }
    bool destinationIsFilesOwner() const { return destinationIsFilesOwner_; }
    bool destinationIsTopLevelObject() const { return destinationIsTopLevelObject_; }

    void setIdentifier(std::optional<std::string> value) { identifier_ = std::move(value); }
    void setParentXIBPath(std::string value) { parentXIBPath_ = std::move(value); }
    void setParentElementID(std::optional<std::string> value) { parentElementID_ = std::move(value); }
    void setParentElementTagName(std::string value) { parentElementTagName_ = std::move(value); }
    void setParentClassName(std::optional<std::string> value) { parentClassName_ = std::move(value); }
    void setParentIsFilesOwner(bool value) { parentIsFilesOwner_ = value; }
    void setParentIsTopLevelObject(bool value) { parentIsTopLevelObject_ = value; }
    void setDestinationID(std::optional<std::string> value) { destinationID_ = std::move(value); }
    void setDestinationClassName(std::optional<std::string> value) { destinationClassName_ = std::move(value); }
    void setDestinationIsFilesOwner(bool value) { destinationIsFilesOwner_ = value; }
    void setDestinationIsTopLevelObject(bool value) { destinationIsTopLevelObject_ = value; }

private:
    std::optional<std::string> identifier_;
    std::string parentXIBPath_;
    std::optional<std::string> parentElementID_;
    std::string parentElementTagName_;
    std::optional<std::string> parentClassName_;
    bool parentIsFilesOwner_ = false;
    bool parentIsTopLevelObject_ = false;
    std::optional<std::string> destinationID_;
    std::optional<std::string> destinationClassName_;
    bool destinationIsFilesOwner_ = false;
    bool destinationIsTopLevelObject_ = false;
};

// An outlet: a property of the holder that the document sets to the destination.
class XAXIBOutlet : public XAXIBConnection {
public:
    // The connection's description followed by ".<property>".
    std::string description() const override;

    const std::optional<std::string> &propertyName() const { return propertyName_; }
    void setPropertyName(std::optional<std::string> value) { propertyName_ = std::move(value); }

private:
    std::optional<std::string> propertyName_;
};

// An action: a message that the holder sends to the destination on an event.
class XAXIBAction : public XAXIBConnection {
public:
    const std::optional<std::string> &selector() const { return selector_; }
    const std::optional<std::string> &eventType() const { return eventType_; }
    void setSelector(std::optional<std::string> value) { selector_ = std::move(value); }
    void setEventType(std::optional<std::string> value) { eventType_ = std::move(value); }

private:
    std::optional<std::string> selector_;
    std::optional<std::string> eventType_;
};
