#pragma once

#include <string>

namespace spectavo {

// Where a running program reads and writes its settings and the data files beside them.
//
// A program whose own "config" folder (beside its "bin") is writable keeps everything there: the
// build tree, a portable copy. An installed program's folder is read-only and shared by every
// operator of the workstation, so each operator gets a folder of their own under
// $XDG_CONFIG_HOME/spectavo (by default ~/.config/spectavo), filled at the first start from the
// shipped defaults (share/spectavo/config under the installation's prefix).
struct SettingsFolder {
    std::string path;
    // The defaults the operator's folder was filled from (empty for the program's own folder).
    std::string defaults;
    // Why this folder, in a sentence for "spectavo-cli config".
    std::string reason;
};

// The places the decision looks at.
struct SettingsPlaces {
    std::string programDirectory; // where the program runs from (its "bin")
    std::string xdgConfigHome;    // $XDG_CONFIG_HOME, empty when unset
    std::string home;             // $HOME, empty when unset
};
SettingsPlaces currentSettingsPlaces();

// The decision alone: nothing is created.
SettingsFolder chooseSettingsFolder(const SettingsPlaces &places);

// Copies every shipped default the operator's folder does not have yet (creating the folder), so a
// new version's new settings arrive while the operator's own stay. False when the folder cannot be
// made.
bool seedSettingsFolder(const SettingsFolder &folder);

// The folder of this process: chosen and, the first time it is the operator's own, seeded.
SettingsFolder settingsFolder();

} // namespace spectavo
