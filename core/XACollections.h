#pragma once

// The functional vocabulary of the rules and the project model over std::vector, std::map, std::set and the dynamic
// value type. Two families:
//  - namespace fk: map, filter, first, reduce, parallelMap ... (the receiver comes first);
//  - xa_ free functions: subarrays, grouping, products, random picks, value-tree cleaning ...
//
// Conventions: inputs are never changed (except by xa_shuffle and xa_removeObjectsMatching); a callable runs once per
// element, in order (parallelMap excepted). Callables go through std::invoke, so a member pointer works where a
// block would (`fk::filter(files, &File::isStringsFile)`, `fk::map(targets, &Target::name)`).
// "Missing" is std::optional (or a null pointer); in XAValue trees it is the null value. Equality is operator==;
// sets of seen values hash when std::hash exists, else order with operator<, else compare one by one.

#include "core/XANotFound.h"
#include "core/XAPair.h"
#include "core/XAParallelFor.h"
#include "core/XAValue.h"

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

class XAAttributedString;

namespace xa_detail {

template <typename T> struct IsVector : std::false_type {};
template <typename T, typename A> struct IsVector<std::vector<T, A>> : std::true_type {};

template <typename T> struct Unwrapped { using type = T; };
template <typename T> struct Unwrapped<std::optional<T>> { using type = T; };
template <typename T> using UnwrappedT = typename Unwrapped<std::decay_t<T>>::type;

template <typename F, typename... Args> using ResultOf = std::decay_t<std::invoke_result_t<F &, Args...>>;

template <typename T>
concept Hashable = std::equality_comparable<T> && requires(const T &value) {
    { std::hash<T>{}(value) } -> std::convertible_to<std::size_t>;
};
template <typename T>
concept Ordered = requires(const T &a, const T &b) {
    { a < b } -> std::convertible_to<bool>;
};

template <typename T> struct DerefHash {
    std::size_t operator()(const T *value) const { return std::hash<T>{}(*value); }
};
template <typename T> struct DerefEqual {
    bool operator()(const T *a, const T *b) const { return *a == *b; }
};
template <typename T> struct DerefLess {
    bool operator()(const T *a, const T *b) const { return *a < *b; }
};

// Counts equal values. Keeps pointers to the values it was given: they must outlive the table.
template <typename T> class ValueCounts {
    static constexpr bool linear = !Hashable<T> && !Ordered<T>;
    using Storage =
        std::conditional_t<Hashable<T>, std::unordered_map<const T *, std::size_t, DerefHash<T>, DerefEqual<T>>,
                           std::conditional_t<Ordered<T>, std::map<const T *, std::size_t, DerefLess<T>>,
                                              std::vector<std::pair<const T *, std::size_t>>>>;

public:
    // The count of the value after adding it once more.
    std::size_t add(const T &value) { return ++slot(value); }

    std::size_t count(const T &value) const {
        if constexpr (linear) {
            for (const auto &[known, count] : counts_) {
                if (*known == value) {
                    return count;
                }
            }
            return 0;
        } else {
            auto found = counts_.find(&value);
            return found == counts_.end() ? 0 : found->second;
        }
    }

    std::size_t distinct() const { return counts_.size(); }

private:
    std::size_t &slot(const T &value) {
        if constexpr (linear) {
            for (auto &[known, count] : counts_) {
                if (*known == value) {
                    return count;
                }
            }
            return counts_.emplace_back(&value, 0).second;
        } else {
            return counts_[&value];
        }
    }

    Storage counts_;
};

template <typename Range> ValueCounts<std::ranges::range_value_t<Range>> countsOf(const Range &values) {
    ValueCounts<std::ranges::range_value_t<Range>> counts;
    for (const auto &value : values) {
        counts.add(value);
    }
    return counts;
}

// Element type after removing every level of std::vector nesting.
template <typename T> struct FlatElement { using type = T; };
template <typename T, typename A> struct FlatElement<std::vector<T, A>> { using type = typename FlatElement<T>::type; };

template <typename T> void appendFlattened(std::vector<typename FlatElement<T>::type> &out, const T &value) {
    if constexpr (IsVector<T>::value) {
        for (const auto &element : value) {
            appendFlattened(out, element);
        }
    } else if constexpr (std::same_as<T, XAValue>) {
        if (const XAValue::Array *array = value.array()) {
            for (const XAValue &element : *array) {
                appendFlattened(out, element);
            }
        } else {
            out.push_back(value);
        }
    } else {
        out.push_back(value);
    }
}

// Texts and data: the element kinds that have a length.
template <typename T>
concept HasLength = std::same_as<T, std::string> || std::same_as<T, std::string_view> || std::same_as<T, XAData>;

inline std::mt19937_64 &randomEngine() {
    thread_local std::mt19937_64 engine{std::random_device{}()};
    return engine;
}

} // namespace xa_detail

