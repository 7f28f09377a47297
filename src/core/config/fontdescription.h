#pragma once

#include <cstdint>
#include <string>

namespace spectavo {

// A font as stored in a settings file: the fields of a logical font. Heights and widths are in
// logical units, escapement and orientation in tenths of a degree, weight 100..900 (400 normal,
// 700 bold); the last five are the platform's font-matching codes.
struct StoredFont {
    static constexpr std::size_t kMaxNameLength = 30;

    std::string name = "Times New Roman";
    int height = 12;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    int charSet = 0;
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;

    friend bool operator==(const StoredFont &, const StoredFont &) = default;
};

// A font's colour is stored apart from the font, as a decimal RGB value with red in the low byte.
inline constexpr std::uint32_t kDefaultFontColor = 0x8000;

// The stored fields of a font, brought into their ranges: flags 0/1, matching codes 0..255. A settings
// file edited by hand must not turn into a font the platform cannot represent.
StoredFont normalizedFont(StoredFont font);

} // namespace spectavo
