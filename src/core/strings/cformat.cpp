#include "core/strings/cformat.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <locale.h>
#include <vector>

namespace spectavo::strings {
namespace {

locale_t cLocale() {
    // Created once and never freed: it lives as long as the process, like the global "C" locale.
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// uselocale() switches only the calling thread, so formatting here never disturbs another thread.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope &) = delete;
    CLocaleScope &operator=(const CLocaleScope &) = delete;

private:
    locale_t m_previous;
};

// The strto* functions need a terminated string; numbers are short, so a bounded copy is enough.
constexpr std::size_t kMaxNumberText = 512;

std::string terminatedCopy(std::string_view text) {
    return std::string(text.substr(0, kMaxNumberText));
}

} // namespace

std::string vformatC(const char *format, std::va_list args) {
    CLocaleScope scope;
    char small[256];
    std::va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0)
        return {};
    if (static_cast<std::size_t>(needed) < sizeof small)
        return std::string(small, static_cast<std::size_t>(needed));
    std::vector<char> large(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(large.data(), large.size(), format, args);
    return std::string(large.data(), static_cast<std::size_t>(needed));
}

std::string formatC(const char *format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string text = vformatC(format, args);
    va_end(args);
    return text;
}

float scanFloatC(std::string_view text, std::size_t *consumed) {
    const std::string copy = terminatedCopy(text);
    char *end = nullptr;
    const float value = strtof_l(copy.c_str(), &end, cLocale());
    const std::size_t used = static_cast<std::size_t>(end - copy.c_str());
    if (consumed)
        *consumed = used;
    return used == 0 ? 0.0f : value;
}

double scanDoubleC(std::string_view text, std::size_t *consumed) {
    const std::string copy = terminatedCopy(text);
    char *end = nullptr;
    const double value = strtod_l(copy.c_str(), &end, cLocale());
    const std::size_t used = static_cast<std::size_t>(end - copy.c_str());
    if (consumed)
        *consumed = used;
    return used == 0 ? 0.0 : value;
}

int scanIntC(std::string_view text, std::size_t *consumed) {
    const std::string copy = terminatedCopy(text);
    char *end = nullptr;
    const long long value = strtoll_l(copy.c_str(), &end, 10, cLocale());
    const std::size_t used = static_cast<std::size_t>(end - copy.c_str());
    if (consumed)
        *consumed = used;
    if (used == 0)
        return 0;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string localTimeText(const char *pattern, std::size_t maxBytes) {
    CLocaleScope scope;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::vector<char> buffer(std::max<std::size_t>(maxBytes, 1));
    // The pattern comes from the string table (a translation may change it), never from outside.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), pattern, &local);
#pragma GCC diagnostic pop
    return std::string(buffer.data(), length);
}

} // namespace spectavo::strings
