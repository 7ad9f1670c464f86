#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class XADictionary;

// A moment as property lists store it: seconds since 2001-01-01 00:00:00 UTC.
struct XADate {
    double secondsSinceReferenceDate = 0;
    bool operator==(const XADate &) const = default;
};

using XAData = std::vector<std::uint8_t>;

// The one dynamic value of property lists, project files, `.strings` files and JSON trees.
// Dictionaries keep their insertion order. Values are immutable once shared between threads.
class XAValue {
public:
    enum class Type { Null, Boolean, Integer, Real, String, Data, Date, Array, Dictionary };
    using Array = std::vector<XAValue>;

    XAValue();
    XAValue(std::nullptr_t);
    XAValue(bool value);
    XAValue(int value);
    XAValue(std::int64_t value);
    XAValue(double value);
    XAValue(const char *value);
    XAValue(std::string value);
    XAValue(std::string_view value);
    XAValue(XAData value);
    XAValue(XADate value);
    XAValue(Array value);
    XAValue(XADictionary value);

    XAValue(const XAValue &other);
    XAValue(XAValue &&other) noexcept;
    XAValue &operator=(const XAValue &other);
    XAValue &operator=(XAValue &&other) noexcept;
    ~XAValue();

    Type type() const;
    bool isNull() const { return type() == Type::Null; }
    bool isBoolean() const { return type() == Type::Boolean; }
    bool isInteger() const { return type() == Type::Integer; }
    bool isReal() const { return type() == Type::Real; }
    bool isString() const { return type() == Type::String; }
    bool isData() const { return type() == Type::Data; }
    bool isDate() const { return type() == Type::Date; }
    bool isArray() const { return type() == Type::Array; }
    bool isDictionary() const { return type() == Type::Dictionary; }

    // Typed access: a null pointer or an empty optional when the value has another type.
    std::optional<bool> boolean() const;
    std::optional<std::int64_t> integer() const;
    std::optional<double> real() const; // integers convert
    const std::string *string() const;
    const XAData *data() const;
    std::optional<XADate> date() const;
    const Array *array() const;
    const XADictionary *dictionary() const;
    Array *mutableArray();
    XADictionary *mutableDictionary();

    // The value of a key when this is a dictionary holding it; otherwise a null pointer.
    const XAValue *get(std::string_view key) const;
    // The string of a key when this is a dictionary holding a string there; otherwise a null pointer.
    const std::string *stringForKey(std::string_view key) const;

    bool operator==(const XAValue &other) const;

    // A short description for logs and test failures (OpenStep-like text).
    std::string description() const;

private:
    using Storage = std::variant<std::monostate, bool, std::int64_t, double, std::string, XAData, XADate, Array,
                                 std::unique_ptr<XADictionary>>;
    Storage storage_;
};

// A dictionary that keeps its keys in insertion order, with hashed lookup for larger sizes.
// Setting a key that is present replaces its value in place.
class XADictionary {
public:
    using Entry = std::pair<std::string, XAValue>;

    XADictionary() = default;
    XADictionary(std::initializer_list<Entry> entries);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::vector<Entry> &entries() const { return entries_; }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

    const XAValue *get(std::string_view key) const;
    XAValue *getMutable(std::string_view key);
    bool contains(std::string_view key) const { return get(key) != nullptr; }
    void set(std::string key, XAValue value);
    bool remove(std::string_view key);
    void reserve(std::size_t count);

    // Equal when both hold the same keys with equal values, whatever their order.
    bool operator==(const XADictionary &other) const;

private:
    static constexpr std::size_t kLinearLimit = 12;
    std::ptrdiff_t indexOf(std::string_view key) const;
    void insertIntoIndex(std::size_t entryIndex);
    void rebuildIndex();
    void fillIndex(std::size_t capacity);

    std::vector<Entry> entries_;
    // Open-addressing table of entry indexes + 1 (0 = empty slot); built once the dictionary outgrows a linear scan
    // or is reserved beyond one.
    std::vector<std::uint32_t> index_;
};
