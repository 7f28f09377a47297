#include "filecommands.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "argumentchecks.h"
#include "core/config/atomicfile.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/dataproc/marks.h"
#include "core/link/stationmodel.h"
#include "core/link/storedrecords.h"
#include "core/scan/datafileformats.h"
#include "core/scan/peaklist.h"
#include "core/scan/scanfiletext.h"
#include "core/scan/scanoperations.h"
#include "core/scan/seriesconversion.h"
#include "core/scan/time/kinecompute.h"
#include "core/scan/time/kinefile.h"
#include "core/scan/wave/wavecompute.h"
#include "core/scan/wave/wavefile.h"
#include "core/strings/cformat.h"
#include "documentcommands.h"
#include "outputfile.h"

namespace spectavo::cli {
namespace {

using Loaded = scan::DataFileContent;

// The peak/valley threshold: the option within the dialog's range, else the program's setting.
std::optional<float> peakThreshold(const Arguments &args, std::string &error) {
    if (const auto given =
            checkedNumber(args, "--threshold", scan::kThresholdMin, scan::kThresholdMax, error))
        return static_cast<float>(*given);
    if (!error.empty())
        return std::nullopt;
    return ProfileFile(kAnalystSettingsFile, true).GetFloat("ZAV Range", "PeakHeight", "0.03");
}

std::string load(const std::string &path, Loaded &loaded) {
    return scan::readDataFile(path, loaded);
}

std::string save(Loaded &loaded, const std::string &path) {
    return scan::writeDataFile(loaded, path);
}

// A whole-number option within limits, or its default when absent.
std::optional<int> intOption(const Arguments &args, const char *name, int low, int high, int fallback,
                             std::string &error) {
    if (const auto value = checkedInteger(args, name, low, high, error))
        return value;
    return error.empty() ? std::optional(fallback) : std::nullopt;
}

} // namespace

std::string infoCommand(const Arguments &args, Report &report) {
    if (args.words.empty())
        return "info needs a file";
    if (isFixedDocument(args.words[0]))
        return documentInfo(args.words[0], report);
    Loaded loaded;
    if (const std::string error = load(args.words[0], loaded); !error.empty())
        return error;
    if (loaded.spectrum) {
        const scan::CWaveSpectrum &s = *loaded.spectrum;
        report.text("kind", "spectrum");
        report.number("start_nm", s.start, 4);
        report.number("end_nm", s.end, 4);
        report.number("step_nm", s.step, 4);
        report.integer("points", static_cast<long long>(s.pointCount()));
        report.integer("filter", s.filter);
        report.text("name", s.name);
        report.text("sample_name", s.sampleName());
        report.text("operator", s.operatorName());
        report.text("date", s.dateText());
        if (const std::string note = loaded.shortFileNote(); !note.empty())
            report.text("warning", note);
        return "";
    }
    const scan::CKineSpectrum &c = *loaded.curve;
    report.text("kind", "curve");
    report.number("wavelength_nm", c.wavelength, 1);
    report.integer("total_time_s", c.totalTime);
    report.number("step_s", c.step, 3);
    report.integer("points", static_cast<long long>(c.fullPointCount()));
    report.text("name", c.name);
    report.text("sample_name", c.sampleName());
    report.text("operator", c.operatorName());
    report.text("date", c.dateText());
    report.number("rate_begin_s", c.beginTime, 3);
    report.number("rate_end_s", c.endTime, 3);
    report.number("factor", c.factor);
    report.number("rate_iu", c.rateResult);
    report.number("r", c.r);
    if (const std::string note = loaded.shortFileNote(); !note.empty())
        report.text("warning", note);
    return "";
}

// IN OUT for a command that turns one file into another: the output checked first, then the input read.
std::string loadForOutput(const char *command, const Arguments &args, Loaded &loaded) {
    if (args.words.size() < 2)
        return std::string(command) + " needs an input and an output file";
    if (const std::string problem = outputProblem(args.words[1], {args.words[0]}); !problem.empty())
        return problem;
    if (const std::string error = load(args.words[0], loaded); !error.empty())
        return error;
    // Points the file does not hold would be written as zeros that look like data.
    if (const std::string note = loaded.shortFileNote(); !note.empty()) {
        if (!args.has("--accept-missing"))
            return note + " Nothing was written (--accept-missing writes it with the missing points as 0).";
        std::fprintf(stderr, "spectavo-cli: %s\n", note.c_str());
    }
    return "";
}

std::string convertCommand(const Arguments &args, Report &report) {
    Loaded loaded;
    if (const std::string problem = loadForOutput("convert", args, loaded); !problem.empty())
        return problem;
    if (const std::string error = save(loaded, args.words[1]); !error.empty())
        return error;
    report.text("file", args.words[1]);
    return "";
}

// The windows' Export: the Abs/T% table of a spectrum or a curve, byte for byte.
std::string exportCommand(const Arguments &args, Report &report) {
    Loaded loaded;
    if (const std::string problem = loadForOutput("export", args, loaded); !problem.empty())
        return problem;
    const bool written = loaded.spectrum ? exportSpectrumTable(*loaded.spectrum, args.words[1])
                                         : exportCurveTable(*loaded.curve, args.words[1]);
    if (!written)
        return "cannot write " + args.words[1];
    report.text("file", args.words[1]);
    return "";
}

std::string peaksCommand(const Arguments &args, Report &report) {
    if (args.words.empty())
        return "peaks needs a file";
    Loaded loaded;
    if (const std::string error = load(args.words[0], loaded); !error.empty())
        return error;
    std::string error;
    const std::optional<float> given = peakThreshold(args, error);
    if (!given)
        return error;
    const float threshold = *given;
    std::vector<float> points;
    std::vector<std::int32_t> marks;
    std::vector<float> widths;
    double x0 = 0.0, dx = 0.0;
    if (loaded.spectrum) {
        loaded.spectrum->recomputeMarks(threshold);
        points = loaded.spectrum->points();
        marks = loaded.spectrum->marks();
        widths = loaded.spectrum->halfWidths();
        x0 = loaded.spectrum->start;
        dx = loaded.spectrum->step;
    } else {
        loaded.curve->recomputeMarkers(threshold);
        points = loaded.curve->points();
        marks = loaded.curve->markers();
        dx = loaded.curve->step;
    }
    std::vector<std::vector<Report::Field>> rows;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i] != dataproc::kSignificantPeak && marks[i] != dataproc::kSignificantValley)
            continue;
        std::vector<Report::Field> row{Report::textField("kind", marks[i] > 0 ? "peak" : "valley"),
                                       Report::numberField("position", x0 + dx * static_cast<double>(i), 2),
                                       Report::numberField("value", points[i], 4)};
        if (marks[i] > 0 && !widths.empty())
            row.push_back(Report::numberField("half_width", widths[i], 2));
        rows.push_back(std::move(row));
    }
    report.number("threshold", threshold, 4);
    report.list("marks", std::move(rows));
    return "";
}

