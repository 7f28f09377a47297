#include <gtest/gtest.h>

#include "app/widgets/fonts.h"

namespace spectavo::app {
namespace {

TEST(StoredFonts, MapToQtFontsAndBack) {
    StoredFont stored;
    stored.name = "DejaVu Sans";
    stored.height = -16;
    stored.weight = 700;
    stored.italic = 1;
    const QFont font = toQFont(stored);
    EXPECT_EQ(font.family(), "DejaVu Sans");
    EXPECT_EQ(font.pixelSize(), 16) << "a negative height is the same size";
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    const StoredFont back = fromQFont(font);
    EXPECT_EQ(back.name, "DejaVu Sans");
    EXPECT_EQ(back.height, 16);
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.italic, 1);
}

TEST(StoredFonts, DefaultIsTwelvePixelTimesNewRoman) {
    const QFont font = toQFont(StoredFont{});
    EXPECT_EQ(font.family(), "Times New Roman");
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_EQ(font.weight(), QFont::Normal);
}

} // namespace
} // namespace spectavo::app
