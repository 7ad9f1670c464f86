#include "core/XAPropertyList.h"

#include "core/XAJSON.h"
#include "core/XAOpenStepReader.h"

#include <plist/plist.h>
#include <pugixml.hpp>
#include <unicode/utf8.h>

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <system_error>
#include <vector>

namespace {

// Deeper nesting than this is no real property list; libplist and our conversions recurse.
constexpr std::size_t kMaxNestingDepth = 512;
// A binary list may share one object among many parents; reading expands every share into its own value.
constexpr std::uint64_t kMaxExpandedBinaryValues = 20'000'000;

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T> using MallocPtr = std::unique_ptr<T, FreeDeleter>;

// libplist reads XML reals with strtod, which follows the locale: under a locale with a decimal comma (which a
// GUI front end sets) "0.75" would read as 0. The calling thread uses the C locale while libplist works.
class CLocaleScope {
public:
    CLocaleScope() : previous_(cLocale() ? uselocale(cLocale()) : nullptr) {}
    ~CLocaleScope() {
        if (previous_) {
            uselocale(previous_);
        }
    }
    CLocaleScope(const CLocaleScope &) = delete;
    CLocaleScope &operator=(const CLocaleScope &) = delete;

private:
    static locale_t cLocale() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr); // kept for the process's life
        return locale;
    }
    locale_t previous_;
};

// ---------------------------------------------------------------------------------------------------------
// Dates

constexpr std::int64_t kUnixSecondsAtReferenceDate = 978307200; // 2001-01-01T00:00:00Z
constexpr double kEarliestWritableDate = -63113904000.0;        // 0001-01-01T00:00:00Z
constexpr double kLatestWritableDate = 252423993599.0;          // 9999-12-31T23:59:59Z

// Days since 1970-01-01 of a proleptic Gregorian date, and back (Howard Hinnant's algorithms).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

void civilFromDays(std::int64_t days, std::int64_t &year, unsigned &month, unsigned &day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
}

