// The report's layout on a page of known size with texts of known size: blocks, continuation to the
// right and onto new pages, the memo block and the parts asked for.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/fixed/reportlayout.h"

namespace spectavo::fixed {
namespace {

// Every character 10 dots wide, every font 20 dots high: positions can be worked out by hand.
class FixedPitch : public ReportMetrics {
public:
    int textWidth(int, const std::string &text) override {
        ++measured;
        return 10 * static_cast<int>(text.size());
    }
    int textHeight(int) override { return 20; }
    int averageCharWidth(int) override { return 10; }
    int measured = 0;
};

// 1000 x 2000 dots at 72 dpi (a point is a dot): margins 100 left and right, 100 top, footer at 1900.
constexpr ReportPageSize kPage{1000, 2000, 72};

ReportTable table(std::size_t rows, const std::string &cell) {
    ReportTable result{"Samples", {{"Name", "Abs"}}, {}};
    for (std::size_t row = 0; row < rows; ++row)
        result.rows.push_back({"S" + std::to_string(row + 1), cell});
    return result;
}

std::vector<const ReportItem *> textsOf(const ReportPage &page, const std::string &text) {
    std::vector<const ReportItem *> found;
    for (const ReportItem &item : page.items)
        if (item.kind == ReportItem::kText && item.text == text)
            found.push_back(&item);
    return found;
}

TEST(ReportLayoutTest, EveryPageHasItsFooter) {
    FixedPitch metrics;
    ReportContent content{"Title",
                          "Lab 3",
                          std::nullopt,
                          false,
                          {table(200, std::string(40, '9'))},
                          "December 11 09:30:00 2026"};
    const std::vector<ReportPage> pages = layoutReport(content, kPage, metrics);
    ASSERT_GE(pages.size(), 2u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const auto printed = textsOf(pages[i], "Printed December 11 09:30:00 2026");
        ASSERT_EQ(printed.size(), 1u) << "the footer says when the report was printed";
        EXPECT_EQ(printed[0]->y, 1902);
        const auto number = textsOf(pages[i], "Page " + std::to_string(i + 1));
        ASSERT_EQ(number.size(), 1u);
        EXPECT_EQ(number[0]->x + 60, 900) << "right-aligned at the right margin";
        EXPECT_EQ(number[0]->y, 1902);
        EXPECT_EQ(textsOf(pages[i], "Lab 3").size(), 1u);
        EXPECT_EQ(pages[i].items.front().kind, ReportItem::kLine);
        EXPECT_EQ(pages[i].items.front().y, 1900);
        EXPECT_TRUE(textsOf(pages[i], "Audit trail: event 41, 9f86d081884c7d65").empty());
    }
    // With a results store, every page also names the trail's head, on the line under the footer.
    content.trailHead = "Audit trail: event 41, 9f86d081884c7d65";
    for (const ReportPage &page : layoutReport(content, kPage, metrics)) {
        const auto head = textsOf(page, content.trailHead);
        ASSERT_EQ(head.size(), 1u);
        EXPECT_EQ(head[0]->x, 100);
        EXPECT_EQ(head[0]->y, 1922);
    }
    const auto title = textsOf(pages[0], "Title");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0]->x, 475) << "centred";
    EXPECT_EQ(title[0]->y, 40) << "two title heights down";
}

TEST(ReportLayoutTest, ANarrowTableContinuesToTheRightAndAWideOneOnANewPage) {
    FixedPitch metrics;
    // Name column 4 + 3, value column 6 + 3 characters: 160 dots; two of them and a 50-dot gap fit.
    ReportContent narrow{"T", "", std::nullopt, false, {table(100, "0.1000")}, {}};
    const std::vector<ReportPage> pages = layoutReport(narrow, kPage, metrics);
    ASSERT_EQ(pages.size(), 1u);
    const auto headers = textsOf(pages[0], "Name");
    ASSERT_EQ(headers.size(), 2u) << "the header again at the top of the next block";
    const auto continued = std::max(headers[0]->x, headers[1]->x);
    EXPECT_GT(continued, 100 + 160 + 50 - 1);
    EXPECT_TRUE(textsOf(pages[0], "Continued").empty());

    // Value column 40 + 3 characters: 500 dots; two do not fit between the margins.
    ReportContent wide{"T", "", std::nullopt, false, {table(100, std::string(40, '9'))}, {}};
    const std::vector<ReportPage> widePages = layoutReport(wide, kPage, metrics);
    ASSERT_EQ(widePages.size(), 2u);
    ASSERT_EQ(textsOf(widePages[1], "Continued").size(), 1u);
    EXPECT_EQ(textsOf(widePages[1], "Continued")[0]->y, 80) << "just above the top margin";
    for (const ReportItem *header : textsOf(widePages[1], "Name"))
        EXPECT_LT(header->x, 500) << "a new block at the left margin";
    EXPECT_EQ(textsOf(widePages[1], "Name").size(), 1u);
}

