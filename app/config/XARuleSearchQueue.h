#pragma once

// Runs the rule searches of the rule selection sheet on a thread pool of its own. Every search is tagged with a
// generation number; a newer search drops the queued older ones, and only the newest search's rows are handed to
// the GUI thread, where the generation is compared.

#include "app/config/XARuleSelectionState.h"

#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class XARuleSearchQueue {
public:
    using Search = std::function<XARuleList(const XARuleList &rules, const std::string &text)>;
    using Apply = std::function<void(XARuleList rows)>;

    XARuleSearchQueue();
    ~XARuleSearchQueue();

    // The search function; XARulesForSearchText unless tests set another.
    void setSearch(Search search) { search_ = std::move(search); }

    // Searches the rules on the pool; `apply` runs on the GUI thread with the rows, unless a newer search has
    // started by then or `receiver` is gone.
    void search(XARuleList rules, std::string text, QObject *receiver, Apply apply);
    std::uint64_t generation() const { return generation_; }
    QThreadPool &pool() { return pool_; }

private:
    Search search_;
    QThreadPool pool_;
    std::uint64_t generation_ = 0; // read and written on the GUI thread only
    // Lets a result posted after the queue is gone find that out.
    std::shared_ptr<XARuleSearchQueue *> self_;
};
