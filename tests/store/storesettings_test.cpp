#include <gtest/gtest.h>

#include "core/config/settingsfolder.h"
#include "store/storesettings.h"

namespace spectavo::store {
namespace {

// A program that keeps its settings in its own folder keeps its results there too; an installed one
// keeps each operator's in their data folder.
TEST(StoreSettings, TheEmbeddedStoreLivesBesideOwnSettingsOrInTheDataFolder) {
    const SettingsFolder own{"/opt/spectavo-portable/config", "", "own folder"};
    const SettingsFolder operators{"/home/ana/.config/spectavo", "/usr/share/spectavo/config", "installed"};
    EXPECT_EQ(defaultSqlitePath(own, "/data", "/home/ana"), "/opt/spectavo-portable/config/results.sqlite");
    EXPECT_EQ(defaultSqlitePath(operators, "/data", "/home/ana"), "/data/spectavo/results.sqlite");
    EXPECT_EQ(defaultSqlitePath(operators, "", "/home/ana"),
              "/home/ana/.local/share/spectavo/results.sqlite");
}

TEST(StoreSettings, AnUnknownEngineIsRefusedByName) {
    StoreSettings settings;
    settings.engine = "oracle";
    try {
        openStore(settings);
        FAIL() << "opened an unknown engine";
    } catch (const StoreError &error) {
        EXPECT_STREQ(error.what(), "the store engine 'oracle' is not known");
    }
    settings.workstation = "bench-7";
    EXPECT_EQ(workstationName(settings), "bench-7");
}

} // namespace
} // namespace spectavo::store
