#include "app/shell/XAOperation.h"

void XAOperation::start() {
    main();
    finished_.store(true);
    std::lock_guard lock(observersMutex_);
    const auto observers = observers_;
    for (const auto &entry : observers) {
        entry.second(*this);
    }
}

std::uint64_t XAOperation::addFinishedObserver(FinishedObserver observer) {
    std::lock_guard lock(observersMutex_);
    const std::uint64_t token = nextToken_++;
    observers_.emplace_back(token, std::move(observer));
    return token;
}

void XAOperation::removeFinishedObserver(std::uint64_t token) {
    std::lock_guard lock(observersMutex_);
    std::erase_if(observers_, [token](const auto &entry) { return entry.first == token; });
}
