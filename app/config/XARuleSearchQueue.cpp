#include "app/config/XARuleSearchQueue.h"

#include "app/config/XARuleSearchRows.h"
#include "app/shell/XADispatch.h"

XARuleSearchQueue::XARuleSearchQueue()
    : search_(XARulesForSearchText), self_(std::make_shared<XARuleSearchQueue *>(this)) {}

XARuleSearchQueue::~XARuleSearchQueue() {
    *self_ = nullptr;
    pool_.clear();
    pool_.waitForDone();
}

void XARuleSearchQueue::search(XARuleList rules, std::string text, QObject *receiver, Apply apply) {
    const std::uint64_t generation = ++generation_;
    pool_.clear(); // searches that have not started yet are not needed any more
    std::weak_ptr<XARuleSearchQueue *> weakSelf = self_;
    QPointer<QObject> weakReceiver(receiver);
    pool_.start([search = search_, rules = std::move(rules), text = std::move(text), generation, weakSelf, weakReceiver,
                 apply = std::move(apply)]() mutable {
        XARuleList rows = search(rules, text);
        XADispatchToMain([rows = std::move(rows), generation, weakSelf, weakReceiver, apply = std::move(apply)] {
            const std::shared_ptr<XARuleSearchQueue *> self = weakSelf.lock();
            if (!self || !*self || !weakReceiver || (*self)->generation_ != generation) {
                return;
            }
            apply(rows);
        });
    });
}
