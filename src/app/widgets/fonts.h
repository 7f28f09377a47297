#pragma once

#include <cstdint>

#include <QColor>

#include <QFont>

#include "core/config/fontdescription.h"

namespace spectavo::app {

// A stored font description as a QFont and back: the height is a pixel size on screen (a negative
// height, as logical fonts allow, means the same size), weight 100..900 as is, escapement 900 turns
// text by 90 degrees (the painter does that, not the font).
QFont toQFont(const StoredFont &font);
StoredFont fromQFont(const QFont &font);

// A stored colour (red in the low byte, then green, then blue) as a QColor and back.
QColor colourOf(std::uint32_t stored);
std::uint32_t storedColour(const QColor &colour);

} // namespace spectavo::app
