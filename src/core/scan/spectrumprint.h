#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/config/profilestore.h"
#include "core/scan/displayrange.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::scan {

// The print options of the wavelength-scan window (section Print of the scan settings, the operator
// switch of the application settings, the foot note).
struct SpectrumPrintSettings {
    bool chartPage = true;
    bool dataPages = true;
    bool range = true;
    bool step = true;
    bool filter = true;
    bool wavelength = false; // a time scan's measuring wavelength
    bool time = true;
    bool memo = true;
    bool foot = true;
    bool operatorLine = true;
    bool keepShape = true;
    bool centreHorizontally = true;
    bool centreVertically = true;
    std::string footNote;
    // The audit trail's head when the page was made ("Audit trail: event %d, %s"), printed in the foot
    // whatever the foot settings say; empty without a results store.
    std::string trailHead;
    std::string dataTitle = "Wave spectra by Spectrometer";

    static SpectrumPrintSettings load(const ProfileStore &waveScan, const ProfileStore &analyst);
};

// One line of the chart page's information block: a label and its value (a memo row has no value).
struct InformationLine {
    std::string label;
    std::string value;
};
// Where the information block starts on the chart page, in device units: below the chart on a portrait
// page, beside it on a landscape one. It is placed on the whole page: the foot's share of the drawing
// area does not move it.
struct BlockOrigin {
    int x;
    int y;
    friend bool operator==(const BlockOrigin &, const BlockOrigin &) = default;
};
BlockOrigin informationBlockOrigin(int pageWidth, int pageHeight, int dataFontHeight, int titleFontHeight);

// How far right of the labels the values start: a blank behind the widest label, so that no value
// touches its label in any language. widthOf measures a text in the data font.
int informationValueOffset(const std::vector<InformationLine> &lines,
                           const std::function<int(const std::string &)> &widthOf);

std::vector<InformationLine> informationLines(const CWaveSpectrum &spectrum,
                                              const SpectrumPrintSettings &settings);

// The memo's rows: split at line feeds, a carriage return dropped from either end of each row.
std::vector<std::string> memoRows(const std::string &memo);

// The points the data pages list: inside the chart's wavelength range and through the peak list's
// filter (peaks only, valleys only, both, or every point when neither switch is on).
std::vector<std::size_t> printedPoints(const CWaveSpectrum &spectrum, const CDisplayRange &range);

// The measures the table layout needs, in device units: u is the width of "testm" in the table font,
// h its height; the title's height; the drawing area.
struct DataTableMetrics {
    int u = 0;
    int h = 0;
    int titleHeight = 0;
    int pageWidth = 0;
    int pageHeight = 0;
};

struct DataRow {
    std::size_t point;
    int x; // the column's left edge
    int y; // the row's top
};

struct DataPage {
    std::vector<DataRow> rows;
};

// Rows 1.5 h apart from 3.5 title heights below the top, in columns 4u wide from x = u; a column ends
// before a row would reach the page's last text height, and the page ends when a new column would
// start within 4u of the right edge. A table that cannot hold a single row gives no pages.
std::vector<DataPage> layoutDataPages(const std::vector<std::size_t> &points,
                                      const DataTableMetrics &metrics);

// A row's texts: "%.1fnm", the value ("%.4f" Abs or "%.2f" T%) and " P", " V" or two blanks.
struct DataRowTexts {
    std::string wavelength;
    std::string value;
    std::string mark;
};
DataRowTexts dataRowTexts(const CWaveSpectrum &spectrum, std::size_t point, bool absorbance);

} // namespace spectavo::scan
