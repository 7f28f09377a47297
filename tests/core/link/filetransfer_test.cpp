#include <atomic>
#include <cstring>
#include <thread>

#include <gtest/gtest.h>

#include "core/link/bytes.h"
#include "core/link/filetransfer.h"
#include "core/link/oldlayout.h"

namespace spectavo::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Sends content in packets of at most 63 bytes, as the instrument does.
void sendFile(FileTransfer &transfer, const Bytes &content) {
    transfer.contentPacket(Bytes{0});
    for (std::size_t at = 0; at < content.size(); at += 63) {
        const std::size_t n = std::min<std::size_t>(63, content.size() - at);
        Bytes data{static_cast<std::uint8_t>(n)};
        data.insert(data.end(), content.begin() + static_cast<std::ptrdiff_t>(at),
                    content.begin() + static_cast<std::ptrdiff_t>(at + n));
        transfer.contentPacket(data);
    }
    transfer.contentPacket(Bytes{255});
}

Bytes namedContent(const std::string &name, std::size_t size, std::uint8_t marker) {
    Bytes content(size, 0);
    std::copy(name.begin(), name.end(), content.begin());
    content[13] = marker;
    return content;
}

TEST(FileTypes, ListingIsCaseSensitive) {
    FileTransfer transfer;
    for (const char *name : {"A.qua", "B.QUA", "C.std", "D.sca"}) {
        Bytes entry(16, 0);
        entry[0] = 1;
        std::copy(name, name + std::strlen(name), entry.begin() + 1);
        transfer.directoryPacket(entry);
    }
    EXPECT_TRUE(transfer.entriesOfType(0).empty()) << "nothing is shown before the listing is complete";
    transfer.directoryPacket(Bytes{255});
    ASSERT_EQ(transfer.entriesOfType(0).size(), 1u);
    EXPECT_EQ(transfer.entriesOfType(0)[0].name, "A.qua");
    EXPECT_EQ(transfer.entriesOfType(7).size(), 1u);
    EXPECT_STREQ(FileTransfer::fileTypeName(7), "Standard Curves");
    EXPECT_TRUE(transfer.entriesOfType(8).empty());
}

TEST(FileTypes, DirectoryKeepsAtMostFiveHundredEntries) {
    FileTransfer transfer;
    transfer.directoryPacket(Bytes{0});
    for (int i = 0; i < 510; ++i)
        transfer.directoryPacket(Bytes{1, 'x', '.', 'k', 'i', 'n', 0, 0, 0, 0, 0, 0, 0, 0,
                                       static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i)});
    transfer.directoryPacket(Bytes{255});
    EXPECT_EQ(transfer.directory().size(), 500u);
}

Bytes listed(const std::string &name, std::uint8_t high, std::uint8_t low) {
    Bytes entry(16, 0);
    entry[0] = 1;
    std::copy(name.begin(), name.end(), entry.begin() + 1);
    entry[14] = high;
    entry[15] = low;
    return entry;
}

std::vector<DirectoryEntry> listing(std::initializer_list<Bytes> entries) {
    FileTransfer transfer;
    transfer.directoryPacket(Bytes{0});
    for (const Bytes &entry : entries)
        transfer.directoryPacket(entry);
    transfer.directoryPacket(Bytes{255});
    return transfer.directory();
}

TEST(Listing, APacketRepeatedOnTheLineListsItsFileOnce) {
    const auto files =
        listing({listed("A.qua", 0x03, 0xF0), listed("A.qua", 0x03, 0xF0), listed("B.sca", 0, 8)});
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "A.qua");
    EXPECT_EQ(files[1].name, "B.sca");
}

// Handle 1008 (0x03F0) corrupted into 0008 names another file's handle: no delete goes out for either
// name, and neither does one for a name listed twice or whose handle changed between the listings.
TEST(Listing, ADeleteNeedsOneHandleThatBothListingsAgreeOn) {
    const auto clean = listing({listed("A.qua", 0x03, 0xF0), listed("B.sca", 0, 8)});
    EXPECT_EQ(confirmedHandle(clean, clean, "A.qua"), (std::array<std::uint8_t, 2>{0x03, 0xF0}));
    EXPECT_EQ(confirmedHandle(clean, clean, "B.sca"), (std::array<std::uint8_t, 2>{0, 8}));
    EXPECT_FALSE(confirmedHandle(clean, clean, "C.kin"));
    const auto corrupted = listing({listed("A.qua", 0, 8), listed("B.sca", 0, 8)});
    EXPECT_FALSE(confirmedHandle(corrupted, clean, "A.qua"));
    EXPECT_FALSE(confirmedHandle(clean, corrupted, "B.sca")) << "another name shares the handle";
    const auto moved = listing({listed("A.qua", 0x03, 0xF1), listed("B.sca", 0, 8)});
    EXPECT_FALSE(confirmedHandle(clean, moved, "A.qua"));
    const auto twice = listing({listed("A.qua", 0x03, 0xF0), listed("A.qua", 0x04, 0x00)});
    EXPECT_FALSE(confirmedHandle(twice, twice, "A.qua"));
}

