#pragma once

// The progress messages of one checking run, recorded by kind in their order of arrival. Messages come from any of
// the run's threads; each is stored before its sender goes on, so the record is complete when the run's completion
// is called.

#include "core/XAProgressMessage.h"

#include <map>
#include <mutex>
#include <optional>
#include <vector>

class XAProgressMessageRecord {
public:
    void record(const XAProgressMessage &message) {
        std::lock_guard lock(mutex_);
        messagesByKind_[message.kind()].push_back(message);
    }
    // A copy of the messages of the kind; no value when none was recorded.
    std::optional<std::vector<XAProgressMessage>> messagesOfKind(XAProgressMessageKind kind) const {
        std::lock_guard lock(mutex_);
        auto found = messagesByKind_.find(kind);
        return found == messagesByKind_.end() ? std::nullopt : std::optional(found->second);
    }

private:
    mutable std::mutex mutex_;
    std::map<XAProgressMessageKind, std::vector<XAProgressMessage>> messagesByKind_;
};
