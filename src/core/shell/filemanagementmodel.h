#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/link/stationlink.h"

namespace spectavo::shell {

// "Photrak File Management" without its widgets: the instrument's directory, filtered by file type,
// and the requests to list, open and delete. The dialog owns the acquisition while a request runs.
class FileManagementModel {
public:
    FileManagementModel(link::StationLink &link, link::NotifyTarget *dialog)
        : m_link(link), m_dialog(dialog) {}
    // The browser's own request (a listing, a delete) ends with it; a file a window asked for goes on.
    ~FileManagementModel() { m_link.operations().CloseAcquisitionOf(m_dialog); }
    FileManagementModel(const FileManagementModel &) = delete;
    FileManagementModel &operator=(const FileManagementModel &) = delete;

    static std::vector<std::string> typeNames();

    // Asks for the directory; false when another acquisition holds the instrument.
    bool requestDirectory();
    // The directory arrived (StationNotify 255): the acquisition is released.
    void directoryArrived();
    void setType(int typeIndex) { m_type = typeIndex; }
    int type() const { return m_type; }
    // The entries of the chosen type, in directory order.
    const std::vector<link::DirectoryEntry> &entries() const { return m_entries; }
    void refill();

    // Deletes the entry at `row` of the list (the list is not refilled). The delete holds the
    // instrument until its acknowledgement arrives (or the window gives up waiting after
    // kDeleteGiveUpMs), so that a Refresh after it lists the store again.
    bool deleteEntry(int row);
    static constexpr int kDeleteGiveUpMs = 5000;
    bool deleting() const { return m_deleting; }
    // An acknowledgement for the dialog's acquisition (AcquisitionNotify 255 with the command).
    void acknowledged(int command);
    void giveUpDelete();
    // The chosen file: its type index and handle, for the view that will download it.
    struct Choice {
        int typeIndex;
        std::array<std::uint8_t, 2> handle;
    };
    std::optional<Choice> choose(int row) const;

private:
    link::StationLink &m_link;
    link::NotifyTarget *m_dialog;
    int m_type = 0;
    bool m_deleting = false;
    std::vector<link::DirectoryEntry> m_entries;
};

} // namespace spectavo::shell
