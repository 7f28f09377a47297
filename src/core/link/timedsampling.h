#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <time.h>

namespace spectavo::link {

class StationLink;
class TimedTarget;

// Samples readings into a time-scan curve at a fixed period, on a thread of its own. Ticks follow
// absolute deadlines on the monotonic clock (a timerfd armed with TFD_TIMER_ABSTIME), so the error of
// one tick never carries into the next; a Stop wakes the thread at once through an eventfd.
//
// A point is only ever a reading: one that arrived after the reading used for the previous point, at
// the curve's wavelength, with the cell that was in the light path at the start. A tick without such
// a reading stores 0 and counts a missing point. A silent instrument (no reading at all for the
// silence limit) or an offline link ends the scan as a stop does, and so does an end of the
// acquisition from the instrument's side.
class TimedSampling {
public:
    explicit TimedSampling(StationLink &link) : m_link(link) {}
    ~TimedSampling();
    TimedSampling(const TimedSampling &) = delete;
    TimedSampling &operator=(const TimedSampling &) = delete;

    // Takes the first point at once and starts the ticks; false when the timer cannot start.
    bool start(std::chrono::milliseconds period, std::chrono::milliseconds silenceLimit);
    // Ends the sampling exactly once, whichever of a last tick and a Stop comes first, and waits for
    // the timer thread. Called from the thread that started it.
    void end();
    // From the receive thread, with the acquisition held (so the sampling cannot end and close its
    // eventfd meanwhile): the sampling ends as broken on its own thread, as soon as it wakes. False
    // when no sampling runs.
    bool requestBreak();
    // Forgets an earlier break request; before the acquisition of a new sampling opens.
    void clearBreak() { m_breakRequested.store(false, std::memory_order_release); }
    bool running() const { return m_running.load(std::memory_order_acquire); }

private:
    enum class Tick { Stored, Missing, Complete, Silent, Gone };

    void run(int timerFd, int stopFd, timespec origin, std::chrono::milliseconds period);
    bool tickAll(std::uint64_t expirations);
    Tick storeSample();
    bool takeNewReading(float &value);
    void endFromTick(bool broken);
    void finish(bool broken);
    void joinFinished();

    StationLink &m_link;
    TimedTarget *m_curve = nullptr; // the curve this run samples, to recognise its acquisition
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_breakRequested{false};
    std::atomic<int> m_stopFd{-1};
    int m_timerFd = -1;
    // Timer-thread state (and the starting thread's, before the thread exists).
    std::uint32_t m_usedSerial = 0;
    std::uint32_t m_seenSerial = 0;
    bool m_anyReadingUsed = false;
    int m_cellAtStart = 0;
    bool m_onlineAtStart = false;
    int m_silentTicks = 0;
    int m_silentTickLimit = 1;
};

} // namespace spectavo::link
