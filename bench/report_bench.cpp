// A fixed-wavelength report of 200 rows laid out with each distinct text measured once against every
// text measured where it is printed, and the whole print into a PDF against the layout alone.

#include <cstdlib>
#include <filesystem>

#include <QApplication>
#include <QPdfWriter>

#include "app/fixed/fixedreport.h"
#include "core/strings/cformat.h"
#include "ratioreporter.h"

namespace {

using namespace spectavo;

fixed::ReportContent report() {
    fixed::ReportContent content{
        "Chromium VI", "Lab 3", fixed::ReportContent::Memo{"Anna", "today", "one\r\ntwo"}, false, {}, {}};
    fixed::ReportTable samples{"Samples", {{"Sample name", "350.0nm", "440.0nm", "Abs(eff)", "mg/L"}}, {}};
    for (int row = 0; row < 200; ++row)
        samples.rows.push_back({strings::formatC("Sample-%d", row + 1), strings::formatC("%.4f", 0.001 * row),
                                strings::formatC("%.4f", 0.002 * row), strings::formatC("%.4f", 0.001 * row),
                                strings::formatC("%.4f", 0.1 * row)});
    content.tables.push_back(samples);
    return content;
}

std::array<QFont, app::kReportFonts> fonts() {
    std::array<QFont, app::kReportFonts> result;
    for (QFont &font : result)
        font.setPointSize(10);
    return result;
}

std::string scratch() {
    return (std::filesystem::temp_directory_path() / "spectavo-bench-report.pdf").string();
}

fixed::ReportPageSize pageOf(QPdfWriter &pdf) {
    return {pdf.width(), pdf.height(), pdf.logicalDpiY()};
}

void LayoutMeasuringEveryText(benchmark::State &state) {
    QPdfWriter pdf(QString::fromStdString(scratch()));
    app::ReportDeviceMetrics device(fonts(), pdf);
    const fixed::ReportContent content = report();
    for (auto _ : state)
        benchmark::DoNotOptimize(fixed::layoutReport(content, pageOf(pdf), device));
}

void LayoutMeasuringOnce(benchmark::State &state) {
    QPdfWriter pdf(QString::fromStdString(scratch()));
    app::ReportDeviceMetrics device(fonts(), pdf);
    const fixed::ReportContent content = report();
    for (auto _ : state) {
        fixed::MeasureOnce once(device);
        benchmark::DoNotOptimize(fixed::layoutReport(content, pageOf(pdf), once));
    }
}

void PrintIntoPdf(benchmark::State &state) {
    const fixed::ReportContent content = report();
    for (auto _ : state) {
        QPdfWriter pdf(QString::fromStdString(scratch()));
        benchmark::DoNotOptimize(app::paintReport(pdf, content, fonts(), nullptr));
    }
    std::filesystem::remove(scratch());
}

BENCHMARK(LayoutMeasuringEveryText)->Unit(benchmark::kMillisecond);
BENCHMARK(LayoutMeasuringOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(PrintIntoPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    return spectavo::bench::runAndPrintRatios(
        argc, argv,
        {{"report layout of 200 rows: every text measured vs once (goal 5)",
          {"LayoutMeasuringEveryText", "LayoutMeasuringOnce"}},
         {"report of 200 rows: PDF print vs layout alone", {"PrintIntoPdf", "LayoutMeasuringOnce"}}});
}
