// measure: the fixed-point readout of the fixed points window, on the same link calls.

#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "argumentchecks.h"
#include "clisession.h"
#include "commands.h"
#include "core/fixed/readoutsequence.h"
#include "core/strings/cformat.h"
#include "report.h"

namespace spectavo::cli {
namespace {

// The readout's notifications in order, each taken once.
class NotificationQueue : public link::NotifyTarget {
public:
    void post(const link::Notification &notification) override {
        {
            std::lock_guard guard(m_mutex);
            m_queue.push_back(notification);
        }
        m_arrived.notify_all();
    }
    std::optional<link::Notification> pop(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        if (!m_arrived.wait_for(lock, timeout, [&] { return !m_queue.empty(); }))
            return std::nullopt;
        const link::Notification next = m_queue.front();
        m_queue.pop_front();
        return next;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<link::Notification> m_queue;
};

// One readout to its end (back at the first wavelength); the values, or nothing when the instrument
// stopped answering.
std::optional<std::vector<float>> runReadout(CliSession &session, const fixed::ReadoutPoints &points) {
    NotificationQueue queue;
    fixed::ReadoutSequence sequence(session.link(), &queue, points);
    if (!sequence.begin())
        return std::nullopt;
    while (!sequence.finished()) {
        const auto notification = queue.pop(session.timeout());
        if (!notification)
            return std::nullopt; // the sequence closes on its way out
        if (sequence.handle(*notification).stopped)
            return std::nullopt;
    }
    sequence.close();
    return sequence.values();
}

} // namespace

std::string measureCommand(CliSession &session, const Arguments &args, Report &report) {
    std::string error;
    const double low = session.link().config().wlMinTenths.load() / 10.0;
    const double high = session.link().config().wlMaxTenths.load() / 10.0;
    const std::vector<float> wavelengths = checkedWavelengthList(args.get("--wl"), low, high, 20, error);
    if (wavelengths.empty())
        return error;
    const auto moveTo = [&session](const std::string &cellText) {
        Arguments cell;
        cell.words.push_back(cellText);
        Report ignored;
        return cellCommand(session, cell, ignored);
    };
    fixed::ReadoutPoints points;
    points.count = static_cast<int>(wavelengths.size());
    std::copy(wavelengths.begin(), wavelengths.end(), points.wavelengths.begin());
    // The blank is read in its own cell when --blank-cell names one, then the sample in --cell;
    // --blank alone reads it where the sample is.
    if (args.has("--blank-cell")) {
        if (const std::string refused = moveTo(args.get("--blank-cell")); !refused.empty())
            return refused;
    } else if (args.has("--cell")) {
        if (const std::string refused = moveTo(args.get("--cell")); !refused.empty())
            return refused;
    }
    if (args.has("--blank") || args.has("--blank-cell")) {
        const auto blanks = runReadout(session, points);
        if (!blanks)
            return "the blank calibration did not finish";
        std::copy(blanks->begin(), blanks->end(), points.blanks.begin());
        report.numbers("blank_absorbance", std::vector<double>(blanks->begin(), blanks->end()), 4);
    }
    if (args.has("--blank-cell") && args.has("--cell")) {
        if (const std::string refused = moveTo(args.get("--cell")); !refused.empty())
            return refused;
    }
    const auto values = runReadout(session, points);
    if (!values)
        return "the readout did not finish";
    std::vector<double> absorbance(values->begin(), values->end());
    std::vector<double> transmittance;
    for (double value : absorbance)
        transmittance.push_back(std::pow(10.0, 2.0 - value));
    report.numbers("wavelength_nm", std::vector<double>(wavelengths.begin(), wavelengths.end()), 1);
    report.numbers("absorbance", absorbance, 4);
    report.numbers("transmittance_percent", transmittance, 2);
    return "";
}

} // namespace spectavo::cli
