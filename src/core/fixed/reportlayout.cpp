#include "core/fixed/reportlayout.h"

#include <algorithm>

#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {

int MeasureOnce::textWidth(int font, const std::string &text) {
    std::unordered_map<std::string, int> &widths = m_widths[font];
    if (auto found = widths.find(text); found != widths.end())
        return found->second;
    const int width = m_device.textWidth(font, text);
    widths.emplace(text, width);
    return width;
}

int MeasureOnce::textHeight(int font) {
    auto [at, added] = m_heights.try_emplace(font, 0);
    if (added)
        at->second = m_device.textHeight(font);
    return at->second;
}

int MeasureOnce::averageCharWidth(int font) {
    auto [at, added] = m_averages.try_emplace(font, 0);
    if (added)
        at->second = m_device.averageCharWidth(font);
    return at->second;
}

std::string printedCell(const std::string &text) {
    return text.empty() || text == " " ? "---" : text;
}

std::vector<ReportPart> reportQuestions(bool fixedPoints, bool concentrationMode, bool standards) {
    std::vector<ReportPart> parts{ReportPart::kMemo};
    if (fixedPoints && concentrationMode)
        parts.push_back(ReportPart::kCurve);
    if (fixedPoints && standards)
        parts.push_back(ReportPart::kStandards);
    parts.push_back(ReportPart::kSamples);
    return parts;
}

namespace {

constexpr int kThin = 1;
constexpr int kThick = 3;

class ReportWriter {
public:
    ReportWriter(const ReportContent &content, const ReportPageSize &page, ReportMetrics &metrics)
        : m_content(content), m_metrics(metrics), m_width(page.width), m_height(page.height),
          m_dpi(std::max(page.dotsPerInchY, 1)), m_left(page.width / 10), m_top(page.height / 20) {}

    std::vector<ReportPage> write() {
        newPage();
        writeTitle();
        if (m_content.memo)
            writeMemo(*m_content.memo);
        if (m_content.curve)
            writeCurve();
        m_blockTop = m_y;
        for (const ReportTable &table : m_content.tables)
            writeTable(table);
        return std::move(m_pages);
    }

private:
    int points(int value) const { return value * m_dpi / 72; }
    int footerLine() const { return m_height - m_top; }
    std::vector<ReportItem> &items() { return m_pages.back().items; }

    void text(int font, int x, int y, std::string value) {
        items().push_back({ReportItem::kText, font, x, y, 0, 0, 0, std::move(value)});
    }
    void line(int x1, int y1, int x2, int y2, int thickness) {
        items().push_back({ReportItem::kLine, 0, x1, y1, x2, y2, thickness, {}});
    }

    void newPage() {
        m_pages.emplace_back();
        line(m_left, footerLine(), m_width - m_left, footerLine(), kThin);
        text(kReportFooterFont, m_left, footerLine() + 2, m_content.footnote);
        if (!m_content.printedAt.empty()) {
            const std::string printed = strings::trFormat("Printed %s", m_content.printedAt.c_str());
            text(kReportFooterFont, (m_width - m_metrics.textWidth(kReportFooterFont, printed)) / 2,
                 footerLine() + 2, printed);
        }
        if (!m_content.trailHead.empty())
            text(kReportFooterFont, m_left, footerLine() + 2 + m_metrics.textHeight(kReportFooterFont),
                 m_content.trailHead);
        const std::string number = strings::trFormat("Page %d", static_cast<int>(m_pages.size()));
        text(kReportFooterFont, m_width - m_left - m_metrics.textWidth(kReportFooterFont, number),
             footerLine() + 2, number);
        m_x = m_left;
        m_y = m_top;
        m_blockTop = m_top;
    }

    void writeTitle() {
        const int height = m_metrics.textHeight(kReportTitleFont);
        m_y = 2 * height;
        text(kReportTitleFont, m_width / 2 - m_metrics.textWidth(kReportTitleFont, m_content.title) / 2, m_y,
             m_content.title);
        m_x = m_left;
        m_y += height * 3 / 2;
    }

    // A memo line wider than the page continues on the next line, broken at a blank where it has one.
    std::vector<std::string> wrapped(const std::string &line, int width) {
        std::vector<std::string> lines;
        std::string rest = line;
        while (m_metrics.textWidth(kReportMemoFont, rest) > width && rest.size() > 1) {
            std::size_t fits = 1;
            while (fits < rest.size() &&
                   m_metrics.textWidth(kReportMemoFont, rest.substr(0, fits + 1)) <= width)
                ++fits;
            const std::size_t blank = rest.rfind(' ', fits);
            const std::size_t cut = blank != std::string::npos && blank > 0 ? blank : fits;
            lines.push_back(rest.substr(0, cut));
            rest = rest.substr(cut == blank ? cut + 1 : cut);
        }
        lines.push_back(rest);
        return lines;
    }

    void memoLine(int x, const std::string &value) {
        const int step = m_metrics.textHeight(kReportMemoFont) * 3 / 2;
        if (m_y + step > footerLine())
            newPage();
        text(kReportMemoFont, x, m_y, value);
        m_y += step;
    }