namespace fk {

// Each element's result, in order. A callable returning std::optional keeps the missing results as empty optionals,
// so the result always has the input's size.
template <typename T, typename A, typename F> auto map(const std::vector<T, A> &array, F &&transform) {
    std::vector<xa_detail::ResultOf<F, const T &>> result;
    result.reserve(array.size());
    for (const T &element : array) {
        result.push_back(std::invoke(transform, element));
    }
    return result;
}

// As map, the callable also receiving the element's index.
template <typename T, typename A, typename F> auto mapWithIndex(const std::vector<T, A> &array, F &&transform) {
    std::vector<xa_detail::ResultOf<F, const T &, std::size_t>> result;
    result.reserve(array.size());
    for (std::size_t index = 0; index < array.size(); ++index) {
        result.push_back(std::invoke(transform, array[index], index));
    }
    return result;
}

// As map, with the calls spread over TBB's worker threads; the callable must be safe to run concurrently with itself.
// Result i belongs to element i whatever order the calls finish in.
template <typename T, typename A, typename F> auto parallelMap(const std::vector<T, A> &array, F &&transform) {
    using Result = xa_detail::ResultOf<F, const T &>;
    // One whole object per index, so no two iterations share memory (std::vector<bool> would pack them into words).
    std::vector<std::optional<Result>> slots(array.size());
    XAParallelFor(array.size(), [&](std::size_t index) { slots[index].emplace(std::invoke(transform, array[index])); });
    std::vector<Result> result;
    result.reserve(slots.size());
    for (auto &slot : slots) {
        result.push_back(std::move(*slot));
    }
    return result;
}

// As parallelMap, limited to the threads of the given arena.
template <typename T, typename A, typename F>
auto parallelMap(const std::vector<T, A> &array, F &&transform, tbb::task_arena &arena) {
    return arena.execute([&] { return parallelMap(array, transform); });
}

template <typename T, typename C, typename A, typename F> auto map(const std::set<T, C, A> &set, F &&transform) {
    std::set<xa_detail::ResultOf<F, const T &>> result;
    for (const T &element : set) {
        result.insert(std::invoke(transform, element));
    }
    return result;
}

// A new map from the callable's (key, value) results; a missing result adds nothing, a repeated key replaces.
template <typename K, typename V, typename C, typename A, typename F>
auto map(const std::map<K, V, C, A> &dictionary, F &&transform) {
    using Entry = xa_detail::UnwrappedT<xa_detail::ResultOf<F, const K &, const V &>>;
    std::map<typename Entry::first_type, typename Entry::second_type> result;
    for (const auto &[key, value] : dictionary) {
        if (std::optional<Entry> entry = std::invoke(transform, key, value)) {
            result.insert_or_assign(std::move(entry->first), std::move(entry->second));
        }
    }
    return result;
}

// The same over a dynamic dictionary: the callable gives std::optional<XADictionary::Entry>.
template <typename F> XADictionary map(const XADictionary &dictionary, F &&transform) {
    XADictionary result;
    for (const auto &[key, value] : dictionary) {
        if (std::optional<XADictionary::Entry> entry = std::invoke(transform, key, value)) {
            result.set(std::move(entry->first), std::move(entry->second));
        }
    }
    return result;
}

template <typename T, typename A, typename F> std::vector<T, A> filter(const std::vector<T, A> &array, F &&predicate) {
    std::vector<T, A> result;
    for (const T &element : array) {
        if (std::invoke(predicate, element)) {
            result.push_back(element);
        }
    }
    return result;
}

template <typename T, typename C, typename A, typename F>
std::set<T, C, A> filter(const std::set<T, C, A> &set, F &&predicate) {
    std::set<T, C, A> result;
    for (const T &element : set) {
        if (std::invoke(predicate, element)) {
            result.insert(result.end(), element);
        }
    }
    return result;
}

// Nothing for an empty array; else the first element folded with each following one (one element: no call).
template <typename T, typename A, typename F> std::optional<T> reduce(const std::vector<T, A> &array, F &&combine) {
    if (array.empty()) {
        return std::nullopt;
    }
    T accumulator = array.front();
    for (std::size_t index = 1; index < array.size(); ++index) {
        accumulator = std::invoke(combine, accumulator, array[index]);
    }
    return accumulator;
}

template <std::ranges::input_range Range, typename F>
std::optional<std::ranges::range_value_t<Range>> first(const Range &elements, F &&predicate) {
    for (const auto &element : elements) {
        if (std::invoke(predicate, element)) {
            return element;
        }
    }
    return std::nullopt;
}

template <std::ranges::input_range Range, typename F> bool contains(const Range &elements, F &&predicate) {
    for (const auto &element : elements) {
        if (std::invoke(predicate, element)) {
            return true;
        }
    }
    return false;
}

// The index of the first element the predicate accepts, or XANotFound.
template <typename T, typename A, typename F> std::size_t indexOfFirst(const std::vector<T, A> &array, F &&predicate) {
    for (std::size_t index = 0; index < array.size(); ++index) {
        if (std::invoke(predicate, array[index])) {
            return index;
        }
    }
    return XANotFound;
}

// Nested vectors joined into one, in order, at every depth; XAValue elements holding arrays are opened too.
template <typename T, typename A> auto flattened(const std::vector<T, A> &array) {
    std::vector<typename xa_detail::FlatElement<T>::type> result;
    xa_detail::appendFlattened(result, array);
    return result;
}

// First occurrences, in order.
template <typename T, typename A> std::vector<T, A> arrayWithoutDuplicates(const std::vector<T, A> &array) {
    xa_detail::ValueCounts<T> seen;
    std::vector<T, A> result;
    for (const T &element : array) {
        if (seen.add(element) == 1) {
            result.push_back(element);
        }
    }
    return result;
}

// The present values, unwrapped.
template <typename T, typename A> std::vector<T> arrayWithoutNulls(const std::vector<std::optional<T>, A> &array) {
    std::vector<T> result;
    for (const auto &element : array) {
        if (element) {
            result.push_back(*element);
        }
    }
    return result;
}

template <typename T, typename A>
requires xa_detail::IsPointer<T>::value std::vector<T, A> arrayWithoutNulls(const std::vector<T, A> &array) {
    return filter(array, [](const T &element) { return element != nullptr; });
}

XAValue::Array arrayWithoutNulls(const XAValue::Array &array);

// The texts (or data) that are not empty.
template <typename T, typename A>
requires xa_detail::HasLength<T> std::vector<T, A> arrayWithoutEmpties(const std::vector<T, A> &array) {
    return filter(array, [](const T &element) { return !element.empty(); });
}

// Only non-empty strings and data survive: null, numbers, arrays and dictionaries have no length.
XAValue::Array arrayWithoutEmpties(const XAValue::Array &array);

template <typename T, typename A>
std::vector<T, A> arrayWithoutObject(const std::vector<T, A> &array, const T &object) {
    return filter(array, [&](const T &element) { return !(element == object); });
}

template <typename T, typename A, std::ranges::input_range Objects>
std::vector<T, A> arrayWithoutObjects(const std::vector<T, A> &array, const Objects &objects) {
    auto unwanted = xa_detail::countsOf(objects);
    return filter(array, [&](const T &element) { return unwanted.count(element) == 0; });
}

// From rows of (key, value): an empty row is skipped, a one-element row maps its key to nothing, a later key wins.
template <typename T, typename A, typename RowA>
requires xa_detail::Ordered<T> std::map<T, std::optional<T>>
asDictionary(const std::vector<std::vector<T, RowA>, A> &rows) {
    std::map<T, std::optional<T>> result;
    for (const auto &row : rows) {
        if (!row.empty()) {
            result.insert_or_assign(row[0], row.size() > 1 ? std::optional<T>(row[1]) : std::nullopt);
        }
    }
    return result;
}

// The same over dynamic values: rows are arrays whose first element is a string key; the value of a one-element row
// is null; every other element is skipped.
XADictionary asDictionary(const XAValue::Array &rows);

// The entries as (key, value) pairs in the dictionary's order.
template <typename Map>
requires requires {
    typename Map::key_type;
    typename Map::mapped_type;
}
std::vector<std::pair<typename Map::key_type, typename Map::mapped_type>> pairs(const Map &dictionary) {
    return {dictionary.begin(), dictionary.end()};
}

inline std::vector<XADictionary::Entry> pairs(const XADictionary &dictionary) { return dictionary.entries(); }

// A copy of the first dictionary with the entries of the second added; the second wins on equal keys.
template <typename Map>
requires requires {
    typename Map::key_type;
    typename Map::mapped_type;
}
Map dictionaryByMerging(const Map &dictionary, const Map &other) {
    Map result = dictionary;
    for (const auto &[key, value] : other) {
        result.insert_or_assign(key, value);
    }
    return result;
}

XADictionary dictionaryByMerging(const XADictionary &dictionary, const XADictionary &other);

} // namespace fk

