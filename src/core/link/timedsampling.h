#pragma once

#include <atomic>
#include <chrono>
#include <thread>
#include <time.h>

namespace spectavo::link {

class StationLink;
class TimedTarget;

// Samples the latest reading into a time-scan curve at a fixed period, on a thread of its own. Ticks
// follow absolute deadlines on the monotonic clock (a timerfd armed with TFD_TIMER_ABSTIME), so the
// error of one tick never carries into the next; a Stop wakes the thread at once through an eventfd.
class TimedSampling {
public:
    explicit TimedSampling(StationLink &link) : m_link(link) {}
    ~TimedSampling();
    TimedSampling(const TimedSampling &) = delete;
    TimedSampling &operator=(const TimedSampling &) = delete;

    // Takes the first point at once and starts the ticks; false when the timer cannot start.
    bool start(std::chrono::milliseconds period);
    // Ends the sampling exactly once, whichever of a last tick and a Stop comes first, and waits for
    // the timer thread. Called from the thread that started it.
    void end();
    bool running() const { return m_running.load(std::memory_order_acquire); }

private:
    void run(int timerFd, int stopFd, timespec origin, std::chrono::milliseconds period);
    bool storeSample(bool repeated);
    void endFromTick();
    void finish();
    void joinFinished();

    StationLink &m_link;
    TimedTarget *m_curve = nullptr; // the curve this run samples, to recognise its acquisition
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    int m_stopFd = -1;
    int m_timerFd = -1;
};

} // namespace spectavo::link
