#include "core/XAValue.h"

#include <cmath>
#include <cstdio>
#include <functional>

XAValue::XAValue() = default;
XAValue::XAValue(std::nullptr_t) {}
XAValue::XAValue(bool value) : storage_(value) {}
XAValue::XAValue(int value) : storage_(static_cast<std::int64_t>(value)) {}
XAValue::XAValue(std::int64_t value) : storage_(value) {}
XAValue::XAValue(double value) : storage_(value) {}
XAValue::XAValue(const char *value) : storage_(std::string(value ? value : "")) {}
XAValue::XAValue(std::string value) : storage_(std::move(value)) {}
XAValue::XAValue(std::string_view value) : storage_(std::string(value)) {}
XAValue::XAValue(XAData value) : storage_(std::move(value)) {}
XAValue::XAValue(XADate value) : storage_(value) {}
XAValue::XAValue(Array value) : storage_(std::move(value)) {}
XAValue::XAValue(XADictionary value) : storage_(std::make_unique<XADictionary>(std::move(value))) {}

XAValue::XAValue(const XAValue &other) {
    if (auto dict = std::get_if<std::unique_ptr<XADictionary>>(&other.storage_)) {
        storage_ = std::make_unique<XADictionary>(**dict);
    } else {
        std::visit(
            [this](const auto &value) {
                if constexpr (!std::is_same_v<std::decay_t<decltype(value)>, std::unique_ptr<XADictionary>>) {
                    storage_ = value;
                }
            },
            other.storage_);
    }
}

XAValue::XAValue(XAValue &&other) noexcept = default;

XAValue &XAValue::operator=(const XAValue &other) {
    if (this != &other) {
        XAValue copy(other);
        storage_ = std::move(copy.storage_);
    }
    return *this;
}

XAValue &XAValue::operator=(XAValue &&other) noexcept = default;
XAValue::~XAValue() = default;

XAValue::Type XAValue::type() const { return static_cast<Type>(storage_.index()); }

std::optional<bool> XAValue::boolean() const {
    if (auto value = std::get_if<bool>(&storage_)) {
        return *value;
    }
    return std::nullopt;
}

std::optional<std::int64_t> XAValue::integer() const {
    if (auto value = std::get_if<std::int64_t>(&storage_)) {
        return *value;
    }
    return std::nullopt;
}

std::optional<double> XAValue::real() const {
    if (auto value = std::get_if<double>(&storage_)) {
        return *value;
    }
    if (auto value = std::get_if<std::int64_t>(&storage_)) {
        return static_cast<double>(*value);
    }
    return std::nullopt;
}

const std::string *XAValue::string() const { return std::get_if<std::string>(&storage_); }
const XAData *XAValue::data() const { return std::get_if<XAData>(&storage_); }

std::optional<XADate> XAValue::date() const {
    if (auto value = std::get_if<XADate>(&storage_)) {
        return *value;
    }
    return std::nullopt;
}

const XAValue::Array *XAValue::array() const { return std::get_if<Array>(&storage_); }
XAValue::Array *XAValue::mutableArray() { return std::get_if<Array>(&storage_); }

const XADictionary *XAValue::dictionary() const {
    auto dict = std::get_if<std::unique_ptr<XADictionary>>(&storage_);
    return dict ? dict->get() : nullptr;
}

XADictionary *XAValue::mutableDictionary() {
    auto dict = std::get_if<std::unique_ptr<XADictionary>>(&storage_);
    return dict ? dict->get() : nullptr;
}

const XAValue *XAValue::get(std::string_view key) const {
    auto dict = dictionary();
    return dict ? dict->get(key) : nullptr;
}

const std::string *XAValue::stringForKey(std::string_view key) const {
    auto value = get(key);
    return value ? value->string() : nullptr;
}

bool XAValue::operator==(const XAValue &other) const {
    if (type() != other.type()) {
        return false;
    }
    if (auto dict = dictionary()) {
        return *dict == *other.dictionary();
    }
    return storage_ == other.storage_;
}

