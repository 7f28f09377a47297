#include "core/config/profilestore.h"

#include "core/strings/cformat.h"

namespace spectavo {
namespace {

// GetFloat reads at most this many characters of the stored text, as the settings format always has.
constexpr std::size_t kMaxFloatText = 49;

// Cuts text to at most maxBytes without splitting a UTF-8 sequence.
std::string truncatedText(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut));
}

} // namespace

std::string ProfileStore::GetString(std::string_view section, std::string_view key,
                                    std::string_view defaultText, std::size_t size) const {
    if (size == 0)
        return {};
    const std::optional<std::string> stored = readValue(section, key);
    return truncatedText(stored ? std::string_view(*stored) : defaultText, size - 1);
}

bool ProfileStore::PutString(std::string_view section, std::string_view key, std::string_view value) {
    return writeValue(section, key, value);
}

int ProfileStore::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> stored = readValue(section, key);
    return stored ? strings::scanIntC(*stored) : defaultValue;
}

bool ProfileStore::PutInt(std::string_view section, std::string_view key, int value) {
    return writeValue(section, key, strings::formatC("%d", value));
}

float ProfileStore::GetFloat(std::string_view section, std::string_view key,
                             std::string_view defaultText) const {
    const std::optional<std::string> stored = readValue(section, key);
    const std::string_view text = stored ? std::string_view(*stored) : defaultText;
    return strings::scanFloatC(text.substr(0, kMaxFloatText));
}

// Six decimals, as settings files have always held them, unless they would lose the value (a
// cubic coefficient of 1.2e-5): then nine significant digits, which any float survives.
bool ProfileStore::PutFloat(std::string_view section, std::string_view key, float value) {
    const std::string decimals = strings::formatC("%f", static_cast<double>(value));
    if (strings::scanFloatC(decimals) == value)
        return writeValue(section, key, decimals);
    return writeValue(section, key, strings::formatC("%.9g", static_cast<double>(value)));
}

std::string ProfileStore::indexedKey(std::string_view stem, int index) {
    return std::string(stem) + strings::formatC("%d", index);
}

std::string ProfileStore::fontSection(int number) {
    return strings::formatC("Font %d", number);
}

std::string ProfileStore::GetStringAt(std::string_view section, std::string_view stem, int index,
                                      std::string_view defaultText, std::size_t size) const {
    return GetString(section, indexedKey(stem, index), defaultText, size);
}

bool ProfileStore::PutStringAt(std::string_view section, std::string_view stem, int index,
                               std::string_view value) {
    return PutString(section, indexedKey(stem, index), value);
}

int ProfileStore::GetIntAt(std::string_view section, std::string_view stem, int index,
                           int defaultValue) const {
    return GetInt(section, indexedKey(stem, index), defaultValue);
}

bool ProfileStore::PutIntAt(std::string_view section, std::string_view stem, int index, int value) {
    return PutInt(section, indexedKey(stem, index), value);
}

float ProfileStore::GetFloatAt(std::string_view section, std::string_view stem, int index,
                               std::string_view defaultText) const {
    return GetFloat(section, indexedKey(stem, index), defaultText);
}

bool ProfileStore::PutFloatAt(std::string_view section, std::string_view stem, int index, float value) {
    return PutFloat(section, indexedKey(stem, index), value);
}

StoredFont ProfileStore::GetFont(int number) const {
    const std::string section = fontSection(number);
    const StoredFont defaults;
    StoredFont font;
    font.name = GetString(section, "Name", defaults.name, StoredFont::kMaxNameLength + 1);
    font.height = GetInt(section, "Height", defaults.height);
    font.width = GetInt(section, "Width", defaults.width);
    font.escapement = GetInt(section, "Escapement", defaults.escapement);
    font.orientation = GetInt(section, "Orientation", defaults.orientation);
    font.weight = GetInt(section, "Weight", defaults.weight);
    font.italic = GetInt(section, "Italic", defaults.italic);
    font.underline = GetInt(section, "Underline", defaults.underline);
    font.strikeOut = GetInt(section, "StrikeOut", defaults.strikeOut);
    font.charSet = GetInt(section, "CharSet", defaults.charSet);
    font.outPrecision = GetInt(section, "OutPrecision", defaults.outPrecision);
    font.clipPrecision = GetInt(section, "ClipPrecision", defaults.clipPrecision);
    font.quality = GetInt(section, "Quality", defaults.quality);
    font.pitchAndFamily = GetInt(section, "PitchAndFamily", defaults.pitchAndFamily);
    return normalizedFont(std::move(font));
}

bool ProfileStore::PutFont(int number, const StoredFont &font) {
    const StoredFont stored = normalizedFont(font);
    auto number_ = [](int value) { return strings::formatC("%d", value); };
    const Assignment assignments[] = {
        {"Name", stored.name},
        {"Height", number_(stored.height)},
        {"Width", number_(stored.width)},
        {"Escapement", number_(stored.escapement)},
        {"Orientation", number_(stored.orientation)},
        {"Weight", number_(stored.weight)},
        {"Italic", number_(stored.italic)},
        {"Underline", number_(stored.underline)},
        {"StrikeOut", number_(stored.strikeOut)},
        {"CharSet", number_(stored.charSet)},
        {"OutPrecision", number_(stored.outPrecision)},
        {"ClipPrecision", number_(stored.clipPrecision)},
        {"Quality", number_(stored.quality)},
        {"PitchAndFamily", number_(stored.pitchAndFamily)},
    };
    return writeValues(fontSection(number), assignments);
}

std::uint32_t ProfileStore::GetFontColor(int number) const {
    return static_cast<std::uint32_t>(
        GetInt(fontSection(number), "Color", static_cast<int>(kDefaultFontColor)));
}

bool ProfileStore::PutFontColor(int number, std::uint32_t colour) {
    return PutInt(fontSection(number), "Color", static_cast<int>(colour));
}

bool ProfileStore::writeValues(std::string_view section, std::span<const Assignment> assignments) {
    bool allWritten = true;
    for (const Assignment &assignment : assignments)
        allWritten = writeValue(section, assignment.key, assignment.value) && allWritten;
    return allWritten;
}

} // namespace spectavo
