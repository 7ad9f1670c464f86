#include "core/XALibplistBridge.h"

#include "core/XACLocaleScope.h"
#include "core/XAISO8601Date.h"
#include "core/XAPropertyListInternal.h"

#include <plist/plist.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using xa_detail::kEarliestWritableDate;
using xa_detail::kLatestWritableDate;
using xa_detail::kMaxPropertyListNestingDepth;

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T> using MallocPtr = std::unique_ptr<T, FreeDeleter>;

// ---------------------------------------------------------------------------------------------------------
// Text that libplist can carry

// Whether a string needs no rewriting: printable ASCII, tab, line feed and carriage return.
bool isPlainText(std::string_view text) {
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte >= 0x7F) {
            return false;
        }
    }
    return true;
}

// Rewrites what libplist cannot carry as U+FFFD: malformed UTF-8, and NUL, since libplist takes C strings.
std::string textForPlist(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 codePoint;
        U8_NEXT(bytes, i, length, codePoint);
        if (codePoint <= 0) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(text.data() + start, static_cast<std::size_t>(i - start));
        }
    }
    return out;
}

// libplist writes control characters, U+FFFE and U+FFFF into XML text as they are, which no XML parser
// accepts. They become numeric character references, which property-list readers decode back, so nothing
// of the text is lost. Raw control bytes occur in libplist's output only inside strings and keys.
std::string withEscapedXMLForbiddenCharacters(std::string_view xml) {
    std::string out;
    out.reserve(xml.size());
    char reference[16];
    for (std::size_t i = 0; i < xml.size(); ++i) {
        const auto byte = static_cast<unsigned char>(xml[i]);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
            std::snprintf(reference, sizeof reference, "&#x%X;", byte);
            out += reference;
        } else if (byte == 0xEF && xml.substr(i, 2) == "\xEF\xBF" && i + 2 < xml.size() &&
                   (xml[i + 2] == '\xBE' || xml[i + 2] == '\xBF')) {
            out += xml[i + 2] == '\xBE' ? "&#xFFFE;" : "&#xFFFF;";
            i += 2;
        } else {
            out += xml[i];
        }
    }
    return out;
}

// ---------------------------------------------------------------------------------------------------------
// libplist to XAValue

class PlistReader {
public:
    explicit PlistReader(const std::string &sourceName) : sourceName_(sourceName) {}

    bool convert(plist_t node, XAValue &out, std::size_t depth);
    const std::string &problem() const { return problem_; }

private:
    bool convertArray(plist_t node, XAValue &out, std::size_t depth);
    bool convertDictionary(plist_t node, XAValue &out, std::size_t depth);
    static XAValue integerValue(plist_t node);
    static XAValue dateValue(plist_t node);

    const std::string &sourceName_;
    std::string problem_;
};

bool PlistReader::convert(plist_t node, XAValue &out, std::size_t depth) {
    if (depth > kMaxPropertyListNestingDepth) {
        problem_ = sourceName_ + ": the property list is nested more than " +
                   std::to_string(kMaxPropertyListNestingDepth) + " levels deep";
        return false;
    }
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        std::uint8_t flag = 0;
        plist_get_bool_val(node, &flag);
        out = XAValue(flag != 0);
        return true;
    }
    case PLIST_UINT:
        out = integerValue(node);
        return true;
    case PLIST_REAL: {
        double real = 0;
        plist_get_real_val(node, &real);
        out = XAValue(real);
        return true;
    }
    case PLIST_STRING: {
        std::uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        out = XAValue(std::string(text ? text : "", text ? length : 0));
        return true;
    }
    case PLIST_DATA: {
        std::uint64_t length = 0;
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(plist_get_data_ptr(node, &length));
        out = XAValue(bytes ? XAData(bytes, bytes + length) : XAData());
        return true;
    }
    case PLIST_DATE:
        out = dateValue(node);
        return true;
    case PLIST_UID: { // keyed-archiver object references: plain numbers are all a checker needs
        std::uint64_t uid = 0;
        plist_get_uid_val(node, &uid);
        out = uid <= INT64_MAX ? XAValue(static_cast<std::int64_t>(uid)) : XAValue(static_cast<double>(uid));
        return true;
    }
    case PLIST_ARRAY:
        return convertArray(node, out, depth);
    case PLIST_DICT:
        return convertDictionary(node, out, depth);
    default:
        problem_ = sourceName_ + ": the property list holds a value of an unknown kind";
        return false;
    }
}

bool PlistReader::convertArray(plist_t node, XAValue &out, std::size_t depth) {
    XAValue::Array elements;
    elements.reserve(plist_array_get_size(node));
    plist_array_iter iterator = nullptr;
    plist_array_new_iter(node, &iterator);
    MallocPtr<void> iteratorOwner(iterator);
    for (;;) {
        plist_t item = nullptr;
        plist_array_next_item(node, iterator, &item);
        if (!item) {
            break;
        }
        elements.emplace_back();
        if (!convert(item, elements.back(), depth + 1)) {
            return false;
        }
    }
    out = XAValue(std::move(elements));
    return true;
}