// ---- xa_ family over arrays ----

template <typename T> std::vector<T> xa_arrayOf(const T &value, std::size_t count) {
    return std::vector<T>(count, value);
}

std::string xa_nonEmptyComponentsJoinedWithString(const std::vector<std::string> &components,
                                                  std::string_view separator);
// The styled components one after the other with the separator between each two, every part keeping its
// attributes; no separator joins them directly. (A typed list holds only styled strings: there is nothing to skip.)
XAAttributedString xa_attributedComponentsJoinedByAttributedString(const std::vector<XAAttributedString> &components,
                                                                   const std::optional<XAAttributedString> &separator);

template <std::ranges::sized_range C> bool xa_moreThanOne(const C &collection) {
    return std::ranges::size(collection) > 1;
}
template <std::ranges::sized_range C> bool xa_isEmpty(const C &collection) {
    return std::ranges::size(collection) == 0;
}
template <std::ranges::sized_range C> bool xa_isNotEmpty(const C &collection) {
    return std::ranges::size(collection) != 0;
}

// False for an empty argument; else true when some value of the argument is in the array.
template <typename T, typename A, std::ranges::input_range Values>
bool xa_containsAnyOf(const std::vector<T, A> &array, const Values &values) {
    auto present = xa_detail::countsOf(array);
    return fk::contains(values, [&](const T &value) { return present.count(value) > 0; });
}

