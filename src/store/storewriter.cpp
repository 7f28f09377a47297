#include "store/storewriter.h"

#include "core/strings/cformat.h"
#include "store/eventstamp.h"

namespace spectavo::store {

StoreWriter::StoreWriter(Opener open, StateListener listener, std::chrono::milliseconds retryEvery,
                         std::string outboxPath)
    : m_open(std::move(open)), m_listener(std::move(listener)), m_retryEvery(retryEvery),
      m_outboxPath(std::move(outboxPath)) {
    m_thread = std::thread([this] { run(); });
}

StoreWriter::~StoreWriter() {
    // A store that takes work gets a moment to take the rest; a refusing one would only delay the end.
    if (state().online)
        flush(std::chrono::milliseconds(3000));
    {
        std::lock_guard guard(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void StoreWriter::post(NewEvent event) {
    post(Work(std::move(event)));
}

void StoreWriter::post(ResultRecord result) {
    post(Work(std::move(result)));
}

void StoreWriter::post(Work work) {
    stampWork(work);
    {
        std::lock_guard guard(m_mutex);
        m_queue.push_back(std::move(work));
        countWaitingLocked();
    }
    m_changed.notify_all();
}

bool StoreWriter::flush(std::chrono::milliseconds limit) {
    std::unique_lock lock(m_mutex);
    m_changed.notify_all();
    return m_changed.wait_for(
        lock, limit, [this] { return m_outboxRead && m_queue.empty() && m_inOutbox == 0 && !m_telling; });
}

std::string StoreWriter::headText() const {
    std::lock_guard guard(m_mutex);
    return m_head;
}

WriterState StoreWriter::state() const {
    std::lock_guard guard(m_mutex);
    return m_state;
}

// Writes the oldest waiting work; on a refusal keeps it, puts what waits in memory into the outbox,
// and waits before the next attempt. At the end, what is still in memory goes to the outbox too.
void StoreWriter::run() {
    openOutbox();
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_queue.empty() || m_inOutbox > 0 || !m_store; });
        if (m_stopping) {
            spillToOutbox(lock);
            return;
        }
        lock.unlock();
        std::optional<std::int64_t> fromOutbox;
        const std::optional<Work> work = nextWork(fromOutbox);
        const bool written = writeOne(work ? *work : Work{});
        if (written && work)
            doneWith(fromOutbox);
        lock.lock();
        if (!written)
            spillToOutbox(lock);
        countWaitingLocked();
        tellLocked(lock);
        if (!written)
            waitBeforeRetry(lock);
    }
}

void StoreWriter::openOutbox() {
    // Until the outbox is read, nobody can say that nothing waits.
    const auto read = [this] {
        std::lock_guard guard(m_mutex);
        m_outboxRead = true;
    };
    if (m_outboxPath.empty())
        return read();
    try {
        m_outbox = std::make_unique<Outbox>(m_outboxPath);
        const std::size_t waiting = m_outbox->count();
        std::lock_guard guard(m_mutex);
        m_inOutbox = waiting;
        countWaitingLocked();
    } catch (const std::exception &error) {
        // Without the file the work waits in memory, as it does for the embedded store.
        m_outbox.reset();
        std::lock_guard guard(m_mutex);
        m_state.problem = error.what();
    }
    read();
}

std::optional<StoreWriter::Work> StoreWriter::nextWork(std::optional<std::int64_t> &fromOutbox) {
    bool outboxFirst = false;
    {
        std::lock_guard guard(m_mutex);
        outboxFirst = m_inOutbox > 0;
    }
    if (outboxFirst && m_outbox) {
        try {
            if (const auto waiting = m_outbox->front()) {
                fromOutbox = waiting->position;
                if (waiting->work)
                    return waiting->work;
                // Bytes in the file that are no work: the trail says they were dropped.
                return NewEvent{accountName(), "store work unreadable",
                                m_outbox->path() + " #" + std::to_string(waiting->position)};
            }
        } catch (const std::exception &) {
            // The memory queue goes on; the file's work stays there for a later start.
        }
        std::lock_guard guard(m_mutex);
        m_inOutbox = 0;
    }
    std::lock_guard guard(m_mutex);
    if (m_queue.empty())
        return std::nullopt;
    return m_queue.front();
}

void StoreWriter::doneWith(const std::optional<std::int64_t> &fromOutbox) {
    if (fromOutbox) {
        try {
            m_outbox->take(*fromOutbox);
        } catch (const std::exception &) {
            // Sent again later, it is stored once: its id is already in the store.
        }
        std::lock_guard guard(m_mutex);
        if (m_inOutbox > 0)
            --m_inOutbox;
        return;
    }
    std::lock_guard guard(m_mutex);
    m_queue.pop_front();
}

bool StoreWriter::spillToOutbox(std::unique_lock<std::mutex> &lock) {
    if (!m_outbox || m_queue.empty())
        return false;
    const std::vector<Work> spilled(m_queue.begin(), m_queue.end());
    lock.unlock();
    bool kept = true;
    try {
        m_outbox->put(spilled);
    } catch (const std::exception &) {
        kept = false;
    }
    lock.lock();
    if (kept) {
        // Work posted meanwhile stays behind the spilled work, in memory, for the next spill.
        m_queue.erase(m_queue.begin(), m_queue.begin() + static_cast<std::ptrdiff_t>(spilled.size()));
        m_inOutbox += spilled.size();
    }
    countWaitingLocked();
    return kept;
}

void StoreWriter::countWaitingLocked() {
    m_state.waiting = m_queue.size() + m_inOutbox;
}

// The listener hears of the state before a flush may return on it.
void StoreWriter::tellLocked(std::unique_lock<std::mutex> &lock) {
    const WriterState now = m_state;
    m_telling = true;
    lock.unlock();
    if (m_listener)
        m_listener(now);
    lock.lock();
    m_telling = false;
    m_changed.notify_all();
}

// A refused store is not asked again before the pause is over; work posted meanwhile is counted and
// said at once, so the operator sees what waits.
void StoreWriter::waitBeforeRetry(std::unique_lock<std::mutex> &lock) {
    const auto retryAt = std::chrono::steady_clock::now() + m_retryEvery;
    std::size_t told = m_queue.size();
    while (m_changed.wait_until(lock, retryAt, [&] { return m_stopping || m_queue.size() != told; })) {
        if (m_stopping)
            return;
        told = m_queue.size();
        countWaitingLocked();
        tellLocked(lock);
    }
}

// On the writer thread: opens the store when it is not open, then writes one piece of work. An event
// without a kind is no work: the store is only opened (at start, and while it cannot be).
bool StoreWriter::writeOne(const Work &work) {
    try {
        if (!m_store)
            m_store = m_open();
        // The head follows from the event just written; only a result (whose event the store makes) or
        // the first opening asks the store for it.
        const NewEvent *event = std::get_if<NewEvent>(&work);
        std::optional<AuditEvent> head;
        if (event && !event->kind.empty()) {
            head = m_store->appendEvent(*event);
        } else {
            if (!event)
                m_store->storeResult(std::get<ResultRecord>(work));
            head = m_store->headEvent();
        }
        if (head) {
            std::lock_guard guard(m_mutex);
            m_head = strings::formatC("Audit trail: event %d, %s", static_cast<int>(head->sequence),
                                      head->hash.substr(0, 16).c_str());
        }
        std::lock_guard guard(m_mutex);
        m_state.online = true;
        m_state.problem.clear();
    } catch (const std::exception &error) {
        // Whatever the store or the system refuses, the work stays queued and the thread goes on. The
        // store is opened afresh next time: a connection that broke does not come back by itself.
        m_store.reset();
        std::lock_guard guard(m_mutex);
        m_state.online = false;
        m_state.problem = error.what();
    }
    std::lock_guard guard(m_mutex);
    return m_state.online;
}

} // namespace spectavo::store
