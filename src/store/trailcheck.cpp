// Checking a whole trail: reading the events and hashing them take about as long each, so a second
// thread hashes and checks one batch while the store reads the next.

#include <array>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "store/resultstore.h"

namespace spectavo::store {
namespace {

constexpr std::size_t kBatch = 2048;

// Checks events in order, and says whether the anchored event is there unchanged.
class TrailChecker {
public:
    explicit TrailChecker(const std::optional<ChainAnchor> &anchor) : m_anchor(anchor) {}

    bool accept(const AuditEvent &event) {
        if (!m_verifier.accept(event)) {
            m_check.holds = false;
            m_check.problem = m_verifier.problem();
            return false;
        }
        if (m_anchor && event.sequence == m_anchor->sequence) {
            m_anchorSeen = true;
            if (event.hash.compare(0, m_anchor->hashPrefix.size(), m_anchor->hashPrefix) != 0) {
                m_check.holds = false;
                m_check.problem =
                    "event " + std::to_string(event.sequence) + ": it is not the anchored event";
                return false;
            }
        }
        return true;
    }

    TrailCheck result() {
        m_check.events = m_verifier.checked();
        if (m_check.holds && m_anchor && !m_anchorSeen) {
            m_check.holds = false;
            m_check.problem =
                "event " + std::to_string(m_anchor->sequence) + ": the trail no longer holds it";
        }
        return m_check;
    }

private:
    std::optional<ChainAnchor> m_anchor;
    ChainVerifier m_verifier;
    TrailCheck m_check;
    bool m_anchorSeen = false;
};

// Two batches of events: the store fills one while the checker's thread works through the other.
class BatchPipe {
public:
    struct Batch {
        std::vector<AuditEvent> events = std::vector<AuditEvent>(kBatch);
        std::size_t count = 0;
    };

    // The reader's side: the batch to fill next (waits until the checker has given it back).
    Batch &toFill() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_full[m_fill]; });
        return m_batches[m_fill];
    }
    void filled(bool last) {
        {
            std::lock_guard guard(m_mutex);
            m_full[m_fill] = true;
            m_last[m_fill] = last;
            m_fill ^= 1;
        }
        m_changed.notify_all();
    }
    // The checker's side: the next full batch, whether it is the last, and giving it back.
    Batch &toCheck(bool &last) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_full[m_check]; });
        last = m_last[m_check];
        return m_batches[m_check];
    }
    void checked() {
        {
            std::lock_guard guard(m_mutex);
            m_full[m_check] = false;
            m_check ^= 1;
        }
        m_changed.notify_all();
    }
    void stop() { m_stopped.store(true); }
    bool stopped() const { return m_stopped.load(); }

private:
    std::array<Batch, 2> m_batches;
    std::array<bool, 2> m_full{};
    std::array<bool, 2> m_last{};
    int m_fill = 0;
    int m_check = 0;
    std::atomic<bool> m_stopped{false};
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

void checkBatches(BatchPipe &pipe, TrailChecker &checker) {
    for (bool last = false; !last;) {
        BatchPipe::Batch &batch = pipe.toCheck(last);
        for (std::size_t i = 0; i < batch.count && !pipe.stopped(); ++i)
            if (!checker.accept(batch.events[i]))
                pipe.stop(); // the reader stops at its next event
        pipe.checked();
    }
}

} // namespace

TrailCheck verifyTrail(ResultStore &store, const std::optional<ChainAnchor> &anchor) {
    TrailChecker checker(anchor);
    BatchPipe pipe;
    std::thread checking([&pipe, &checker] { checkBatches(pipe, checker); });
    BatchPipe::Batch *batch = &pipe.toFill();
    batch->count = 0;
    try {
        store.visitEvents({}, [&](const AuditEvent &event) {
            batch->events[batch->count++] = event;
            if (batch->count == kBatch) {
                pipe.filled(false);
                batch = &pipe.toFill();
                batch->count = 0;
            }
            return !pipe.stopped();
        });
    } catch (...) {
        pipe.filled(true);
        checking.join();
        throw;
    }
    pipe.filled(true);
    checking.join();
    return checker.result();
}

} // namespace spectavo::store
