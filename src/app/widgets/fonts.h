#pragma once

#include <QFont>

#include "core/config/fontdescription.h"

namespace spectavo::app {

// A stored font description as a QFont and back: the height is a pixel size on screen (a negative
// height, as logical fonts allow, means the same size), weight 100..900 as is, escapement 900 turns
// text by 90 degrees (the painter does that, not the font).
QFont toQFont(const StoredFont &font);
StoredFont fromQFont(const QFont &font);

} // namespace spectavo::app