bool readDigits(std::string_view text, std::size_t &position, std::size_t count, unsigned &value) {
    value = 0;
    for (std::size_t i = 0; i < count; ++i, ++position) {
        if (position >= text.size() || text[position] < '0' || text[position] > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(text[position] - '0');
    }
    return true;
}

bool expectCharacter(std::string_view text, std::size_t &position, char expected) {
    if (position < text.size() && text[position] == expected) {
        ++position;
        return true;
    }
    return false;
}

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

// Rewrites what the target format cannot hold as U+FFFD: malformed UTF-8 and NUL always, and for XML also
// the other characters that XML 1.0 forbids (controls except tab, line feed, carriage return; U+FFFE, U+FFFF).
std::string textForPlist(std::string_view text, bool forXML) {
    std::string out;
    out.reserve(text.size());
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 codePoint;
        U8_NEXT(bytes, i, length, codePoint);
        bool forbidden =
            codePoint <= 0 ||
            (forXML && ((codePoint < 0x20 && codePoint != '\t' && codePoint != '\n' && codePoint != '\r') ||
                        codePoint == 0xFFFE || codePoint == 0xFFFF));
        if (forbidden) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(text.data() + start, static_cast<std::size_t>(i - start));
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
    if (depth > kMaxNestingDepth) {
        problem_ = sourceName_ + ": the property list is nested more than " + std::to_string(kMaxNestingDepth) +
                   " levels deep";
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
        CLocaleScope cLocale;
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
    explicit PlistWriter(bool forXML) : forXML_(forXML) {}

    PlistPtr convert(const XAValue &value);
    const std::string &problem() const { return problem_; }

private:
    plist_t node(const XAValue &value);
    plist_t arrayNode(const XAValue::Array &elements);
    plist_t dictionaryNode(const XADictionary &dictionary);
    plist_t dateNode(XADate date);
    std::string text(const std::string &raw) const { return isPlainText(raw) ? raw : textForPlist(raw, forXML_); }
    plist_t failAt(const std::string &what);

    bool forXML_;
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
    CLocaleScope cLocale;
    plist_from_xml(xml.data(), static_cast<std::uint32_t>(xml.size()), &parsed);
    return parsed ? parsed : failAt("a date");
}

// ---------------------------------------------------------------------------------------------------------
// Reading XML and binary lists through libplist

std::optional<XAValue> valueFromPlist(PlistPtr root, const std::string &sourceName, XAError *error) {
    PlistReader reader(sourceName);
    XAValue value;
    if (!reader.convert(root.get(), value, 0)) {
        XASetError(error, reader.problem());
        return std::nullopt;
    }
    return value;
}

std::size_t lineAtOffset(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 +
           static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

// libplist says nothing about why XML fails, so pugixml checks it first: its errors carry a position, and
// libplist only ever sees well-formed XML of bounded depth.
std::optional<XAValue> readXMLPropertyList(std::string_view text, const std::string &sourceName, XAError *error) {
    if (text.size() > UINT32_MAX) {
        XASetError(error, sourceName + ": the XML property list is too large to read");
        return std::nullopt;
    }
    pugi::xml_document document;
    pugi::xml_parse_result result =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result) {
        XASetError(error, sourceName + ":" +
                              std::to_string(lineAtOffset(text, static_cast<std::size_t>(result.offset))) +
                              ": the XML property list is not well-formed: " + result.description());
        return std::nullopt;
    }
    std::int64_t depth = 0;
    for (pugi::xml_node node = document.first_child(); node;) {
        if (node.first_child()) {
            node = node.first_child();
            if (++depth > static_cast<std::int64_t>(kMaxNestingDepth)) {
                XASetError(error, sourceName + ": the property list is nested more than " +
                                      std::to_string(kMaxNestingDepth) + " levels deep");
                return std::nullopt;
            }
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
        }
        node = node ? node.next_sibling() : node;
    }
    plist_t root = nullptr;
    {
        CLocaleScope cLocale;
        plist_from_xml(text.data(), static_cast<std::uint32_t>(text.size()), &root);
    }
    if (!root) {
        XASetError(error, sourceName + ": the XML is not a property list (expected a <plist> document of "
                                       "<dict>, <array>, <string>, <integer>, <real>, <true/>, <false/>, "
                                       "<date> and <data> elements)");
        return std::nullopt;
    }
    return valueFromPlist(PlistPtr(root), sourceName, error);
}

std::uint64_t bigEndianNumber(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < width; ++i) {
        number = number << 8 | static_cast<unsigned char>(bytes[offset + i]);
    }
    return number;
}

// Checks a binary property list's structure before libplist reads it: trailer, offset table, object
// references, nesting depth, cycles and the size of the expanded tree. Returns a problem or an empty string.
class BinaryPlistChecker {
public:
    explicit BinaryPlistChecker(std::string_view bytes) : bytes_(bytes) {}
    std::string problem();

private:
    struct Container {
        std::uint64_t refsOffset = 0;
        std::uint64_t refCount = 0;
    };
    bool readTrailer();
    bool readCount(std::uint64_t &position, unsigned marker, std::uint64_t &count) const;
    bool readObject(std::uint64_t object, Container &container, bool &isContainer) const;
    bool isUsableKey(std::uint64_t object) const;
    std::uint64_t reference(const Container &container, std::uint64_t index) const {
        return bigEndianNumber(bytes_, container.refsOffset + index * referenceSize_, referenceSize_);
    }
    std::string walkObjects();

    std::string_view bytes_;
    std::size_t offsetSize_ = 0;
    std::size_t referenceSize_ = 0;
    std::uint64_t objectCount_ = 0;
    std::uint64_t rootObject_ = 0;
    std::uint64_t offsetTableOffset_ = 0;
    std::vector<std::uint64_t> offsets_;
};

constexpr std::size_t kBinaryHeaderSize = 8;
constexpr std::size_t kBinaryTrailerSize = 32;

std::string BinaryPlistChecker::problem() {
    if (bytes_.size() < kBinaryHeaderSize + 1 + kBinaryTrailerSize) {
        return "the binary property list is truncated";
    }
    if (bytes_.size() > UINT32_MAX) {
        return "the binary property list is too large to read";
    }
    if (!readTrailer()) {
        return "the binary property list is damaged or truncated (its trailer or offset table is invalid)";
    }
    return walkObjects();
}

bool BinaryPlistChecker::readTrailer() {
    const std::size_t trailer = bytes_.size() - kBinaryTrailerSize;
    offsetSize_ = static_cast<unsigned char>(bytes_[trailer + 6]);
    referenceSize_ = static_cast<unsigned char>(bytes_[trailer + 7]);
    objectCount_ = bigEndianNumber(bytes_, trailer + 8, 8);
    rootObject_ = bigEndianNumber(bytes_, trailer + 16, 8);
    offsetTableOffset_ = bigEndianNumber(bytes_, trailer + 24, 8);
    if (offsetSize_ < 1 || offsetSize_ > 8 || referenceSize_ < 1 || referenceSize_ > 8 || objectCount_ == 0 ||
        rootObject_ >= objectCount_ || offsetTableOffset_ <= kBinaryHeaderSize || offsetTableOffset_ >= trailer ||
        objectCount_ > (trailer - offsetTableOffset_) / offsetSize_) {
        return false;
    }
    offsets_.resize(objectCount_);
    for (std::uint64_t i = 0; i < objectCount_; ++i) {
        offsets_[i] = bigEndianNumber(bytes_, offsetTableOffset_ + i * offsetSize_, offsetSize_);
        if (offsets_[i] < kBinaryHeaderSize || offsets_[i] >= offsetTableOffset_) {
            return false;
        }
    }
    return true;
}

// The element count of the object whose marker was read; `position` moves past the marker and count.
bool BinaryPlistChecker::readCount(std::uint64_t &position, unsigned marker, std::uint64_t &count) const {
    count = marker & 0xF;
    ++position;
    if (count != 0xF) {
        return true;
    }
    if (position >= offsetTableOffset_) {
        return false;
    }
    const auto countMarker = static_cast<unsigned char>(bytes_[position]);
    const std::size_t width = std::size_t(1) << (countMarker & 0xF);
    if (countMarker >> 4 != 1 || width > 8 || position + 1 + width > offsetTableOffset_) {
        return false;
    }
    count = bigEndianNumber(bytes_, position + 1, width);
    position += 1 + width;
    return true;
}

// Arrays (0xA), sets (0xC) and dictionaries (0xD, keys then values) hold references to other objects.
// Data (0x4) and strings (0x5 ASCII, 0x6 UTF-16, 0x7 UTF-8) must fit before the offset table.
bool BinaryPlistChecker::readObject(std::uint64_t object, Container &container, bool &isContainer) const {
    std::uint64_t position = offsets_[object];
    const auto marker = static_cast<unsigned char>(bytes_[position]);
    const unsigned kind = marker >> 4;
    isContainer = kind == 0xA || kind == 0xC || kind == 0xD;
    const bool isText = kind >= 0x4 && kind <= 0x7;
    std::uint64_t count = 0;
    if (!isContainer && !isText) {
        return true;
    }
    if (!readCount(position, marker, count)) {
        return false;
    }
    if (isText) {
        return count <= (offsetTableOffset_ - position) / (kind == 0x6 ? 2 : 1);
    }
    const std::uint64_t available = (offsetTableOffset_ - position) / referenceSize_;
    if (count > available || (kind == 0xD && count > available / 2)) {
        return false;
    }
    container.refsOffset = position;
    container.refCount = kind == 0xD ? count * 2 : count;
    for (std::uint64_t i = 0; i < container.refCount; ++i) {
        if (reference(container, i) >= objectCount_ ||
            (kind == 0xD && i < count && !isUsableKey(reference(container, i)))) {
            return false;
        }
    }
    return true;
}

// Keys must be ASCII (0x5) or UTF-16 (0x6) strings without NUL characters: libplist aborts on a NUL in a key.
bool BinaryPlistChecker::isUsableKey(std::uint64_t object) const {
    std::uint64_t position = offsets_[object];
    const auto marker = static_cast<unsigned char>(bytes_[position]);
    const unsigned kind = marker >> 4;
    std::uint64_t length = 0;
    if ((kind != 0x5 && kind != 0x6) || !readCount(position, marker, length)) {
        return false;
    }
    const std::uint64_t unitSize = kind == 0x5 ? 1 : 2;
    if (length > (offsetTableOffset_ - position) / unitSize) {
        return false;
    }
    for (std::uint64_t i = 0; i < length; ++i) {
        if (bigEndianNumber(bytes_, position + i * unitSize, unitSize) == 0) {
            return false;
        }
    }
    return true;
}

// A depth-first walk without recursion; every object is opened once and its expanded size memoised.
std::string BinaryPlistChecker::walkObjects() {
    enum State : std::uint8_t { kUnseen, kOpen, kDone };
    std::vector<State> states(objectCount_, kUnseen);
    std::vector<std::uint64_t> expandedSizes(objectCount_, 1);
    struct Frame {
        std::uint64_t object;
        Container container;
        std::uint64_t next;
    };
    std::vector<Frame> stack;
    auto open = [&](std::uint64_t object) -> std::string {
        Container container;
        bool isContainer = false;
        if (!readObject(object, container, isContainer)) {
            return "the binary property list is damaged (an object runs past its data, or a dictionary key is not a "
                   "string or holds a NUL character)";
        }
        if (!isContainer) {
            states[object] = kDone;
            return {};
        }
        if (stack.size() >= kMaxNestingDepth) {
            return "the property list is nested more than " + std::to_string(kMaxNestingDepth) + " levels deep";
        }
        states[object] = kOpen;
        stack.push_back(Frame{object, container, 0});
        return {};
    };
    if (std::string problem = open(rootObject_); !problem.empty()) {
        return problem;
    }
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next < frame.container.refCount) {
            std::uint64_t child = reference(frame.container, frame.next++);
            if (states[child] == kOpen) {
                return "the binary property list is damaged (an object contains itself)";
            }
            if (states[child] == kUnseen) {
                if (std::string problem = open(child); !problem.empty()) {
                    return problem;
                }
            }
            continue;
        }
        std::uint64_t size = 1;
        for (std::uint64_t i = 0; i < frame.container.refCount; ++i) {
            size = std::min(size + expandedSizes[reference(frame.container, i)], kMaxExpandedBinaryValues + 1);
        }
        if (size > kMaxExpandedBinaryValues) {
            return "the binary property list expands to more than " + std::to_string(kMaxExpandedBinaryValues) +
                   " values";
        }
        expandedSizes[frame.object] = size;
        states[frame.object] = kDone;
        stack.pop_back();
    }
    return {};
}

