#include "engine/XAOperationProgress.h"

XAOperationProgressObservation::XAOperationProgressObservation(XAOperationProgressObservation &&other) noexcept
    : observers_(std::move(other.observers_)), identifier_(other.identifier_) {
    other.identifier_ = 0;
}

XAOperationProgressObservation &
XAOperationProgressObservation::operator=(XAOperationProgressObservation &&other) noexcept {
    if (this != &other) {
        cancel();
        observers_ = std::move(other.observers_);
        identifier_ = other.identifier_;
        other.identifier_ = 0;
    }
    return *this;
}

bool XAOperationProgressObservation::isActive() const {
    const std::shared_ptr<Observers> observers = observers_.lock();
    if (!observers || identifier_ == 0) {
        return false;
    }
    std::lock_guard lock(observers->mutex);
    for (const auto &entry : observers->entries) {
        if (entry.first == identifier_) {
            return true;
        }
    }
    return false;
}

void XAOperationProgressObservation::cancel() {
    const std::shared_ptr<Observers> observers = observers_.lock();
    observers_.reset();
    if (!observers || identifier_ == 0) {
        return;
    }
    std::lock_guard lock(observers->mutex);
    std::erase_if(observers->entries, [this](const auto &entry) { return entry.first == identifier_; });
    identifier_ = 0;
}

XAOperationProgress::XAOperationProgress()
    : observers_(std::make_shared<XAOperationProgressObservation::Observers>()) {}

void XAOperationProgress::setTotalUnitCount(std::int64_t count) {
    total_.store(count, std::memory_order_relaxed);
    notifyObservers();
}

void XAOperationProgress::setCompletedUnitCount(std::int64_t count) {
    completed_.store(count, std::memory_order_relaxed);
    notifyObservers();
}

XAOperationProgressState XAOperationProgress::state() const {
    return {totalUnitCount(), completedUnitCount(), isIndeterminate()};
}

XAOperationProgressObservation XAOperationProgress::observe(Observer observer) {
    std::lock_guard lock(observers_->mutex);
    const std::uint64_t identifier = observers_->nextIdentifier++;
    observers_->entries.emplace_back(identifier, std::move(observer));
    return XAOperationProgressObservation(observers_, identifier);
}

void XAOperationProgress::notifyObservers() {
    std::lock_guard lock(observers_->mutex);
    if (observers_->entries.empty()) {
        return;
    }
    const XAOperationProgressState current = state();
    // A copy, since an observer may cancel its own observation (the recursive mutex lets it).
    const auto entries = observers_->entries;
    for (const auto &entry : entries) {
        entry.second(current);
    }
}
