#include "project/XAXIBReferences.h"

#include "core/XAXMLText.h"

std::string XAXIBResourceReference::nameForResourceType(int resourceType) {
    return resourceType == XAXIBResourceTypeImage ? "Image" : "";
}

std::string XAXIBResourceReference::description() const { return resourcePath_ + " (" + resourceTypeName() + ")"; }

std::string XAXIBClassReference::xmlDescription() const {
    std::string markup = "<objcclass>" + xa_escapedForXML(className_) + "</objcclass>";
    if (superClassName_ && !superClassName_->empty()) {
        markup += " (superclass <objcclass>" + xa_escapedForXML(*superClassName_) + "</objcclass>)";
    }
    return markup;
}
