#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <optional>
#include <span>
#include <vector>

#include "core/fixed/fixedmethod.h"
#include "core/link/stationlink.h"

namespace spectavo::fixed {

// The wavelengths one readout measures, with the blank subtracted at each.
struct ReadoutPoints {
    static constexpr int kMax = 21;
    int count = 0;
    std::array<float, kMax> wavelengths{};
    std::array<float, kMax> blanks{};
};

// The method's wavelengths in use, with their blanks.
ReadoutPoints readoutPointsOf(const FixedMethodRecord &method);

// One sample measured at the method's wavelengths: go to each wavelength, take one blank-corrected
// reading there, go back to the first wavelength, and on closing stop the instrument and leave it at
// the first wavelength. The receive thread stores each reading into this object's values and then
// notifies the window; the window passes each notification on here, on its own thread.
class ReadoutSequence {
public:
    // The pause between the readout's appearing and its first command.
    static constexpr std::chrono::milliseconds kStartDelay{300};

    ReadoutSequence(link::StationLink &link, link::NotifyTarget *window, const ReadoutPoints &points);
    // A readout that goes away unclosed closes: no reading is written into it afterwards.
    ~ReadoutSequence();
    ReadoutSequence(const ReadoutSequence &) = delete;
    ReadoutSequence &operator=(const ReadoutSequence &) = delete;

    // The start delay expired: the first wavelength is requested. False when the link refused.
    bool begin();

    // What a notification means to the dialog.
    struct Reaction {
        std::optional<int> shown; // the value of this point arrived
        bool lastReading = false; // every point is read (the results may be computed)
        bool done = false;        // back at the first wavelength: OK may be pressed
        bool stopped = false;     // the instrument was stopped under the readout
    };
    Reaction handle(const link::Notification &notification);

    // Closing, whatever the button: the instrument stops and returns to the first wavelength, and the
    // live readings subtract the first blank again.
    void close();

    int count() const { return m_points.count; }
    int index() const { return m_index; }
    bool finished() const { return m_index >= m_points.count; }
    float value(int point) const;
    std::vector<float> values() const;
    const ReadoutPoints &points() const { return m_points; }

private:
    bool requestPoint(int point);

    link::StationLink &m_link;
    link::NotifyTarget *m_window;
    ReadoutPoints m_points;
    std::array<std::atomic<float>, ReadoutPoints::kMax> m_values{};
    std::array<std::atomic<float>, ReadoutPoints::kMax> m_blanks{};
    int m_index = -1;
    bool m_begun = false;
    bool m_closed = false;
};

} // namespace spectavo::fixed