// False for an empty argument; else true when every value of the argument is in the array (repeats included).
template <typename T, typename A, std::ranges::input_range Values>
bool xa_containsAllOf(const std::vector<T, A> &array, const Values &values) {
    if (std::ranges::empty(values)) {
        return false;
    }
    auto present = xa_detail::countsOf(array);
    return !fk::contains(values, [&](const T &value) { return present.count(value) == 0; });
}

// The array's elements that the other contains, in the array's order, repeats kept.
template <typename T, typename A>
std::vector<T, A> xa_intersectionWithArray(const std::vector<T, A> &array, const std::vector<T, A> &other) {
    auto wanted = xa_detail::countsOf(other);
    return fk::filter(array, [&](const T &element) { return wanted.count(element) > 0; });
}

// The element right after the first one equal to the value; nothing when the value is absent or last.
template <typename T, typename A> std::optional<T> xa_valueAfterValue(const std::vector<T, A> &array, const T &value) {
    auto found = std::find(array.begin(), array.end(), value);
    if (found == array.end() || std::next(found) == array.end()) {
        return std::nullopt;
    }
    return *std::next(found);
}

// The value met most often; on a tie the one whose first occurrence comes first.
template <typename T, typename A> std::optional<T> xa_mostCommonValue(const std::vector<T, A> &array) {
    auto counts = xa_detail::countsOf(array);
    const T *best = nullptr;
    std::size_t bestCount = 0;
    for (const T &element : array) {
        std::size_t count = counts.count(element);
        if (count > bestCount) {
            best = &element;
            bestCount = count;
        }
    }
    return best ? std::optional<T>(*best) : std::nullopt;
}

template <typename T, typename A> bool xa_valuesAreAllUnique(const std::vector<T, A> &array) {
    return xa_detail::countsOf(array).distinct() == array.size();
}

