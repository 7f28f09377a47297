#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/config/fontdescription.h"

namespace spectavo {

// The typed operations on an INI profile: strings, integers, floats, their indexed forms and stored
// fonts. Texts are the "C" locale's ("%d", "%f"), whatever the desktop's locale. A missing file,
// section or key reads as the caller's default; reading never creates anything. Each Put reports
// whether the value reached the file.
class ProfileStore {
public:
    static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

    virtual ~ProfileStore() = default;

    // At most size - 1 characters are delivered (never a partial UTF-8 character).
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultText,
                          std::size_t size = kNoLimit) const;
    bool PutString(std::string_view section, std::string_view key, std::string_view value);

    // The leading decimal digits (after an optional sign); 0 when the value does not start with one.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool PutInt(std::string_view section, std::string_view key, int value);

    // The stored text, or the default text, read with "%f"; 0 when it does not start with a number.
    float GetFloat(std::string_view section, std::string_view key, std::string_view defaultText) const;
    bool PutFloat(std::string_view section, std::string_view key, float value);

    // Indexed keys: the stem followed by the decimal index ("CellOn" and 3 give "CellOn3").
    std::string GetStringAt(std::string_view section, std::string_view stem, int index,
                            std::string_view defaultText, std::size_t size = kNoLimit) const;
    bool PutStringAt(std::string_view section, std::string_view stem, int index, std::string_view value);
    int GetIntAt(std::string_view section, std::string_view stem, int index, int defaultValue) const;
    bool PutIntAt(std::string_view section, std::string_view stem, int index, int value);
    float GetFloatAt(std::string_view section, std::string_view stem, int index,
                     std::string_view defaultText) const;
    bool PutFloatAt(std::string_view section, std::string_view stem, int index, float value);

    // Section "Font <number>".
    StoredFont GetFont(int number) const;
    bool PutFont(int number, const StoredFont &font);
    std::uint32_t GetFontColor(int number) const;
    bool PutFontColor(int number, std::uint32_t colour);

    static std::string indexedKey(std::string_view stem, int index);
    static std::string fontSection(int number);

protected:
    struct Assignment {
        std::string_view key;
        std::string value;
    };

    virtual std::optional<std::string> readValue(std::string_view section, std::string_view key) const = 0;
    virtual bool writeValue(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Several keys of one section; a store backed by a file writes them in one go.
    virtual bool writeValues(std::string_view section, std::span<const Assignment> assignments);
};

} // namespace spectavo
