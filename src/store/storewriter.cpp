#include "store/storewriter.h"

#include "core/strings/cformat.h"

namespace spectavo::store {

StoreWriter::StoreWriter(Opener open, StateListener listener, std::chrono::milliseconds retryEvery)
    : m_open(std::move(open)), m_listener(std::move(listener)), m_retryEvery(retryEvery) {
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
    {
        std::lock_guard guard(m_mutex);
        m_queue.emplace_back(std::move(event));
        m_state.waiting = m_queue.size();
    }
    m_changed.notify_all();
}

void StoreWriter::post(ResultRecord result) {
    {
        std::lock_guard guard(m_mutex);
        m_queue.emplace_back(std::move(result));
        m_state.waiting = m_queue.size();
    }
    m_changed.notify_all();
}

bool StoreWriter::flush(std::chrono::milliseconds limit) {
    std::unique_lock lock(m_mutex);
    m_changed.notify_all();
    return m_changed.wait_for(lock, limit, [this] { return m_queue.empty() && !m_telling; });
}

std::string StoreWriter::headText() const {
    std::lock_guard guard(m_mutex);
    return m_head;
}

WriterState StoreWriter::state() const {
    std::lock_guard guard(m_mutex);
    return m_state;
}

// Writes the front of the queue; on a refusal keeps it there and waits before the next attempt.
void StoreWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_queue.empty() || !m_store; });
        if (m_stopping)
            return;
        const std::optional<Work> work =
            m_queue.empty() ? std::nullopt : std::optional<Work>(m_queue.front());
        lock.unlock();
        const bool written = writeOne(work ? *work : Work{});
        lock.lock();
        if (written && work) {
            m_queue.pop_front();
            m_state.waiting = m_queue.size();
        }
        tellLocked(lock);
        if (!written)
            waitBeforeRetry(lock);
    }
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
        m_state.waiting = told;
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
        // Whatever the store or the system refuses, the work stays queued and the thread goes on.
        std::lock_guard guard(m_mutex);
        m_state.online = false;
        m_state.problem = error.what();
    }
    std::lock_guard guard(m_mutex);
    return m_state.online;
}

} // namespace spectavo::store
