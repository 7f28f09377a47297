#include "core/link/filetransfer.h"

#include <algorithm>

#include "core/link/bytes.h"
#include "core/link/commands.h"
#include "core/link/oldlayout.h"
#include "core/strings/translation.h"

namespace spectavo::link {
namespace {

constexpr std::uint8_t kDirectoryAck = 0x80;
constexpr std::uint8_t kContentAck = 0x82;
constexpr std::size_t kCountOffset = 15;
constexpr std::size_t kNameBytes = 13;

struct FileType {
    const char *name;
    const char *text;
};

constexpr FileType kFileTypes[FileTransfer::kFileTypeCount] = {
    {SPECTAVO_TEXT("Quantitative Files"), ".qua"},
    {SPECTAVO_TEXT("Wavelength Scan Files"), ".sca"},
    {SPECTAVO_TEXT("Kinetics Files"), ".kin"},
    {SPECTAVO_TEXT("DNA/Protein Files"), ".dna"},
    {SPECTAVO_TEXT("Multi-Wavelength Files"), ".mul"},
    {SPECTAVO_TEXT("Photometric Validity Files"), ".phv"},
    {SPECTAVO_TEXT("Wavelength Validity Files"), ".wlv"},
    {SPECTAVO_TEXT("Standard Curves"), ".std"},
};

FileTransfer::Answer ack(std::uint8_t code, bool complete = false) {
    return {kTransferAck, code, true, complete};
}

} // namespace

namespace {

// The one handle `name` has in a listing that no other entry shares, if so.
std::optional<std::array<std::uint8_t, 2>> soleHandle(const std::vector<DirectoryEntry> &listing,
                                                      const std::string &name) {
    std::optional<std::array<std::uint8_t, 2>> handle;
    for (const DirectoryEntry &entry : listing)
        if (entry.name == name) {
            if (handle)
                return std::nullopt;
            handle = entry.handle;
        }
    if (!handle)
        return std::nullopt;
    const auto sharing = std::count_if(listing.begin(), listing.end(),
                                       [&handle](const DirectoryEntry &e) { return e.handle == *handle; });
    return sharing == 1 ? handle : std::nullopt;
}

} // namespace

std::optional<std::array<std::uint8_t, 2>> confirmedHandle(const std::vector<DirectoryEntry> &first,
                                                           const std::vector<DirectoryEntry> &second,
                                                           const std::string &name) {
    const auto before = soleHandle(first, name);
    const auto after = soleHandle(second, name);
    if (!before || !after || *before != *after)
        return std::nullopt;
    return before;
}

FileTransfer::FileTransfer() : m_buffer(kBufferBytes, 0) {}

std::span<const std::uint8_t> FileTransfer::content() const {
    return std::span<const std::uint8_t>(m_buffer).subspan(kHeaderBytes);
}

std::size_t FileTransfer::receivedCount() const {
    return readU16(m_buffer, kCountOffset);
}

FileTransfer::Answer FileTransfer::directoryPacket(std::span<const std::uint8_t> data) {
    const std::uint8_t subCode = data.empty() ? 0 : data[0];
    if (data.empty() || subCode == 0) {
        m_gathering.clear();
        return ack(kDirectoryAck);
    }
    if (subCode == 1) {
        DirectoryEntry entry{};
        for (std::size_t i = 1; i < data.size() && i <= 12 && data[i] != 0; ++i)
            entry.name += static_cast<char>(data[i]);
        entry.handle = {data.size() > 14 ? data[14] : std::uint8_t{0},
                        data.size() > 15 ? data[15] : std::uint8_t{0}};
        // A packet repeated on the line names a file again: one entry per name and handle. Two names
        // under one handle (a corrupted byte) both stay listed, and a delete refuses either.
        const bool known =
            std::any_of(m_gathering.begin(), m_gathering.end(), [&entry](const DirectoryEntry &e) {
                return e.handle == entry.handle && e.name == entry.name;
            });
        if (!known && m_gathering.size() < kMaxEntries)
            m_gathering.push_back(std::move(entry));
        return ack(kDirectoryAck);
    }
    if (subCode == 255) {
        std::lock_guard guard(m_directoryMutex);
        m_directory = m_gathering;
        return ack(kDirectoryAck, true);
    }
    return {kTransferNak, 0, false, false};
}

FileTransfer::Answer FileTransfer::contentPacket(std::span<const std::uint8_t> data) {
    const std::uint8_t n = data.empty() ? 0 : data[0];
    if (n == 0) {
        std::fill(m_buffer.begin(), m_buffer.end(), 0);
        m_conversionRefused = false;
        return ack(kContentAck);
    }
    if (n == 255) {
        finishContent();
        return ack(kContentAck, true);
    }
    // Only bytes that arrived are appended, and nothing past the content area.
    const std::size_t offered = std::min<std::size_t>(n, data.size() - 1);
    std::size_t received = receivedCount();
    const std::size_t room = kContentBytes - std::min(received, kContentBytes);
    const std::size_t taken = std::min(offered, room);
    std::copy_n(data.begin() + 1, taken,
                m_buffer.begin() + static_cast<std::ptrdiff_t>(kHeaderBytes + received));
    received = std::min<std::size_t>(received + offered, 0xFFFF);
    writeU16(m_buffer, kCountOffset, static_cast<std::uint16_t>(received));
    return ack(kContentAck);
}

void FileTransfer::finishContent() {
    std::copy_n(m_buffer.begin() + kHeaderBytes, kNameBytes, m_buffer.begin());
    m_conversionRefused = false;
    m_converted = false;
    m_contentBytes = std::min(receivedCount(), kContentBytes);
    if (!isCurrentLayout(m_buffer[kHeaderBytes + 13])) {
        const ConversionResult result = convertOlderLayout(m_buffer, receivedCount());
        m_conversionRefused = result.conversion == Conversion::Refused;
        m_converted = result.conversion == Conversion::Converted;
        m_contentBytes = result.contentBytes;
    }
}

void FileTransfer::loadBuffer(std::span<const std::uint8_t> bytes) {
    std::fill(m_buffer.begin(), m_buffer.end(), 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), m_buffer.size()), m_buffer.begin());
}

const char *FileTransfer::fileTypeText(int typeIndex) {
    return typeIndex >= 0 && typeIndex < kFileTypeCount ? kFileTypes[typeIndex].text : "";
}

const char *FileTransfer::fileTypeName(int typeIndex) {
    return typeIndex >= 0 && typeIndex < kFileTypeCount ? kFileTypes[typeIndex].name : "";
}

std::vector<DirectoryEntry> FileTransfer::directory() const {
    std::lock_guard guard(m_directoryMutex);
    return m_directory;
}

std::vector<DirectoryEntry> FileTransfer::entriesOfType(int typeIndex) const {
    std::vector<DirectoryEntry> entries;
    const std::string_view text = fileTypeText(typeIndex);
    if (text.empty())
        return entries;
    std::lock_guard guard(m_directoryMutex);
    for (const DirectoryEntry &entry : m_directory)
        if (entry.name.find(text) != std::string::npos)
            entries.push_back(entry);
    return entries;
}

} // namespace spectavo::link
