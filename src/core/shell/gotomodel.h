#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "core/link/stationlink.h"

namespace spectavo::shell {

// "Goto specified wavelength" without its widgets: moves to a wavelength, keeps a live blank-corrected
// reading, zeroes on demand and formats the readout.
class GotoModel {
public:
    GotoModel(link::StationLink &link, link::NotifyTarget *window, int absorbanceMode);
    ~GotoModel() { close(); }
    GotoModel(const GotoModel &) = delete;
    GotoModel &operator=(const GotoModel &) = delete;

    float initialWavelength() const;
    std::string initialWavelengthText() const; // "%5.1f"
    // The wavelength typed, or the range message when it is not a number inside the instrument's range.
    std::optional<float> parseWavelength(const std::string &text, std::string *error) const;

    bool gotoWavelength(float nanometres);
    bool zero(float nanometres);
    void setTransmittance(bool transmittance) { m_transmittance = transmittance; }
    bool transmittance() const { return m_transmittance; }
    void onAcquisitionNotify(int code, std::int32_t value);
    std::string display() const;
    void close();

private:
    link::StationLink &m_link;
    link::NotifyTarget *m_window;
    bool m_transmittance;
    std::atomic<float> m_blank{0.0f};
    std::atomic<float> m_value{0.0f};
    bool m_waiting = false;
    bool m_zeroing = false;
};

} // namespace spectavo::shell
