// Where the settings live: beside a program that may write there, else in the operator's own folder,
// filled from the installation's shipped defaults without ever replacing the operator's own files.

#include <filesystem>

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "core/config/settingsfolder.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

namespace fs = std::filesystem;

TEST(SettingsFolder, AProgramThatMayWriteBesideItselfKeepsItsSettingsThere) {
    test::TempDir dir;
    fs::create_directories(dir.file("bin"));
    fs::create_directories(dir.file("config"));
    const SettingsFolder folder = chooseSettingsFolder({dir.file("bin"), "", dir.file("home")});
    EXPECT_EQ(folder.path, dir.file("config"));
    EXPECT_TRUE(folder.defaults.empty());
    EXPECT_NE(folder.reason.find("writable"), std::string::npos);
}

TEST(SettingsFolder, AnInstalledProgramUsesTheOperatorsOwnFolder) {
    test::TempDir dir;
    fs::create_directories(dir.file("usr/bin"));
    const SettingsFolder xdg = chooseSettingsFolder({dir.file("usr/bin"), dir.file("xdg"), dir.file("home")});
    EXPECT_EQ(xdg.path, dir.file("xdg/spectavo"));
    EXPECT_EQ(xdg.defaults, dir.file("usr/share/spectavo/config"));
    const SettingsFolder home = chooseSettingsFolder({dir.file("usr/bin"), "", dir.file("home")});
    EXPECT_EQ(home.path, dir.file("home/.config/spectavo"));
    // A relative XDG_CONFIG_HOME is no place to write to.
    EXPECT_EQ(chooseSettingsFolder({dir.file("usr/bin"), "relative", dir.file("home")}).path, home.path);
}

TEST(SettingsFolder, SeedingAddsTheShippedDefaultsAndKeepsTheOperatorsFiles) {
    test::TempDir dir;
    fs::create_directories(dir.file("usr/share/spectavo/config"));
    test::writeBytes(dir.file("usr/share/spectavo/config/a.ini"), "[A]\nshipped=1\n");
    test::writeBytes(dir.file("usr/share/spectavo/config/b.ini"), "[B]\nshipped=1\n");
    fs::create_directories(dir.file("home/.config/spectavo"));
    test::writeBytes(dir.file("home/.config/spectavo/a.ini"), "[A]\nmine=1\n");
    const SettingsFolder folder{dir.file("home/.config/spectavo"), dir.file("usr/share/spectavo/config"), ""};
    ASSERT_TRUE(seedSettingsFolder(folder));
    EXPECT_EQ(test::readBytes(dir.file("home/.config/spectavo/a.ini")), "[A]\nmine=1\n");
    EXPECT_EQ(test::readBytes(dir.file("home/.config/spectavo/b.ini")), "[B]\nshipped=1\n");
}

TEST(SettingsFolder, ConfigurationNamesOfAnInstalledProgramLandInTheOperatorsFolder) {
    test::TempDir dir;
    fs::create_directories(dir.file("usr/bin"));
    fs::create_directories(dir.file("usr/share/spectavo/config"));
    test::writeBytes(dir.file("usr/share/spectavo/config/tarvesta.zav.comm.ini"), "[Hub]\nDriver=sim\n");
    test::ScopedEnv program("SPECTAVO_PROGRAM_DIR", dir.file("usr/bin"));
    test::ScopedEnv home("HOME", dir.file("home"));
    test::ScopedEnv xdg("XDG_CONFIG_HOME", "");
    ProfileFile comm("..\\config\\tarvesta.zav.comm.ini", true);
    EXPECT_EQ(comm.path(), dir.file("home/.config/spectavo/tarvesta.zav.comm.ini"));
    EXPECT_EQ(comm.GetString("Hub", "Driver", ""), "sim") << "filled from the shipped defaults";
    ASSERT_TRUE(comm.PutString("Hub", "Driver", "rs232"));
    EXPECT_EQ(test::readBytes(dir.file("usr/share/spectavo/config/tarvesta.zav.comm.ini")),
              "[Hub]\nDriver=sim\n")
        << "the installation is never written";
}

} // namespace
} // namespace spectavo
