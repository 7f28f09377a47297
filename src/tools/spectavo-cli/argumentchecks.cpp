#include "argumentchecks.h"

#include <cmath>

#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/link/stationlink.h"
#include "core/scan/time/kinesetup.h"
#include "core/scan/wave/scansettings.h"
#include "core/strings/cformat.h"

namespace spectavo::cli {
namespace {

std::string rangeText(const std::string &what, double low, double high) {
    return what + strings::formatC(" must be a number from %g to %g", low, high);
}

struct WavelengthRange {
    double low, high;
};

// The instrument's wavelength range as the goto dialog takes it, from the station files.
// A step the sampling timer keeps: half a second up to an hour.
constexpr float kMinimumStep = 0.5f;
constexpr float kMaximumStep = 3600.0f;

WavelengthRange instrumentRange() {
    link::StationLink probe;
    probe.ResetStationStatus();
    return {probe.config().wlMinTenths.load() / 10.0, probe.config().wlMaxTenths.load() / 10.0};
}

std::string checkScan(const Arguments &args) {
    std::string error;
    const ProfileFile analyst(kAnalystSettingsFile, true);
    const double low = analyst.GetFloat("ZAV Range", "fScanMin", "180");
    const double high = analyst.GetFloat("ZAV Range", "fScanMax", "1100");
    checkedNumber(args, "--from", low, high, error);
    if (error.empty())
        checkedNumber(args, "--to", low, high, error);
    const ProfileFile scan(scan::ScanSettings::kFileName, true);
    if (error.empty())
        checkedInteger(args, "--step-index", 0, std::max(scan::ScanSettings::stepCount(scan) - 1, 0), error);
    if (error.empty())
        checkedInteger(args, "--filter-index", 0, std::max(scan::ScanSettings::filterCount(scan) - 1, 0),
                       error);
    if (error.empty())
        checkedInteger(args, "--cell", 1, 8, error);
    const std::string kind = args.get("--kind", "absorbance");
    if (error.empty() && kind != "absorbance" && kind != "baseline" && kind != "energy" && kind != "slit")
        error = "unknown scan kind '" + kind + "' (absorbance, baseline, energy or slit)";
    return error;
}

// The time-scan setup's own limits, each refusal naming its option, then the cell and the output file.
std::string checkKinetics(const Arguments &args) {
    for (const char *option : {"--wl", "--step", "--total", "-o"})
        if (!args.has(option))
            return std::string("kinetics needs ") + option;
    std::string error;
    const WavelengthRange range = instrumentRange();
    checkedNumber(args, "--wl", range.low, range.high, error);
    const auto step =
        error.empty() ? checkedNumber(args, "--step", kMinimumStep, kMaximumStep, error) : std::nullopt;
    // The total is whole seconds from the step (rounded), as the setup dialog takes it.
    if (step)
        checkedInteger(args, "--total", static_cast<int>(std::lround(*step)), scan::kMaxTotalTime, error);
    if (!error.empty())
        return error;
    const scan::KineSetupCheck check =
        scan::checkKineSetup({strings::scanFloatC(args.get("--wl")), args.get("--total"), args.get("--step")},
                             {static_cast<float>(range.low), static_cast<float>(range.high)});
    if (!check.accepted)
        return check.refusal;
    checkedInteger(args, "--cell", 1, 8, error);
    return error;
}

} // namespace

std::vector<float> checkedWavelengthList(const std::string &text, double low, double high, std::size_t most,
                                         std::string &error) {
    std::vector<float> wavelengths;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto value =
            checkedWord(text.substr(start, comma - start), "each wavelength", low, high, error);
        if (!value)
            return {};
        wavelengths.push_back(static_cast<float>(*value));
        start = comma + 1;
    }
    if (wavelengths.size() > most) {
        error = strings::formatC("at most %zu wavelengths can be measured", most);
        return {};
    }
    return wavelengths;
}

std::string checkInstrumentArguments(const std::string &command, const Arguments &args) {
    std::string error;
    if (command == "scan")
        return checkScan(args);
    if (command == "kinetics")
        return checkKinetics(args);
    if (command == "goto") {
        const WavelengthRange range = instrumentRange();
        if (args.words.empty())
            return "goto needs a wavelength in nm";
        checkedWord(args.words[0], "the wavelength", range.low, range.high, error);
    } else if (command == "read") {
        const WavelengthRange range = instrumentRange();
        checkedNumber(args, "--wl", range.low, range.high, error);
        if (error.empty())
            checkedInteger(args, "--cell", 1, 8, error);
    } else if (command == "measure") {
        const WavelengthRange range = instrumentRange();
        if (!args.has("--wl"))
            return "measure needs --wl W1[,W2,...]";
        checkedWavelengthList(args.get("--wl"), range.low, range.high, 20, error);
        if (error.empty())
            checkedInteger(args, "--cell", 1, 8, error);
        if (error.empty())
            checkedInteger(args, "--blank-cell", 1, 8, error);
    } else if (command == "cell") {
        if (args.words.empty())
            return "cell needs a cell number";
        checkedWord(args.words[0], "the cell", 1, 8, error);
    } else if (command == "files") {
        checkedInteger(args, "--type", 0, link::FileTransfer::kFileTypeCount - 1, error);
    }
    return error;
}

std::optional<double> checkedTimeout(const Arguments &args, std::string &error) {
    if (!args.has("--timeout"))
        return 20.0;
    return checkedNumber(args, "--timeout", 0.1, 86400.0, error);
}

std::optional<double> checkedWord(const std::string &word, const std::string &what, double low, double high,
                                  std::string &error) {
    std::size_t used = 0;
    const double value = strings::scanDoubleC(word, &used);
    if (word.empty() || used != word.size() || !std::isfinite(value) || value < low || value > high) {
        error = rangeText(what, low, high);
        return std::nullopt;
    }
    return value;
}

std::optional<double> checkedNumber(const Arguments &args, const std::string &option, double low, double high,
                                    std::string &error) {
    if (!args.has(option))
        return std::nullopt;
    return checkedWord(args.get(option), option, low, high, error);
}

std::optional<int> checkedInteger(const Arguments &args, const std::string &option, int low, int high,
                                  std::string &error) {
    const std::optional<double> value = checkedNumber(args, option, low, high, error);
    if (!value)
        return std::nullopt;
    if (*value != std::floor(*value)) {
        error = option + strings::formatC(" must be a whole number from %d to %d", low, high);
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

} // namespace spectavo::cli
