// "kinetics": a time scan on the instrument through the same run as the time-scan window: the
// monochromator moved to the wavelength, the link's sampling timer, the end with markers and rate.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>

#include "commands.h"
#include "core/acquisition/kineacquisition.h"
#include "core/program/sharedsettings.h"
#include "core/scan/time/kinefile.h"
#include "core/strings/cformat.h"
#include "outputfile.h"

namespace spectavo::cli {
namespace {

using namespace std::chrono_literals;

// What the run tells the operator: the end message, kept for the report.
class RunMessages : public KineAcquisitionView {
public:
    void showState(const std::string &) override {}
    void inform(const std::string &text) override { told = text; }
    void curvesChanged() override {}
    void pointsArrived() override {}
    void scanEnded() override {}
    std::string told;
};

// The window timers of a single-cell run, polled by the command's loop: the settle timer bounds the
// wait for the first reading at the wavelength.
class PolledTimers : public KineTimers {
public:
    void startCycle(int) override {}
    void stopCycle() override {}
    void startSettle(int milliseconds) override {
        m_settleAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    }
    void stopSettle() override { m_settleAt.reset(); }
    // Fires the settle timer when it is due.
    void poll(KineAcquisition &run) {
        if (m_settleAt && std::chrono::steady_clock::now() >= *m_settleAt) {
            m_settleAt.reset();
            run.settleTick();
        }
    }

private:
    std::optional<std::chrono::steady_clock::time_point> m_settleAt;
};

// Hands the run every notification the link posts and fires its timers, until it has ended. The link
// ends a silent or lost scan itself within seconds; `limit` only bounds a scan that never ends.
bool runToEnd(CliSession &session, KineAcquisition &run, PolledTimers &timers,
              std::chrono::steady_clock::time_point limit, const std::function<void()> &showProgress) {
    while (run.running()) {
        for (const link::Notification &notification : session.window().take(100ms))
            run.handleNotification(notification);
        timers.poll(run);
        showProgress();
        if (std::chrono::steady_clock::now() > limit)
            return false;
    }
    return true;
}

// The points sampled so far of the curve's full count, as the scan command shows its points.
std::function<void()> pointProgress(const scan::RecordList<scan::CKineSpectrum> &curves) {
    return [&curves, last = -1]() mutable {
        if (curves.empty())
            return;
        const int sampled = std::max(curves.at(0).count.load(), 0);
        if (sampled != last) {
            last = sampled;
            std::fprintf(stderr, "\r%d of %zu points", sampled, curves.at(0).fullPointCount());
        }
    };
}

} // namespace

std::string kineticsCommand(CliSession &session, const Arguments &args, Report &report) {
    if (const std::string error = selectCellOption(session, args); !error.empty())
        return error;
    program::SharedSettings shared;
    shared.kinetics.wavelength = strings::scanFloatC(args.get("--wl"));
    shared.kinetics.step = strings::scanFloatC(args.get("--step"));
    shared.kinetics.totalTime = static_cast<float>(strings::scanIntC(args.get("--total")));
    program::AppFlags flags;
    program::CellSelection accessories;
    scan::RecordList<scan::CKineSpectrum> curves;
    RunMessages messages;
    PolledTimers timers;
    KineAcquisition run({session.link(), shared, flags, accessories}, curves, &session.window(), messages,
                        timers);

    // The same start as the window's: the move, the first reading at the wavelength, then the sampling.
    session.window().clear();
    if (!run.startSingle())
        return "the instrument is busy with another acquisition";
    const auto limit = std::chrono::steady_clock::now() +
                       std::chrono::milliseconds(static_cast<long>(shared.kinetics.totalTime * 1000.0f)) +
                       std::chrono::milliseconds(KineAcquisition::kReadingWaitMilliseconds) +
                       session.timeout();
    // Progress on a terminal only, as the other commands show theirs.
    const bool onTerminal = isatty(fileno(stderr)) != 0;
    const bool ended = runToEnd(
        session, run, timers, limit, onTerminal ? pointProgress(curves) : [] {});
    if (onTerminal)
        std::fputc('\n', stderr);
    if (!ended) {
        session.link().operations().StopMeasurement();
        runToEnd(session, run, timers, std::chrono::steady_clock::now() + 2s, [] {});
        return "the time scan did not end";
    }
    if (curves.empty())
        return "nothing was measured";
    const scan::CKineSpectrum &curve = curves.at(0);
    const int missing =
        std::min(session.link().acquisition().missingPoints.load(), static_cast<int>(curve.points().size()));
    const bool broken = run.lastRunBroken();
    const std::string output = measuredOutputPath(args.get("-o"), !broken && missing == 0);
    scan::CKineSpectrum written = curve;
    if (!writeCurveFile(written, output, scan::MemoUse::LeaveSettings))
        return "cannot write " + output;
    report.text("file", output);
    if (output != args.get("-o"))
        std::fprintf(stderr, "spectavo-cli: what was measured is in %s\n", output.c_str());
    report.number("wavelength_nm", curve.wavelength, 1);
    report.number("step_s", curve.step, 1);
    report.integer("total_time_s", curve.totalTime);
    report.integer("points", static_cast<long long>(curve.points().size()));
    report.integer("missing_points", missing);
    report.number("rate_iu", curve.rateResult, 6);
    report.number("r", curve.r, 6);
    std::vector<double> times, values;
    for (std::size_t i = 0; i < curve.points().size(); ++i) {
        times.push_back(static_cast<double>(i) * curve.step);
        values.push_back(curve.points()[i]);
    }
    report.numbers("time_s", times, 1);
    report.numbers("absorbance", values, 6);
    if (!messages.told.empty())
        report.text("message", messages.told);
    if (broken)
        return messages.told;
    if (missing > 0)
        return strings::formatC(link::kPointsMissing, missing, static_cast<int>(curve.points().size()));
    return "";
}

} // namespace spectavo::cli