namespace {

// The options of an operation into its parameters; an error names the option that was refused.
std::optional<scan::OperationParameters> operationParameters(scan::Operation operation, const Arguments &args,
                                                             std::string &error) {
    scan::OperationParameters parameters;
    switch (operation) {
    case scan::Operation::SavitzkyGolay: {
        const auto degree = intOption(args, "--degree", 1, 10, 4, error);
        const auto derivative = degree ? intOption(args, "--deriv", 0, *degree, 0, error) : std::nullopt;
        const auto width =
            degree ? intOption(args, "--width", std::max(1, *degree / 2), 32, 5, error) : std::nullopt;
        if (!degree || !derivative || !width)
            return std::nullopt;
        parameters.degree = *degree;
        parameters.derivative = *derivative;
        parameters.halfWidth = *width;
        return parameters;
    }
    case scan::Operation::Smooth: {
        const auto range = intOption(args, "--range", 2, 100, 3, error);
        if (!range)
            return std::nullopt;
        parameters.range = *range;
        return parameters;
    }
    case scan::Operation::Derivative: {
        // The derivative dialog offers classes 1 to 10.
        const auto passes = intOption(args, "--class", 1, 10, 1, error);
        if (!passes)
            return std::nullopt;
        parameters.passes = *passes;
        return parameters;
    }
    case scan::Operation::Resample: {
        const auto every = intOption(args, "--every", 1, 100, 1, error);
        if (!every)
            return std::nullopt;
        parameters.every = *every;
        return parameters;
    }
    default:
        return parameters;
    }
}

std::string operationNames() {
    std::string names;
    for (const scan::OperationInfo &info : scan::operations())
        names += (names.empty() ? "" : ", ") + std::string(info.clientName);
    return names;
}

// Runs the operation on what was loaded: the result replaces `input` (an in-place operation) or
// fills `result`.
std::string applyOperation(const scan::OperationInfo &info, const scan::OperationParameters &parameters,
                           Loaded &input, Loaded *second, const std::string &name, float threshold,
                           Loaded &result) {
    const bool spectra = input.spectrum && (!second || second->spectrum);
    const bool curves = input.curve && (!second || second->curve) && info.curveMenuText;
    if (!spectra && !curves)
        return "math " + std::string(info.clientName) +
               (info.inputs == 2 ? " needs two spectra (or two curves for add and sub)"
                                 : " needs a spectrum or a curve");
    bool applied = false;
    if (spectra) {
        auto made =
            scan::applyToSpectra(info, parameters, *input.spectrum,
                                 second && second->spectrum ? &*second->spectrum : nullptr, name, threshold);
        applied = made.applied;
        if (made.derived)
            result.spectrum = std::move(made.derived);
    } else {
        auto made = scan::applyToCurves(info, parameters, *input.curve,
                                        second && second->curve ? &*second->curve : nullptr, name, threshold);
        applied = made.applied;
        if (made.derived)
            result.curve = std::move(made.derived);
    }
    if (!applied)
        return info.inputs == 2 ? "the two inputs do not share one grid"
               : info.inPlace   ? "the data cannot be resampled"
                                : "the operation could not be applied";
    if (info.inPlace)
        result = std::move(input);
    return "";
}

} // namespace

