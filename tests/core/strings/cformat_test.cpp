#include <clocale>

#include <gtest/gtest.h>

#include "core/strings/cformat.h"
#include "core/strings/pathtext.h"

namespace spectavo::strings {
namespace {

TEST(CFormat, FormatsLikePrintfInTheCLocale) {
    EXPECT_EQ(formatC("%f", 656.1f), "656.099976");
    EXPECT_EQ(formatC("%6.1fnm", 6560 / 10.0), " 656.0nm");
    EXPECT_EQ(formatC("CPU:%3d", 7), "CPU:  7");
    EXPECT_EQ(formatC("%s-%d", "Sample", 12), "Sample-12");
    EXPECT_EQ(formatC("%s", std::string(600, 'x').c_str()).size(), 600u) << "longer than the small buffer";
}

TEST(CFormat, IgnoresACommaDecimalLocale) {
    ASSERT_NE(setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    const std::string text = formatC("%.4f", 0.5);
    const float parsed = scanFloatC("2.25");
    setlocale(LC_ALL, "C");
    EXPECT_EQ(text, "0.5000");
    EXPECT_EQ(parsed, 2.25f);
}

TEST(CFormat, ScansLeadingNumbersAsScanfDoes) {
    std::size_t used = 99;
    EXPECT_EQ(scanFloatC("  -1.5e2xyz", &used), -150.0f);
    EXPECT_EQ(used, 8u);
    EXPECT_EQ(scanFloatC("abc", &used), 0.0f);
    EXPECT_EQ(used, 0u);
    EXPECT_EQ(scanFloatC(""), 0.0f);
    EXPECT_EQ(scanIntC("+12nm"), 12);
    EXPECT_EQ(scanIntC("-2147483649"), -2147483647 - 1);
    EXPECT_EQ(scanIntC("x1"), 0);
    EXPECT_EQ(scanIntC("0x1A"), 0) << "decimal only";
    EXPECT_EQ(scanDoubleC("0.1"), 0.1);
}

TEST(PathText, TheLastPartsExtensionInLowerCase) {
    EXPECT_EQ(lowerExtension("/data/Holmium.SCA"), "sca");
    EXPECT_EQ(lowerExtension("run.2026/curve"), "") << "a dot in a folder name is no extension";
    EXPECT_EQ(lowerExtension("noextension"), "");
    EXPECT_EQ(lowerExtension("trailing."), "");
    EXPECT_EQ(lowerExtension("a.tar.GZ"), "gz");
}

} // namespace
} // namespace spectavo::strings
