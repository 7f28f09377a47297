#pragma once

#include <QIcon>

namespace spectavo::app {

// The 16-pixel tab images of the fixed-wavelength pages, by page key (0 method .. 5 display settings).
QIcon fixedPageIcon(int key);

} // namespace spectavo::app
