#pragma once

// The store in which rules keep what must outlive one call during a checking run: lists, sets, dictionaries and
// plain values under keys that each rule chooses ("NSLogUsed_warnedDeclarationsSet", "UsedObjCMethods"). The
// per-cursor calls of rules come from many parsing threads at once, so every operation holds the store's one lock
// for its whole duration and is atomic with respect to all others; there is no lock across two operations, so a
// rule that must test and add in one step uses addValueAndReturnWhetherItAlreadyExisted.
//
// Lists are std::vector, sets std::set and dictionaries std::map of the value types the rule uses; the ordered
// containers keep what rules later report in a stable order. Lists, sets, dictionaries and plain values share one
// key space. An operation on a key that holds a value of another type is a fault of the rule: it is logged and
// changes nothing.

#include <any>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

class XARuleStateStore {
public:
    XARuleStateStore() { state_.reserve(kInitialCapacity); }
    XARuleStateStore(const XARuleStateStore &) = delete;
    XARuleStateStore &operator=(const XARuleStateStore &) = delete;

    // Stores the value under the key, replacing whatever was there.
    template <typename T> void setObject(T object, const std::string &key) {
        std::lock_guard lock(mutex_);
        state_.insert_or_assign(key, std::any(std::move(object)));
    }
    void removeObjectForStateKey(const std::string &key);
    bool containsObjectForStateKey(const std::string &key) const;

    // Appends to the list under the key, creating it when absent.
    template <typename T> void addValueToStateList(T value, const std::string &key) {
        std::lock_guard lock(mutex_);
        if (std::vector<T> *list = containerForKey<std::vector<T>>(key)) {
            list->push_back(std::move(value));
        }
    }
    template <typename T> void addValuesFromArrayToStateList(const std::vector<T> &values, const std::string &key) {
        std::lock_guard lock(mutex_);
        if (std::vector<T> *list = containerForKey<std::vector<T>>(key)) {
            list->insert(list->end(), values.begin(), values.end());
        }
    }

    // Adds to the set under the key, creating it when absent.
    template <typename T> void addValueToStateSet(T value, const std::string &key) {
        addValueAndReturnWhetherItAlreadyExisted(std::move(value), key);
    }
    // The same; true when an equal value was already there (and nothing was added).
    template <typename T> bool addValueAndReturnWhetherItAlreadyExisted(T value, const std::string &key) {
        std::lock_guard lock(mutex_);
        std::set<T> *set = containerForKey<std::set<T>>(key);
        return set && !set->insert(std::move(value)).second;
    }
    template <typename T> void addValuesFromSetToStateSet(const std::set<T> &values, const std::string &key) {
        std::lock_guard lock(mutex_);
        if (std::set<T> *set = containerForKey<std::set<T>>(key)) {
            set->insert(values.begin(), values.end());
        }
    }

    // Sets dictionaryKey -> value in the dictionary under the state key, creating it when absent; nothing happens
    // without a dictionary key.
    template <typename K, typename V>
    void addValueForKeyToStateDict(V value, const std::optional<K> &dictionaryKey, const std::string &stateKey) {
        if (!dictionaryKey) {
            return;
        }
        std::lock_guard lock(mutex_);
        if (std::map<K, V> *dictionary = containerForKey<std::map<K, V>>(stateKey)) {
            dictionary->insert_or_assign(*dictionaryKey, std::move(value));
        }
    }

    // A copy of what the key holds, safe to read without the lock; no value when the key is absent (or holds
    // another type).
    template <typename T> std::optional<T> copyOfObjectFromStateKey(const std::string &key) const {
        std::lock_guard lock(mutex_);
        const T *object = objectForKey<T>(key);
        return object ? std::optional<T>(*object) : std::nullopt;
    }
    template <typename T> std::optional<std::vector<T>> copyOfStateList(const std::string &key) const {
        return copyOfObjectFromStateKey<std::vector<T>>(key);
    }
    template <typename T> std::optional<std::set<T>> copyOfStateSet(const std::string &key) const {
        return copyOfObjectFromStateKey<std::set<T>>(key);
    }
    template <typename K, typename V> std::optional<std::map<K, V>> copyOfStateDict(const std::string &key) const {
        return copyOfObjectFromStateKey<std::map<K, V>>(key);
    }

    // The live value under the key, without the lock: read it only when no other thread can still change the entry
    // (in the after-code phase, when all files are done). Null when absent.
    template <typename T> const T *dangerousNonCopyingReferenceToObjectFromStateKey(const std::string &key) const {
        std::lock_guard lock(mutex_);
        return objectForKey<T>(key);
    }

private:
    static constexpr std::size_t kInitialCapacity = 500;
    static constexpr std::size_t kInitialListCapacity = 1000;

    static void logTypeMismatch(const std::string &key, const std::type_info &stored, const std::type_info &wanted);

    // The container under the key, created when absent; null (and logged) when the key holds another type. Called
    // with the lock held.
    template <typename Container> Container *containerForKey(const std::string &key) {
        auto [entry, inserted] = state_.try_emplace(key);
        if (inserted) {
            Container container;
            if constexpr (requires { container.reserve(kInitialListCapacity); }) {
                container.reserve(kInitialListCapacity);
            }
            entry->second = std::move(container);
        }
        Container *container = std::any_cast<Container>(&entry->second);
        if (!container) {
            logTypeMismatch(key, entry->second.type(), typeid(Container));
        }
        return container;
    }

    template <typename T> const T *objectForKey(const std::string &key) const {
        auto entry = state_.find(key);
        if (entry == state_.end()) {
            return nullptr;
        }
        const T *object = std::any_cast<T>(&entry->second);
        if (!object) {
            logTypeMismatch(key, entry->second.type(), typeid(T));
        }
        return object;
    }

    mutable std::mutex mutex_;
    std::unordered_map<std::string, std::any> state_;
};
