#pragma once

namespace spectavo::program {

// Values the main window keeps for the whole program and the measurement windows read or set. All
// are used on the user-interface thread only.
struct AppFlags {
    int absorbanceMode = 1;         // 1 absorbance, 0 transmittance in percent
    int photometricModeChanged = 0; // the last mode command changed the mode
    int lampStable = 1;             // 0 during the D2 lamp's warm-up
    int autorunActive = 0;          // a multicell autorun is running
    int remoteStartFlag = 0;        // the running measurement was started remotely
    float peakHeight = 0.03f;       // the peak/valley threshold, absorbance
};

} // namespace spectavo::program
