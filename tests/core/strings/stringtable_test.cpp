#include <cstring>

#include <gtest/gtest.h>

#include "core/strings/stringtable.h"

namespace spectavo::strings {
namespace {

TEST(StringTable, LooksUpTextsByTheirIds) {
    EXPECT_STREQ(text(6529), "Ready");
    EXPECT_STREQ(text(6500), "Wait...");
    EXPECT_STREQ(text(6114), "Page %d");
    EXPECT_STREQ(text(8003), " Ready ");
    EXPECT_STREQ(text(61702), "Could not start print job.");
    EXPECT_STREQ(text(1), "");
    EXPECT_STREQ(text(99999), "");
}

TEST(StringTable, BootStatesOneToFifteenHaveTexts) {
    EXPECT_STREQ(bootStateText(1), "System booted.");
    EXPECT_STREQ(bootStateText(7), "Waiting keys");
    EXPECT_STREQ(bootStateText(14), "File System Error");
    EXPECT_STREQ(bootStateText(15), "Background correcting");
    for (int state = 1; state <= 15; ++state)
        EXPECT_GT(std::strlen(bootStateText(state)), 0u) << state;
    EXPECT_STREQ(bootStateText(0), "");
    EXPECT_STREQ(bootStateText(16), "");
}

} // namespace
} // namespace spectavo::strings
