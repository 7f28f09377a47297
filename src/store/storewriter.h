#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <variant>

#include "store/outbox.h"
#include "store/resultstore.h"
#include "store/storework.h"

namespace spectavo::store {

// What the writer says of the store, on its own thread: whether the store takes the work, and how
// much waits in memory for it.
struct WriterState {
    bool online = false;
    std::size_t waiting = 0;
    // Why the store does not take the work; empty while it does.
    std::string problem;
};

// Takes results and events from the user-interface thread without waiting for the store: a thread
// of its own opens the store and writes them in their order. Work the store refuses (it cannot be
// opened, the server is down, the disk is full) waits and is tried again: in memory, or, given an
// outbox file, in that file, which the next program sends when this one ends first. Each piece gets
// its unique id when posted, so a piece sent again after a lost answer is stored once.
class StoreWriter {
public:
    using Opener = std::function<std::unique_ptr<ResultStore>()>;
    using StateListener = std::function<void(const WriterState &)>;

    // `retryEvery`: how long a refused write waits before the next attempt.
    StoreWriter(Opener open, StateListener listener,
                std::chrono::milliseconds retryEvery = std::chrono::milliseconds(5000),
                std::string outboxPath = {});
    // Lets a store that takes work write the rest of the queue (for a few seconds at most), then stops.
    ~StoreWriter();
    StoreWriter(const StoreWriter &) = delete;
    StoreWriter &operator=(const StoreWriter &) = delete;

    void post(NewEvent event);
    void post(ResultRecord result);
    // Waits until the queue is written or the limit passes; true when it was written.
    bool flush(std::chrono::milliseconds limit);
    // The trail's head as last written: "Audit trail: event %d, %s", or empty before any event.
    std::string headText() const;
    WriterState state() const;

private:
    using Work = StoreWork;
    void run();
    void post(Work work);
    // The oldest waiting work: the outbox's first, else the memory queue's.
    std::optional<Work> nextWork(std::optional<std::int64_t> &fromOutbox);
    void doneWith(const std::optional<std::int64_t> &fromOutbox);
    // Moves the work waiting in memory to the outbox, when there is one; false when it cannot.
    bool spillToOutbox(std::unique_lock<std::mutex> &lock);
    void openOutbox();
    void countWaitingLocked();
    bool writeOne(const Work &work);
    void tellLocked(std::unique_lock<std::mutex> &lock);
    void waitBeforeRetry(std::unique_lock<std::mutex> &lock);

    Opener m_open;
    StateListener m_listener;
    std::chrono::milliseconds m_retryEvery;
    std::unique_ptr<ResultStore> m_store; // the writer thread's only
    std::string m_outboxPath;
    std::unique_ptr<Outbox> m_outbox; // the writer thread's only
    std::size_t m_inOutbox = 0;       // guarded by the mutex
    bool m_outboxRead = false;        // guarded by the mutex

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Work> m_queue;
    bool m_stopping = false;
    bool m_telling = false;
    WriterState m_state;
    std::string m_head;
    std::thread m_thread;
};

} // namespace spectavo::store
