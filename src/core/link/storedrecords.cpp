#include "core/link/storedrecords.h"
#include "core/link/linkcodes.h"

#include "core/link/filetransfer.h"

namespace spectavo::link {
namespace {

std::size_t byteAt(std::span<const std::uint8_t> content, std::size_t offset) {
    return offset < content.size() ? content[offset] : 0;
}

} // namespace

std::optional<int> storedFileType(const std::string &name) {
    for (int type = 0; type < FileTransfer::kFileTypeCount; ++type)
        if (name.find(FileTransfer::fileTypeText(type)) != std::string::npos)
            return type;
    return std::nullopt;
}

// Only a record shorter than its own counts say is incomplete: a longer one is read as far as its
// counts go (an older record handed over unchanged carries more than the current layout reads).
bool storedRecordComplete(int typeIndex, std::span<const std::uint8_t> content) {
    switch (typeIndex) {
    case kStoredQuantitative:
    case kStoredStandard:
        return content.size() >= 99 &&
               content.size() >= 99 + 28 * (byteAt(content, 97) + byteAt(content, 98));
    case kStoredMultiWavelength:
        return content.size() >= 156 && content.size() >= 156 + 48 * byteAt(content, 155);
    case kStoredNucleic:
        return content.size() >= 88 && content.size() >= 88 + 24 * byteAt(content, 87);
    case kStoredPhotometric:
        return content.size() >= 107 + 8 * byteAt(content, 17);
    case kStoredWavelength:
        return content.size() >= 103 + 8 * byteAt(content, 17);
    default:
        return true;
    }
}

} // namespace spectavo::link
