// "kinetics": a time scan on the instrument through the same run as the time-scan window: the
// monochromator moved to the wavelength, the link's sampling timer, the end with markers and rate.

#include <atomic>

#include "commands.h"
#include "core/scan/time/kineacquisition.h"
#include "core/scan/time/kinefile.h"
#include "core/shell/sharedsettings.h"
#include "core/strings/cformat.h"

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

// A single-cell run needs no window timers.
class NoTimers : public KineTimers {
public:
    void startCycle(int) override {}
    void stopCycle() override {}
    void startSettle(int) override {}
    void stopSettle() override {}
};

// Hands the run every notification the link posts, until `done` holds or nothing came for `quiet`.
bool runUntil(CliSession &session, KineAcquisition &run, const std::function<bool()> &done,
              std::chrono::milliseconds quiet) {
    auto last = std::chrono::steady_clock::now();
    while (!done()) {
        const std::vector<link::Notification> taken = session.window().take(200ms);
        for (const link::Notification &notification : taken)
            run.handleNotification(notification);
        const auto now = std::chrono::steady_clock::now();
        if (!taken.empty())
            last = now;
        else if (now - last > quiet || session.link().status().linkOnline.load() != 1)
            return done();
    }
    return true;
}

} // namespace

std::string kineticsCommand(CliSession &session, const Arguments &args, Report &report) {
    if (const std::string error = selectCellOption(session, args); !error.empty())
        return error;
    shell::SharedSettings shared;
    shared.kinetics.wavelength = strings::scanFloatC(args.get("--wl"));
    shared.kinetics.step = strings::scanFloatC(args.get("--step"));
    shared.kinetics.totalTime = static_cast<float>(strings::scanIntC(args.get("--total")));
    shell::AppFlags flags;
    shell::AccessorySettings accessories;
    RecordList<CKineSpectrum> curves;
    RunMessages messages;
    NoTimers timers;
    KineAcquisition run({session.link(), shared, flags, accessories}, curves, &session.window(), messages,
                        timers);

    // The wavelength's acknowledgement comes when the command is taken, not when the drive stops: the
    // move ends with a reading taken at the wavelength itself, so the first point is the sample's.
    std::atomic<float> blank{session.link().acquisition().blankAbsorbance.load()}, first{0.0f};
    session.window().clear();
    if (!session.link().GotoAndRead(link::kModeGotoAndRead, shared.kinetics.wavelength, &blank, &first,
                                    &session.window()))
        return "the instrument is busy with another acquisition";
    const bool read =
        session.window()
            .waitFor(
                [](const link::Notification &n) {
                    return n.kind == link::NotifyKind::Acquisition && n.code == link::kAcqNewData;
                },
                session.timeout())
            .has_value();
    session.link().CloseAcquisition();
    if (!read)
        return "no reading arrived at the wavelength";
    session.window().clear();
    if (!run.startSingle())
        return "the instrument is busy with another acquisition";
    // The sampling runs on the link's timer; a tick's notification comes at least every step.
    const auto quiet =
        std::chrono::milliseconds(static_cast<long>(shared.kinetics.step * 1000.0f)) + session.timeout();
    if (!runUntil(
            session, run, [&] { return !run.running(); }, quiet)) {
        session.link().StopMeasurement();
        runUntil(
            session, run, [&] { return !run.running(); }, 1000ms);
        return "the time scan did not end";
    }
    if (curves.empty())
        return "nothing was measured";
    const CKineSpectrum &curve = curves.at(0);
    const std::string output = args.get("-o");
    CKineSpectrum written = curve;
    if (!writeCurveFile(written, output, MemoUse::LeaveSettings))
        return "cannot write " + output;
    report.text("file", output);
    report.number("wavelength_nm", curve.wavelength, 1);
    report.number("step_s", curve.step, 1);
    report.integer("total_time_s", curve.totalTime);
    report.integer("points", static_cast<long long>(curve.points().size()));
    report.integer("repeated_points", session.link().acquisition().repeatedPoints.load());
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
    return "";
}

} // namespace spectavo::cli
