// The time-scan window reads its setup choices, chart look, display range and print options from a
// settings file edited by hand: whatever it holds, the setup's choices, the chart's ticks and the
// settings sheet must stay inside their bounds.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/scan/chartaxes.h"
#include "core/scan/chartstyle.h"
#include "core/scan/displayrange.h"
#include "core/scan/time/kineprint.h"
#include "core/scan/time/kinesetup.h"
#include "core/scan/time/kinesheet.h"
#include "textprofile.h"

namespace {

using namespace spectavo;
using fuzz::TextProfile;

void checkTicks(const scan::CDisplayRange &range, bool absorbance) {
    const scan::TickLadder across = range.xTicks();
    if (scan::tickValues(range.xMin, range.xMax, across.interval, scan::kWavelengthTickTolerance,
                         range.maxTicks())
            .size() > scan::kMaxTimeTicks)
        std::abort();
    const scan::TickLadder up = range.valueTicks(absorbance);
    if (scan::tickValues(range.yMin(absorbance), range.yMax(absorbance), up.interval,
                         scan::kValueTickTolerance, range.maxTicks())
            .size() > scan::kMaxTimeTicks)
        std::abort();
    (void)scan::tickLabel(up, range.yMax(absorbance));
}

void checkSetup(const TextProfile &file) {
    const std::vector<std::string> choices = scan::kineStepChoices(file);
    if (choices.empty() || choices.size() > 100)
        std::abort();
    for (const std::string &choice : choices) {
        if (scan::initialStepChoice(choices, scan::stepOfChoice(choice)) >= choices.size())
            std::abort();
        const scan::KineSetupCheck check = scan::checkKineSetup({340.0f, "120", choice}, {190.0f, 1100.0f});
        if (check.accepted && !(check.accepted->step > 0.0f))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    TextProfile file(std::string_view(reinterpret_cast<const char *>(data), size));
    checkSetup(file);
    (void)scan::ChartStyle::loadKinetic(file);
    scan::DisplayHistory display(scan::CDisplayRange::loadKinetic(file));
    checkTicks(display.range(), true);
    checkTicks(display.range(), false);
    (void)scan::loadKinePrintSettings(file, file);

    scan::CKineSpectrum curve;
    curve.totalTime = 10;
    curve.step = 0.5f;
    curve.allocatePoints();
    curve.recomputeMarkers(0.03f);
    (void)scan::kinePrintedPoints(curve, display.range());
    TextProfile analyst("");
    scan::ChartFonts fonts = scan::ChartFonts::load(file);
    const scan::SpectrumSheet sheet =
        scan::presetKineSheet(display.range(), true, &curve, file, analyst, fonts);
    (void)scan::applyKineSheet(sheet, display, true, &curve, file, analyst, fonts);
    checkTicks(display.range(), true);
    if (curve.beginTime > curve.endTime)
        std::abort();
    return 0;
}
