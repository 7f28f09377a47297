// The Compute menu of a time-scan window: derived curves, resampling and curve arithmetic. A derived
// curve keeps its source's colour.

#include "app/scan/time/kineframe.h"

namespace spectavo::app {
namespace {

// The derived curve keeps its source's colour: the dialogs offer none.
constexpr int kSourceColour = -1;

} // namespace

// The new curve goes in front and is current.
void CKineFrame::addProcessed(std::optional<scan::CKineSpectrum> made) {
    if (!made)
        return;
    m_curves.insertFront(std::make_unique<scan::CKineSpectrum>(std::move(*made)));
    m_curves.setCurrent(0);
    refresh();
}

// A derived curve keeps its source's colour.
void CKineFrame::compute(const scan::OperationInfo &info) {
    computeOn(m_curves, info, kSourceColour, scan::applyToCurves,
              [this](std::optional<scan::CKineSpectrum> made, std::optional<int>) {
                  addProcessed(std::move(made));
              });
}

} // namespace spectavo::app