    void writeMemo(const ReportContent::Memo &memo) {
        memoLine(m_left, strings::tr("Operator:") + " " + memo.operatorName);
        memoLine(m_left, strings::tr("Date & Time:") + " " + memo.dateTime);
        memoLine(m_left, strings::tr("Memo:"));
        const int indent = m_left + 4 * m_metrics.averageCharWidth(kReportMemoFont);
        std::size_t start = 0;
        while (start <= memo.text.size()) {
            const std::size_t end = std::min(memo.text.find('\n', start), memo.text.size());
            std::string value = memo.text.substr(start, end - start);
            if (!value.empty() && value.front() == '\r')
                value.erase(0, 1);
            if (!value.empty() && value.back() == '\r')
                value.pop_back();
            for (const std::string &piece : wrapped(value, m_width - m_left - indent))
                memoLine(indent, piece);
            start = end + 1;
        }
        m_y += points(12);
    }

    void writeCurve() {
        const int height = (m_height - 2 * m_top) / 2;
        if (m_y + height > footerLine())
            newPage();
        items().push_back({ReportItem::kCurve, 0, m_left, m_y, m_width - m_left, m_y + height, 0, {}});
        m_y += height + points(12);
    }

    // Where the next block goes when this one has no room left for `needed`: to the right of it when
    // another block as wide fits there and has that room below the block's top, else the top of a new
    // page. Nothing is ever written below the footer line.
    void breakBlock(int tableWidth, bool continued, int needed) {
        const int gap = 5 * m_metrics.averageCharWidth(kReportDataFont);
        if (m_x + tableWidth + gap + tableWidth <= m_width - m_left && footerLine() - m_blockTop >= needed) {
            m_x += tableWidth + gap;
            m_y = m_blockTop;
            return;
        }
        newPage();
        if (continued)
            text(kReportFooterFont, m_left, m_top - m_metrics.textHeight(kReportFooterFont),
                 strings::tr("Continued"));
    }

    void writeRow(const std::vector<std::string> &row, const std::vector<int> &widths, int rowHeight,
                  bool last) {
        const int tWidth = m_metrics.textWidth(kReportDataFont, "t");
        const int textTop = m_y + (rowHeight - m_metrics.textHeight(kReportDataFont)) / 2;
        int right = m_x;
        for (std::size_t column = 0; column < widths.size(); ++column) {
            right += widths[column];
            const std::string cell = printedCell(column < row.size() ? row[column] : std::string());
            text(kReportDataFont, right - tWidth - m_metrics.textWidth(kReportDataFont, cell), textTop, cell);
            line(right, m_y, right, m_y + rowHeight, column + 1 == widths.size() ? kThick : kThin);
        }
        line(m_x, m_y, m_x, m_y + rowHeight, kThick);
        line(m_x, m_y + rowHeight, right, m_y + rowHeight, last ? kThick : kThin);
        m_y += rowHeight;
    }

    void writeNotes(const std::vector<std::string> &notes, int tableWidth) {
        const int h = m_metrics.textHeight(kReportDataFont);
        for (const std::string &note : notes) {
            if (footerLine() - m_y < h)
                breakBlock(tableWidth, true, h);
            text(kReportDataFont, m_x, m_y + h / 4, note);
            m_y += h + h / 4;
        }
    }

    void writeTable(const ReportTable &table) {
        if (table.rows.empty())
            return;
        std::size_t columns = 0;
        for (const auto &row : table.rows)
            columns = std::max(columns, row.size());
        std::vector<int> widths(columns, 3 * m_metrics.averageCharWidth(kReportDataFont));
        for (const auto &row : table.rows)
            for (std::size_t column = 0; column < row.size(); ++column)
                widths[column] =
                    std::max(widths[column], m_metrics.textWidth(kReportDataFont, printedCell(row[column])) +
                                                 3 * m_metrics.averageCharWidth(kReportDataFont));
        int tableWidth = 0;
        for (int width : widths)
            tableWidth += width;
        const int h = m_metrics.textHeight(kReportTableFont);
        const int rowHeight = h * 3 / 2;
        // The title and the first row stay together.
        if (footerLine() - m_y < 2 * rowHeight)
            breakBlock(tableWidth, false, 2 * rowHeight);
        text(kReportTableFont, m_x, m_y, table.title);
        m_y += rowHeight;
        line(m_x, m_y - m_metrics.textHeight(kReportDataFont) / 2, m_x + tableWidth,
             m_y - m_metrics.textHeight(kReportDataFont) / 2, kThick);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            if (footerLine() - m_y < rowHeight) {
                // The header row again, then this row.
                breakBlock(tableWidth, true, 2 * rowHeight);
                line(m_x, m_y, m_x + tableWidth, m_y, kThick);
                writeRow(table.rows.front(), widths, rowHeight, false);
            }
            writeRow(table.rows[r], widths, rowHeight, r + 1 == table.rows.size());
        }
        writeNotes(table.notes, tableWidth);
        m_y += points(12);
        // A following table below this one starts its own column of blocks; one that follows in a
        // column to the right keeps the page's column top.
        if (m_x == m_left)
            m_blockTop = m_y;
    }

    const ReportContent &m_content;
    ReportMetrics &m_metrics;
    const int m_width;
    const int m_height;
    const int m_dpi;
    const int m_left;
    const int m_top;
    int m_x = 0;
    int m_y = 0;
    int m_blockTop = 0;
    std::vector<ReportPage> m_pages;
};

} // namespace

std::vector<ReportPage> layoutReport(const ReportContent &content, const ReportPageSize &page,
                                     ReportMetrics &metrics) {
    return ReportWriter(content, page, metrics).write();
}

} // namespace spectavo::fixed
