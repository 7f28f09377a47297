#include "documentcommands.h"

#include <filesystem>

#include "core/config/profilefile.h"
#include "core/fixed/calibration.h"
#include "core/fixed/dna.h"
#include "core/fixed/storeddocument.h"
#include "core/strings/cformat.h"
#include "outputfile.h"

namespace spectavo::cli {
namespace {

using fixed::MethodKind;

const char *kindName(MethodKind kind) {
    switch (kind) {
    case MethodKind::DnaProtein:
        return "dna/protein";
    case MethodKind::Validity:
        return "validity";
    case MethodKind::FixedPoints:
        break;
    }
    return "fixed points";
}

// What the kind's configuration supplies, as the window reads it.
fixed::DocumentConfiguration configurationOf(MethodKind kind) {
    fixed::DocumentConfiguration configuration;
    const ProfileFile file(fixed::methodConfigurationFile(kind), true);
    const ProfileFile::Batch batch(file);
    if (kind == MethodKind::DnaProtein)
        configuration.dnaResultNames = fixed::DnaMethodList::read(batch).resultNames;
    if (kind == MethodKind::Validity)
        configuration.validity.loadStandards(batch);
    return configuration;
}

// The header row and the rows in use, each cell under its column's number.
std::vector<std::vector<Report::Field>> tableRows(const fixed::SampleTable &table, int rows) {
    std::vector<std::vector<Report::Field>> result;
    for (int row = 0; row <= rows; ++row) {
        std::vector<Report::Field> fields;
        for (int column = 0; column < table.grid().columns(); ++column)
            fields.push_back(
                Report::textField(strings::formatC("c%d", column), table.grid().text(row, column)));
        result.push_back(std::move(fields));
    }
    return result;
}

void reportMethod(const fixed::FixedMethodRecord &method, Report &report) {
    std::vector<double> wavelengths;
    for (int i = 0; i < std::clamp(method.count, 0, method.capacity); ++i)
        wavelengths.push_back(method.wavelengths[static_cast<std::size_t>(i)]);
    report.numbers("wavelengths_nm", wavelengths, 1);
    report.integer("method_index", method.methodIndex);
    report.integer("reference", method.reference);
    report.text("unit", method.unit);
    report.numbers("k", {method.coefficients.begin(), method.coefficients.end()}, 6);
    if (method.kind == MethodKind::FixedPoints) {
        report.number("r", method.correlation, 6);
        report.boolean("concentration", method.concentration != 0);
        report.text("calibration", fixed::calibrationSourceKey(method.calibrationSource));
    }
}

// Sample rows whose concentration an earlier calibration gave: named, with the reason once.
void reportStaleRows(const fixed::StoredDocument &document, Report &report) {
    if (document.kind() != MethodKind::FixedPoints)
        return;
    const std::vector<int> stale = fixed::staleConcentrationRows(document.samples(), document.method());
    if (stale.empty())
        return;
    report.numbers("stale_concentration_rows", {stale.begin(), stale.end()}, 0);
    report.text("stale_concentrations", fixed::kStaleConcentrations);
}

std::string notADocument(const std::string &path) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored))
        return "no such file: " + path;
    return strings::formatC("%s is not a fixed-wavelength document", path.c_str());
}

} // namespace

bool isFixedDocument(const std::string &path) {
    return fixed::documentFileKind(path).has_value();
}

std::string documentInfo(const std::string &path, Report &report) {
    const fixed::DocumentFileKind kind = *fixed::documentFileKind(path);
    fixed::StoredDocument document(kind.kind, configurationOf(kind.kind));
    const fixed::LoadOutcome outcome = document.load(path, kind.methodOnly);
    if (!outcome.read)
        return notADocument(path);
    // A DNA/protein document names its method; the factors and wavelengths are that method's as
    // configured now (defaults for a method the configuration lacks), as the window shows them.
    if (kind.kind == MethodKind::DnaProtein) {
        const ProfileFile file(fixed::methodConfigurationFile(MethodKind::DnaProtein), true);
        fixed::applyDnaMethod(file, document.method().methodIndex, document.method());
    }
    report.text("kind", kindName(kind.kind));
    report.boolean("method_only", kind.methodOnly);
    reportMethod(document.method(), report);
    report.text("title", document.report().title);
    report.text("date", document.report().dateTime);
    if (kind.kind == MethodKind::FixedPoints)
        report.list("standards", tableRows(document.standards(), document.standards().rowCount()));
    const int sampleRows = kind.kind == MethodKind::Validity ? std::clamp(document.method().count, 1, 10)
                                                             : document.samples().rowCount();
    if (!kind.methodOnly) {
        report.list("samples", tableRows(document.samples(), sampleRows));
        reportStaleRows(document, report);
    }
    if (outcome.rowsCut)
        report.text("warning", fixed::kRowsCutOnLoad);
    if (const auto problem = document.method().countProblem())
        report.text("invalid_method", *problem);
    return "";
}

std::string recalcCommand(const Arguments &args, Report &report) {
    if (args.words.size() < 2)
        return "recalc needs an input and an output file";
    const std::string &in = args.words[0];
    const std::string &out = args.words[1];
    const std::optional<fixed::DocumentFileKind> inKind = fixed::documentFileKind(in);
    const std::optional<fixed::DocumentFileKind> outKind = fixed::documentFileKind(out);
    if (!inKind || inKind->kind != MethodKind::FixedPoints)
        return "recalc reads fixed points documents (.QUA, .QM)";
    if (!outKind || outKind->kind != MethodKind::FixedPoints || outKind->methodOnly != inKind->methodOnly)
        return "recalc writes the same kind of document as it reads";
    if (const std::string problem = outputProblem(out, {in}); !problem.empty())
        return problem;
    fixed::StoredDocument document(MethodKind::FixedPoints, configurationOf(MethodKind::FixedPoints));
    if (!document.load(in, inKind->methodOnly).read)
        return notADocument(in);
    // A method no window would measure with is not recalculated and written back.
    if (const auto problem = document.method().countProblem())
        return *problem + " Nothing was written.";
    if (const std::optional<std::string> failed = document.recalculate())
        return *failed;
    if (!document.save(out, inKind->methodOnly))
        return strings::formatC("cannot write %s", out.c_str());
    reportMethod(document.method(), report);
    report.integer("standards", document.standards().rowCount());
    report.integer("samples", document.samples().rowCount());
    report.text("written", out);
    return "";
}

} // namespace spectavo::cli
