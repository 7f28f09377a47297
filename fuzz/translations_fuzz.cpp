// A translation file is data the program trusts only so far: whatever pattern it holds for a printf
// text, formatting with it must read the English pattern's arguments and nothing else.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/strings/translation.h"

namespace {

std::string g_translated;

std::string translated(const char *) {
    return g_translated;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    g_translated.assign(reinterpret_cast<const char *>(data), size);
    spectavo::strings::setTextTranslator(&translated);
    // The shapes of argument lists the program's patterns take.
    (void)spectavo::strings::trFormat("Page %d", 3);
    (void)spectavo::strings::trFormat("Cannot read %s.", "a.sca");
    (void)spectavo::strings::trFormat("Please enter a number between %g and %g.", 0.0, 100.0);
    (void)spectavo::strings::trFormat("Enter a number between %.*g and %.*g.", 6, 1.5, 6, 2.5);
    (void)spectavo::strings::trFormat("PROM Version  %X.%03X on %s", 3u, 32u, "2026");
    (void)spectavo::strings::trFormat("%d of %d points did not arrive; they are shown as 0.", 1, 2);
    (void)spectavo::strings::trFormat("Time:%.1fs", 2.5);
    (void)spectavo::strings::sameConversions(g_translated, "%zu %ls %%");
    (void)spectavo::strings::languageForLocale(g_translated);
    spectavo::strings::setTextTranslator(nullptr);
    return 0;
}
