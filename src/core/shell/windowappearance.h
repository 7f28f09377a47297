#pragma once

#include "core/config/profilestore.h"

namespace spectavo::shell {

// Window appearance keys of the application settings.
struct WindowAppearance {
    bool flatToolbars = true;
    bool titleBar = true;
    bool stayOnTop = true;
    bool coverScreen = true;
    static WindowAppearance load(const ProfileStore &analyst);
};

} // namespace spectavo::shell
