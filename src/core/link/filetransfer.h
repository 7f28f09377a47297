#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace spectavo::link {

// A file of the instrument's store as listed in its directory.
struct DirectoryEntry {
    std::string name;                   // at most 12 characters
    std::array<std::uint8_t, 2> handle; // sent back exactly as received
};

// The handle to delete a stored file by, from two listings taken one after the other: only when each
// holds exactly one entry of that name, with the same handle, and no other entry shares the handle. A
// packet corrupted or repeated on the line then never turns a delete onto another file.
std::optional<std::array<std::uint8_t, 2>> confirmedHandle(const std::vector<DirectoryEntry> &first,
                                                           const std::vector<DirectoryEntry> &second,
                                                           const std::string &name);

// The directory and the downloaded file, filled by the receive thread. The directory is gathered
// apart and handed over whole when its last packet arrives, so a reader never sees a listing being
// written, whenever it looks. The file is read only after the completion notification and not touched
// again until the next request.
class FileTransfer {
public:
    static constexpr std::size_t kMaxEntries = 500;
    static constexpr std::size_t kHeaderBytes = 17;
    static constexpr std::size_t kContentBytes = 65536;
    static constexpr std::size_t kBufferBytes = kHeaderBytes + kContentBytes;

    FileTransfer();

    // The last complete directory (a copy: the receive thread may be gathering the next one).
    std::vector<DirectoryEntry> directory() const;
    // The whole buffer: name copy (13), reserved (2), received count (u16), content.
    std::span<const std::uint8_t> buffer() const { return m_buffer; }
    std::span<const std::uint8_t> content() const;
    std::size_t receivedCount() const;
    // True when an older-layout file could not be converted (a step without a table entry); the buffer
    // then holds the file as received and a view must refuse it.
    bool conversionRefused() const { return m_conversionRefused; }
    // True when the file arrived in an older layout and the buffer now holds it converted.
    bool converted() const { return m_converted; }
    // The length of the complete file as handed over (after a conversion, the converted record's).
    std::size_t contentBytes() const { return m_contentBytes; }

    // Directory packet (type 128). Returns the code to answer with (ack or nak) and whether the
    // directory is now complete.
    struct Answer {
        std::uint8_t command;
        std::uint8_t ackData;
        bool hasAckData;
        bool complete;
    };
    Answer directoryPacket(std::span<const std::uint8_t> data);
    // Content packet (type 130).
    Answer contentPacket(std::span<const std::uint8_t> data);

    // Entries whose name contains the text of a file type of the file management (case-sensitive).
    static const char *fileTypeText(int typeIndex);
    static const char *fileTypeName(int typeIndex);
    static constexpr int kFileTypeCount = 8;
    std::vector<DirectoryEntry> entriesOfType(int typeIndex) const;

    // Replaces the buffer with a copy of the given bytes (tests and replays).
    void loadBuffer(std::span<const std::uint8_t> bytes);
    void finishContent();

private:
    std::vector<DirectoryEntry> m_gathering; // the receive thread's only
    mutable std::mutex m_directoryMutex;
    std::vector<DirectoryEntry> m_directory; // guarded by m_directoryMutex
    std::vector<std::uint8_t> m_buffer;
    bool m_converted = false;
    bool m_conversionRefused = false;
    std::size_t m_contentBytes = 0;
};

} // namespace spectavo::link
