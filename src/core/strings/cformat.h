#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

// Number texts in files, on the link and in reports always use the "C" conventions (a decimal point,
// no grouping), whatever locale the operator's desktop runs in: a file written in Berlin must read
// back in Boston.
namespace spectavo::strings {

// printf-style formatting in the "C" locale.
std::string formatC(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string vformatC(const char *format, std::va_list args) __attribute__((format(printf, 1, 0)));

// strtof in the "C" locale: leading blanks, sign, decimal, exponent, "inf"/"nan" as sscanf("%f")
// reads them. A text that does not begin with a number gives 0; *consumed (if given) tells how many
// characters formed the number (0 when none did).
float scanFloatC(std::string_view text, std::size_t *consumed = nullptr);
double scanDoubleC(std::string_view text, std::size_t *consumed = nullptr);

// A decimal integer from the leading digits (optional blanks and sign first); 0 when the text does not
// begin with one. Values beyond int's range are clamped rather than wrapped.
int scanIntC(std::string_view text, std::size_t *consumed = nullptr);

// The current local time formatted with a strftime pattern in the "C" locale, cut to maxBytes - 1.
std::string localTimeText(const char *pattern, std::size_t maxBytes = 128);

} // namespace spectavo::strings
