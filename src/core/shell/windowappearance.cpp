#include "core/shell/windowappearance.h"

namespace spectavo::shell {

WindowAppearance WindowAppearance::load(const ProfileStore &analyst) {
    WindowAppearance appearance;
    appearance.flatToolbars = analyst.GetInt("Spectavo", "CoolBar", 1) != 0;
    appearance.titleBar = analyst.GetInt("Spectavo", "Caption", 1) != 0;
    appearance.stayOnTop = analyst.GetInt("Spectavo", "TopMost", 1) != 0;
    appearance.coverScreen = analyst.GetInt("Spectavo", "FixedSize", 1) != 0;
    return appearance;
}

} // namespace spectavo::shell
