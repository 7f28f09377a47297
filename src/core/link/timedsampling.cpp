#include "core/link/timedsampling.h"

#include <cerrno>
#include <cmath>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

#include "core/dataproc/pointcount.h"
#include "core/link/commands.h"
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
    const int stopFd = m_stopFd.exchange(-1, std::memory_order_acq_rel);
    if (stopFd >= 0)
        close(stopFd);
    if (m_timerFd >= 0)
        close(m_timerFd);
    m_timerFd = -1;
}

bool TimedSampling::start(std::chrono::milliseconds period, std::chrono::milliseconds silenceLimit) {
    end();
    joinFinished();
    if (period.count() <= 0)
        return false;
    m_timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);
    const int stopFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    m_stopFd.store(stopFd, std::memory_order_release);
    if (m_timerFd < 0 || stopFd < 0) {
        joinFinished();
        return false;
    }
    m_silentTickLimit = static_cast<int>(
        std::max<long long>(1, (silenceLimit.count() + period.count() - 1) / period.count()));
    m_silentTicks = 0;
    m_anyReadingUsed = false;
    m_cellAtStart = m_link.status().currentCell.load(std::memory_order_relaxed);
    m_onlineAtStart = m_link.status().linkOnline.load(std::memory_order_relaxed) == 1;
    m_seenSerial = m_link.acquisition().readingSerial.load(std::memory_order_acquire);
    {
        Acquisition::Held held = m_link.acquisition().hold();
        m_curve = held.targets().timedTarget;
    }
    m_running.store(true, std::memory_order_release);
    // The grid starts with the first point, not with the thread, which may start late on a busy machine.
    timespec origin{};
    clock_gettime(CLOCK_MONOTONIC, &origin);
    // The first point belongs to time 0: it is taken at once.
    const Tick first = storeSample();
    if (first == Tick::Gone || first == Tick::Complete) {
        end();
        joinFinished();
        return false;
    }
    try {
        m_thread = std::thread(
            [this, period, origin, timerFd = m_timerFd, stopFd] { run(timerFd, stopFd, origin, period); });
    } catch (const std::system_error &) {
        m_running.store(false, std::memory_order_release);
        joinFinished();
        return false;
    }
    return true;
}

bool TimedSampling::requestBreak() {
    if (!running())
        return false;
    m_breakRequested.store(true, std::memory_order_release);
    const int stopFd = m_stopFd.load(std::memory_order_acquire);
    if (stopFd >= 0)
        eventfd_write(stopFd, 1);
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
        endFromTick(true);
        return;
    }
    while (m_running.load(std::memory_order_acquire)) {
        if (m_breakRequested.load(std::memory_order_acquire)) {
            endFromTick(true);
            return;
        }
        pollfd fds[2] = {{stopFd, POLLIN, 0}, {timerFd, POLLIN, 0}};
        const int ready = poll(fds, 2, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0) {
            endFromTick(true);
            return;
        }
        if (fds[0].revents & POLLIN) {
            // A Stop ends the sampling itself; a break request is ended here, as broken.
            if (m_breakRequested.load(std::memory_order_acquire))
                endFromTick(true);
            return;
        }
        std::uint64_t expirations = 0;
        if (read(timerFd, &expirations, sizeof expirations) != sizeof expirations || expirations == 0)
            continue;
        if (!tickAll(expirations))
            return;
    }
}

// A machine that stalled for several periods still gets one point per elapsed period, so point i keeps
// meaning time i x step; periods without a reading of their own are missing points. False when the
// sampling has ended.
bool TimedSampling::tickAll(std::uint64_t expirations) {
    for (std::uint64_t k = 0; k < expirations && m_running.load(std::memory_order_acquire); ++k) {
        const Tick tick = storeSample();
        if (tick == Tick::Complete || tick == Tick::Gone) {
            endFromTick(false);
            return false;
        }
        if (tick == Tick::Silent) {
            endFromTick(true);
            return false;
        }
    }
    return true;
}

