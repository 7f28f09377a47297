#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <limits>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/link/linkwatch.h"
#include "core/link/stationlink.h"

namespace spectavo::cli {

// Collects the link's notifications so the command line can wait for the one it needs. A wait also
// ends when the watch says the instrument has gone (silent, device lost, link offline): no command
// waits out its whole time for an instrument that no longer answers.
class Waiter : public link::NotifyTarget {
public:
    using Watch = std::function<link::LinkWatch::State()>;
    void post(const link::Notification &notification) override;
    void setWatch(Watch watch) { m_watch = std::move(watch); }
    // Why the last wait gave up early; Alive when it did not.
    link::LinkWatch::State gaveUp() const { return m_gaveUp; }
    // Waits until a notification satisfies `match` (also one received before), or the time runs out.
    std::optional<link::Notification> waitFor(const std::function<bool(const link::Notification &)> &match,
                                              std::chrono::milliseconds timeout);
    bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout);
    // Every notification received so far, in order, taken out; waits up to `timeout` for a first one.
    std::vector<link::Notification> take(std::chrono::milliseconds timeout);
    void clear();

private:
    // Waits until `done` holds (true), the time runs out or the watch gives up (false). Holds the lock.
    bool waitWatched(std::unique_lock<std::mutex> &lock, const std::function<bool()> &done,
                     std::chrono::milliseconds timeout);

    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<link::Notification> m_received;
    Watch m_watch;
    link::LinkWatch::State m_gaveUp = link::LinkWatch::State::Alive;
};

// A spectrum buffer for one scan. A point that never arrives stays NaN, so no output takes it for data.
class ScanBuffer : public link::ScanTarget {
public:
    ScanBuffer(std::size_t points, double lowNm, double stepNm)
        : m_points(points, std::numeric_limits<float>::quiet_NaN()), m_cursor(static_cast<int>(points) - 1),
          m_low(lowNm), m_step(stepNm) {}
    std::span<float> scanPoints() override { return m_points; }
    int gridIndex(std::uint32_t tenths) const override {
        return link::gridIndexOf(m_low, m_step, m_points.size(), tenths);
    }
    std::atomic<int> &arrivedCount() override { return m_arrived; }
    int arrived() const { return m_arrived.load(); }
    std::atomic<int> &fillCursor() override { return m_cursor; }
    std::atomic<bool> &acquiringFlag() override { return m_acquiring; }
    void releasePin() override {}
    const std::vector<float> &points() const { return m_points; }

private:
    std::vector<float> m_points;
    std::atomic<int> m_cursor;
    std::atomic<bool> m_acquiring{true};
    std::atomic<int> m_arrived{0};
    double m_low, m_step;
};

// One linked session with the instrument: connect, run a command, disconnect.
class CliSession {
public:
    explicit CliSession(std::chrono::milliseconds timeout) : m_timeout(timeout) {}
    ~CliSession();

    // Loads the driver (the configured one when empty), opens it and waits for the handshake.
    bool connect(const std::string &driver, std::string &error);
    link::StationLink &link() { return m_link; }
    Waiter &window() { return m_window; }
    Waiter &frame() { return m_frame; }
    std::chrono::milliseconds timeout() const { return m_timeout; }
    // Why a wait ended before its time, for the operator; empty when none did.
    std::string gaveUpReason() const;
    static constexpr int kLinkTries = 3;

private:
    class Messages : public link::LinkMessages {
    public:
        void showLinkMessage(const std::string &caption, const std::string &text) override;
        std::string last;
        std::mutex mutex;
    };

    std::chrono::milliseconds m_timeout;
    link::StationLink m_link;
    Waiter m_window;
    Waiter m_frame;
    Messages m_messages;
    std::optional<link::LinkWatch> m_watch;
    bool m_connected = false;
};

} // namespace spectavo::cli
