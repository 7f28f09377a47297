// Method and display settings of the fixed-wavelength documents come from files edited by hand and
// copied between machines: whatever they hold, loading them into the pages' rules, laying out the
// tables and the chart, and computing a readout's points must stay inside their bounds.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/fixed/calibration.h"
#include "core/fixed/dna.h"
#include "core/fixed/methodform.h"
#include "core/fixed/quanchart.h"
#include "core/fixed/readoutsequence.h"
#include "core/fixed/validity.h"
#include "textprofile.h"

namespace {

using namespace spectavo;
using fuzz::TextProfile;

void loadMethod(const TextProfile &file, fixed::MethodKind kind) {
    fixed::MethodForm form(kind);
    form.setRange({190.0, 1100.0});
    form.initialise();
    form.load(file);
    const fixed::FixedMethodRecord &method = form.record();
    if (kind != fixed::MethodKind::DnaProtein && (method.count < 1 || method.count > method.capacity))
        std::abort();
    (void)form.take();
    const fixed::ReadoutPoints points = fixed::readoutPointsOf(method);
    if (points.count < 1 || points.count > fixed::ReadoutPoints::kMax)
        std::abort();
    fixed::SampleTable table(kind == fixed::MethodKind::FixedPoints);
    table.layoutFixedPoints(method, true, fixed::concentrationMode(method) ? 2 : 0);
    if (table.grid().rows() != fixed::SampleTable::kRows + 1)
        std::abort();
    fixed::FixedMethodRecord refitted = method;
    (void)fixed::recalculateStandards(table, refitted);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const TextProfile file(std::string_view(reinterpret_cast<const char *>(data), size));
    for (auto kind :
         {fixed::MethodKind::FixedPoints, fixed::MethodKind::DnaProtein, fixed::MethodKind::Validity})
        loadMethod(file, kind);

    const fixed::DnaMethodList list = fixed::DnaMethodList::read(file);
    if (list.names.size() > 1000)
        std::abort();
    fixed::FixedMethodRecord dna(fixed::MethodKind::DnaProtein);
    dna.load(file);
    fixed::applyDnaMethod(file, dna.methodIndex, dna);
    fixed::SampleTable dnaTable;
    fixed::layoutDnaTable(dnaTable, dna, list.resultNames, true);

    fixed::CurveSettings settings;
    settings.load(file);
    (void)settings.refuseDenseSteps();
    fixed::ChartFontSizes fonts;
    fonts.height.fill(12.0);
    const fixed::QuanChartLayout layout = fixed::layoutQuanChart(settings, {0, 0, 640, 400}, fonts);
    if (layout.xTicks.size() > static_cast<std::size_t>(fixed::kMaxTicks) ||
        layout.yTicks.size() > static_cast<std::size_t>(fixed::kMaxTicks))
        std::abort();
    fixed::FixedMethodRecord quan;
    quan.load(file);
    const auto segments = fixed::clippedSegments(fixed::calibrationCurve(layout, quan), layout.plot);
    if (segments.size() > 10000)
        std::abort();

    fixed::ValidityData validity;
    validity.loadStandards(file);
    fixed::FixedMethodRecord validityMethod(fixed::MethodKind::Validity);
    validityMethod.load(file);
    fixed::SampleTable results;
    int lastTest = -1;
    fixed::layoutValidityTable(results, validityMethod, validity, true, lastTest);
    fixed::judgeRows(results, validityMethod.count, validityMethod.methodIndex,
                     validityMethod.coefficients[0]);
    return 0;
}
