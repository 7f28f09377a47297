#include "core/shell/filemanagementmodel.h"

namespace spectavo::shell {

std::vector<std::string> FileManagementModel::typeNames() {
    std::vector<std::string> names;
    for (int i = 0; i < link::FileTransfer::kFileTypeCount; ++i)
        names.emplace_back(link::FileTransfer::fileTypeName(i));
    return names;
}

bool FileManagementModel::requestDirectory() {
    m_entries.clear();
    return m_link.operations().OpenCommandAcquisition(link::kFileDirectory, m_dialog);
}

void FileManagementModel::directoryArrived() {
    refill();
    m_link.operations().CloseAcquisitionOf(m_dialog);
}

void FileManagementModel::refill() {
    m_entries = m_link.fileTransfer().entriesOfType(m_type);
}

bool FileManagementModel::deleteEntry(int row) {
    m_link.operations().CloseAcquisitionOf(m_dialog);
    if (row < 0 || static_cast<std::size_t>(row) >= m_entries.size())
        return false;
    const auto &handle = m_entries[static_cast<std::size_t>(row)].handle;
    m_deleting = m_link.operations().OpenWordAcquisition(link::kFileDelete, handle[0], handle[1], m_dialog);
    return m_deleting;
}

void FileManagementModel::acknowledged(int command) {
    if (command == link::kFileDelete)
        giveUpDelete();
}

void FileManagementModel::giveUpDelete() {
    if (!m_deleting)
        return;
    m_deleting = false;
    m_link.operations().CloseAcquisitionOf(m_dialog);
}

std::optional<FileManagementModel::Choice> FileManagementModel::choose(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_entries.size())
        return std::nullopt;
    return Choice{m_type, m_entries[static_cast<std::size_t>(row)].handle};
}

} // namespace spectavo::shell