// Each component as "<tag>component</tag>"; components are inserted verbatim (callers escape them).
std::vector<std::string> xa_componentsWrappedInXMLTag(const std::vector<std::string> &components, std::string_view tag);
std::vector<std::string> xa_htmlListItems(const std::vector<std::string> &components);
// "<ul>" + the list items joined by " " + "</ul>".
std::string xa_asUnorderedHTMLList(const std::vector<std::string> &components);
// Each component between two quotes; an empty quote leaves the components as they are.
std::vector<std::string> xa_componentsQuotedWith(const std::vector<std::string> &components, std::string_view quote);
std::vector<std::string> xa_doubleQuotedComponents(const std::vector<std::string> &components);

// Elements grouped under the key the callable gives, in order within a group; a missing key leaves the element out.
template <typename T, typename A, typename F> auto xa_groupedBy(const std::vector<T, A> &array, F &&keyOf) {
    using Key = xa_detail::UnwrappedT<xa_detail::ResultOf<F, const T &>>;
    std::map<Key, std::vector<T>> groups;
    for (const T &element : array) {
        if (std::optional<Key> key = std::invoke(keyOf, element)) {
            groups[std::move(*key)].push_back(element);
        }
    }
    return groups;
}

// The element with the greatest value of the callable; the first one wins a tie; nothing for an empty array.
template <typename T, typename A, typename F>
std::optional<T> xa_objectWithHighest(const std::vector<T, A> &array, F &&valueOf) {
    const T *best = nullptr;
    std::optional<xa_detail::ResultOf<F, const T &>> bestValue;
    for (const T &element : array) {
        auto value = std::invoke(valueOf, element);
        if (!bestValue || *bestValue < value) {
            best = &element;
            bestValue = std::move(value);
        }
    }
    return best ? std::optional<T>(*best) : std::nullopt;
}

// Elements by the key the callable gives; a missing key leaves the element out, a later element replaces.
template <typename T, typename A, typename F> auto xa_dictionaryWithKeys(const std::vector<T, A> &array, F &&keyOf) {
    using Key = xa_detail::UnwrappedT<xa_detail::ResultOf<F, const T &>>;
    std::map<Key, T> result;
    for (const T &element : array) {
        if (std::optional<Key> key = std::invoke(keyOf, element)) {
            result.insert_or_assign(std::move(*key), element);
        }
    }
    return result;
}

// Every choice of one value from each list, the first list varying slowest. Empty for no lists or an empty list.
template <typename T, typename A, typename ListA>
std::vector<std::vector<T>> xa_permutationsOfValuesInArrays(const std::vector<std::vector<T, ListA>, A> &lists) {
    if (lists.empty()) {
        return {};
    }
    std::vector<std::vector<T>> choices{{}};
    for (const auto &list : lists) {
        std::vector<std::vector<T>> extended;
        extended.reserve(choices.size() * list.size());
        for (const auto &prefix : choices) {
            for (const T &value : list) {
                extended.push_back(prefix);
                extended.back().push_back(value);
            }
        }
        choices = std::move(extended);
    }
    return choices;
}

// The same over dynamic values; an element that is not an array counts as a one-element list.
XAValue::Array xa_permutationsOfValuesInArrays(const XAValue::Array &lists);

// A pair for every i < j, ordered by i then j.
template <typename T, typename A> std::vector<XAPair<T, T>> xa_allPairs(const std::vector<T, A> &array) {
    std::vector<XAPair<T, T>> pairs;
    for (std::size_t i = 0; i < array.size(); ++i) {
        for (std::size_t j = i + 1; j < array.size(); ++j) {
            pairs.emplace_back(array[i], array[j]);
        }
    }
    return pairs;
}

// The elements from the index on; nothing when the index is past the end (the end itself gives an empty array).
template <typename T, typename A>
std::optional<std::vector<T, A>> xa_subarrayFromIndex(const std::vector<T, A> &array, std::size_t index) {
    if (index > array.size()) {
        return std::nullopt;
    }
    return std::vector<T, A>(array.begin() + static_cast<std::ptrdiff_t>(index), array.end());
}

// The first `count` elements, or all of them when there are fewer.
template <typename T, typename A>
std::vector<T, A> xa_subarrayToIndex(const std::vector<T, A> &array, std::size_t count) {
    return std::vector<T, A>(array.begin(), array.begin() + static_cast<std::ptrdiff_t>(std::min(count, array.size())));
}

