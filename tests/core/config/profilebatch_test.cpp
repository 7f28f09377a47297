#include <unistd.h>

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

// The same sequence of calls, applied to any store.
void saveDocumentSettings(ProfileStore &store) {
    store.PutString("Extended", "Sample Name", "Holmium");
    store.PutFloat("Extended", "Start", 190.0f);
    for (int i = 0; i < 20; ++i)
        store.PutIntAt("Cell", "CellOn", i, i % 2);
    store.PutString("extended", "sample name", "Holmium oxide");
    StoredFont font;
    font.name = "Arial";
    font.weight = 700;
    store.PutFont(2, font);
    store.PutFontColor(2, 0x0000FF);
    store.PutString("Report", "Title", "Calibration");
}

TEST(ProfileBatch, GivesTheSameBytesAsTheCallsMadeOneByOne) {
    TempDir dir;
    const std::string start = "190.0 0.1\r\n190.5 0.2\r\n[Report]\r\nTitle=Old\r\nKeep=1\r\n";
    writeBytes(dir.file("one.sca"), start);
    writeBytes(dir.file("batch.sca"), start);

    ProfileFile oneByOne(dir.file("one.sca"), false);
    saveDocumentSettings(oneByOne);
    {
        ProfileFile::Batch batch(ProfileFile(dir.file("batch.sca"), false));
        saveDocumentSettings(batch);
        EXPECT_TRUE(batch.commit());
    }
    EXPECT_EQ(readBytes(dir.file("batch.sca")), readBytes(dir.file("one.sca")));
}

TEST(ProfileBatch, ReadsSeeItsOwnWritesBeforeCommit) {
    TempDir dir;
    const ProfileFile file(dir.file("s.ini"), false);
    ProfileFile::Batch batch(file);
    batch.PutInt("S", "k", 5);
    EXPECT_EQ(batch.GetInt("s", "K", 0), 5);
    EXPECT_EQ(file.GetInt("S", "k", 0), 0) << "nothing reaches the file before commit";
    EXPECT_TRUE(batch.commit());
    EXPECT_EQ(file.GetInt("S", "k", 0), 5);
}

TEST(ProfileBatch, WritesWhenItEndsWithoutCommit) {
    TempDir dir;
    const ProfileFile file(dir.file("s.ini"), false);
    {
        ProfileFile::Batch batch(file);
        batch.PutString("S", "k", "v");
    }
    EXPECT_EQ(readBytes(dir.file("s.ini")), "[S]\nk=v\n");
}

TEST(ProfileBatch, ReadOnlyBatchDoesNotTouchTheFile) {
    TempDir dir;
    {
        ProfileFile::Batch batch(ProfileFile(dir.file("none.ini"), false));
        EXPECT_EQ(batch.GetString("S", "k", "d"), "d");
    }
    EXPECT_NE(access(dir.file("none.ini").c_str(), F_OK), 0);
}

TEST(ProfileBatch, CommitReportsAFailedWriteAndARefusedValue) {
    TempDir dir;
    ProfileFile::Batch nowhere(ProfileFile(dir.file("absent/s.ini"), false));
    nowhere.PutInt("S", "k", 1);
    EXPECT_FALSE(nowhere.commit());

    ProfileFile::Batch refused(ProfileFile(dir.file("s.ini"), false));
    EXPECT_FALSE(refused.PutString("S", "k", "two\nlines"));
    EXPECT_TRUE(refused.PutString("S", "ok", "1"));
    EXPECT_FALSE(refused.commit());
    EXPECT_EQ(readBytes(dir.file("s.ini")), "[S]\nok=1\n");
}

} // namespace
} // namespace spectavo
