#include <gtest/gtest.h>

#include "core/config/inidocument.h"

namespace spectavo {
namespace {

TEST(IniDocument, ParsedTextSerializesBackByteForByte) {
    const std::string text = "1.0 2.0\r\n[A]\r\nk = v \r\n\r\n; note\n[B]\nx=1";
    EXPECT_EQ(IniDocument::parse(text).serialize(), text);
}

TEST(IniDocument, LinesBeforeTheFirstSectionBelongToNoSection) {
    const IniDocument doc = IniDocument::parse("Name=data\nPeakHeight=9\n[ZAV Range]\nPeakHeight=0.03\n");
    EXPECT_EQ(doc.value("ZAV Range", "PeakHeight"), "0.03");
    EXPECT_FALSE(doc.value("", "Name").has_value());
}

TEST(IniDocument, NamesMatchWithoutCaseAndTheFirstMatchCounts) {
    const IniDocument doc = IniDocument::parse("[Font 2]\nName=Arial\nname=Courier\n[FONT 2]\nName=Symbol\n");
    EXPECT_EQ(doc.value("font 2", "NAME"), "Arial");
}

TEST(IniDocument, ValuesLoseSurroundingBlanksOnly) {
    const IniDocument doc = IniDocument::parse("[S]\n  Key  =  a  b \t\nEmpty=\nEq=x=y\n");
    EXPECT_EQ(doc.value("S", "Key"), "a  b");
    EXPECT_EQ(doc.value("S", "Empty"), "");
    EXPECT_EQ(doc.value("S", "Eq"), "x=y");
}

TEST(IniDocument, CommentsAndLinesWithoutEqualsAreNoKeys) {
    const IniDocument doc = IniDocument::parse("[S]\n;Key=1\nKey\n=orphan\n");
    EXPECT_FALSE(doc.value("S", "Key").has_value());
    EXPECT_FALSE(doc.value("S", ";Key").has_value());
}

TEST(IniDocument, ExistingKeyIsReplacedInPlace) {
    IniDocument doc = IniDocument::parse("[S]\r\na=1\r\nb=2\r\n");
    ASSERT_TRUE(doc.setValue("s", "A", "10"));
    EXPECT_EQ(doc.serialize(), "[S]\r\na=10\r\nb=2\r\n");
}

TEST(IniDocument, NewKeyGoesBehindTheLastEntryOfItsSection) {
    IniDocument doc = IniDocument::parse("[A]\na=1\n\n[B]\nb=2\n");
    ASSERT_TRUE(doc.setValue("A", "c", "3"));
    EXPECT_EQ(doc.serialize(), "[A]\na=1\nc=3\n\n[B]\nb=2\n");
}

TEST(IniDocument, NewSectionIsAppendedBehindDataLines) {
    IniDocument doc = IniDocument::parse("400.000000 0.100000\r\n401.000000 0.200000\r\n");
    ASSERT_TRUE(doc.setValue("Extended", "Memo", "x"));
    EXPECT_EQ(doc.serialize(), "400.000000 0.100000\r\n401.000000 0.200000\r\n[Extended]\r\nMemo=x\r\n");
}

TEST(IniDocument, MissingFinalLineEndIsAddedBeforeAppending) {
    IniDocument doc = IniDocument::parse("[A]\na=1");
    ASSERT_TRUE(doc.setValue("A", "b", "2"));
    ASSERT_TRUE(doc.setValue("C", "c", "3"));
    EXPECT_EQ(doc.serialize(), "[A]\na=1\nb=2\n[C]\nc=3\n");
}

TEST(IniDocument, EmptyDocumentGetsSectionAndKey) {
    IniDocument doc;
    ASSERT_TRUE(doc.setValue("ZAV Range", "PeakHeight", "0.030000"));
    EXPECT_EQ(doc.serialize(), "[ZAV Range]\nPeakHeight=0.030000\n");
}

TEST(IniDocument, LineFeedAndCrLfFilesReadTheSame) {
    const IniDocument lf = IniDocument::parse("[S]\nk=v\n");
    const IniDocument crlf = IniDocument::parse("[S]\r\nk=v\r\n");
    EXPECT_EQ(lf.value("S", "k"), "v");
    EXPECT_EQ(crlf.value("S", "k"), "v");
}

TEST(IniDocument, RefusesWhatTheLineFormatCannotHold) {
    IniDocument doc = IniDocument::parse("[S]\nk=v\n");
    EXPECT_FALSE(doc.setValue("S", "k", "two\nlines"));
    EXPECT_FALSE(doc.setValue("S", "k", "cr\r"));
    EXPECT_FALSE(doc.setValue("S", "a=b", "v"));
    EXPECT_FALSE(doc.setValue("S", "  ", "v"));
    EXPECT_FALSE(doc.setValue("S", "[x", "v"));
    EXPECT_FALSE(doc.setValue("S]x", "k", "v"));
    EXPECT_FALSE(doc.setValue("S\n[T", "k", "v"));
    EXPECT_EQ(doc.serialize(), "[S]\nk=v\n");
}

TEST(IniDocument, ManyKeysStayIndexedAfterAppends) {
    IniDocument doc = IniDocument::parse("[A]\n\n\n[B]\n");
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(doc.setValue("A", "k" + std::to_string(i), std::to_string(i)));
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(doc.value("A", "K" + std::to_string(i)), std::to_string(i));
    ASSERT_TRUE(doc.setValue("A", "k7", "seven"));
    EXPECT_EQ(doc.value("a", "k7"), "seven");
    EXPECT_TRUE(doc.serialize().ends_with("k49=49\n\n\n[B]\n"));
}

} // namespace
} // namespace spectavo
