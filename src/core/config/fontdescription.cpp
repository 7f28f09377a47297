#include "core/config/fontdescription.h"

#include <algorithm>

namespace spectavo {

StoredFont normalizedFont(StoredFont font) {
    auto flag = [](int value) { return value != 0 ? 1 : 0; };
    auto code = [](int value) { return std::clamp(value, 0, 255); };
    if (font.name.size() > StoredFont::kMaxNameLength)
        font.name.resize(StoredFont::kMaxNameLength);
    font.italic = flag(font.italic);
    font.underline = flag(font.underline);
    font.strikeOut = flag(font.strikeOut);
    font.charSet = code(font.charSet);
    font.outPrecision = code(font.outPrecision);
    font.clipPrecision = code(font.clipPrecision);
    font.quality = code(font.quality);
    font.pitchAndFamily = code(font.pitchAndFamily);
    return font;
}

} // namespace spectavo
