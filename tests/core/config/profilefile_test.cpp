#include <clocale>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/config/atomicfile.h"
#include "core/config/profilefile.h"
#include "core/config/programdir.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(ProfileFilePath, ConfigurationNameResolvesBesideTheProgramDirectory) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("bin"));
    std::filesystem::create_directories(dir.file("config"));
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.file("bin"));
    const ProfileFile file("..\\config\\tarvesta.zav.station.ini", true);
    EXPECT_EQ(file.path(), dir.file("config/tarvesta.zav.station.ini"));
}

TEST(ProfileFilePath, DataFileNameIsThePathItself) {
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", "/opt/spectavo/bin");
    EXPECT_EQ(ProfileFile("/data/run\\1.kin", false).path(), "/data/run\\1.kin");
}

TEST(ProfileFilePath, ProgramDirectoryComesFromTheRunningExecutable) {
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", "");
    const std::optional<std::string> directory = programDirectory();
    ASSERT_TRUE(directory.has_value());
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    EXPECT_EQ(*directory + "/", std::string(self).substr(0, directory->size() + 1));
}

class ProfileFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("settings.ini");
    ProfileFile file{path, false};
};

TEST_F(ProfileFileTest, MissingFileSectionOrKeyReadsTheDefaultAndCreatesNothing) {
    EXPECT_EQ(file.GetString("S", "k", "def"), "def");
    EXPECT_EQ(file.GetInt("S", "k", 7), 7);
    EXPECT_FLOAT_EQ(file.GetFloat("S", "k", "1100"), 1100.0f);
    EXPECT_NE(access(path.c_str(), F_OK), 0);
    writeBytes(path, "[T]\nk=1\n");
    EXPECT_EQ(file.GetString("S", "k", "def"), "def");
    EXPECT_EQ(file.GetString("T", "other", "def"), "def");
}

TEST_F(ProfileFileTest, FloatIsStoredWithSixDecimalsAndReadsBackAsSinglePrecision) {
    ASSERT_TRUE(file.PutFloat("S", "Step", 0.1f));
    EXPECT_EQ(readBytes(path), "[S]\nStep=0.100000\n");
    EXPECT_EQ(file.GetFloat("S", "Step", "0"), 0.1f);
    ASSERT_TRUE(file.PutFloat("S", "Lambda", 656.1f));
    EXPECT_EQ(file.GetString("S", "Lambda", ""), "656.099976");
}

TEST_F(ProfileFileTest, IntegersReadFromTheirLeadingDigits) {
    writeBytes(path, "[S]\na=42abc\nb=abc\nc=-17\nd=\ne=99999999999\n");
    EXPECT_EQ(file.GetInt("S", "a", 5), 42);
    EXPECT_EQ(file.GetInt("S", "b", 5), 0);
    EXPECT_EQ(file.GetInt("S", "c", 5), -17);
    EXPECT_EQ(file.GetInt("S", "d", 5), 0);
    EXPECT_EQ(file.GetInt("S", "e", 5), 2147483647);
    ASSERT_TRUE(file.PutInt("S", "f", -3));
    EXPECT_EQ(file.GetString("S", "f", ""), "-3");
}

TEST_F(ProfileFileTest, FloatThatIsNoNumberReadsAsZero) {
    writeBytes(path, "[S]\nx=abc\ny= 2.5e1 nm\n");
    EXPECT_EQ(file.GetFloat("S", "x", "1"), 0.0f);
    EXPECT_EQ(file.GetFloat("S", "y", "1"), 25.0f);
    EXPECT_EQ(file.GetFloat("S", "missing", "junk"), 0.0f);
}

TEST_F(ProfileFileTest, StringIsCutToTheBufferSize) {
    ASSERT_TRUE(file.PutString("S", "Name", "Holmium oxide"));
    EXPECT_EQ(file.GetString("S", "Name", "", 8), "Holmium");
    EXPECT_EQ(file.GetString("S", "Name", "", 0), "");
    ASSERT_TRUE(file.PutString("S", "Unit", "\xC2\xB5g/ml"));
    EXPECT_EQ(file.GetString("S", "Unit", "", 2), "") << "never half of a two-byte character";
}

TEST_F(ProfileFileTest, IndexedKeysAppendTheIndexToTheStem) {
    ASSERT_TRUE(file.PutIntAt("Cell", "CellOn", 3, 1));
    ASSERT_TRUE(file.PutStringAt("Cell", "Name", 10, "Blank"));
    ASSERT_TRUE(file.PutFloatAt("Cell", "Conc", 0, 2.5f));
    EXPECT_EQ(readBytes(path), "[Cell]\nCellOn3=1\nName10=Blank\nConc0=2.500000\n");
    EXPECT_EQ(file.GetIntAt("Cell", "CellOn", 3, 0), 1);
    EXPECT_EQ(file.GetIntAt("Cell", "CellOn", 4, 0), 0);
    EXPECT_EQ(file.GetStringAt("Cell", "Name", 10, ""), "Blank");
    EXPECT_EQ(file.GetFloatAt("Cell", "Conc", 0, "0"), 2.5f);
}

TEST_F(ProfileFileTest, SectionsAppendedBehindDataLeaveTheDataUntouched) {
    const std::string data = "Sample\r\n190.0 0.5\r\n190.5 0.6\r\n";
    writeBytes(path, data);
    ASSERT_TRUE(file.PutString("Extended", "Memo", "first"));
    ASSERT_TRUE(file.PutInt("IU", "Print", 1));
    ASSERT_TRUE(file.PutString("Extended", "Memo", "second"));
    EXPECT_EQ(readBytes(path), data + "[Extended]\r\nMemo=second\r\n[IU]\r\nPrint=1\r\n");
    EXPECT_EQ(file.GetString("Extended", "Sample", "none"), "none");
}

