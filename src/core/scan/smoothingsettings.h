#pragma once

#include "core/config/profilestore.h"

namespace spectavo::scan {

// The Savitzky-Golay smoothing a scan or time scan applies to its points as they arrive: section
// "SavGol" of its settings file.
struct SmoothingSettings {
    // The widest half-width the filter takes, in its dialogs and its rule alike.
    static constexpr int kMaxHalfWidth = 32;

    int useFilter = 1;
    int filterDegree = 4;
    int filterWidth = 5;

    void load(const ProfileStore &file) {
        useFilter = file.GetInt("SavGol", "Yes", useFilter);
        filterDegree = file.GetInt("SavGol", "Class", filterDegree);
        filterWidth = file.GetInt("SavGol", "Range", filterWidth);
    }
    void save(ProfileStore &file) const {
        file.PutInt("SavGol", "Yes", useFilter);
        file.PutInt("SavGol", "Class", filterDegree);
        file.PutInt("SavGol", "Range", filterWidth);
    }
};

} // namespace spectavo::scan
