#pragma once

#include <string>
#include <string_view>

#include <vector>

#include "core/config/inidocument.h"
#include "core/config/profilestore.h"
#include "core/config/settingchanges.h"

namespace spectavo {

// One INI file, addressed by name. It keeps no file open and caches nothing: every read sees the
// file's current content and every write lands on disk at once, atomically (a failed write leaves
// the old file as it was). For many keys at once use a Batch.
class ProfileFile : public ProfileStore {
public:
    // With inConfigDirectory set, the name is resolved against the program directory, so that
    // "..\config\tarvesta.zav.station.ini" names the config directory beside bin/. Otherwise the
    // name is the path itself (data files chosen by the operator).
    ProfileFile(std::string_view name, bool inConfigDirectory);

    const std::string &path() const { return m_path; }

    class Batch;

protected:
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const override;
    bool writeValue(std::string_view section, std::string_view key, std::string_view value) override;
    bool writeValues(std::string_view section, std::span<const Assignment> assignments) override;

private:
    std::string m_path;
    // Settings files (not documents) announce what their writes change.
    bool m_announced;
};

// Applies many reads and writes to one file with one read and one atomic write, with the results the
// same calls would have had one by one. The writes reach the file on commit(), or when the batch
// ends if commit() was not called.
class ProfileFile::Batch : public ProfileStore {
public:
    explicit Batch(const ProfileFile &file);
    ~Batch() override;
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

    // Writes the changes, if any; false when they could not be written (the file keeps its old
    // content) or when a Put was refused.
    bool commit();

protected:
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const override;
    bool writeValue(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::string m_path;
    bool m_announced;
    std::vector<SettingChange> m_changes;
    IniDocument m_document;
    bool m_writable = true; // false when the file exists but could not be read: never overwrite it
    bool m_dirty = false;
    bool m_refused = false;
};

} // namespace spectavo