namespace {

void appendQuoted(std::string &out, const std::string &text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
}

void describe(const XAValue &value, std::string &out) {
    char buffer[64];
    switch (value.type()) {
    case XAValue::Type::Null:
        out += "null";
        break;
    case XAValue::Type::Boolean:
        out += *value.boolean() ? "true" : "false";
        break;
    case XAValue::Type::Integer:
        out += std::to_string(*value.integer());
        break;
    case XAValue::Type::Real:
        std::snprintf(buffer, sizeof buffer, "%.17g", *value.real());
        out += buffer;
        break;
    case XAValue::Type::String:
        appendQuoted(out, *value.string());
        break;
    case XAValue::Type::Data:
        out += '<';
        for (auto byte : *value.data()) {
            std::snprintf(buffer, sizeof buffer, "%02x", byte);
            out += buffer;
        }
        out += '>';
        break;
    case XAValue::Type::Date:
        std::snprintf(buffer, sizeof buffer, "date(%.17g)", value.date()->secondsSinceReferenceDate);
        out += buffer;
        break;
    case XAValue::Type::Array: {
        out += '(';
        bool first = true;
        for (const auto &element : *value.array()) {
            out += first ? "" : ", ";
            first = false;
            describe(element, out);
        }
        out += ')';
        break;
    }
    case XAValue::Type::Dictionary:
        out += '{';
        for (const auto &[key, element] : *value.dictionary()) {
            appendQuoted(out, key);
            out += " = ";
            describe(element, out);
            out += "; ";
        }
        out += '}';
        break;
    }
}

std::size_t hashKey(std::string_view key) { return std::hash<std::string_view>{}(key); }

// A power of two at least twice `count`, so that the index stays at most half full.
std::size_t indexCapacityFor(std::size_t count) {
    std::size_t capacity = 32;
    while (capacity < count * 2) {
        capacity *= 2;
    }
    return capacity;
}

} // namespace

std::string XAValue::description() const {
    std::string out;
    describe(*this, out);
    return out;
}

XADictionary::XADictionary(std::initializer_list<Entry> entries) {
    reserve(entries.size());
    for (const auto &entry : entries) {
        set(entry.first, entry.second);
    }
}

// A reader that knows its size sizes the index once here rather than rebuilding it each time it fills up.
void XADictionary::reserve(std::size_t count) {
    entries_.reserve(count);
    const std::size_t capacity = indexCapacityFor(count);
    if (count > kLinearLimit && capacity > index_.size()) {
        fillIndex(capacity);
    }
}

std::ptrdiff_t XADictionary::indexOf(std::string_view key) const {
    if (index_.empty()) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].first == key) {
                return static_cast<std::ptrdiff_t>(i);
            }
        }
        return -1;
    }
    const std::size_t mask = index_.size() - 1;
    for (std::size_t slot = hashKey(key) & mask;; slot = (slot + 1) & mask) {
        std::uint32_t stored = index_[slot];
        if (stored == 0) {
            return -1;
        }
        if (entries_[stored - 1].first == key) {
            return static_cast<std::ptrdiff_t>(stored - 1);
        }
    }
}

void XADictionary::insertIntoIndex(std::size_t entryIndex) {
    const std::size_t mask = index_.size() - 1;
    std::size_t slot = hashKey(entries_[entryIndex].first) & mask;
    while (index_[slot] != 0) {
        slot = (slot + 1) & mask;
    }
    index_[slot] = static_cast<std::uint32_t>(entryIndex + 1);
}

void XADictionary::rebuildIndex() {
    index_.clear();
    if (entries_.size() > kLinearLimit) {
        fillIndex(indexCapacityFor(entries_.size()));
    }
}

void XADictionary::fillIndex(std::size_t capacity) {
    index_.assign(capacity, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        insertIntoIndex(i);
    }
}

const XAValue *XADictionary::get(std::string_view key) const {
    auto i = indexOf(key);
    return i < 0 ? nullptr : &entries_[static_cast<std::size_t>(i)].second;
}

XAValue *XADictionary::getMutable(std::string_view key) {
    auto i = indexOf(key);
    return i < 0 ? nullptr : &entries_[static_cast<std::size_t>(i)].second;
}

void XADictionary::set(std::string key, XAValue value) {
    if (auto existing = getMutable(key)) {
        *existing = std::move(value);
        return;
    }
    entries_.emplace_back(std::move(key), std::move(value));
    if (index_.empty()) {
        if (entries_.size() > kLinearLimit) {
            rebuildIndex();
        }
    } else if (entries_.size() * 2 > index_.size()) {
        rebuildIndex();
    } else {
        insertIntoIndex(entries_.size() - 1);
    }
}

bool XADictionary::remove(std::string_view key) {
    auto i = indexOf(key);
    if (i < 0) {
        return false;
    }
    entries_.erase(entries_.begin() + i);
    rebuildIndex();
    return true;
}

bool XADictionary::operator==(const XADictionary &other) const {
    if (size() != other.size()) {
        return false;
    }
    for (const auto &[key, value] : entries_) {
        auto otherValue = other.get(key);
        if (!otherValue || !(*otherValue == value)) {
            return false;
        }
    }
    return true;
}
