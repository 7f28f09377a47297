#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QDialog>

#include "core/scan/spectrumsheet.h"

class QTabWidget;

namespace spectavo::app {

// The settings sheet of a scan window, seven pages over one scan::SpectrumSheet (and, for a time scan
// with a curve, the rate page). The values are read back from the pages when the sheet is confirmed.
class CScanProperty : public QDialog {
public:
    CScanProperty(scan::SpectrumSheet sheet, QWidget *parent = nullptr);
    // The values as the pages show them now.
    const scan::SpectrumSheet &sheet();
    QTabWidget *pages() const { return m_pages; }
    // The rate page's "Calculate": the window takes the fields over and returns what the curve holds
    // then (nothing when it refused them).
    std::function<std::optional<scan::SpectrumSheet::Rate>(const scan::SpectrumSheet::Rate &)> onCalculate;
    // OK's check: a refusal is shown, the sheet stays open on the rate page and nothing is applied.
    std::function<std::optional<std::string>(const scan::SpectrumSheet &)> onConfirm;

private:
    QWidget *viewPage();
    QWidget *peakPage();
    QWidget *legendPage();
    QWidget *specialPage();
    QWidget *scalerPage();
    QWidget *printPage();
    QWidget *memoPage();
    QWidget *ratePage();
    QWidget *fontButton(const QString &text, scan::ChartFontSlot slot);

    scan::SpectrumSheet m_sheet;
    QTabWidget *m_pages;
    // Each control writes its value into m_sheet when the sheet is read.
    std::vector<std::function<void()>> m_readers;
};

} // namespace spectavo::app
