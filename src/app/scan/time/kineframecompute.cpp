// The Compute menu of a time-scan window: derived curves, resampling and curve arithmetic. A derived
// curve keeps its source's colour.

#include "app/scan/operationdialog.h"
#include "app/scan/time/kineframe.h"

namespace spectavo::app {
namespace {

// The derived curve keeps its source's colour: the dialogs offer none.
constexpr int kSourceColour = -1;

} // namespace

// The new curve goes in front and is current.
void CKineFrame::addProcessed(std::optional<CKineSpectrum> made) {
    if (!made)
        return;
    m_curves.insertFront(std::make_unique<CKineSpectrum>(std::move(*made)));
    m_curves.setCurrent(0);
    refresh();
}

// Any operation of the table for curves: its dialog, then the result in front (or the current curve
// changed). A curve still being measured is left alone.
void CKineFrame::compute(const scan::OperationInfo &info) {
    CKineSpectrum *current = m_curves.current();
    if (info.inputs == 1 && (!current || current->acquiring.load()))
        return;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_curves.size(); ++i)
        if (!m_curves.at(i).acquiring.load())
            names.push_back(m_curves.at(i).name);
    const auto request =
        askOperation(info, current ? current->sampleName() : std::string(), kSourceColour, names, this);
    if (!request)
        return;
    CKineSpectrum *first = current;
    const CKineSpectrum *second = nullptr;
    if (info.inputs == 2) {
        // A name that matches no curve (an empty list) is refused: nothing is computed.
        const auto a = m_curves.findByName(request->first);
        const auto b = m_curves.findByName(request->second);
        if (!a || !b)
            return;
        first = &m_curves.at(*a);
        second = &m_curves.at(*b);
    }
    auto result = scan::applyToCurves(info, request->parameters, *first, second, request->resultName,
                                      m_host.program.flags.peakHeight);
    if (result.derived)
        addProcessed(std::move(result.derived));
    else if (result.applied)
        refresh();
}

} // namespace spectavo::app
