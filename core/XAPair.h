#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>

namespace xa_detail {

template <typename T> struct IsOptional : std::false_type {};
template <typename T> struct IsOptional<std::optional<T>> : std::true_type {};

// Raw and owning pointers. (Not "comparable with nullptr": std::string is, through const char *, and that compare
// would read a null pointer.)
template <typename T> struct IsPointer : std::is_pointer<T> {};
template <typename T> struct IsPointer<std::shared_ptr<T>> : std::true_type {};
template <typename T, typename D> struct IsPointer<std::unique_ptr<T, D>> : std::true_type {};

// The types that stand for "maybe nothing".
template <typename T>
concept Nullable = IsOptional<T>::value || IsPointer<T>::value;

// A value is absent when it is an empty optional or a null pointer; other types are always present.
template <typename T> bool isAbsent(const T &value) {
    if constexpr (IsOptional<T>::value) {
        return !value.has_value();
    } else if constexpr (IsPointer<T>::value) {
        return value == nullptr;
    } else {
        return false;
    }
}

template <typename T> void describe(std::ostream &out, const T &value) {
    if (isAbsent(value)) {
        out << "(null)";
    } else if constexpr (IsOptional<T>::value) {
        describe(out, *value);
    } else if constexpr (std::is_convertible_v<const T &, std::string_view>) {
        out << std::string_view(value);
    } else if constexpr (IsPointer<T>::value) {
        describe(out, *value);
    } else if constexpr (requires { value.description(); }) {
        out << value.description();
    } else if constexpr (requires { out << value; }) {
        out << value;
    } else {
        out << "<" << typeid(T).name() << ">";
    }
}

} // namespace xa_detail

// Two values kept together. Components that may be missing are std::optional or pointers: two missing components are
// equal, a missing and a present one are not. Pointer components compare (and hash) by identity, as pointers do.
template <typename A, typename B> class XAPair {
public:
    XAPair() = default;
    XAPair(A first, B second) : first_(std::move(first)), second_(std::move(second)) {}
    static XAPair pairWithFirst(A first, B second) { return XAPair(std::move(first), std::move(second)); }

    const A &first() const { return first_; }
    const B &second() const { return second_; }
    void setFirst(A value) { first_ = std::move(value); }
    void setSecond(B value) { second_ = std::move(value); }

    bool isEqualToPair(const XAPair &other) const { return first_ == other.first_ && second_ == other.second_; }
    bool operator==(const XAPair &other) const { return isEqualToPair(other); }

    // The hash of the first component, or of the second when the first is absent; 0 when both are absent.
    std::size_t hash() const {
        if (!xa_detail::isAbsent(first_)) {
            return std::hash<A>{}(first_);
        }
        if (!xa_detail::isAbsent(second_)) {
            return std::hash<B>{}(second_);
        }
        return 0;
    }

    // Both components described and separated by a space; an absent one reads "(null)".
    std::string description() const {
        std::ostringstream out;
        xa_detail::describe(out, first_);
        out << ' ';
        xa_detail::describe(out, second_);
        return out.str();
    }

private:
    A first_{};
    B second_{};
};

template <typename A, typename B> struct std::hash<XAPair<A, B>> {
    std::size_t operator()(const XAPair<A, B> &pair) const { return pair.hash(); }
};
