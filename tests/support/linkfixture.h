#pragma once

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/link/stationlink.h"

namespace spectavo::test {

// Records what the link posts to a window.
class RecordingTarget : public link::NotifyTarget {
public:
    void post(const link::Notification &notification) override {
        std::lock_guard guard(m_mutex);
        m_posted.push_back(notification);
    }
    std::vector<link::Notification> posted() const {
        std::lock_guard guard(m_mutex);
        return m_posted;
    }
    void clear() {
        std::lock_guard guard(m_mutex);
        m_posted.clear();
    }
    bool received(const link::Notification &notification) const;
    int count(link::NotifyKind kind, int code) const;

private:
    mutable std::mutex m_mutex;
    std::vector<link::Notification> m_posted;
};

class RecordingMessages : public link::LinkMessages {
public:
    void showLinkMessage(const std::string &caption, const std::string &text) override {
        std::lock_guard guard(m_mutex);
        m_shown.push_back(caption + ": " + text);
    }
    std::vector<std::string> shown() const {
        std::lock_guard guard(m_mutex);
        return m_shown;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_shown;
};

// The scripted hub: a real driver library in the build's bin/, loaded through the real loader. These
// reach its script controls (see scriptedhub.h).
std::string scriptedHubPath();
void hubReset();
void hubPush(const StationPacket &packet);
int hubSentCount();
bool hubSent(int index, StationPacket &out);
void hubRefuseSends(int count);
void hubSuppressOut(bool suppress);
// The driver asks for a remote start, as the instrument's start key does.
void hubRequestRemoteStart(int param);
// The device goes away: the driver reports it no longer connected.
void hubUnplug();
// How often the program has called Msg_Init since the last reset.
int hubInitCount();
// The hub's exports by name, for the in-process symbol-table loader.
link::SymbolTableLoader::Table scriptedHubSymbols();

// A packet as the instrument sends it.
StationPacket packet(std::uint8_t type, std::vector<std::uint8_t> data);
// A reading record (types 32, 34, 63).
std::vector<std::uint8_t> readingRecord(std::uint16_t tenths, std::uint16_t sampleGain,
                                        std::uint16_t referenceGain, float sample, float reference);

// The packets the scripted hub has accepted, as code + data bytes.
struct SentCommand {
    std::uint8_t code;
    std::vector<std::uint8_t> data;
    friend bool operator==(const SentCommand &, const SentCommand &) = default;
};
std::vector<SentCommand> sentCommands();
// Only those with this command code, in order.
std::vector<SentCommand> sentCommandsWith(std::uint8_t code);

// A link bound to the in-process scripted hub, with short timings. The targets outlive the link: its
// threads may post until the link itself is gone.
struct LinkFixture {
    LinkFixture();
    RecordingTarget main;
    RecordingTarget window;
    RecordingMessages messages;
    std::unique_ptr<link::StationLink> link;
};

// A spectrum buffer for scans: `points` on a grid ending at `highNm` in steps of `stepNm`.
class TestScanTarget : public link::ScanTarget {
public:
    explicit TestScanTarget(std::size_t points, float highNm = 500.0f, float stepNm = 1.0f)
        : m_points(points, 0.0f), m_cursor(static_cast<int>(points) - 1),
          m_start(highNm - stepNm * static_cast<float>(points - 1)), m_step(stepNm) {}
    std::span<float> scanPoints() override { return m_points; }
    int gridIndex(std::uint32_t tenths) const override {
        return link::gridIndexOf(m_start, m_step, m_points.size(), tenths);
    }
    std::atomic<int> &arrivedCount() override { return m_arrived; }
    std::atomic<int> &fillCursor() override { return m_cursor; }
    std::atomic<bool> &acquiringFlag() override { return m_acquiring; }
    void releasePin() override { ++m_releases; }
    std::vector<float> m_points;
    std::atomic<int> m_cursor;
    std::atomic<bool> m_acquiring{true};
    std::atomic<int> m_arrived{0};
    int m_releases = 0;
    float m_start, m_step;
};

class TestTimedTarget : public link::TimedTarget {
public:
    TestTimedTarget(int totalSeconds, float step, std::size_t capacity)
        : m_points(capacity, 0.0f), m_total(totalSeconds), m_step(step) {}
    std::span<float> timedPoints() override { return m_points; }
    std::atomic<int> &pointCount() override { return m_count; }
    int totalTimeSeconds() const override { return m_total; }
    float stepSeconds() const override { return m_step; }
    float wavelengthNm() const override { return m_wavelength; }
    std::atomic<bool> &acquiringFlag() override { return m_acquiring; }
    void releasePin() override { m_releases.fetch_add(1); }
    std::vector<float> m_points;
    float m_wavelength = 500.0f;
    std::atomic<int> m_count{0};
    int m_total;
    float m_step;
    std::atomic<bool> m_acquiring{true};
    std::atomic<int> m_releases{0};
};

// One reading as the receive thread publishes it.
void publishReading(link::StationLink &link, float absorbance, float nanometres);

// An instrument that streams readings at a wavelength every `period` until it falls silent or the
// feeder goes away, as the receive thread would publish them.
class ReadingFeeder {
public:
    ReadingFeeder(link::StationLink &link, float nanometres, float absorbance,
                  std::chrono::microseconds period = std::chrono::microseconds(500));
    ~ReadingFeeder();
    void setAbsorbance(float absorbance) { m_absorbance.store(absorbance); }
    void setWavelength(float nanometres) { m_nanometres.store(nanometres); }
    // No more readings from now on.
    void fallSilent() { m_silent.store(true); }
    int published() const { return m_published.load(); }
    // Returns once the first reading is in.
    void waitForFirst() const;

private:
    link::StationLink &m_link;
    std::atomic<float> m_nanometres;
    std::atomic<float> m_absorbance;
    std::atomic<bool> m_silent{false};
    std::atomic<bool> m_done{false};
    std::atomic<int> m_published{0};
    std::thread m_thread;
};

} // namespace spectavo::test
