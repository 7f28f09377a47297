// The Compute menu of a wavelength-scan window: derived spectra and arithmetic.

#include "app/scan/operationdialog.h"
#include "app/scan/scanframe.h"
#include "core/scan/chartstyle.h"

namespace spectavo::app {
// A derived spectrum's colour is offered as the first the window does not use yet, so that overlays
// can be told apart.
int CScanFrame::unusedColourIndex() const {
    return scan::firstUnusedColourIndex(m_spectra.colours());
}

void CScanFrame::addDerived(std::optional<CWaveSpectrum> derived, std::optional<int> colourIndex) {
    if (!derived)
        return;
    if (colourIndex)
        derived->colour = scan::indexedColour(*colourIndex);
    m_spectra.insertFront(std::make_unique<CWaveSpectrum>(std::move(*derived)));
    m_spectra.setCurrent(0);
    refresh();
}

// Any operation of the table: its dialog, then the result in front (or the current spectrum changed).
void CScanFrame::compute(const scan::OperationInfo &info) {
    CWaveSpectrum *current = m_spectra.current();
    if (info.inputs == 1 && !current)
        return;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        if (!m_spectra.at(i).acquiring.load())
            names.push_back(m_spectra.at(i).name);
    const auto request =
        askOperation(info, current ? current->sampleName() : std::string(), unusedColourIndex(), names, this);
    if (!request)
        return;
    CWaveSpectrum *first = current;
    const CWaveSpectrum *second = nullptr;
    if (info.inputs == 2) {
        // A name that matches no spectrum (an empty list) is refused: nothing is computed.
        const auto a = m_spectra.findByName(request->first);
        const auto b = m_spectra.findByName(request->second);
        if (!a || !b)
            return;
        first = &m_spectra.at(*a);
        second = &m_spectra.at(*b);
    }
    auto result = scan::applyToSpectra(info, request->parameters, *first, second, request->resultName,
                                       m_host.program.flags.peakHeight);
    if (result.derived)
        addDerived(std::move(result.derived), request->colourIndex);
    else if (result.applied)
        refresh();
}

} // namespace spectavo::app
