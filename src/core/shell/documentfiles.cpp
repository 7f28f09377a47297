#include "core/shell/documentfiles.h"

#include <algorithm>
#include <cctype>

#include "core/strings/pathtext.h"
#include "core/strings/translation.h"

namespace spectavo::shell {

const std::vector<DocumentKindInfo> &documentKinds() {
    static const std::vector<DocumentKindInfo> kinds = {
        {DocumentKind::FixedPoints,
         SPECTAVO_TEXT("Fixed Points Measurement"),
         SPECTAVO_TEXT("New &Fixed Points"),
         {"qua", "qm", "fix"},
         "fixed",
         kCmdHelpQuantitative},
        {DocumentKind::WavelengthScan,
         SPECTAVO_TEXT("Wavelength Scan Measurement"),
         SPECTAVO_TEXT("New &Wavelength Scan"),
         {"sca", "wav"},
         "wavescan",
         kCmdHelpWaveScan},
        {DocumentKind::TimeScan,
         SPECTAVO_TEXT("Time Scan Measurement"),
         SPECTAVO_TEXT("New &Time Scan"),
         {"kin", "tim"},
         "kinetics",
         kCmdHelpTimeScan},
        {DocumentKind::DnaProtein,
         SPECTAVO_TEXT("DNA/Protein measurement"),
         SPECTAVO_TEXT("New &DNA/Protein"),
         {"dna", "dm"},
         "dna",
         kCmdHelpQuantitative},
        {DocumentKind::Validity,
         SPECTAVO_TEXT("Instrument Validity"),
         SPECTAVO_TEXT("New Instrument &Validity"),
         {"val", "vm"},
         "glpgmp",
         kCmdHelpQuantitative},
    };
    return kinds;
}

const DocumentKindInfo &documentKindInfo(DocumentKind kind) {
    for (const DocumentKindInfo &info : documentKinds())
        if (info.kind == kind)
            return info;
    return documentKinds().front();
}

DocumentKind documentKindFromNumber(int number) {
    for (const DocumentKindInfo &info : documentKinds())
        if (static_cast<int>(info.kind) == number)
            return info.kind;
    return DocumentKind::FixedPoints;
}

std::string documentFileFilter() {
    std::string patterns;
    for (const DocumentKindInfo &info : documentKinds())
        for (const std::string &extension : info.extensions)
            patterns += (patterns.empty() ? "*." : " *.") + extension;
    // In the operator's language, like every other file filter.
    return strings::trFormat("Spectavo documents (%s)", patterns.c_str());
}

int helpTopicOf(std::optional<DocumentKind> kind) {
    return kind ? documentKindInfo(*kind).helpTopic : kCmdHelpMaintenance;
}

std::optional<DocumentKind> documentKindForFile(const std::string &path) {
    const std::string extension = strings::lowerExtension(path);
    if (extension.empty())
        return std::nullopt;
    for (const DocumentKindInfo &info : documentKinds())
        if (std::find(info.extensions.begin(), info.extensions.end(), extension) != info.extensions.end())
            return info.kind;
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

std::string proposedFileName(std::string_view name) {
    std::string safe;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F)
            continue;
        if (safe.empty() && c == '.')
            continue;
        safe += c;
    }
    return safe;
}

} // namespace spectavo::shell
