// The peak list's rows against the texts the pane showed when every row was its own item (kept in
// tests/data/peaklist_rows.txt): a holmium scan and a damped time-scan curve in each listing mode.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "core/scan/peaklist.h"
#include "core/scan/wave/wavefile.h"

namespace spectavo::scan {
namespace {

using Golden = std::map<std::string, std::vector<std::string>>;

// Sections "# title count", then one "kind<TAB>position<TAB>value<TAB>remark" line per row.
Golden readGolden() {
    std::ifstream in(SPECTAVO_TEST_DATA_DIR "/peaklist_rows.txt");
    Golden golden;
    std::string line, title;
    while (std::getline(in, line)) {
        if (line.starts_with("# ")) {
            title = line.substr(2, line.rfind(' ') - 2);
            golden[title];
        } else {
            golden[title].push_back(line);
        }
    }
    return golden;
}

std::string lineOf(const PeakListRow &row) {
    std::ostringstream out;
    out << static_cast<int>(row.kind) << '\t' << row.position << '\t' << row.value << '\t' << row.remark;
    return out.str();
}

void expectRows(const PeakListRows &rows, const std::vector<std::string> &expected, const std::string &what) {
    ASSERT_EQ(rows.size(), expected.size()) << what;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(lineOf(rows.at(i)), expected[i]) << what << " row " << i;
        ASSERT_EQ(rows.kindAt(i), rows.at(i).kind) << what << " row " << i;
    }
}

CKineSpectrum dampedCurve() {
    CKineSpectrum curve = CKineSpectrum::makeNew();
    curve.totalTime = 30;
    curve.step = 0.5f;
    EXPECT_TRUE(curve.allocatePoints());
    for (std::size_t i = 0; i < curve.points().size(); ++i) {
        const double t = static_cast<double>(i);
        curve.points()[i] = static_cast<float>(0.5 + 0.3 * std::sin(0.35 * t) * std::exp(-0.02 * t));
    }
    curve.count.store(static_cast<int>(curve.points().size()));
    curve.recomputeMarkers(0.01f);
    return curve;
}

TEST(PeakListRows, ShowTheSameTextsAsTheItemsDid) {
    const Golden golden = readGolden();
    ASSERT_EQ(golden.size(), 6u);
    CWaveSpectrum holmium;
    ASSERT_TRUE(readSpectrumFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca", holmium));
    holmium.recomputeMarks(0.05f);
    expectRows(PeakListRows::ofSpectrum(holmium, true, false, false), golden.at("holmium all abs"), "all");
    expectRows(PeakListRows::ofSpectrum(holmium, true, true, false), golden.at("holmium peaks abs"), "peaks");
    expectRows(PeakListRows::ofSpectrum(holmium, false, false, true), golden.at("holmium valleys T"),
               "valleys");
    expectRows(PeakListRows::ofSpectrum(holmium, false, true, true), golden.at("holmium both T"), "both");

    const CKineSpectrum curve = dampedCurve();
    expectRows(PeakListRows::ofCurve(curve, true, false, false), golden.at("curve all abs"), "curve all");
    expectRows(PeakListRows::ofCurve(curve, false, true, true), golden.at("curve both T"), "curve both");
}

// The pane sizes its columns from a few rows; those must hold each column's longest text.
TEST(PeakListRows, TheWidestRowsHoldEachColumnsLongestText) {
    CWaveSpectrum holmium;
    ASSERT_TRUE(readSpectrumFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca", holmium));
    holmium.points()[200] = -0.0123f; // a sign makes a value text longer
    holmium.recomputeMarks(0.05f);
    for (const bool absorbance : {true, false})
        for (const auto &rows : {PeakListRows::ofSpectrum(holmium, absorbance, false, false),
                                 PeakListRows::ofSpectrum(holmium, absorbance, true, true),
                                 PeakListRows::ofCurve(dampedCurve(), absorbance, false, false)}) {
            std::size_t longest[3] = {0, 0, 0}, sampled[3] = {0, 0, 0};
            auto lengths = [&rows](std::size_t row) {
                const PeakListRow texts = rows.at(row);
                return std::array<std::size_t, 3>{texts.position.size(), texts.value.size(),
                                                  texts.remark.size()};
            };
            for (std::size_t row = 0; row < rows.size(); ++row)
                for (int column = 0; column < 3; ++column)
                    longest[column] = std::max(longest[column], lengths(row)[column]);
            for (const std::size_t row : rows.widestRows())
                for (int column = 0; column < 3; ++column)
                    sampled[column] = std::max(sampled[column], lengths(row)[column]);
            for (int column = 0; column < 3; ++column)
                EXPECT_EQ(sampled[column], longest[column])
                    << "column " << column << (absorbance ? " Abs" : " T");
            EXPECT_LE(rows.widestRows().size(), 5u);
        }
    EXPECT_TRUE(PeakListRows().widestRows().empty());
}

// The rows are a copy: a record that changes or goes away afterwards does not change what is listed.
TEST(PeakListRows, AreACopyOfTheRecordWhenListed) {
    CKineSpectrum curve = dampedCurve();
    const PeakListRows rows = PeakListRows::ofCurve(curve, true, false, false);
    const std::string before = rows.at(3).value;
    curve.points()[3] = 2.5f;
    curve.points().clear();
    EXPECT_EQ(rows.at(3).value, before);
    EXPECT_EQ(rows.size(), 61u);
    EXPECT_EQ(PeakListRows().size(), 0u);
}

} // namespace
} // namespace spectavo::scan