std::string mathCommand(const Arguments &args, Report &report) {
    const scan::OperationInfo *info = args.words.empty() ? nullptr : scan::operationNamed(args.words[0]);
    if (!args.words.empty() && !info)
        return "unknown operation '" + args.words[0] + "' (" + operationNames() + ")";
    if (args.words.size() < (info && info->inputs == 2 ? 4u : 3u))
        return "math needs OP IN [IN2] OUT";
    const std::string output = args.words.back();
    const std::vector<std::string> inputs(args.words.begin() + 1, args.words.end() - 1);
    if (const std::string problem = outputProblem(output, inputs); !problem.empty())
        return problem;
    Loaded input;
    if (const std::string error = load(args.words[1], input); !error.empty())
        return error;
    std::string error;
    const std::optional<float> threshold = peakThreshold(args, error);
    if (!threshold)
        return error;
    Loaded second;
    if (info->inputs == 2)
        if (const std::string problem = load(args.words[2], second); !problem.empty())
            return problem;
    const auto parameters = operationParameters(info->operation, args, error);
    if (!parameters)
        return error;
    Loaded result;
    if (const std::string problem =
            applyOperation(*info, *parameters, input, info->inputs == 2 ? &second : nullptr,
                           scan::scanfile::fileNameOf(output), *threshold, result);
        !problem.empty())
        return problem;
    if (const std::string problem = save(result, output); !problem.empty())
        return problem;
    report.text("file", output);
    return "";
}

std::string rateCommand(const Arguments &args, Report &report) {
    if (args.words.empty())
        return "rate needs a .kin file";
    Loaded loaded;
    if (const std::string error = load(args.words[0], loaded); !error.empty())
        return error;
    if (!loaded.curve)
        return "rate needs a time-scan curve";
    scan::CKineSpectrum &curve = *loaded.curve;
    std::string error;
    const double total = curve.totalTime;
    const auto begin = checkedNumber(args, "--begin", 0.0, total, error);
    const auto end = error.empty() ? checkedNumber(args, "--end", 0.0, total, error) : std::nullopt;
    const auto factor = error.empty() ? checkedNumber(args, "--factor", -1e9, 1e9, error) : std::nullopt;
    if (!error.empty())
        return error;
    if (factor)
        curve.factor = static_cast<float>(*factor);
    if (begin || end) {
        // A range the operator gives is held to the curve's time, as the rate page holds it.
        const float last = static_cast<float>(total);
        if (!setRateRange(curve, static_cast<float>(begin.value_or(std::min(curve.beginTime, last))),
                          static_cast<float>(end.value_or(std::min(curve.endTime, last))), curve.factor))
            return strings::formatC("the rate range must lie within 0 to %d s", curve.totalTime);
    } else {
        // The stored range, cut to the curve's points: the number the window shows when it opens the file.
        curve.recomputeRate();
    }
    report.number("begin_s", curve.beginTime, 3);
    report.number("end_s", curve.endTime, 3);
    report.number("factor", curve.factor);
    report.number("rate_iu", curve.rateResult);
    report.number("r", curve.r);
    return "";
}

std::string decodeRecordCommand(const Arguments &args, Report &report) {
    if (args.words.empty() || !args.has("-o"))
        return "decode-record needs a record file and -o OUT";
    if (const std::string problem = outputProblem(args.get("-o"), {args.words[0]}); !problem.empty())
        return problem;
    const auto bytes = scan::scanfile::readWholeFile(args.words[0]);
    if (!bytes)
        return (std::filesystem::exists(args.words[0]) ? "cannot read " : "no such file: ") + args.words[0];
    const std::span<const std::uint8_t> content(reinterpret_cast<const std::uint8_t *>(bytes->data()),
                                                bytes->size());
    std::string error;
    const auto steps = intOption(args, "--steps-per-nm", 1, 255, 20, error);
    if (!steps)
        return error;
    const int stepsPerNm = *steps;
    Loaded loaded;
    if (args.get("--kind", "wave") == "time") {
        scan::CKineSpectrum curve;
        bool incomplete = false;
        if (!decodeInstrumentCurve(content, stepsPerNm, args.get("--beam", "double") == "single" ? 0 : 2,
                                   curve, &incomplete))
            return incomplete ? link::kIncompleteFile : "not a time-scan record";
        loaded.curve = std::move(curve);
    } else {
        const ProfileFile model(link::stationModelFile(args.get("--model")), true);
        scan::CWaveSpectrum spectrum;
        bool incomplete = false;
        if (!decodeInstrumentSpectrum(content, stepsPerNm, model, spectrum, &incomplete))
            return incomplete ? link::kIncompleteFile : "not a spectrum record";
        loaded.spectrum = std::move(spectrum);
    }
    if (const std::string problem = save(loaded, args.get("-o")); !problem.empty())
        return problem;
    report.text("file", args.get("-o"));
    return "";
}

} // namespace spectavo::cli