std::optional<XAValue> readBinaryPropertyList(std::string_view bytes, const std::string &sourceName, XAError *error) {
    if (!bytes.starts_with("bplist00")) {
        XASetError(error, sourceName + ": unsupported binary property list version \"" +
                              std::string(bytes.substr(0, 8)) + "\"");
        return std::nullopt;
    }
    if (std::string problem = BinaryPlistChecker(bytes).problem(); !problem.empty()) {
        XASetError(error, sourceName + ": " + problem);
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

// ---------------------------------------------------------------------------------------------------------
// OpenStep text

bool isOpenStepTokenCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_$+/:.-").find(c) != std::string_view::npos;
}

// Strings that the reader would take back unchanged without quotes; others are quoted.
bool isOpenStepToken(std::string_view text) {
    if (text.empty() || text.starts_with("//") || text.find("/*") != std::string_view::npos) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), isOpenStepTokenCharacter);
}

void appendOpenStepString(std::string &out, std::string_view text) {
    if (isOpenStepToken(text)) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\U%04X", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c; // UTF-8 bytes pass through as they are
            }
        }
    }
    out += '"';
}

class OpenStepWriter {
public:
    bool write(const XAValue &value, std::string &out, std::size_t depth);
    const std::string &problem() const { return problem_; }

private:
    static void indent(std::string &out, std::size_t depth) { out.append(depth, '\t'); }
    bool fail(const std::string &what) {
        problem_ = what + (path_.empty() ? " at the top level" : " at " + path_) + " cannot be written as OpenStep";
        return false;
    }

