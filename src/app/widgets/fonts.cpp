#include "app/widgets/fonts.h"

#include <algorithm>
#include <cstdlib>

namespace spectavo::app {

QFont toQFont(const StoredFont &stored) {
    QFont font(QString::fromStdString(stored.name));
    font.setPixelSize(std::max(1, std::abs(stored.height)));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(stored.weight, 100, 900)));
    font.setItalic(stored.italic != 0);
    font.setUnderline(stored.underline != 0);
    font.setStrikeOut(stored.strikeOut != 0);
    return font;
}

StoredFont fromQFont(const QFont &font) {
    StoredFont stored;
    stored.name = font.family().toStdString().substr(0, StoredFont::kMaxNameLength);
    stored.height =
        font.pixelSize() > 0 ? font.pixelSize() : static_cast<int>(font.pointSizeF() * 96.0 / 72.0 + 0.5);
    stored.weight = static_cast<int>(font.weight());
    stored.italic = font.italic() ? 1 : 0;
    stored.underline = font.underline() ? 1 : 0;
    stored.strikeOut = font.strikeOut() ? 1 : 0;
    return stored;
}

QColor colourOf(std::uint32_t stored) {
    return QColor(static_cast<int>(stored & 0xFF), static_cast<int>((stored >> 8) & 0xFF),
                  static_cast<int>((stored >> 16) & 0xFF));
}

std::uint32_t storedColour(const QColor &colour) {
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

} // namespace spectavo::app
