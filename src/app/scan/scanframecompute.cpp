// The Compute menu of a wavelength-scan window: derived spectra and arithmetic.

#include "app/scan/scanframe.h"
#include "core/scan/chartstyle.h"

namespace spectavo::app {
// A derived spectrum's colour is offered as the first the window does not use yet, so that overlays
// can be told apart.
int CScanFrame::unusedColourIndex() const {
    return scan::firstUnusedColourIndex(m_spectra.colours());
}

void CScanFrame::addDerived(std::optional<scan::CWaveSpectrum> derived, std::optional<int> colourIndex) {
    if (!derived)
        return;
    if (colourIndex)
        derived->colour = scan::indexedColour(*colourIndex);
    m_spectra.insertFront(std::make_unique<scan::CWaveSpectrum>(std::move(*derived)));
    m_spectra.setCurrent(0);
    refresh();
}

void CScanFrame::compute(const scan::OperationInfo &info) {
    computeOn(m_spectra, info, unusedColourIndex(), scan::applyToSpectra,
              [this](std::optional<scan::CWaveSpectrum> derived, std::optional<int> colourIndex) {
                  addDerived(std::move(derived), colourIndex);
              });
}

} // namespace spectavo::app
