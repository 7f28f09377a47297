#include "app/windowkinds.h"

#include "app/fixed/dna/dnapages.h"
#include "app/fixed/fixedframe.h"
#include "app/fixed/validity/validitypages.h"
#include "app/scan/scanframe.h"
#include "app/scan/time/kineframe.h"

namespace spectavo::app {

const std::vector<WindowKind> &windowKinds() {
    using shell::DocumentKind;
    static const std::vector<WindowKind> kinds = {
        {DocumentKind::FixedPoints, makeFixedPointsWindow, {820, 560}},
        {DocumentKind::WavelengthScan,
         [](const WindowHost &host) { return new CScanFrame(host); },
         {820, 520}},
        {DocumentKind::TimeScan, [](const WindowHost &host) { return new CKineFrame(host); }, {820, 520}},
        {DocumentKind::DnaProtein, makeDnaProteinWindow, {820, 560}},
        {DocumentKind::Validity, makeValidityWindow, {820, 560}},
    };
    return kinds;
}

const WindowKind &windowKind(shell::DocumentKind kind) {
    for (const WindowKind &entry : windowKinds())
        if (entry.kind == kind)
            return entry;
    return windowKinds().front();
}

MeasurementWindow *measurementWindow(QWidget *widget) {
    return dynamic_cast<MeasurementWindow *>(widget);
}

} // namespace spectavo::app
