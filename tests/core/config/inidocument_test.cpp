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

namespace spectavo {
namespace {

// Lines nobody reads (comments, text, repeated keys, blank lines) are kept as runs; a new key still
// goes behind the last line with text, the blank lines that close the section stay behind it, and
// every untouched byte survives.
TEST(IniDocumentRuns, ANewKeyGoesBehindTheLastTextOfARunAndBeforeItsBlankLines) {
    IniDocument doc =
        IniDocument::parse("[S]\r\na=1\r\n; note\r\nfree text\r\na=2\r\n\r\n  \r\n[T]\r\nb=1\r\n");
    EXPECT_EQ(doc.value("S", "a"), "1") << "the first of two keys counts";
    ASSERT_TRUE(doc.setValue("S", "c", "3"));
    EXPECT_EQ(doc.serialize(), "[S]\r\na=1\r\n; note\r\nfree text\r\na=2\r\nc=3\r\n\r\n  \r\n[T]\r\nb=1\r\n");
    ASSERT_TRUE(doc.setValue("S", "d", "4"));
    EXPECT_EQ(doc.serialize(),
              "[S]\r\na=1\r\n; note\r\nfree text\r\na=2\r\nc=3\r\nd=4\r\n\r\n  \r\n[T]\r\nb=1\r\n");
    EXPECT_EQ(doc.value("s", "D"), "4");
    EXPECT_EQ(doc.value("T", "b"), "1");
}

TEST(IniDocumentRuns, ASectionOfBlankLinesOnlyTakesItsKeyRightBehindTheHeader) {
    IniDocument doc = IniDocument::parse("[S]\n\n\n\n[T]\nx=1");
    ASSERT_TRUE(doc.setValue("S", "k", "v"));
    ASSERT_TRUE(doc.setValue("T", "y", "2"));
    EXPECT_EQ(doc.serialize(), "[S]\nk=v\n\n\n\n[T]\nx=1\ny=2\n");
}

TEST(IniDocumentRuns, MillionsOfBlankLinesSurviveARewriteAndCostNoLineEach) {
    std::string text = "[Method]\nCount=3\n";
    text.append(4'000'000, '\n');
    text += "[Tail]\nEnd=1\n";
    IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.value("Method", "Count"), "3");
    EXPECT_EQ(doc.value("Tail", "End"), "1");
    EXPECT_EQ(doc.serialize(), text);
    ASSERT_TRUE(doc.setValue("Method", "Unit", "mg/l"));
    const std::string written = doc.serialize();
    EXPECT_EQ(written.substr(0, 30), "[Method]\nCount=3\nUnit=mg/l\n\n\n\n");
    EXPECT_EQ(written.size(), text.size() + 10);
}

// Found by the fuzzer: a file of thousands of repeated sections took a new section past the bound on
// sections, and the value written there could not be read back.
TEST(IniDocumentRuns, RepeatedSectionsCostNothingAndAValueWrittenBehindThemReadsBack) {
    std::string text;
    for (int i = 0; i < 3 * static_cast<int>(IniDocument::kMaxSections); ++i)
        text += "[Extended]\r\nMemo=" + std::to_string(i) + "\r\n";
    IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.value("Extended", "Memo"), "0") << "the first section of a name counts";
    ASSERT_TRUE(doc.setValue("ZAV Range", "PeakHeight", "0.030000"));
    ASSERT_TRUE(doc.setValue("Extended", "Operator", "Vega"));
    const std::string written = doc.serialize();
    EXPECT_EQ(written.substr(0, 47), "[Extended]\r\nMemo=0\r\nOperator=Vega\r\n[Extended]\r\n")
        << "a new key stays in the first section, before the repeated one";
    const IniDocument reread = IniDocument::parse(written);
    EXPECT_EQ(reread.value("zav range", "peakheight"), "0.030000");
    EXPECT_EQ(reread.value("Extended", "Operator"), "Vega");
}

TEST(IniDocumentRuns, SectionsAndKeysPastTheBoundsAreKeptButNotRead) {
    std::string text;
    for (std::size_t i = 0; i < IniDocument::kMaxSections + 5; ++i)
        text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.value("S0", "k"), "0");
    EXPECT_EQ(doc.value("S9999", "k"), "9999");
    EXPECT_FALSE(doc.value("S10000", "k").has_value());
    EXPECT_EQ(doc.serialize(), text);
}

} // namespace
} // namespace spectavo
