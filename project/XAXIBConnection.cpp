#include "project/XAXIBConnection.h"

std::string XAXIBConnection::description() const {
    return parentElementTagName_ + "-->" + destinationClassName_.value_or("(null)");
}

std::string XAXIBOutlet::description() const {
    return XAXIBConnection::description() + "." + propertyName_.value_or("(null)");
}
