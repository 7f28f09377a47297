#include "core/shell/gotomodel.h"

#include <cmath>

#include "core/link/commands.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::shell {

GotoModel::GotoModel(link::StationLink &link, link::NotifyTarget *window, int absorbanceMode)
    : m_link(link), m_window(window), m_transmittance(absorbanceMode == 0) {}

float GotoModel::initialWavelength() const {
    return static_cast<float>(m_link.status().currentWavelengthTenths.load()) / 10.0f;
}

std::string GotoModel::initialWavelengthText() const {
    return strings::formatC("%5.1f", static_cast<double>(initialWavelength()));
}

std::optional<float> GotoModel::parseWavelength(const std::string &text, std::string *error) const {
    const double low = m_link.config().wlMinTenths.load() / 10.0;
    const double high = m_link.config().wlMaxTenths.load() / 10.0;
    std::size_t used = 0;
    const float value = strings::scanFloatC(text, &used);
    if (used == 0 || !(value >= low) || !(value <= high)) {
        if (error)
            *error = strings::trFormat("Enter a number between %g and %g.", low, high);
        return std::nullopt;
    }
    return value;
}

bool GotoModel::gotoWavelength(float nanometres) {
    m_blank = 0.0f;
    if (!m_link.operations().GotoAndRead(link::kModeGotoAndReadout, nanometres, &m_blank, &m_value, m_window))
        return false;
    m_waiting = true;
    return true;
}

bool GotoModel::zero(float nanometres) {
    const bool moved = gotoWavelength(nanometres);
    m_zeroing = moved;
    return moved;
}

void GotoModel::onAcquisitionNotify(int code, std::int32_t value) {
    if (code == link::kAcqBlankTaken) {
        m_zeroing = false;
        return;
    }
    if (code == link::kAcqAcknowledged && value == link::kGotoWavelength) {
        m_waiting = false;
        return;
    }
    if (m_zeroing && !m_waiting) {
        m_zeroing = false;
        m_blank = m_blank.load() + m_value.load(); // the next reading reads zero
    }
}

std::string GotoModel::display() const {
    if (m_waiting || m_zeroing)
        return SPECTAVO_TEXT("Waiting");
    const double value = m_value.load();
    return m_transmittance ? strings::formatC("%+6.2f", std::pow(10.0, 2.0 - value))
                           : strings::formatC("%+5.4f", value);
}

void GotoModel::close() {
    m_link.operations().CloseAcquisitionOf(m_window);
}

} // namespace spectavo::shell
