#include "core/strings/translation.h"

#include "core/strings/cformat.h"

#include <array>
#include <atomic>
#include <cstdarg>
#include <utility>

namespace spectavo::strings {
namespace {

std::atomic<TextTranslator> g_translator{nullptr};

// The desktop's two-letter languages and the codes of the translations that serve them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kLanguages{{
    {"de", "deu"},
    {"en", "eng"},
}};

bool oneOf(std::string_view set, std::string_view text, std::size_t at) {
    return at < text.size() && set.find(text[at]) != std::string_view::npos;
}

// The conversions of a pattern read as printf reads them (flags, width, precision, length, letter),
// with what does not decide the arguments left out. A conversion printf would not accept, or one
// asking for a width or precision of a thousand characters or more, shows as '?', so that it never
// matches a pattern of the program.
std::string conversionsOf(std::string_view pattern) {
    std::string conversions;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%')
            continue;
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            ++i; // a percent sign, no argument
            continue;
        }
        std::size_t j = i + 1;
        while (oneOf("-+ #0", pattern, j))
            ++j;
        const auto widthOrPrecision = [&] {
            if (oneOf("*", pattern, j)) {
                conversions += '*';
                ++j;
            } else {
                const std::size_t digits = j;
                while (oneOf("0123456789", pattern, j))
                    ++j;
                if (j - digits > 3)
                    conversions += '?'; // a width of thousands of characters is nobody's layout
            }
        };
        widthOrPrecision();
        if (oneOf(".", pattern, j)) {
            ++j;
            widthOrPrecision();
        }
        while (oneOf("hlLqjzt", pattern, j))
            conversions += pattern[j++];
        conversions += oneOf("diouxXeEfFgGaAcspn", pattern, j) ? pattern[j] : '?';
        conversions += ',';
        i = j;
    }
    return conversions;
}

} // namespace

void setTextTranslator(TextTranslator translator) {
    g_translator.store(translator);
}

std::string tr(const char *english) {
    const TextTranslator translator = g_translator.load();
    if (translator == nullptr || english == nullptr || *english == '\0')
        return english == nullptr ? std::string() : std::string(english);
    std::string translated = translator(english);
    return translated.empty() ? std::string(english) : translated;
}

std::string tr(const std::string &english) {
    return tr(english.c_str());
}

bool sameConversions(std::string_view first, std::string_view second) {
    return conversionsOf(first) == conversionsOf(second);
}

std::string trFormat(const char *englishPattern, ...) {
    const std::string translated = tr(englishPattern);
    // A translation holding a NUL byte would be cut short where printf reads it.
    const bool usable =
        translated.find('\0') == std::string::npos && sameConversions(englishPattern, translated);
    const char *pattern = usable ? translated.c_str() : englishPattern;
    std::va_list args;
    va_start(args, englishPattern);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    // The pattern takes the same arguments as the checked English one.
    std::string text = vformatC(pattern, args);
#pragma GCC diagnostic pop
    va_end(args);
    return text;
}

std::string languageForLocale(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    for (const auto &[code, name] : kLanguages)
        if (language == code)
            return std::string(name);
    return "eng";
}

std::string localeLanguageOf(std::string_view language) {
    for (const auto &[code, name] : kLanguages)
        if (language == name)
            return std::string(code);
    return "en";
}

} // namespace spectavo::strings
