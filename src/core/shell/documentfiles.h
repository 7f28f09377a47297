#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/config/profilestore.h"

namespace spectavo::shell {

// The five document kinds, in the order of the "New" commands.
enum class DocumentKind { FixedPoints = 0, WavelengthScan = 1, TimeScan = 2, DnaProtein = 3, Validity = 4 };

// The kind that opens a file, by its extension (letter case ignored); nothing for other files.
std::optional<DocumentKind> documentKindForFile(const std::string &path);

// The recently opened files (four, newest first), kept in the application settings.
class RecentFiles {
public:
    static constexpr std::size_t kEntries = 4;
    static constexpr const char *kSection = "Recent File List";

    void load(const ProfileStore &settings);
    void save(ProfileStore &settings) const;
    // Moves the file to the front, dropping the oldest entry beyond four.
    void add(const std::string &path);
    const std::vector<std::string> &files() const { return m_files; }

private:
    std::vector<std::string> m_files;
};

} // namespace spectavo::shell
