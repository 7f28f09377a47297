// The link's two time-critical paths, each beside a naive way of doing the same job:
//  - the receive path: packets per second from the driver's queue through the decode to the posted
//    notification, and the latency from the driver's signal to the notification;
//  - the sampling timer: tick error against the ideal grid over many ticks, paced by absolute
//    deadlines, beside a loop paced by sleep_for, idle and with two busy loops competing.
// Usage: bench_link [ticks at 10 ms (default 1000)] [ticks at 500 ms (default 20)]

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "support/linkfixture.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using spectavo::link::Notification;

// Records when each notification arrived.
class TimingTarget : public spectavo::link::NotifyTarget {
public:
    void post(const Notification &notification) override {
        const auto now = Clock::now();
        std::lock_guard guard(m_mutex);
        if (notification.kind == spectavo::link::NotifyKind::Acquisition && notification.code == 0)
            m_ticks.push_back(now);
        if (notification.kind == spectavo::link::NotifyKind::Station && notification.code == 3)
            m_loads.push_back(now);
    }
    std::vector<Clock::time_point> ticks() {
        std::lock_guard guard(m_mutex);
        return m_ticks;
    }
    std::size_t loads() {
        std::lock_guard guard(m_mutex);
        return m_loads.size();
    }
    Clock::time_point lastLoad() {
        std::lock_guard guard(m_mutex);
        return m_loads.back();
    }

private:
    std::mutex m_mutex;
    std::vector<Clock::time_point> m_ticks;
    std::vector<Clock::time_point> m_loads;
};

struct Stats {
    double median = 0, p99 = 0, max = 0, lastDrift = 0; // microseconds
};

Stats statsOf(std::vector<double> errors, double lastDrift) {
    Stats stats;
    if (errors.empty())
        return stats;
    std::sort(errors.begin(), errors.end());
    stats.median = errors[errors.size() / 2];
    stats.p99 = errors[std::min(errors.size() - 1, errors.size() * 99 / 100)];
    stats.max = errors.back();
    stats.lastDrift = lastDrift;
    return stats;
}

Stats tickErrors(const std::vector<Clock::time_point> &ticks, std::chrono::milliseconds period) {
    std::vector<double> errors;
    double last = 0;
    for (std::size_t k = 1; k < ticks.size(); ++k) {
        const auto ideal = ticks[0] + period * static_cast<long>(k);
        last = std::chrono::duration<double, std::micro>(ticks[k] - ideal).count();
        errors.push_back(std::abs(last));
    }
    return statsOf(errors, last);
}

Stats linkTimer(int ticks, std::chrono::milliseconds period) {
    spectavo::test::LinkFixture fixture;
    TimingTarget window;
    const float step = static_cast<float>(period.count()) / 1000.0f;
    const int total = static_cast<int>(std::ceil(static_cast<float>(ticks) * step));
    spectavo::test::TestTimedTarget curve(total, step, static_cast<std::size_t>(ticks) + 2);
    fixture.link->operations().StartTimedSampling(static_cast<int>(period.count()), &curve, &window);
    while (fixture.link->acquisition().open.load())
        std::this_thread::sleep_for(5ms);
    return tickErrors(window.ticks(), period);
}

Stats sleepForLoop(int ticks, std::chrono::milliseconds period) {
    std::vector<Clock::time_point> times{Clock::now()};
    for (int k = 0; k < ticks; ++k) {
        std::this_thread::sleep_for(period);
        times.push_back(Clock::now());
    }
    return tickErrors(times, period);
}

void printTimer(const char *load, int ticks, std::chrono::milliseconds period) {
    const Stats ours = linkTimer(ticks, period);
    const Stats naive = sleepForLoop(ticks, period);
    std::printf("timer %-5s %4d ticks at %3ld ms | deadlines: median %7.1f us  p99 %7.1f us  max %7.1f us  "
                "last-tick drift %8.1f us\n",
                load, ticks, static_cast<long>(period.count()), ours.median, ours.p99, ours.max,
                ours.lastDrift);
    std::printf("%38s | sleep_for: median %7.1f us  p99 %7.1f us  max %7.1f us  last-tick drift %8.1f us\n",
                "", naive.median, naive.p99, naive.max, naive.lastDrift);
    std::printf("ratio timer %-5s %3ld ms sleep_for/deadlines: median %.1f  p99 %.1f\n", load,
                static_cast<long>(period.count()), naive.median / std::max(ours.median, 0.1),
                naive.p99 / std::max(ours.p99, 0.1));
}

void receivePath() {
    spectavo::test::LinkFixture fixture;
    TimingTarget main;
    fixture.link->setMainTarget(&main);
    constexpr int kPackets = 200'000;
    const StationPacket load = spectavo::test::packet(3, {0, 0, 0, 1, 42});
    for (int i = 0; i < kPackets; ++i)
        spectavo::test::hubPush(load);
    const auto start = Clock::now();
    fixture.link->channel().StartReceiver();
    while (main.loads() < static_cast<std::size_t>(kPackets))
        std::this_thread::sleep_for(1ms);
    const double seconds = std::chrono::duration<double>(main.lastLoad() - start).count();
    std::printf("receive: %d packets decoded and posted in %.3f s: %.0f packets/s\n", kPackets, seconds,
                kPackets / seconds);

    std::vector<double> latencies;
    for (int i = 0; i < 2000; ++i) {
        const std::size_t before = main.loads();
        const auto pushed = Clock::now();
        spectavo::test::hubPush(load);
        while (main.loads() == before)
            std::this_thread::yield();
        latencies.push_back(std::chrono::duration<double, std::micro>(main.lastLoad() - pushed).count());
    }
    const Stats latency = statsOf(latencies, 0);
    std::printf("receive: signal-to-notification latency median %.1f us  p99 %.1f us  max %.1f us\n",
                latency.median, latency.p99, latency.max);
    fixture.link->channel().StopReceiver();
    fixture.link->setMainTarget(nullptr);
}

} // namespace

int main(int argc, char **argv) {
    const int fastTicks = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int slowTicks = argc > 2 ? std::atoi(argv[2]) : 20;
    receivePath();
    printTimer("idle", fastTicks, 10ms);
    printTimer("idle", slowTicks, 500ms);

    std::atomic<bool> busy{true};
    std::vector<std::thread> spinners;
    for (int i = 0; i < 2; ++i)
        spinners.emplace_back([&busy] {
            volatile unsigned long counter = 0;
            while (busy.load(std::memory_order_relaxed))
                counter = counter + 1;
        });
    printTimer("busy", fastTicks, 10ms);
    printTimer("busy", slowTicks, 500ms);
    busy = false;
    for (auto &spinner : spinners)
        spinner.join();
    return 0;
}