bool PlistReader::convertDictionary(plist_t node, XAValue &out, std::size_t depth) {
    XADictionary dictionary;
    dictionary.reserve(plist_dict_get_size(node));
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(node, &iterator);
    MallocPtr<void> iteratorOwner(iterator);
    for (;;) {
        char *rawKey = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iterator, &rawKey, &item);
        MallocPtr<char> key(rawKey);
        if (!item) {
            break;
        }
        XAValue value;
        if (!convert(item, value, depth + 1)) {
            return false;
        }
        dictionary.set(key ? key.get() : "", std::move(value));
    }
    out = XAValue(std::move(dictionary));
    return true;
}

// libplist keeps integers as 64-bit patterns and marks those above INT64_MAX as unsigned. Only a comparison
// with a signed node reveals the mark; such values become reals rather than wrapping to negative numbers.
XAValue PlistReader::integerValue(plist_t node) {
    std::uint64_t bits = 0;
    plist_get_uint_val(node, &bits);
    if (bits <= INT64_MAX) {
        return XAValue(static_cast<std::int64_t>(bits));
    }
    PlistPtr signedProbe(plist_new_uint(bits));
    if (plist_compare_node_value(node, signedProbe.get())) {
        return XAValue(static_cast<std::int64_t>(bits));
    }
    return XAValue(static_cast<double>(bits));
}

// libplist hands dates out as 32-bit seconds, clamped outside 1933...2069; those are read from its XML text.
// It reports the microseconds without their sign, which only a comparison recovers within a second before 2001.
XAValue PlistReader::dateValue(plist_t node) {
    std::int32_t seconds = 0;
    std::int32_t microseconds = 0;
    plist_get_date_val(node, &seconds, &microseconds);
    if (seconds == INT32_MIN || seconds == INT32_MAX) {
        char *xml = nullptr;
        std::uint32_t length = 0;
        XACLocaleScope cLocale;
        plist_to_xml(node, &xml, &length);
        MallocPtr<char> owner(xml);
        std::string_view text(xml ? xml : "", xml ? length : 0);
        std::size_t open = text.find("<date>");
        std::size_t close = text.find("</date>");
        if (open != std::string_view::npos && close != std::string_view::npos && close > open) {
            if (auto date = XADateFromISO8601String(text.substr(open + 6, close - open - 6))) {
                return XAValue(*date);
            }
        }
    }
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(microseconds));
    const double fraction = static_cast<double>(magnitude) / 1e6;
    bool negative = seconds < 0;
    if (seconds == 0 && magnitude != 0 && magnitude <= INT32_MAX) {
        PlistPtr negativeProbe(plist_new_date(0, -static_cast<std::int32_t>(magnitude)));
        negative = plist_compare_node_value(node, negativeProbe.get());
    }
    return XAValue(XADate{negative ? seconds - fraction : seconds + fraction});
}

// ---------------------------------------------------------------------------------------------------------
// XAValue to libplist

class PlistWriter {
public:
    PlistPtr convert(const XAValue &value);
    const std::string &problem() const { return problem_; }

private:
    plist_t node(const XAValue &value);
    plist_t arrayNode(const XAValue::Array &elements);
    plist_t dictionaryNode(const XADictionary &dictionary);
    plist_t dateNode(XADate date);
    static std::string text(const std::string &raw) { return isPlainText(raw) ? raw : textForPlist(raw); }
    plist_t failAt(const std::string &what);

    std::string path_; // where the conversion is, for errors: "objects.ABC[2]"
    std::string problem_;
};

PlistPtr PlistWriter::convert(const XAValue &value) { return PlistPtr(node(value)); }

plist_t PlistWriter::failAt(const std::string &what) {
    if (problem_.empty()) {
        problem_ =
            what + (path_.empty() ? " at the top level" : " at " + path_) + " cannot be written to a property list";
    }
    return nullptr;
}

plist_t PlistWriter::node(const XAValue &value) {
    switch (value.type()) {
    case XAValue::Type::Null:
        return failAt("a null value");
    case XAValue::Type::Boolean:
        return plist_new_bool(*value.boolean() ? 1 : 0);
    case XAValue::Type::Integer: // libplist keeps the 64-bit pattern and writes it back as signed
        return plist_new_uint(static_cast<std::uint64_t>(*value.integer()));
    case XAValue::Type::Real:
        return plist_new_real(*value.real());
    case XAValue::Type::String:
        return plist_new_string(text(*value.string()).c_str());
    case XAValue::Type::Data: {
        const XAData &bytes = *value.data();
        return plist_new_data(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    }
    case XAValue::Type::Date:
        return dateNode(*value.date());
    case XAValue::Type::Array:
        return arrayNode(*value.array());
    case XAValue::Type::Dictionary:
        return dictionaryNode(*value.dictionary());
    }
    return failAt("a value of an unknown kind");
}

plist_t PlistWriter::arrayNode(const XAValue::Array &elements) {
    PlistPtr array(plist_new_array());
    const std::size_t pathLength = path_.size();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        path_ += "[" + std::to_string(i) + "]";
        plist_t element = node(elements[i]);
        path_.resize(pathLength);
        if (!element) {
            return nullptr;
        }
        plist_array_append_item(array.get(), element);
    }
    return array.release();
}