TEST(ReportLayoutTest, ContinuationToTheRightNeedsRoomForTwoTablesAndTheGapExactly) {
    FixedPitch metrics;
    // A 160-dot table and a 50-dot gap: 370 dots from the left margin. At 462 dots wide the margins
    // are 46 and the right one lies at 416, exactly where a second block ends; at 461 it lies at 415.
    const ReportContent content{"T", "", std::nullopt, false, {table(100, "0.1000")}, {}};
    const std::vector<ReportPage> fits = layoutReport(content, {462, 2000, 72}, metrics);
    ASSERT_FALSE(fits.empty());
    EXPECT_EQ(textsOf(fits[0], "Name").size(), 2u);
    EXPECT_EQ(textsOf(fits[0], "Continued").size(), 0u);
    const std::vector<ReportPage> tooNarrow = layoutReport(content, {461, 2000, 72}, metrics);
    ASSERT_GE(tooNarrow.size(), 2u);
    EXPECT_EQ(textsOf(tooNarrow[0], "Name").size(), 1u);
    EXPECT_EQ(textsOf(tooNarrow[1], "Continued").size(), 1u);
}

// Whatever comes before a table (memo lines of any number) and however long and wide it is, nothing is
// written below a page's footer line except the footer itself, and no table title stands alone.
TEST(ReportLayoutTest, NothingIsEverPrintedBelowTheFooterLine) {
    FixedPitch metrics;
    for (int memoLines = 0; memoLines < 80; memoLines += 3) {
        for (const std::size_t rows : {std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{60}}) {
            for (const std::size_t width : {std::size_t{6}, std::size_t{40}}) {
                std::string memo;
                for (int i = 0; i < memoLines; ++i)
                    memo += "line\n";
                ReportContent content{"T",
                                      "Lab",
                                      ReportContent::Memo{"op", "now", memo},
                                      false,
                                      {table(rows, std::string(width, '1')), table(rows, "0.5")},
                                      {}};
                for (const ReportPageSize page : {kPage, ReportPageSize{1000, 1400, 72}}) {
                    const std::vector<ReportPage> pages = layoutReport(content, page, metrics);
                    const int footer = page.height - page.height / 20;
                    for (std::size_t p = 0; p < pages.size(); ++p) {
                        for (const ReportItem &item : pages[p].items) {
                            const bool footerItem = (item.kind == ReportItem::kLine && item.y == footer) ||
                                                    (item.kind == ReportItem::kText && item.y == footer + 2);
                            if (footerItem)
                                continue;
                            const int bottom =
                                item.kind == ReportItem::kText ? item.y + 20 : std::max(item.y, item.y2);
                            ASSERT_LE(bottom, footer)
                                << "memo " << memoLines << ", rows " << rows << ", width " << width
                                << ", page " << p + 1 << ": kind " << item.kind << " at " << item.x << ","
                                << item.y << " to " << item.x2 << "," << item.y2 << " " << item.text;
                        }
                    }
                }
            }
        }
    }
}

TEST(ReportLayoutTest, EmptyCellsPrintAsDashes) {
    FixedPitch metrics;
    ReportContent content{"T", "", std::nullopt, false, {table(2, "")}, {}};
    content.tables[0].rows[1][1] = " ";
    const std::vector<ReportPage> pages = layoutReport(content, kPage, metrics);
    EXPECT_EQ(textsOf(pages[0], "---").size(), 2u);
    EXPECT_EQ(printedCell("0.0"), "0.0");
}

