#pragma once

#include <string>

namespace spectavo::app {

// The language the operator reads: the localisation settings' "resource" when they name one, else the
// desktop's locale (LC_ALL, LC_MESSAGES, LANG), else English.
std::string chosenLanguage();

// Loads ZAV_Resource.<language>.qm (from the program's translations folder, else beside the program)
// and the toolkit's own translation for the standard buttons, and routes the core's texts through
// them. Without a translation file the built-in English texts stay, silently. Returns the language
// whose translation was loaded, or "eng".
std::string installTranslations();

} // namespace spectavo::app