plist_t PlistWriter::dictionaryNode(const XADictionary &dictionary) {
    PlistPtr result(plist_new_dict());
    const std::size_t pathLength = path_.size();
    for (const auto &[key, value] : dictionary) {
        path_ += (pathLength == 0 ? "" : ".") + key;
        plist_t element = node(value);
        path_.resize(pathLength);
        if (!element) {
            return nullptr;
        }
        plist_dict_set_item(result.get(), text(key).c_str(), element);
    }
    if (plist_dict_get_size(result.get()) != dictionary.size()) {
        return failAt("a dictionary with keys that differ only in characters a property list cannot hold");
    }
    return result.release();
}

// libplist takes dates as 32-bit seconds; dates outside that range are made by parsing their XML form.
plist_t PlistWriter::dateNode(XADate date) {
    const double seconds = date.secondsSinceReferenceDate;
    if (!std::isfinite(seconds) || seconds < kEarliestWritableDate || seconds > kLatestWritableDate) {
        return failAt("a date outside the years 1 to 9999");
    }
    if (seconds > INT32_MIN && seconds < INT32_MAX) {
        const double whole = std::trunc(seconds);
        auto microseconds = static_cast<std::int32_t>(std::lround((seconds - whole) * 1e6));
        return plist_new_date(static_cast<std::int32_t>(whole), microseconds);
    }
    std::string xml = "<plist><date>" + XAISO8601StringFromDate(date) + "</date></plist>";
    plist_t parsed = nullptr;
    XACLocaleScope cLocale;
    plist_from_xml(xml.data(), static_cast<std::uint32_t>(xml.size()), &parsed);
    return parsed ? parsed : failAt("a date");
}

// ---------------------------------------------------------------------------------------------------------
// Parsing and writing bytes

std::optional<XAValue> valueFromPlist(PlistPtr root, const std::string &sourceName, XAError *error) {
    PlistReader reader(sourceName);
    XAValue value;
    if (!reader.convert(root.get(), value, 0)) {
        XASetError(error, reader.problem());
        return std::nullopt;
    }
    return value;
}

bool isReadableSize(std::string_view bytes, const std::string &sourceName, XAError *error) {
    if (bytes.size() > UINT32_MAX) { // libplist takes 32-bit lengths
        XASetError(error, sourceName + ": the property list is too large to read");
        return false;
    }
    return true;
}

} // namespace

std::optional<XAValue> XAValueFromLibplistXML(std::string_view xml, const std::string &sourceName, XAError *error) {
    if (!isReadableSize(xml, sourceName, error)) {
        return std::nullopt;
    }
    plist_t root = nullptr;
    {
        XACLocaleScope cLocale;
        plist_from_xml(xml.data(), static_cast<std::uint32_t>(xml.size()), &root);
    }
    if (!root) {
        XASetError(error, sourceName + ": the XML is not a property list (expected a <plist> document of "
                                       "<dict>, <array>, <string>, <integer>, <real>, <true/>, <false/>, "
                                       "<date> and <data> elements)");
        return std::nullopt;
    }
    return valueFromPlist(PlistPtr(root), sourceName, error);
}

std::optional<XAValue> XAValueFromLibplistBinary(std::string_view bytes, const std::string &sourceName,
                                                 XAError *error) {
    if (!isReadableSize(bytes, sourceName, error)) {
        return std::nullopt;
    }
    plist_t root = nullptr;
    plist_from_bin(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &root);
    if (!root) {
        XASetError(error, sourceName + ": the binary property list is damaged");
        return std::nullopt;
    }
    return valueFromPlist(PlistPtr(root), sourceName, error);
}

std::optional<std::string> XALibplistXMLData(const XAValue &value, XAError *error) {
    PlistWriter writer;
    PlistPtr root = writer.convert(value);
    if (!root) {
        XASetError(error, writer.problem());
        return std::nullopt;
    }
    char *xml = nullptr;
    std::uint32_t length = 0;
    {
        XACLocaleScope cLocale;
        plist_to_xml(root.get(), &xml, &length);
    }
    MallocPtr<char> owner(xml);
    if (!xml) {
        XASetError(error, "the XML property list could not be written");
        return std::nullopt;
    }
    return withEscapedXMLForbiddenCharacters(std::string_view(xml, length));
}

std::optional<std::string> XALibplistBinaryData(const XAValue &value, XAError *error) {
    PlistWriter writer;
    PlistPtr root = writer.convert(value);
    if (!root) {
        XASetError(error, writer.problem());
        return std::nullopt;
    }
    char *binary = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(root.get(), &binary, &length);
    MallocPtr<char> owner(binary);
    if (!binary) {
        XASetError(error, "the binary property list could not be written");
        return std::nullopt;
    }
    return std::string(binary, length);
}
