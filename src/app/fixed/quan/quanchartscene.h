#pragma once

#include <array>

#include <QColor>
#include <QFont>

#include "core/fixed/fixedmethod.h"
#include "core/fixed/quanchart.h"
#include "core/fixed/sampletable.h"

namespace spectavo::app {

// What the calibration chart shows: the method's calibration, the tables' marks, the settings.
struct QuanChartScene {
    const fixed::FixedMethodRecord *method = nullptr;
    const fixed::SampleTable *standards = nullptr;
    const fixed::SampleTable *samples = nullptr;
    fixed::CurveSettings settings;
    std::array<QFont, fixed::CurveSettings::kFonts> fonts;
    std::array<QColor, fixed::CurveSettings::kFonts> colours;
};

} // namespace spectavo::app