    std::string path_;
    std::string problem_;
};

bool OpenStepWriter::write(const XAValue &value, std::string &out, std::size_t depth) {
    char buffer[64];
    switch (value.type()) {
    case XAValue::Type::Null:
        return fail("a null value");
    case XAValue::Type::Boolean:
        out += *value.boolean() ? "YES" : "NO";
        return true;
    case XAValue::Type::Integer:
        out += std::to_string(*value.integer());
        return true;
    case XAValue::Type::Real:
        std::snprintf(buffer, sizeof buffer, "%.17g", *value.real());
        appendOpenStepString(out, buffer);
        return true;
    case XAValue::Type::String:
        appendOpenStepString(out, *value.string());
        return true;
    case XAValue::Type::Date:
        appendOpenStepString(out, XAISO8601StringFromDate(*value.date()));
        return true;
    case XAValue::Type::Data: {
        out += '<';
        const XAData &bytes = *value.data();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            std::snprintf(buffer, sizeof buffer, (i > 0 && i % 4 == 0) ? " %02x" : "%02x", bytes[i]);
            out += buffer;
        }
        out += '>';
        return true;
    }
    case XAValue::Type::Array: {
        out += "(\n";
        const std::size_t pathLength = path_.size();
        const auto &elements = *value.array();
        for (std::size_t i = 0; i < elements.size(); ++i) {
            indent(out, depth + 1);
            path_ += "[" + std::to_string(i) + "]";
            if (!write(elements[i], out, depth + 1)) {
                return false;
            }
            path_.resize(pathLength);
            out += ",\n";
        }
        indent(out, depth);
        out += ')';
        return true;
    }
    case XAValue::Type::Dictionary: {
        out += "{\n";
        const std::size_t pathLength = path_.size();
        for (const auto &[key, element] : *value.dictionary()) {
            indent(out, depth + 1);
            appendOpenStepString(out, key);
            out += " = ";
            path_ += (pathLength == 0 ? "" : ".") + key;
            if (!write(element, out, depth + 1)) {
                return false;
            }
            path_.resize(pathLength);
            out += ";\n";
        }
        indent(out, depth);
        out += '}';
        return true;
    }
    }
    return fail("a value of an unknown kind");
}

