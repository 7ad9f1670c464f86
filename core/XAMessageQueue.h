#pragma once

// Collects the progress messages of an operation for whoever reads them once it has returned.
//
// The queue's handler may be called from many threads at once; each call stores its message before it returns. The
// handler holds the queue's store weakly: once the queue is gone, calling a handler that outlived it does nothing.

#include "core/XAProgressMessage.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class XAMessageQueue {
public:
    XAMessageQueue();
    XAMessageQueue(const XAMessageQueue &) = delete;
    XAMessageQueue &operator=(const XAMessageQueue &) = delete;
    static std::shared_ptr<XAMessageQueue> queue() { return std::make_shared<XAMessageQueue>(); }

    const XAProgressHandler &progressHandler() const { return progressHandler_; }

    // The messages received, in arrival order. Read it after the producers have finished.
    const std::vector<XAProgressMessage> &allProgressMessages() const { return store_->messages; }
    // The messages that are errors (kinds 3 and 13), in arrival order.
    std::vector<XAProgressMessage> errorProgressMessages() const;
    // Each error's log line as "• <line>", joined by line breaks; "" when there is no error.
    std::string formattedErrorMessages() const;

private:
    struct Store {
        std::mutex mutex;
        std::vector<XAProgressMessage> messages;
    };
    std::shared_ptr<Store> store_;
    XAProgressHandler progressHandler_;
};
