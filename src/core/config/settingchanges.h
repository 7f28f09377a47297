#pragma once

#include <functional>
#include <optional>
#include <string>

namespace spectavo {

// A value of a settings file (one in the program's configuration folder) that a write changed.
struct SettingChange {
    std::string file; // the file's name, without its folder
    std::string section;
    std::string key;
    std::optional<std::string> oldValue; // none: the key was not there
    std::string newValue;
};

// Whether a change is the operator's or the lab's choice, for the audit trail, rather than the
// program keeping its own state (the instrument's last wavelength and cell, recent files, window
// placement).
bool isChosenSetting(const SettingChange &change);

// The program's one listener to settings changes (the audit trail), called on the thread that wrote,
// after the file is on disk. None by default; an empty function removes it.
void setSettingChangeListener(std::function<void(const SettingChange &)> listener);
void announceSettingChange(const SettingChange &change);

} // namespace spectavo