// The file browser reads the listing whenever the operator changes the type, while the receive thread
// may be gathering the next one: the reader sees a whole listing, old or new, never one being written.
TEST(FileTypes, ReadingDuringAListingSeesWholeListingsOnly) {
    FileTransfer transfer;
    std::atomic<bool> done{false};
    std::thread receiver([&] {
        for (int round = 0; round < 200; ++round) {
            transfer.directoryPacket(Bytes{0});
            for (std::uint8_t i = 0; i < 20; ++i)
                transfer.directoryPacket(listed("x.kin", 0, i));
            transfer.directoryPacket(Bytes{255});
        }
        done = true;
    });
    while (!done) {
        const std::size_t seen = transfer.entriesOfType(2).size();
        EXPECT_TRUE(seen == 0 || seen == 20) << seen;
    }
    receiver.join();
    EXPECT_EQ(transfer.directory().size(), 20u);
}

TEST(LayoutMarker, CurrentLayoutHasInvertedNibbles) {
    EXPECT_TRUE(isCurrentLayout(0xE1));
    EXPECT_TRUE(isCurrentLayout(0xD2));
    EXPECT_TRUE(isCurrentLayout(0xC3));
    EXPECT_FALSE(isCurrentLayout(0x00));
    EXPECT_FALSE(isCurrentLayout(0xE2));
}

TEST(ContentTransfer, CurrentLayoutIsHandedOverUnchanged) {
    FileTransfer transfer;
    Bytes content = namedContent("S1.sca", 300, 0xE1);
    for (std::size_t i = 14; i < content.size(); ++i)
        content[i] = static_cast<std::uint8_t>(i);
    sendFile(transfer, content);
    EXPECT_EQ(transfer.receivedCount(), 300u);
    EXPECT_TRUE(std::equal(content.begin(), content.end(), transfer.content().begin()));
    EXPECT_TRUE(std::equal(content.begin(), content.begin() + 13, transfer.buffer().begin())) << "name copy";
}

TEST(ContentTransfer, PacketClaimingMoreBytesThanItCarriesAddsOnlyWhatArrived) {
    FileTransfer transfer;
    transfer.contentPacket(Bytes{0});
    transfer.contentPacket(Bytes{200, 1, 2, 3});
    EXPECT_EQ(transfer.receivedCount(), 3u);
}

Bytes olderScan(std::uint32_t upper, std::uint32_t lower, std::uint8_t stepIndex, std::size_t points) {
    Bytes s = namedContent("HOLMIUM.wav", 74 + 4 * points, 0x00);
    writeU32(s, 43, upper);
    writeU32(s, 47, lower);
    s[51] = stepIndex;
    s[42] = 3; // lamp code 3 -> 0
    s[57] = 1; // pair 1 comes from the record
    writeFloat(s, 66, 0.5f);
    writeFloat(s, 70, 2.5f);
    for (std::size_t i = 0; i < points; ++i)
        writeFloat(s, 74 + 4 * i, static_cast<float>(i));
    return s;
}

TEST(OlderLayout, WavelengthScanBecomesTheCurrentRecord) {
    FileTransfer transfer;
    sendFile(transfer, olderScan(11000, 1900, 2, 911));
    ASSERT_FALSE(transfer.conversionRefused());
    const auto d = transfer.content();
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(d.data())), "HOLMIUM");
    EXPECT_EQ(d[13], 0xE1);
    EXPECT_EQ(d[22], 0);
    EXPECT_EQ(d[23], 1);
    EXPECT_EQ(readU16(d, 39), 911);
    EXPECT_EQ(readU32(d, 25), 11000u);
    EXPECT_EQ(readFloat(d, 41), 0.0f);
    EXPECT_EQ(readFloat(d, 45), 65536.0f);
    EXPECT_EQ(readFloat(d, 49), 0.5f);
    EXPECT_EQ(readFloat(d, 53), 2.5f);
    EXPECT_EQ(readFloat(d, 90 + 4 * 910), 910.0f);
}

TEST(OlderLayout, ScanStepWithoutATableEntryIsRefusedAndKeptAsReceived) {
    FileTransfer transfer;
    const Bytes s = olderScan(11000, 1900, 9, 4);
    sendFile(transfer, s);
    EXPECT_TRUE(transfer.conversionRefused());
    EXPECT_TRUE(std::equal(s.begin(), s.end(), transfer.content().begin()));
}

TEST(OlderLayout, QuantitativeRecordCountAndUnits) {
    Bytes fit = namedContent("CAL.fit", 64 + 20 * 2, 0x00);
    fit[16] = 4;
    fit[63] = 2;
    fit[64] = 0xAA;
    fit[64 + 20 + 19] = 0xBB;
    FileTransfer transfer;
    sendFile(transfer, fit);
    auto d = transfer.content();
    EXPECT_EQ(d[97], 2);
    EXPECT_EQ(d[98], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(d.data() + 38)), "mg/L");
    EXPECT_EQ(d[99 + 8], 0xAA);
    EXPECT_EQ(d[99 + 28 + 27], 0xBB);

    Bytes qua = namedContent("LOT.qua", 64, 0x00);
    qua[16] = 10;
    const std::string ownUnit = "umol/L";
    std::copy(ownUnit.begin(), ownUnit.end(), qua.begin() + 17);
    qua[63] = 0;
    sendFile(transfer, qua);
    d = transfer.content();
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(d.data() + 38)), "umol/L");
    EXPECT_EQ(d[97], 0);
}

TEST(OlderLayout, OtherNamesAreHandedOverUnchanged) {
    const Bytes dna = namedContent("DNA1.dna", 40, 0x00);
    FileTransfer transfer;
    sendFile(transfer, dna);
    EXPECT_TRUE(std::equal(dna.begin(), dna.end(), transfer.content().begin()));
}

} // namespace
} // namespace spectavo::link
