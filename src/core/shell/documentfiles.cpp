#include "core/shell/documentfiles.h"

#include <algorithm>
#include <cctype>

namespace spectavo::shell {

std::optional<DocumentKind> documentKindForFile(const std::string &path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return std::nullopt;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "qua" || extension == "qm" || extension == "fix")
        return DocumentKind::FixedPoints;
    if (extension == "sca" || extension == "wav")
        return DocumentKind::WavelengthScan;
    if (extension == "kin" || extension == "tim")
        return DocumentKind::TimeScan;
    if (extension == "dna" || extension == "dm")
        return DocumentKind::DnaProtein;
    if (extension == "val" || extension == "vm")
        return DocumentKind::Validity;
    return std::nullopt;
}

void RecentFiles::load(const ProfileStore &settings) {
    m_files.clear();
    for (std::size_t i = 1; i <= kEntries; ++i) {
        const std::string file = settings.GetStringAt(kSection, "File", static_cast<int>(i), "");
        if (!file.empty())
            m_files.push_back(file);
    }
}

void RecentFiles::save(ProfileStore &settings) const {
    for (std::size_t i = 0; i < kEntries; ++i)
        settings.PutStringAt(kSection, "File", static_cast<int>(i + 1), i < m_files.size() ? m_files[i] : "");
}

void RecentFiles::add(const std::string &path) {
    std::erase(m_files, path);
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > kEntries)
        m_files.resize(kEntries);
}

} // namespace spectavo::shell