// ---------------------------------------------------------------------------------------------------------
// Files

std::optional<std::string> readFileBytes(const std::string &path, XAError *error) {
    auto failure = [&](int code) -> std::optional<std::string> {
        XASetError(error, "cannot read " + path + ": " + std::system_category().message(code), code);
        return std::nullopt;
    };
    int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return failure(errno);
    }
    struct Closer {
        int descriptor;
        ~Closer() { ::close(descriptor); }
    } closer{descriptor};
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return failure(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return failure(EISDIR);
    }
    std::string bytes;
    bytes.reserve(status.st_size > 0 ? static_cast<std::size_t>(status.st_size) : 0);
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return failure(errno);
        }
        if (count == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

std::string_view withoutLeadingBlanks(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t\r\n");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool looksLikeXML(std::string_view text) {
    return text.starts_with("<?xml") || text.starts_with("<plist") || text.starts_with("<!DOCTYPE") ||
           text.starts_with("<!--");
}

} // namespace

std::optional<XAValue> XAPropertyListFromData(std::string_view bytes, const std::string &sourceName, XAError *error,
                                              XAPropertyListFormat *formatOut) {
    auto report = [&](XAPropertyListFormat format) {
        if (formatOut) {
            *formatOut = format;
        }
    };
    if (bytes.starts_with("bplist")) {
        report(XAPropertyListFormat::Binary);
        return readBinaryPropertyList(bytes, sourceName, error);
    }
    std::string converted;
    std::string_view text = withoutLeadingBlanks(XAPropertyListTextAsUTF8(bytes, converted));
    if (looksLikeXML(text)) {
        report(XAPropertyListFormat::XML);
        return readXMLPropertyList(text, sourceName, error);
    }
    if (text.starts_with("[")) { // never OpenStep, whose arrays use parentheses
        report(XAPropertyListFormat::JSON);
        return XAValueFromJSON(text, false, sourceName, error);
    }
    report(XAPropertyListFormat::OpenStep);
    XAError openStepError;
    std::optional<XAValue> value =
        XAOpenStepReader::read(bytes, sourceName, XAOpenStepReadMode::PropertyList, &openStepError);
    if (!value && text.starts_with("{")) {
        if (auto json = XAValueFromJSON(text, false, sourceName, nullptr)) {
            report(XAPropertyListFormat::JSON);
            return json;
        }
    }
    if (!value && error) {
        *error = openStepError;
    }
    return value;
}

