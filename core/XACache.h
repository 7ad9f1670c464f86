#pragma once

#include "core/XAError.h"

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

// Remembers the results of an expensive lookup by key, computing each only when first asked for. A lookup that
// fails is not remembered, so the next request tries again, but its error is kept so that the caller can tell why
// the latest attempt failed. An absent key is handed to the generator on every request and nothing is stored for it.
//
// Safe for concurrent callers. The generator runs without the cache's lock held, so a slow lookup delays only its
// own caller and a generator may itself use other caches (or this one, for other keys) without deadlock. Two
// threads that ask for the same missing key at the same moment may both run the generator; the first value stored
// wins and both callers get it.
template <typename Key, typename Value> class XACache {
public:
    // Maps a key (absent for "no key") to its value, or to no value and, when it can tell why, an error.
    using Generator = std::function<std::optional<Value>(const std::optional<Key> &, XAError *)>;

    explicit XACache(Generator generator) : generator_(std::move(generator)) {}

    XACache(const XACache &) = delete;
    XACache &operator=(const XACache &) = delete;

    std::optional<Value> objectForKey(const std::optional<Key> &key) {
        if (key) {
            std::lock_guard lock(mutex_);
            if (auto found = values_.find(*key); found != values_.end()) {
                return found->second;
            }
        }
        std::optional<XAError> error;
        std::optional<Value> value = generate(key, error);
        if (!key) {
            return value;
        }
        std::lock_guard lock(mutex_);
        if (value) {
            return values_.try_emplace(*key, std::move(*value)).first->second;
        }
        if (error) {
            errors_.insert_or_assign(*key, std::move(*error));
        }
        return std::nullopt;
    }

    // The error of the latest failed generation for the key. It stays after a later success, so ask for it only
    // when objectForKey has just given no value.
    std::optional<XAError> latestErrorForKey(const Key &key) const {
        std::lock_guard lock(mutex_);
        if (auto found = errors_.find(key); found != errors_.end()) {
            return found->second;
        }
        return std::nullopt;
    }

private:
    // Runs the generator; `error` is set when the generator filled its error slot (an error left at its default,
    // without message or code, counts as none).
    std::optional<Value> generate(const std::optional<Key> &key, std::optional<XAError> &error) const {
        if (!generator_) {
            return std::nullopt;
        }
        XAError slot;
        std::optional<Value> value = generator_(key, &slot);
        if (!value && (!slot.message.empty() || slot.code != 0)) {
            error = std::move(slot);
        }
        return value;
    }

    const Generator generator_;
    mutable std::mutex mutex_;
    std::map<Key, Value> values_;
    std::map<Key, XAError> errors_;
};
