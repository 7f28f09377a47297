#include <gtest/gtest.h>

#include "core/config/memo.h"
#include "core/config/profilefile.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(Memo, LineBreaksTravelAsBytesOneAndTwo) {
    EXPECT_EQ(encodeMemo("a\r\nb\nc"), std::string("a\x02\x01"
                                                   "b\x01"
                                                   "c"));
    EXPECT_EQ(decodeMemo(std::string("a\x02\x01"
                                     "b")),
              "a\r\nb");
    const std::string memo = "Lot 42\r\nDiluted 1:10\r\n";
    EXPECT_EQ(decodeMemo(encodeMemo(memo)), memo);
}

TEST(Memo, EncodedMemoSurvivesASettingsFile) {
    TempDir dir;
    ProfileFile file(dir.file("m.ini"), false);
    ASSERT_TRUE(file.PutString("Report", "Memo", encodeMemo("one\r\ntwo")));
    EXPECT_EQ(decodeMemo(file.GetString("Report", "Memo", "")), "one\r\ntwo");
}

TEST(StoredFontAccess, SectionWithOnlyANameGivesDefaultsForTheRest) {
    TempDir dir;
    writeBytes(dir.file("f.ini"), "[font 2]\nName=Arial\n");
    const StoredFont font = ProfileFile(dir.file("f.ini"), false).GetFont(2);
    StoredFont expected;
    expected.name = "Arial";
    EXPECT_EQ(font, expected);
}

TEST(StoredFontAccess, FontRoundTripsThroughItsFourteenKeys) {
    TempDir dir;
    ProfileFile file(dir.file("f.ini"), false);
    StoredFont font;
    font.name = "DejaVu Sans";
    font.height = -16;
    font.escapement = 900;
    font.weight = 700;
    font.italic = 1;
    font.charSet = 134;
    font.pitchAndFamily = 34;
    ASSERT_TRUE(file.PutFont(1, font));
    EXPECT_EQ(file.GetFont(1), font);
    EXPECT_EQ(readBytes(dir.file("f.ini")),
              "[Font 1]\nName=DejaVu Sans\nHeight=-16\nWidth=0\nEscapement=900\nOrientation=0\nWeight=700\n"
              "Italic=1\nUnderline=0\nStrikeOut=0\nCharSet=134\nOutPrecision=0\nClipPrecision=0\nQuality=0\n"
              "PitchAndFamily=34\n");
}

TEST(StoredFontAccess, HandEditedValuesAreBroughtIntoRange) {
    TempDir dir;
    writeBytes(dir.file("f.ini"), "[Font 3]\nName=A name far longer than thirty characters\nItalic=5\n"
                                  "CharSet=300\nQuality=-4\n");
    const StoredFont font = ProfileFile(dir.file("f.ini"), false).GetFont(3);
    EXPECT_EQ(font.name, "A name far longer than thirty ");
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.charSet, 255);
    EXPECT_EQ(font.quality, 0);
}

TEST(StoredFontAccess, ColourIsStoredApartWithAGreenDefault) {
    TempDir dir;
    ProfileFile file(dir.file("f.ini"), false);
    EXPECT_EQ(file.GetFontColor(4), 32768u);
    ASSERT_TRUE(file.PutFontColor(4, 0x0000FF));
    EXPECT_EQ(file.GetFontColor(4), 255u);
    EXPECT_EQ(file.GetString("Font 4", "Color", ""), "255");
}

} // namespace
} // namespace spectavo