// Consecutive chunks of the size, the last one holding the rest; empty for size 0.
template <typename T, typename A>
std::vector<std::vector<T, A>> xa_subarraysOfSize(const std::vector<T, A> &array, std::size_t size) {
    std::vector<std::vector<T, A>> chunks;
    if (size == 0) {
        return chunks;
    }
    for (std::size_t start = 0; start < array.size(); start += std::min(size, array.size() - start)) {
        auto from = array.begin() + static_cast<std::ptrdiff_t>(start);
        chunks.emplace_back(from, from + static_cast<std::ptrdiff_t>(std::min(size, array.size() - start)));
    }
    return chunks;
}

// min(size, count) elements at distinct indexes, each ordered selection equally likely, in the order drawn.
template <typename T, typename A, typename Engine>
std::vector<T, A> xa_randomSubarrayOfSize(const std::vector<T, A> &array, std::size_t size, Engine &engine) {
    std::vector<std::size_t> indexes(array.size());
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        indexes[i] = i;
    }
    std::vector<T, A> result;
    std::size_t wanted = std::min(size, array.size());
    result.reserve(wanted);
    for (std::size_t i = 0; i < wanted; ++i) {
        std::uniform_int_distribution<std::size_t> pick(i, indexes.size() - 1);
        std::swap(indexes[i], indexes[pick(engine)]);
        result.push_back(array[indexes[i]]);
    }
    return result;
}

template <typename T, typename A>
std::vector<T, A> xa_randomSubarrayOfSize(const std::vector<T, A> &array, std::size_t size) {
    return xa_randomSubarrayOfSize(array, size, xa_detail::randomEngine());
}

// Fisher-Yates in place: element i is exchanged with one drawn uniformly from i to the end.
template <typename T, typename A, typename Engine> void xa_shuffle(std::vector<T, A> &array, Engine &engine) {
    for (std::size_t i = 0; i + 1 < array.size(); ++i) {
        std::uniform_int_distribution<std::size_t> pick(i, array.size() - 1);
        std::swap(array[i], array[pick(engine)]);
    }
}

template <typename T, typename A> void xa_shuffle(std::vector<T, A> &array) {
    xa_shuffle(array, xa_detail::randomEngine());
}

template <typename T, typename A> std::vector<T, A> xa_shuffledArray(const std::vector<T, A> &array) {
    std::vector<T, A> copy = array;
    xa_shuffle(copy);
    return copy;
}

// Removes the elements the predicate accepts; the predicate sees them from the last to the first.
template <typename T, typename A, typename F> void xa_removeObjectsMatching(std::vector<T, A> &array, F &&predicate) {
    std::vector<bool> remove(array.size());
    for (std::size_t i = array.size(); i-- > 0;) {
        remove[i] = static_cast<bool>(std::invoke(predicate, array[i]));
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < array.size(); ++i) {
        if (!remove[i]) {
            if (kept != i) {
                array[kept] = std::move(array[i]);
            }
            ++kept;
        }
    }
    array.erase(array.begin() + static_cast<std::ptrdiff_t>(kept), array.end());
}

// ---- value trees ----

// Depth first, every value of the type, descending into arrays and dictionary values not themselves of that type.
std::vector<XAValue> xa_leafObjectsOfClass(const XAValue::Array &array, XAValue::Type type);
std::vector<XAValue> xa_leafObjectsOfClass(const XADictionary &dictionary, XAValue::Type type);

// Copies without null values (array elements, dictionary entries) at every depth.
XAValue::Array xa_withoutNilValues(const XAValue::Array &array);
XADictionary xa_withoutNilValues(const XADictionary &dictionary);

// ---- sets ----

template <typename T, typename A> std::set<T> xa_setWithArray(const std::vector<T, A> &array) {
    return std::set<T>(array.begin(), array.end());
}

// The values that every set holds; empty when there is no set.
template <typename T, typename C, typename A>
std::set<T, C> xa_valuesPresentInAllSets(const std::vector<std::set<T, C>, A> &sets) {
    if (sets.empty()) {
        return {};
    }
    std::set<T, C> common = sets.front();
    for (std::size_t i = 1; i < sets.size(); ++i) {
        std::erase_if(common, [&](const T &value) { return !sets[i].contains(value); });
    }
    return common;
}

template <typename T, typename C, typename A>
std::set<T> xa_setWithoutNull(const std::set<std::optional<T>, C, A> &set) {
    std::set<T> result;
    for (const auto &value : set) {
        if (value) {
            result.insert(*value);
        }
    }
    return result;
}
