#pragma once

// The libplist side of the XML and binary property-list formats: libplist parses and writes them, and this
// converts between its nodes and XAValue. Internal to the property-list front door (core/XAPropertyList.h),
// which checks input with XACheckXMLPropertyList and XACheckBinaryPropertyList before it reaches libplist.

#include "core/XAError.h"
#include "core/XAValue.h"

#include <optional>
#include <string>
#include <string_view>

// Reads XML that XACheckXMLPropertyList accepted. XML that libplist does not take as a property list gives an
// error naming `sourceName`.
std::optional<XAValue> XAValueFromLibplistXML(std::string_view xml, const std::string &sourceName, XAError *error);

// Reads binary bytes that XACheckBinaryPropertyList accepted.
std::optional<XAValue> XAValueFromLibplistBinary(std::string_view bytes, const std::string &sourceName, XAError *error);

// The value as an XML or binary property list, as XAXMLPropertyListData and XABinaryPropertyListData describe.
std::optional<std::string> XALibplistXMLData(const XAValue &value, XAError *error);
std::optional<std::string> XALibplistBinaryData(const XAValue &value, XAError *error);
