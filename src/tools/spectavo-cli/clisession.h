#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/link/stationlink.h"

namespace spectavo::cli {

// Collects the link's notifications so the command line can wait for the one it needs.
class Waiter : public link::NotifyTarget {
public:
    void post(const link::Notification &notification) override;
    // Waits until a notification satisfies `match` (also one received before), or the time runs out.
    std::optional<link::Notification> waitFor(const std::function<bool(const link::Notification &)> &match,
                                              std::chrono::milliseconds timeout);
    bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout);
    // Every notification received so far, in order, taken out; waits up to `timeout` for a first one.
    std::vector<link::Notification> take(std::chrono::milliseconds timeout);
    void clear();

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<link::Notification> m_received;
};

// A spectrum buffer for one scan.
class ScanBuffer : public link::ScanTarget {
public:
    ScanBuffer(std::size_t points, double lowNm, double stepNm)
        : m_points(points, 0.0f), m_cursor(static_cast<int>(points) - 1), m_low(lowNm), m_step(stepNm) {}
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
    bool m_connected = false;
};

} // namespace spectavo::cli