TEST_F(ProfileFileTest, WriteIntoMissingDirectoryFailsAndCreatesNothing) {
    ProfileFile nowhere(dir.file("absent/settings.ini"), false);
    EXPECT_FALSE(nowhere.PutInt("S", "k", 1));
    EXPECT_EQ(nowhere.GetInt("S", "k", 9), 9);
}

TEST_F(ProfileFileTest, WriteIntoReadOnlyDirectoryFailsAndKeepsTheOldFile) {
    writeBytes(path, "[S]\nk=old\n");
    ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
    // Permissions do not stop root, so a root test run writes as an ordinary user for this call.
    const bool asRoot = geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    const bool written = file.PutString("S", "k", "new");
    if (asRoot) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(dir.path().c_str(), 0755);
    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(path), "[S]\nk=old\n");
}

TEST_F(ProfileFileTest, WriteCutShortByTheFileSizeLimitKeepsTheOldFile) {
    const std::string old = "[S]\nk=old\n";
    writeBytes(path, old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = file.PutString("S", "k", std::string(200, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(path), old);
    int leftovers = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
        leftovers += entry.path().filename() != "settings.ini";
    EXPECT_EQ(leftovers, 0) << "the temporary file must be removed";
}

TEST_F(ProfileFileTest, UnreadableFileIsNeverReplaced) {
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << "a directory where the file should be";
    EXPECT_FALSE(file.PutInt("S", "k", 1));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}

TEST_F(ProfileFileTest, WriteKeepsFileModeAndFollowsSymbolicLinks) {
    writeBytes(path, "[S]\nk=1\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const std::string link = dir.file("link.ini");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(ProfileFile(link, false).PutInt("S", "k", 2));
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(readBytes(path), "[S]\nk=2\n");
}

TEST_F(ProfileFileTest, NumbersUseTheCLocaleWhateverTheProcessLocale) {
    // scripts/deps generates de_DE.UTF-8, a locale whose decimal separator is a comma.
    ASSERT_NE(setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    const bool written = file.PutFloat("S", "x", 1.5f);
    const float read = file.GetFloat("S", "x", "0");
    setlocale(LC_ALL, "C");
    ASSERT_TRUE(written);
    EXPECT_EQ(read, 1.5f);
    EXPECT_EQ(readBytes(path), "[S]\nx=1.500000\n");
}

} // namespace
} // namespace spectavo

namespace spectavo {
namespace {

// A FIFO named as an input would block an open for reading until some writer came: it is refused at
// once, as a device or a folder is.
TEST(FileReading, AnythingButARegularFileIsRefusedWithoutWaiting) {
    test::TempDir dir;
    const std::string fifo = dir.file("input.sca");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readTextFile(fifo).status, FileText::Status::Unreadable);
    EXPECT_EQ(readTextFile(dir.path()).status, FileText::Status::Unreadable);
    EXPECT_EQ(readTextFile("/dev/zero").status, FileText::Status::Unreadable);
    EXPECT_EQ(readTextFile(dir.file("absent")).status, FileText::Status::Missing);
    test::writeBytes(dir.file("plain.txt"), "x=1\n");
    const FileText plain = readTextFile(dir.file("plain.txt"));
    EXPECT_EQ(plain.status, FileText::Status::Read);
    EXPECT_EQ(plain.text, "x=1\n");
}

} // namespace
} // namespace spectavo

namespace spectavo {
namespace {

// The audit trail's source: a settings file says what its writes changed, once they are on disk; a
// document the operator saves is not a setting, and a value written again unchanged is no change.
TEST(SettingChanges, SettingsFilesAnnounceWhatTheirWritesChanged) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.file("bin"));
    std::filesystem::create_directories(dir.file("config"));
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.file("bin"));
    std::vector<std::string> heard;
    setSettingChangeListener([&heard](const SettingChange &change) {
        heard.push_back(change.file + " " + change.section + "/" + change.key + " " +
                        change.oldValue.value_or("(none)") + " -> " + change.newValue);
    });
    ProfileFile settings("..\\config\\tarvesta.zav.station.ini", true);
    settings.PutInt("Setup", "Lamp", 1);
    settings.PutInt("Setup", "Lamp", 1);
    settings.PutInt("Setup", "Lamp", 0);
    ProfileFile document(dir.file("samples.qua"), false);
    document.PutString("Memo", "Title", "Run 4");
    {
        ProfileFile::Batch batch(settings);
        batch.PutString("Setup", "Slit", "2.0");
        EXPECT_EQ(heard.size(), 2u) << "not before the batch is written";
    }
    setSettingChangeListener(nullptr);
    settings.PutInt("Setup", "Lamp", 1);
    EXPECT_EQ(heard, (std::vector<std::string>{"tarvesta.zav.station.ini Setup/Lamp (none) -> 1",
                                               "tarvesta.zav.station.ini Setup/Lamp 1 -> 0",
                                               "tarvesta.zav.station.ini Setup/Slit (none) -> 2.0"}));
    EXPECT_TRUE(isChosenSetting({"tarvesta.zav.station.ini", "Setup", "Lamp", std::nullopt, "1"}));
    EXPECT_FALSE(isChosenSetting({"tarvesta.zav.station.ini", "Status", "WL_Current", std::nullopt, "546"}));
}

} // namespace
} // namespace spectavo
