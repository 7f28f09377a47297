#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace spectavo::fixed {

// The five report fonts.
enum ReportFont {
    kReportTitleFont = 0,
    kReportTableFont = 1,
    kReportFooterFont = 2,
    kReportDataFont = 3,
    kReportMemoFont = 4
};

// How wide and high texts are on the device printed to, in its dots; the program hands in the
// device's font metrics.
class ReportMetrics {
public:
    virtual ~ReportMetrics() = default;
    virtual int textWidth(int font, const std::string &text) = 0;
    virtual int textHeight(int font) = 0;
    virtual int averageCharWidth(int font) = 0;
};

// Measures each distinct text of a font once: a report repeats its headers and numbers on every page.
class MeasureOnce : public ReportMetrics {
public:
    explicit MeasureOnce(ReportMetrics &device) : m_device(device) {}
    int textWidth(int font, const std::string &text) override;
    int textHeight(int font) override;
    int averageCharWidth(int font) override;

private:
    ReportMetrics &m_device;
    std::map<int, std::unordered_map<std::string, int>> m_widths;
    std::map<int, int> m_heights;
    std::map<int, int> m_averages;
};

// What a report holds; the operator has already been asked which parts to print.
struct ReportTable {
    std::string title;
    std::vector<std::vector<std::string>> rows; // the header row first
    std::vector<std::string> notes;             // lines under the table: what its numbers rest on
};

struct ReportContent {
    std::string title;
    std::string footnote;
    struct Memo {
        std::string operatorName;
        std::string dateTime;
        std::string text;
    };
    std::optional<Memo> memo;
    bool curve = false;
    std::vector<ReportTable> tables;
    // When the report was printed, for the footer of every page (the memo's date says when the
    // results were measured).
    std::string printedAt;
    // The audit trail's head when the report was made ("Audit trail: event %d, %s"), under the
    // footer of every page; empty without a results store.
    std::string trailHead{};
};

// The page in printer dots and its vertical resolution (points to dots).
struct ReportPageSize {
    int width = 0;
    int height = 0;
    int dotsPerInchY = 72;
};

struct ReportItem {
    enum Kind { kText, kLine, kCurve } kind = kText;
    int font = 0;
    int x = 0;  // text: left edge; line: start; curve: the area's corner
    int y = 0;  // text: top
    int x2 = 0; // line: end; curve: right edge
    int y2 = 0; // line: end; curve: bottom
    int thickness = 1;
    std::string text;
};

struct ReportPage {
    std::vector<ReportItem> items;
};

// The report's pages: footer, title, memo block, curve area, table blocks with their continuation.
std::vector<ReportPage> layoutReport(const ReportContent &content, const ReportPageSize &page,
                                     ReportMetrics &metrics);

// The parts a report asks about, in order; declining the last table prints nothing.
enum class ReportPart { kMemo, kCurve, kStandards, kSamples };
std::vector<ReportPart> reportQuestions(bool fixedPoints, bool concentrationMode, bool standards);

// The cell as printed: an empty cell shows that it holds nothing.
std::string printedCell(const std::string &text);

} // namespace spectavo::fixed
