#include "core/link/timedsampling.h"

#include <cerrno>
#include <cmath>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

#include "core/dataproc/pointcount.h"
#include "core/link/stationlink.h"

namespace spectavo::link {
namespace {

timespec plus(timespec at, std::chrono::nanoseconds offset) {
    const long long total = at.tv_nsec + offset.count();
    at.tv_sec += static_cast<time_t>(total / 1'000'000'000LL);
    at.tv_nsec = static_cast<long>(total % 1'000'000'000LL);
    return at;
}

} // namespace

TimedSampling::~TimedSampling() {
    end();
    joinFinished();
}

void TimedSampling::joinFinished() {
    if (m_thread.joinable())
        m_thread.join();
    if (m_stopFd >= 0)
        close(m_stopFd);
    if (m_timerFd >= 0)
        close(m_timerFd);
    m_stopFd = m_timerFd = -1;
}

bool TimedSampling::start(std::chrono::milliseconds period) {
    end();
    joinFinished();
    if (period.count() <= 0)
        return false;
    m_timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);
    m_stopFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_timerFd < 0 || m_stopFd < 0) {
        joinFinished();
        return false;
    }
    {
        Acquisition::Held held = m_link.acquisition().hold();
        m_curve = held.targets().timedTarget;
    }
    m_running.store(true, std::memory_order_release);
    // The grid starts with the first point, not with the thread, which may start late on a busy machine.
    timespec origin{};
    clock_gettime(CLOCK_MONOTONIC, &origin);
    // The first point belongs to time 0: it is taken at once.
    if (!storeSample(false)) {
        end();
        joinFinished();
        return false;
    }
    try {
        m_thread = std::thread([this, period, origin, timerFd = m_timerFd, stopFd = m_stopFd] {
            run(timerFd, stopFd, origin, period);
        });
    } catch (const std::system_error &) {
        m_running.store(false, std::memory_order_release);
        joinFinished();
        return false;
    }
    return true;
}

void TimedSampling::run(int timerFd, int stopFd, timespec origin, std::chrono::milliseconds period) {
    // One periodic timer armed at an absolute first deadline: the kernel keeps the expiries on the
    // grid origin + k x period, so neither a late wake-up nor the work of a tick shifts the next one,
    // and a read reports how many periods passed since the last.
    itimerspec schedule{};
    schedule.it_value = plus(origin, period);
    schedule.it_interval = plus(timespec{}, period);
    if (timerfd_settime(timerFd, TFD_TIMER_ABSTIME, &schedule, nullptr) != 0) {
        endFromTick();
        return;
    }
    while (m_running.load(std::memory_order_acquire)) {
        pollfd fds[2] = {{stopFd, POLLIN, 0}, {timerFd, POLLIN, 0}};
        const int ready = poll(fds, 2, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (fds[0].revents & POLLIN))
            return;
        std::uint64_t expirations = 0;
        if (read(timerFd, &expirations, sizeof expirations) != sizeof expirations || expirations == 0)
            continue;
        // A machine that stalled for several periods still gets one point per elapsed period, so point i
        // keeps meaning time i x step; the extra points repeat the latest reading and are counted.
        for (std::uint64_t k = 0; k < expirations && m_running.load(std::memory_order_acquire); ++k) {
            if (!storeSample(k > 0)) {
                endFromTick();
                return;
            }
        }
    }
}

// Stores the latest reading as the next point; false when the curve is complete (or gone).
bool TimedSampling::storeSample(bool repeated) {
    Acquisition &acquisition = m_link.acquisition();
    Acquisition::Held held = acquisition.hold();
    TimedTarget *curve = held.targets().timedTarget;
    if (!curve || curve != m_curve || acquisition.mode.load(std::memory_order_relaxed) != kModeTimedSampling)
        return false;
    std::atomic<int> &count = curve->pointCount();
    const int stored = count.load(std::memory_order_relaxed);
    const double total = curve->totalTimeSeconds();
    const double step = curve->stepSeconds();
    if (stored > 0 && (!(step > 0.0) || (total + 0.01) / step <= stored))
        return false;
    const std::span<float> points = curve->timedPoints();
    if (stored < 0 || static_cast<std::size_t>(stored) >= points.size())
        return false;
    points[static_cast<std::size_t>(stored)] = acquisition.lastAbsorbance.load(std::memory_order_relaxed);
    count.store(stored + 1, std::memory_order_release);
    if (repeated)
        acquisition.repeatedPoints.fetch_add(1, std::memory_order_relaxed);
    held.post(Notification::acquisition(kAcqNewData, 0));
    return true;
}

void TimedSampling::end() {
    // Whoever clears the flag first does the clean-up: a last tick and a Stop never both end it.
    if (m_running.exchange(false, std::memory_order_acq_rel)) {
        eventfd_write(m_stopFd, 1);
        finish();
    }
    if (m_thread.joinable())
        m_thread.join();
}

// The timer thread's own end: it never touches the thread object, which belongs to the caller of
// start() and end().
void TimedSampling::endFromTick() {
    if (m_running.exchange(false, std::memory_order_acq_rel))
        finish();
}

void TimedSampling::finish() {
    Acquisition &acquisition = m_link.acquisition();
    {
        Acquisition::Held held = acquisition.hold();
        // A Stop may have closed this acquisition already, and another may be open by now.
        if (!m_curve || held.targets().timedTarget != m_curve)
            return;
        if (TimedTarget *curve = held.targets().timedTarget) {
            acquisition.sampledPoints.store(curve->pointCount().load(std::memory_order_relaxed),
                                            std::memory_order_relaxed);
            curve->acquiringFlag().store(false, std::memory_order_release);
            const std::size_t full = dataproc::curvePointCount(static_cast<float>(curve->totalTimeSeconds()),
                                                               curve->stepSeconds());
            const std::size_t capacity = curve->timedPoints().size();
            curve->pointCount().store(static_cast<int>(std::min(full, capacity)), std::memory_order_release);
            curve->releasePin();
        }
        // The window may free the curve as soon as it hears of the end: nothing here touches it after.
        held.post(Notification::acquisition(kAcqFinished, 0));
        held.close();
    }
    m_link.postMain(Notification::station(kStationState, kStateReady));
}

} // namespace spectavo::link
