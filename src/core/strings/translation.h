#pragma once

#include <string>
#include <string_view>

// The operator's language. The core is free of the GUI toolkit, so the application hands in the
// function that looks a text up in the loaded translation; without one every text stays English.
// Texts are looked up by their English wording; the catalogue of translations is gathered from the
// sources by the markers below (SPECTAVO_TEXT, tr, trFormat, and the application layer's ui).

// Marks a text for the catalogue where it is defined (a table, a constant); it is translated where it
// is shown.
#define SPECTAVO_TEXT(text) text

namespace spectavo::strings {

// The one context all of the program's translations live in (the app, the drivers, the catalogue).
inline constexpr const char *kTranslationContext = "Spectavo";

using TextTranslator = std::string (*)(const char *english);

// Installed once at start, before any thread that reports to the operator runs.
void setTextTranslator(TextTranslator translator);

// The text in the operator's language; the English text when there is no translation.
std::string tr(const char *english);
std::string tr(const std::string &english);

// A printf pattern in the operator's language, formatted in the "C" locale. A translated pattern whose
// conversions differ from the English one (a translator's slip) would read the arguments wrongly, so
// the English pattern is used then.
std::string trFormat(const char *englishPattern, ...) __attribute__((format(printf, 1, 2)));

// Whether two printf patterns take the same arguments in the same order (%% aside).
bool sameConversions(std::string_view first, std::string_view second);

// The translation's language code ("eng", "deu", ...) for a desktop locale such as "de_DE.UTF-8";
// "eng" for "C", "POSIX", an empty or an unknown locale.
std::string languageForLocale(std::string_view locale);

// The two-letter language of a translation's code ("deu" -> "de"); "en" for an unknown code.
std::string localeLanguageOf(std::string_view language);

} // namespace spectavo::strings