TEST(ReportLayoutTest, TheMemoBlockSplitsLinesAndWrapsWideOnes) {
    FixedPitch metrics;
    ReportContent content{"T", "", ReportContent::Memo{"Anna", "today", "first\r\nsecond"}, false, {}, {}};
    const std::vector<ReportPage> pages = layoutReport(content, kPage, metrics);
    ASSERT_EQ(textsOf(pages[0], "first").size(), 1u);
    ASSERT_EQ(textsOf(pages[0], "second").size(), 1u);
    EXPECT_EQ(textsOf(pages[0], "first")[0]->x, 140) << "indented by four characters";
    EXPECT_EQ(textsOf(pages[0], "second")[0]->y - textsOf(pages[0], "first")[0]->y, 30);
    EXPECT_EQ(textsOf(pages[0], "Operator: Anna").size(), 1u);

    // 760 dots of room for memo text: 76 characters.
    content.memo->text = std::string(70, 'a') + " " + std::string(20, 'b');
    const std::vector<ReportPage> wrapped = layoutReport(content, kPage, metrics);
    EXPECT_EQ(textsOf(wrapped[0], std::string(70, 'a')).size(), 1u);
    EXPECT_EQ(textsOf(wrapped[0], std::string(20, 'b')).size(), 1u);
    content.memo->text = std::string(200, 'c');
    const std::vector<ReportPage> broken = layoutReport(content, kPage, metrics);
    EXPECT_EQ(textsOf(broken[0], std::string(76, 'c')).size(), 2u) << "a word too wide is cut";
}

TEST(ReportLayoutTest, TheCurveTakesHalfThePrintableHeight) {
    FixedPitch metrics;
    ReportContent content{"T", "", std::nullopt, true, {table(1, "1")}, {}};
    const std::vector<ReportPage> pages = layoutReport(content, kPage, metrics);
    const auto curve = std::find_if(pages[0].items.begin(), pages[0].items.end(),
                                    [](const ReportItem &item) { return item.kind == ReportItem::kCurve; });
    ASSERT_NE(curve, pages[0].items.end());
    EXPECT_EQ(curve->x, 100);
    EXPECT_EQ(curve->x2, 900);
    EXPECT_EQ(curve->y2 - curve->y, 900);
    EXPECT_GE(textsOf(pages[0], "Samples")[0]->y, curve->y2 + 12);
}

TEST(ReportLayoutTest, NotesFollowTheirTableAndNeverCrossTheFooter) {
    FixedPitch metrics;
    ReportTable samples = table(2, "1.0");
    samples.notes = {"Calibration: typed", "* stale"};
    ReportContent content{"T", "", std::nullopt, false, {samples}, {}};
    const std::vector<ReportPage> pages = layoutReport(content, kPage, metrics);
    ASSERT_EQ(pages.size(), 1u);
    const auto first = textsOf(pages[0], "Calibration: typed");
    const auto second = textsOf(pages[0], "* stale");
    const auto lastRow = textsOf(pages[0], "S2");
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    ASSERT_EQ(lastRow.size(), 1u);
    EXPECT_GT(first[0]->y, lastRow[0]->y);
    EXPECT_EQ(second[0]->y, first[0]->y + 25);
    EXPECT_EQ(first[0]->x, 100);

    // A table that fills its page to the footer puts its notes on the next.
    for (std::size_t rows = 55; rows < 62; ++rows) {
        ReportTable full = table(rows, "1.0");
        full.notes = {"note"};
        ReportContent long_{"T", "", std::nullopt, false, {full}, {}};
        for (const ReportPage &page : layoutReport(long_, kPage, metrics))
            for (const ReportItem *note : textsOf(page, "note"))
                EXPECT_LE(note->y + 20, 1900) << rows << " rows";
    }
}

TEST(ReportLayoutTest, EachDistinctTextIsMeasuredOnce) {
    FixedPitch device;
    MeasureOnce once(device);
    ReportContent content{"T", "", std::nullopt, false, {table(200, "0.1000")}, {}};
    const std::vector<ReportPage> measuredOnce = layoutReport(content, kPage, once);
    const int distinct = device.measured;
    FixedPitch every;
    const std::vector<ReportPage> measuredEveryTime = layoutReport(content, kPage, every);
    EXPECT_LT(distinct * 2, every.measured);
    EXPECT_EQ(measuredOnce.size(), measuredEveryTime.size());
}

TEST(ReportLayoutTest, TheQuestionsFollowTheDocument) {
    using P = ReportPart;
    EXPECT_EQ(reportQuestions(false, false, false), (std::vector<P>{P::kMemo, P::kSamples}));
    EXPECT_EQ(reportQuestions(true, true, false), (std::vector<P>{P::kMemo, P::kCurve, P::kSamples}));
    EXPECT_EQ(reportQuestions(true, true, true),
              (std::vector<P>{P::kMemo, P::kCurve, P::kStandards, P::kSamples}));
    EXPECT_EQ(reportQuestions(true, false, true), (std::vector<P>{P::kMemo, P::kStandards, P::kSamples}));
}

} // namespace
} // namespace spectavo::fixed
