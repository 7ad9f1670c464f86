#include "core/XAMessageQueue.h"

XAMessageQueue::XAMessageQueue() : store_(std::make_shared<Store>()) {
    std::weak_ptr<Store> weakStore = store_;
    progressHandler_ = [weakStore](const XAProgressMessage &message) {
        if (std::shared_ptr<Store> store = weakStore.lock()) {
            std::lock_guard lock(store->mutex);
            store->messages.push_back(message);
        }
    };
}

std::vector<XAProgressMessage> XAMessageQueue::errorProgressMessages() const {
    std::vector<XAProgressMessage> errors;
    for (const XAProgressMessage &message : allProgressMessages()) {
        if (message.isError()) {
            errors.push_back(message);
        }
    }
    return errors;
}

std::string XAMessageQueue::formattedErrorMessages() const {
    std::string text;
    for (const XAProgressMessage &message : errorProgressMessages()) {
        if (!text.empty()) {
            text += "\n";
        }
        text += "• " + message.logMessage();
    }
    return text;
}
