#pragma once

#include <QString>

#include <string>

namespace spectavo::app {

// A text of the program in the operator's language (the English text when the loaded translation has
// none). Every operator-visible text of the windows goes through here; the catalogue of translations
// is gathered from these calls.
QString ui(const char *english);
QString ui(const std::string &english);
QString ui(const QString &english);

} // namespace spectavo::app
