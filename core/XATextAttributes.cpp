#include "core/XATextAttributes.h"

std::string_view XAAttributeNameString(XAAttributeName name) {
    switch (name) {
    case XAAttributeName::Font:
        return "NSFont";
    case XAAttributeName::ForegroundColor:
        return "NSColor";
    case XAAttributeName::BackgroundColor:
        return "NSBackgroundColor";
    case XAAttributeName::Link:
        return "NSLink";
    case XAAttributeName::Underline:
        return "NSUnderline";
    case XAAttributeName::Marker:
        return XAMarkerAttributeName;
    }
    return "";
}

bool XATextAttributes::has(XAAttributeName name) const {
    switch (name) {
    case XAAttributeName::Font:
        return font.has_value();
    case XAAttributeName::ForegroundColor:
        return foregroundColor.has_value();
    case XAAttributeName::BackgroundColor:
        return backgroundColor.has_value();
    case XAAttributeName::Link:
        return link.has_value();
    case XAAttributeName::Underline:
        return underline;
    case XAAttributeName::Marker:
        return marker;
    }
    return false;
}

XATextAttributes XATextAttributes::only(XAAttributeName name) const {
    XATextAttributes kept;
    switch (name) {
    case XAAttributeName::Font:
        kept.font = font;
        break;
    case XAAttributeName::ForegroundColor:
        kept.foregroundColor = foregroundColor;
        break;
    case XAAttributeName::BackgroundColor:
        kept.backgroundColor = backgroundColor;
        break;
    case XAAttributeName::Link:
        kept.link = link;
        break;
    case XAAttributeName::Underline:
        kept.underline = underline;
        break;
    case XAAttributeName::Marker:
        kept.marker = marker;
        break;
    }
    return kept;
}

void XATextAttributes::remove(XAAttributeName name) {
    switch (name) {
    case XAAttributeName::Font:
        font.reset();
        break;
    case XAAttributeName::ForegroundColor:
        foregroundColor.reset();
        break;
    case XAAttributeName::BackgroundColor:
        backgroundColor.reset();
        break;
    case XAAttributeName::Link:
        link.reset();
        break;
    case XAAttributeName::Underline:
        underline = false;
        break;
    case XAAttributeName::Marker:
        marker = false;
        break;
    }
}

void XATextAttributes::add(const XATextAttributes &other) {
    if (other.font) {
        font = other.font;
    }
    if (other.foregroundColor) {
        foregroundColor = other.foregroundColor;
    }
    if (other.backgroundColor) {
        backgroundColor = other.backgroundColor;
    }
    if (other.link) {
        link = other.link;
    }
    underline = underline || other.underline;
    marker = marker || other.marker;
}
