// The virtual instrument through its two roads into the program, side by side: the sim driver inside
// the process, and the rs232 driver to photrak-sim over a pseudo-terminal. For each: scan points per
// second through driver, receive thread and decode, and the goto-and-read round trip.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "support/linkfixture.h"
#include "support/simprocess.h"
#include "support/tempdir.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using spectavo::link::Notification;
using spectavo::link::StationLink;

template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds limit = 60s) {
    const auto end = Clock::now() + limit;
    while (!condition() && Clock::now() < end)
        std::this_thread::sleep_for(100us);
    return condition();
}

struct Figures {
    double pointsPerSecond = 0;
    double medianMs = 0;
    double p99Ms = 0;
};

Figures measure(const std::string &driver) {
    Figures figures;
    StationLink link;
    spectavo::test::RecordingTarget main;
    link.setMainTarget(&main);
    if (!link.channel().LoadHubDriverNamed(driver) || !link.channel().OpenHub() ||
        !link.channel().StartReceiver() || !link.commands().LinkRequest() ||
        !waitFor([&] { return link.status().linkOnline.load() == 1; })) {
        std::printf("%s: no link\n", driver.c_str());
        return figures;
    }
    // A full-range scan at 0.1 nm: 9101 points.
    link.operations().SendScanSetup(1100.0f, 190.0f, 0.1f, 1);
    spectavo::test::TestScanTarget spectrum(9101);
    spectavo::test::RecordingTarget window;
    const auto started = Clock::now();
    link.operations().StartScan(spectavo::link::kScanAbsorbance, &spectrum, nullptr, &window);
    waitFor([&] { return window.received(Notification::acquisition(1, 0)); });
    link.operations().CloseAcquisition();
    figures.pointsPerSecond = 9101.0 / std::chrono::duration<double>(Clock::now() - started).count();

    std::vector<double> trips;
    for (int i = 0; i < 200; ++i) {
        std::atomic<float> blank{0.0f}, result{0.0f};
        window.clear();
        const auto begin = Clock::now();
        link.operations().GotoAndRead(spectavo::link::kModeGotoAndRead, i % 2 ? 500.0f : 500.1f, &blank,
                                      &result, &window);
        if (!waitFor([&] { return window.received(Notification::acquisition(0, 0)); }, 5s))
            break;
        link.operations().CloseAcquisition();
        trips.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    }
    std::sort(trips.begin(), trips.end());
    if (!trips.empty()) {
        figures.medianMs = trips[trips.size() / 2];
        figures.p99Ms = trips[std::min(trips.size() - 1, trips.size() * 99 / 100)];
    }
    link.channel().StopReceiver();
    link.channel().CloseHub();
    link.setMainTarget(nullptr);
    return figures;
}

} // namespace

int main() {
    spectavo::test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/bin");
    std::filesystem::create_directories(dir.path() + "/config");
    // Both instruments run 1000 times faster than real time, so the link and the line are what is measured.
    spectavo::test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"), "[Simulation]\nSpeed=1000\nBoot=0\n");
    spectavo::test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");

    const Figures inProcess = measure(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so");
    spectavo::test::SimulatorProcess simulator(SPECTAVO_BIN_DIR "/photrak-sim",
                                               {"--speed", "1000", "--no-boot"});
    spectavo::test::writeBytes(dir.file("config/tarvesta.zav.comm.rs232.ini"),
                               "[Port]\nDevice=" + simulator.device() + "\nBaud=115200\n");
    const Figures serial = measure(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.rs232.so");

    std::printf("sim driver:             %9.0f scan points/s  goto+read median %6.2f ms  p99 %6.2f ms\n",
                inProcess.pointsPerSecond, inProcess.medianMs, inProcess.p99Ms);
    std::printf("rs232 over pty + sim:   %9.0f scan points/s  goto+read median %6.2f ms  p99 %6.2f ms\n",
                serial.pointsPerSecond, serial.medianMs, serial.p99Ms);
    if (serial.pointsPerSecond > 0 && inProcess.medianMs > 0)
        std::printf("ratio sim/rs232 points per second %.2f, rs232/sim round-trip median %.2f\n",
                    inProcess.pointsPerSecond / serial.pointsPerSecond, serial.medianMs / inProcess.medianMs);
    return 0;
}