std::optional<XAValue> XAPropertyListFromFile(const std::string &path, XAError *error,
                                              XAPropertyListFormat *formatOut) {
    std::optional<std::string> bytes = readFileBytes(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    return XAPropertyListFromData(*bytes, path, error, formatOut);
}

std::optional<std::string> XAXMLPropertyListData(const XAValue &value, XAError *error) {
    PlistWriter writer(true);
    PlistPtr root = writer.convert(value);
    if (!root) {
        XASetError(error, writer.problem());
        return std::nullopt;
    }
    char *xml = nullptr;
    std::uint32_t length = 0;
    {
        CLocaleScope cLocale;
        plist_to_xml(root.get(), &xml, &length);
    }
    MallocPtr<char> owner(xml);
    if (!xml) {
        XASetError(error, "the XML property list could not be written");
        return std::nullopt;
    }
    return std::string(xml, length);
}

std::optional<std::string> XABinaryPropertyListData(const XAValue &value, XAError *error) {
    PlistWriter writer(false);
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

std::optional<std::string> XAOpenStepPropertyListData(const XAValue &value, XAError *error) {
    OpenStepWriter writer;
    std::string out;
    if (!writer.write(value, out, 0)) {
        XASetError(error, writer.problem());
        return std::nullopt;
    }
    out += '\n';
    return out;
}

std::optional<std::string> XAPropertyListData(const XAValue &value, XAPropertyListFormat format, XAError *error) {
    switch (format) {
    case XAPropertyListFormat::OpenStep:
        return XAOpenStepPropertyListData(value, error);
    case XAPropertyListFormat::XML:
        return XAXMLPropertyListData(value, error);
    case XAPropertyListFormat::Binary:
        return XABinaryPropertyListData(value, error);
    case XAPropertyListFormat::JSON:
        return XAJSONString(value, true);
    }
    XASetError(error, "unknown property-list format");
    return std::nullopt;
}

std::string XAISO8601StringFromDate(XADate date) {
    double seconds = date.secondsSinceReferenceDate;
    seconds = std::isnan(seconds) ? 0 : std::clamp(seconds, kEarliestWritableDate, kLatestWritableDate);
    double whole = std::floor(seconds);
    auto microseconds = static_cast<std::int64_t>(std::llround((seconds - whole) * 1e6));
    if (microseconds >= 1'000'000) {
        whole += 1;
        microseconds = 0;
    }
    const std::int64_t unixSeconds = static_cast<std::int64_t>(whole) + kUnixSecondsAtReferenceDate;
    std::int64_t days = unixSeconds / 86400;
    std::int64_t secondOfDay = unixSeconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    std::int64_t year = 0;
    unsigned month = 0;
    unsigned day = 0;
    civilFromDays(days, year, month, day);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02uT%02lld:%02lld:%02lld", static_cast<long long>(year), month,
                  day, static_cast<long long>(secondOfDay / 3600), static_cast<long long>(secondOfDay / 60 % 60),
                  static_cast<long long>(secondOfDay % 60));
    std::string text = buffer;
    if (microseconds > 0) {
        std::snprintf(buffer, sizeof buffer, ".%06lld", static_cast<long long>(microseconds));
        std::string fraction = buffer;
        fraction.erase(fraction.find_last_not_of('0') + 1);
        text += fraction;
    }
    return text + "Z";
}

std::optional<XADate> XADateFromISO8601String(std::string_view text) {
    std::size_t position = 0;
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!readDigits(text, position, 4, year) || !expectCharacter(text, position, '-') ||
        !readDigits(text, position, 2, month) || !expectCharacter(text, position, '-') ||
        !readDigits(text, position, 2, day) || !expectCharacter(text, position, 'T') ||
        !readDigits(text, position, 2, hour) || !expectCharacter(text, position, ':') ||
        !readDigits(text, position, 2, minute) || !expectCharacter(text, position, ':') ||
        !readDigits(text, position, 2, second)) {
        return std::nullopt;
    }
    double fraction = 0;
    if (expectCharacter(text, position, '.')) {
        double scale = 0.1;
        std::size_t digitsStart = position;
        for (; position < text.size() && text[position] >= '0' && text[position] <= '9'; ++position) {
            fraction += (text[position] - '0') * scale;
            scale /= 10;
        }
        if (position == digitsStart) {
            return std::nullopt;
        }
    }
    if (!expectCharacter(text, position, 'Z') || position != text.size()) {
        return std::nullopt;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60) {
        return std::nullopt;
    }
    const std::int64_t days = daysFromCivil(year, month, day);
    const std::int64_t unixSeconds = days * 86400 + hour * 3600 + minute * 60 + second;
    return XADate{static_cast<double>(unixSeconds - kUnixSecondsAtReferenceDate) + fraction};
}
