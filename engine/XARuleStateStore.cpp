#include "engine/XARuleStateStore.h"

#include "core/XALog.h"

void XARuleStateStore::removeObjectForStateKey(const std::string &key) {
    std::lock_guard lock(mutex_);
    state_.erase(key);
}

bool XARuleStateStore::containsObjectForStateKey(const std::string &key) const {
    std::lock_guard lock(mutex_);
    return state_.contains(key);
}

void XARuleStateStore::logTypeMismatch(const std::string &key, const std::type_info &stored,
                                       const std::type_info &wanted) {
    XALog(XALogLevelError, "Rule state '%s' holds a %s, not a %s; the operation is ignored", key.c_str(), stored.name(),
          wanted.name());
}
