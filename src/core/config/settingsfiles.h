#pragma once

namespace spectavo {

// The application settings file, beside the program's folder; read and written by many windows.
inline constexpr const char *kAnalystSettingsFile = "..\\config\\tarvesta.zav.analyst.ini";

} // namespace spectavo
