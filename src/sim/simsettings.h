#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/config/profilestore.h"

namespace spectavo::sim {

// Faults the virtual instrument can show on demand, as probabilities per packet (0..1) or times.
struct SimFaults {
    double dropOutgoing = 0.0;            // packets to the program lost
    double corruptOutgoing = 0.0;         // packets to the program with a damaged byte
    double duplicateOutgoing = 0.0;       // packets to the program sent twice
    double refuseSends = 0.0;             // the driver refuses a packet from the program
    double silenceAfterSeconds = -1.0;    // the instrument stops answering (negative: never)
    double disconnectAfterSeconds = -1.0; // the line goes away (negative: never)
};

// Everything the virtual instrument is made of, from config/tarvesta.zav.sim.ini.
struct SimSettings {
    static constexpr const char *kFileName = "..\\config\\tarvesta.zav.sim.ini";

    std::string modelName = "UV-1900";
    std::string serial = "PS19-000042";
    std::string version = "Photrak FW 3.20";
    int beamType = 2; // 0 single beam, 1 or 2 double beam
    int channels = 2;
    int darkLevels = 8; // amplifier levels in the dark current table, 1..20
    double wlMinNm = 190.0;
    double wlMaxNm = 1100.0;
    int stepsPerNm = 20;
    // The monochromator's error: at a reported wavelength the light is this much longer (nm).
    double wavelengthOffsetNm = 0.0;
    double speedFactor = 1.0; // > 1 runs the instrument faster than real time
    std::uint64_t seed = 1;
    bool bootSequence = true;
    bool askRecalibrate = false;  // stop at boot state 7 until the program answers
    bool fileSystemError = false; // stop at boot state 14 until the program answers
    bool sipperInstalled = false;
    double noiseRelative = 0.0004; // of the signal
    double noiseCounts = 1.5;
    std::vector<std::string> cells = {"blank",        "holmium", "dichromate20", "dichromate40",
                                      "dichromate60", "nucleic", "reaction",     "empty"};
    SimFaults faults;

    void load(const ProfileStore &file);
    // Writes what the driver's settings panel edits: the speed, the cells and the faults.
    void saveSetup(ProfileStore &file) const;
};

} // namespace spectavo::sim
