#pragma once

// The attributes a run of styled text can carry: a font, foreground and background colours, a link, an underline and
// the marker that shows which part of a code snippet a diagnostic points at. Every output of styled text knows all of
// them, so nothing is lost between the terminal and the desktop.

#include "core/XAColor.h"

#include <optional>
#include <string>
#include <string_view>

struct XAFont {
    std::string family; // empty for the system font
    double pointSize = 12;
    bool bold = false;
    bool italic = false;
    bool fixedPitch = false;

    bool operator==(const XAFont &) const = default;
    bool isSystemFont() const { return family.empty(); }

    static XAFont systemFont(double pointSize = 12) { return {"", pointSize}; }
    static XAFont boldSystemFont(double pointSize = 12) { return {"", pointSize, true}; }
    // The font of code: "Monaco", 11 points.
    static XAFont monospaceFont() { return {"Monaco", 11, false, false, true}; }
};

enum class XAAttributeName {
    Font,
    ForegroundColor,
    BackgroundColor,
    Link,
    Underline,
    Marker,
};

// The attribute's name as the platform's text system spells it ("NSFont", ..., "org.quenby.tessary.marker").
std::string_view XAAttributeNameString(XAAttributeName name);

inline constexpr const char *XAMarkerAttributeName = "org.quenby.tessary.marker";

// The attributes of one character. An absent value (or false) means that the character does not carry it.
struct XATextAttributes {
    std::optional<XAFont> font;
    std::optional<XAColor> foregroundColor;
    std::optional<XAColor> backgroundColor;
    std::optional<std::string> link; // a URL
    bool underline = false;          // a single underline
    bool marker = false;             // the part of a snippet that a diagnostic points at

    bool operator==(const XATextAttributes &) const = default;

    bool empty() const { return *this == XATextAttributes(); }
    bool has(XAAttributeName name) const;
    // The attributes with only `name` kept.
    XATextAttributes only(XAAttributeName name) const;
    void remove(XAAttributeName name);
    // Every attribute that `other` carries replaces this one's value; the others stay.
    void add(const XATextAttributes &other);

    // Shorthands for building attributes.
    static XATextAttributes withFontAndColor(XAFont font, XAColor color) {
        XATextAttributes attributes;
        attributes.font = std::move(font);
        attributes.foregroundColor = color;
        return attributes;
    }
    static XATextAttributes withForegroundColor(XAColor color) {
        XATextAttributes attributes;
        attributes.foregroundColor = color;
        return attributes;
    }
};