// The reading that arrived since the one used last, if it was taken at the curve's wavelength in the
// cell the scan started with. Called with the acquisition held, so no reading is published meanwhile.
bool TimedSampling::takeNewReading(float &value) {
    Acquisition &acquisition = m_link.acquisition();
    const std::uint32_t serial = acquisition.readingSerial.load(std::memory_order_acquire);
    const bool fresh = !m_anyReadingUsed || serial != m_usedSerial;
    if (!fresh)
        return false;
    const bool atWavelength = acquisition.lastReadingTenths.load(std::memory_order_relaxed) ==
                              static_cast<int>(toTenths(m_curve->wavelengthNm()));
    const bool cellInPlace = m_link.status().currentCell.load(std::memory_order_relaxed) == m_cellAtStart;
    if (!atWavelength || !cellInPlace)
        return false;
    value = acquisition.lastAbsorbance.load(std::memory_order_relaxed);
    m_usedSerial = serial;
    m_anyReadingUsed = true;
    return true;
}

// Stores the next point: a new reading, or 0 counted as missing.
TimedSampling::Tick TimedSampling::storeSample() {
    Acquisition &acquisition = m_link.acquisition();
    Acquisition::Held held = acquisition.hold();
    TimedTarget *curve = held.targets().timedTarget;
    if (!curve || curve != m_curve || acquisition.mode.load(std::memory_order_relaxed) != kModeTimedSampling)
        return Tick::Gone;
    std::atomic<int> &count = curve->pointCount();
    const int stored = count.load(std::memory_order_relaxed);
    const double total = curve->totalTimeSeconds();
    const double step = curve->stepSeconds();
    if (stored > 0 && (!(step > 0.0) || (total + 0.01) / step <= stored))
        return Tick::Complete;
    const std::span<float> points = curve->timedPoints();
    if (stored < 0 || static_cast<std::size_t>(stored) >= points.size())
        return Tick::Complete;
    // A link that went offline since the start brings no more readings.
    if (m_onlineAtStart && m_link.status().linkOnline.load(std::memory_order_relaxed) != 1)
        return Tick::Silent;
    // Silence is no reading at all, whatever its wavelength: readings of the wrong place are news of
    // a living instrument, only not points.
    const std::uint32_t serial = acquisition.readingSerial.load(std::memory_order_acquire);
    const bool anyNews = serial != m_seenSerial;
    m_seenSerial = serial;
    float value = 0.0f;
    const bool taken = takeNewReading(value);
    m_silentTicks = anyNews ? 0 : m_silentTicks + 1;
    if (stored > 0 && m_silentTicks >= m_silentTickLimit)
        return Tick::Silent;
    points[static_cast<std::size_t>(stored)] = taken ? value : 0.0f;
    count.store(stored + 1, std::memory_order_release);
    if (!taken)
        acquisition.missingPoints.fetch_add(1, std::memory_order_relaxed);
    held.post(Notification::acquisition(kAcqNewData, 0));
    return taken ? Tick::Stored : Tick::Missing;
}

void TimedSampling::end() {
    // Whoever clears the flag first does the clean-up: a last tick and a Stop never both end it.
    if (m_running.exchange(false, std::memory_order_acq_rel)) {
        eventfd_write(m_stopFd.load(std::memory_order_relaxed), 1);
        finish(false);
    }
    if (m_thread.joinable())
        m_thread.join();
}

// The timer thread's own end: it never touches the thread object, which belongs to the caller of
// start() and end().
void TimedSampling::endFromTick(bool broken) {
    if (m_running.exchange(false, std::memory_order_acq_rel))
        finish(broken);
}

void TimedSampling::finish(bool broken) {
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
        // A break from the instrument's side or by silence is a stop the window did not ask for: it
        // hears it as one, then the end, and keeps what was measured.
        if (broken)
            held.post(Notification::acquisition(kAcqStopped, 0));
        // The window may free the curve as soon as it hears of the end: nothing here touches it after.
        held.post(Notification::acquisition(kAcqFinished, 0));
        held.close();
    }
    m_link.postMain(Notification::station(kStationState, kStateReady));
}

} // namespace spectavo::link
