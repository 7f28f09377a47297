#include "core/config/profilefile.h"

#include <filesystem>

#include "core/config/atomicfile.h"
#include "core/config/programdir.h"

namespace spectavo {
namespace {

struct LoadedDocument {
    IniDocument document;
    bool writable = true;
};

LoadedDocument load(const std::string &path) {
    FileText file = readTextFile(path);
    LoadedDocument loaded;
    loaded.writable = file.status != FileText::Status::Unreadable;
    if (file.status == FileText::Status::Read)
        loaded.document = IniDocument::parse(std::move(file.text));
    return loaded;
}

std::optional<SettingChange> changeOf(const IniDocument &before, const std::string &path,
                                      std::string_view section, std::string_view key,
                                      std::string_view value) {
    const auto old = before.value(section, key);
    if (old && *old == value)
        return std::nullopt;
    return SettingChange{std::filesystem::path(path).filename().string(), std::string(section),
                         std::string(key), old ? std::optional<std::string>(std::string(*old)) : std::nullopt,
                         std::string(value)};
}

} // namespace

ProfileFile::ProfileFile(std::string_view name, bool inConfigDirectory)
    : m_path(inConfigDirectory ? configurationPath(name) : std::string(name)),
      m_announced(inConfigDirectory) {}

std::optional<std::string> ProfileFile::readValue(std::string_view section, std::string_view key) const {
    const LoadedDocument loaded = load(m_path);
    const auto value = loaded.document.value(section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

bool ProfileFile::writeValue(std::string_view section, std::string_view key, std::string_view value) {
    const Assignment assignment{key, std::string(value)};
    return writeValues(section, std::span<const Assignment>(&assignment, 1));
}

bool ProfileFile::writeValues(std::string_view section, std::span<const Assignment> assignments) {
    LoadedDocument loaded = load(m_path);
    if (!loaded.writable)
        return false;
    std::vector<SettingChange> changes;
    for (const Assignment &assignment : assignments) {
        if (m_announced)
            if (auto change = changeOf(loaded.document, m_path, section, assignment.key, assignment.value))
                changes.push_back(std::move(*change));
        if (!loaded.document.setValue(section, assignment.key, assignment.value))
            return false;
    }
    if (!writeFileAtomically(m_path, loaded.document.serialize()))
        return false;
    for (const SettingChange &change : changes)
        announceSettingChange(change);
    return true;
}

ProfileFile::Batch::Batch(const ProfileFile &file) : m_path(file.path()), m_announced(file.m_announced) {
    LoadedDocument loaded = load(m_path);
    m_document = std::move(loaded.document);
    m_writable = loaded.writable;
}

ProfileFile::Batch::~Batch() {
    // A batch that goes out of scope without commit() still saves: losing settings silently on an
    // early return would be worse than a write nobody asked about.
    commit();
}

std::optional<std::string> ProfileFile::Batch::readValue(std::string_view section,
                                                         std::string_view key) const {
    const auto value = m_document.value(section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

bool ProfileFile::Batch::writeValue(std::string_view section, std::string_view key, std::string_view value) {
    std::optional<SettingChange> change =
        m_announced ? changeOf(m_document, m_path, section, key, value) : std::nullopt;
    if (!m_writable || !m_document.setValue(section, key, value)) {
        m_refused = true;
        return false;
    }
    if (change)
        m_changes.push_back(std::move(*change));
    m_dirty = true;
    return true;
}

bool ProfileFile::Batch::commit() {
    if (m_dirty) {
        if (!writeFileAtomically(m_path, m_document.serialize()))
            return false;
        m_dirty = false;
        for (const SettingChange &change : m_changes)
            announceSettingChange(change);
        m_changes.clear();
    }
    return !m_refused;
}

} // namespace spectavo
