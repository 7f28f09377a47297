#include <gtest/gtest.h>

#include "core/scan/exchangeformats.h"
#include "core/scan/seriesconversion.h"

namespace spectavo {
namespace {

scan::EvenSeries holmiumLike() {
    scan::EvenSeries series;
    series.title = "Holmium";
    series.owner = "Ana";
    series.firstX = 400.0;
    series.step = 0.5;
    for (int i = 0; i < 61; ++i)
        series.y.push_back(0.05f + 0.001f * static_cast<float>(i % 17) - (i == 30 ? 0.2f : 0.0f));
    return series;
}

TEST(Jcamp, WrittenFileHasTheRequiredLabelsInOrderAndShortLines) {
    const std::string text = jcampText(holmiumLike());
    EXPECT_EQ(text.substr(0, 42), "##TITLE=Holmium\r\n##JCAMP-DX=4.24\r\n##DATA T");
    for (const char *label :
         {"##DATA TYPE=UV/VIS SPECTRUM", "##ORIGIN=", "##OWNER=Ana", "##XUNITS=NANOMETERS",
          "##YUNITS=ABSORBANCE", "##XFACTOR=1", "##YFACTOR=1e-06", "##FIRSTX=400", "##LASTX=430",
          "##NPOINTS=61", "##FIRSTY=0.050000", "##XYDATA=(X++(Y..Y))"})
        EXPECT_NE(text.find(label), std::string::npos) << label;
    EXPECT_TRUE(text.ends_with("##END=\r\n"));
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_LE(end - start, 80u);
        start = end + 2;
    }
}

TEST(Jcamp, ReadsBackWhatItWritesToTheWrittenPrecision) {
    const scan::EvenSeries original = holmiumLike();
    const auto read = scan::parseJcamp(jcampText(original));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->title, "Holmium");
    EXPECT_DOUBLE_EQ(read->firstX, 400.0);
    EXPECT_DOUBLE_EQ(read->step, 0.5);
    ASSERT_EQ(read->y.size(), original.y.size());
    for (std::size_t i = 0; i < original.y.size(); ++i)
        EXPECT_NEAR(read->y[i], original.y[i], 5e-7) << i;
}

TEST(Jcamp, ReadsAHandWrittenAffnFileWithDescendingX) {
    // Blank, comma and sign separated numbers, a comment, and X running from the high end down.
    const std::string file =
        "##TITLE= Example\n##JCAMP-DX= 4.24\n##DATA TYPE= UV/VIS SPECTRUM\n"
        "##XUNITS= NANOMETERS\n##YUNITS= ABSORBANCE\n##XFACTOR= 1.0\n##YFACTOR= 0.001\n"
        "##FIRSTX= 300\n##LASTX= 296\n##NPOINTS= 5\n##FIRSTY= 0.100\n"
        "##XYDATA= (X++(Y..Y))\n300 100,200 300\n297 400-5 $$ negative last point\n##END=\n";
    const auto read = scan::parseJcamp(file);
    ASSERT_TRUE(read.has_value());
    EXPECT_DOUBLE_EQ(read->firstX, 296.0);
    EXPECT_DOUBLE_EQ(read->step, 1.0);
    EXPECT_EQ(read->y, (std::vector<float>{-0.005f, 0.4f, 0.3f, 0.2f, 0.1f}));
}

TEST(Jcamp, RefusesCompressedOrInconsistentTables) {
    EXPECT_FALSE(scan::parseJcamp("##XYDATA=(X++(Y..Y))\n300@A1B2\n##END=\n").has_value());
    EXPECT_FALSE(
        scan::parseJcamp("##FIRSTX=1\n##LASTX=3\n##NPOINTS=4\n##XYDATA=(X++(Y..Y))\n1 1 2 3\n##END=\n"));
    EXPECT_FALSE(scan::parseJcamp("##XYDATA=(XY..XY)\n1,2\n##END=\n"));
}

TEST(Csv, RoundTripsAndRefusesUnevenPoints) {
    const scan::EvenSeries original = holmiumLike();
    const std::string text = csvText(original);
    EXPECT_EQ(text.substr(0, 37), "Wavelength,Abs\r\n400.000000,0.050000\r\n");
    const auto read = scan::parseCsv(text);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->y.size(), original.y.size());
    for (std::size_t i = 0; i < original.y.size(); ++i)
        EXPECT_NEAR(read->y[i], original.y[i], 5e-7) << "six decimals are written";
    EXPECT_DOUBLE_EQ(read->step, 0.5);
    EXPECT_FALSE(scan::parseCsv("x,y\n1,0.1\n2,0.2\n4,0.3\n").has_value());
}

TEST(SeriesConversion, SpectrumGridMustFollowTheRecordsRule) {
    scan::CWaveSpectrum spectrum;
    ASSERT_TRUE(fillSpectrum(holmiumLike(), spectrum));
    EXPECT_EQ(spectrum.start, 400.0f);
    EXPECT_EQ(spectrum.end, 430.0f);
    EXPECT_EQ(spectrum.pointCount(), 61u);
    EXPECT_EQ(seriesOf(spectrum).y, holmiumLike().y);

    scan::CKineSpectrum curve;
    EXPECT_FALSE(fillCurve(holmiumLike(), curve)) << "a curve starts at time 0";
    scan::EvenSeries timeSeries = holmiumLike();
    timeSeries.firstX = 0.0;
    ASSERT_TRUE(fillCurve(timeSeries, curve));
    EXPECT_EQ(curve.totalTime, 30);
}

// Counts and ranges from a file are numbers to compare, never converted unchecked.
TEST(Jcamp, AbsurdPointCountsAreAMismatchNotAConversion) {
    for (const char *count : {"1e30", "-1e30", "nan", "inf", "3.5"}) {
        const std::string text = std::string("##TITLE=x\r\n##FIRSTX=400\r\n##LASTX=401\r\n##NPOINTS=") +
                                 count + "\r\n##XYDATA=(X++(Y..Y))\r\n400 1 2\r\n##END=\r\n";
        std::string error;
        EXPECT_FALSE(scan::parseJcamp(text, &error)) << count;
        EXPECT_NE(error.find("NPOINTS"), std::string::npos) << count;
    }
}

} // namespace
} // namespace spectavo
