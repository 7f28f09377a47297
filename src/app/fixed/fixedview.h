#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include "app/fixed/quan/quanchartscene.h"
#include "app/measurementwindow.h"
#include "core/fixed/fixedautorun.h"
#include "core/fixed/fixedcommandrules.h"
#include "core/fixed/fixeddocumentfile.h"
#include "core/fixed/fixedrecordimport.h"

class QTabWidget;
class QTimer;

namespace spectavo::app {

class CFixedMemo;
class CFixedMethod;
class CQuanCurve;
class CQuanCurveSettings;
class CFixedPage;
class CFixedSample;

// The tabbed pages of a fixed-wavelength document and the measurements started from them: Start,
// Modify, Delete, the blank calibrations, the autorun and the remote start.
class CFixedView : public QWidget {
public:
    static constexpr int kFonts = 5;
    static constexpr int kDataFont = 3;
    // The page keys every kind shares.
    enum Key {
        kMethodKey = 0,
        kMemoKey = 1,
        kFittingKey = 2,
        kStandardKey = 3,
        kSampleKey = 4,
        kSettingsKey = 5
    };

    CFixedView(const WindowHost &host, fixed::DocumentFamily family, QWidget *parent = nullptr);
    ~CFixedView() override;

    const WindowHost &host() const { return m_host; }
    program::ProgramRecords program() const { return m_host.program; }
    fixed::DocumentFamily family() const { return m_family; }
    QTabWidget *tabs() const { return m_tabs; }

    // The pages by their role; each kind adds its pages through the adders below.
    CFixedMethod *MethodPage() const { return m_method; }
    CFixedMemo *InformationPage() const { return m_memo; }
    CFixedSample *SamplePage() const { return tableOf(kSampleKey); }
    // The standard table, in the documents that have one.
    CFixedSample *StandardTable() const { return tableOf(kStandardKey); }
    // The table page of a key, or none.
    CFixedSample *tableOf(int key) const;
    // Whether any table of the document holds a measured row.
    bool hasMeasuredRows() const;
    // The report's date says when the results were measured: the document's first measurement sets it.
    void stampMeasurementTime();
    // The concentration column's header: none until the display settings exist.
    virtual std::optional<std::string> concentrationHeader() const { return std::nullopt; }
    // Every table page in page order, for the rules and the photometric conversion.
    std::vector<CFixedSample *> tablePages() const;
    CFixedPage *pageAt(int position) const;
    CFixedPage *currentPage() const;
    int currentKey() const;

    void SelectPage(int key);
    void SwitchToPage(int key);
    virtual void CreatePages() = 0;

    // Fonts 0 to 4 and their colours; font 3 is the tables' data font.
    QFont font(int number) const { return m_fonts[static_cast<std::size_t>(number)]; }
    QColor fontColour(int number) const { return m_colours[static_cast<std::size_t>(number)]; }
    void setDataFont(const QFont &font, const QColor &colour);

    // The commands.
    fixed::FixedWindowState commandState() const;
    void Start();
    void StartOn(CFixedSample &table);
    void Modify();
    void Delete();
    void BlankCalibration();
    void AutoBlankCalibration();
    void Autorun();
    void remoteStart(int code);
    // The operator's Stop: an autorun ends after the readout under way.
    void stopRequested();
    void photometricModeChanged(bool absorbanceNow);
    // Fixed points: presetting the standards, removing the presets, the multicell dialog with the
    // standards' concentrations (true when this view ran it).
    void StandardSetup();
    void DeletePresets();
    bool multicellSetup();
    bool autorunRunning() const { return m_autorun.running(); }
    // A readout of this document is open (from its appearing, before its first command, to its end).
    bool measuring() const;

    // The method in words for the results store: its kind and wavelengths.
    std::string methodText() const;
    // The document's records in page order, as its file stores them.
    fixed::MethodKind methodKind() const;
    fixed::DocumentParts documentParts();
    // The validity method's standards, in the document that has them.
    virtual fixed::ValidityData *validityData() { return nullptr; }
    // Every page's data from and to a document file (the sample table left out for a method-only
    // file). False, with the operator told, when it could not be read or written.
    bool LoadDocument(const std::string &path, bool methodOnly);
    bool SaveDocument(const std::string &path, bool methodOnly);
    // A stored file from the instrument into the method and the tables.
    bool ImportRecord(const fixed::InstrumentFile &file);
    // Whether a table holds results that were not saved.
    bool unsavedResults() const;
    // Before a save or a print: results an earlier calibration gave are offered for recalculation
    // (Yes recalculates, No keeps them marked). False when the operator cancels.
    virtual bool settleStaleResults() { return true; }

    // Called whenever the enabling of the commands may have changed.
    std::function<void()> commandsChanged = [] {};
    // A table's "Print...": the document's report, as the Document menu prints it.
    std::function<void()> printRequested = [] {};
    // The window starts a new document (unsaved results offered for saving first); false when the
    // operator cancelled.
    std::function<bool()> newDocumentRequested = [] { return false; };
    // Every table emptied, as in a new document; the method stays.
    void clearResults();

    // The calibration chart's display settings, in the documents that draw one.
    virtual fixed::CurveSettings *curveSettings() { return nullptr; }
    // What the calibration chart shows now; none in documents without one.
    virtual std::optional<QuanChartScene> chartScene() const { return std::nullopt; }
    // "&Copy": the calibration chart to the clipboard.
    virtual void copyCurve() {}

protected:
    // Pages are appended in tab order.
    void addMethodPage(const QString &caption, CFixedMethod *page);
    void addMemoPage(const QString &caption, CFixedMemo *page);
    void addTablePage(const QString &caption, int key, CFixedSample *page);
    void addPage(const QString &caption, int key, CFixedPage *page);
    // The pages a kind adds beyond the method, the information and the tables show reloaded records.
    virtual void otherPagesReloaded() {}
    void resizeEvent(QResizeEvent *event) override;
    // Whether the tab of `key` may be shown now.
    virtual bool tabAllowed(int key) const;
    virtual void pageSelected(int /*key*/) {}

private:
    struct PageInfo {
        int key;
        CFixedPage *page;
        CFixedSample *table; // the page, when it is a table
    };
    void tabChanged(int index);
    // Every page shows the records a load or an import replaced.
    void recordsReplaced(bool fromInstrument);
    void loadFonts();
    CFixedSample *measuredTable();
    void autorunStep(const fixed::FixedAutorun::Step &step);
    void pollChanger();
    void measureFinished(bool written);
    void remoteMeasurementDone();
    void blankCalibrationDone();

    WindowHost m_host;
    fixed::DocumentFamily m_family;
    QTabWidget *m_tabs;
    std::vector<PageInfo> m_pages;
    CFixedMethod *m_method = nullptr;
    CFixedMemo *m_memo = nullptr;
    int m_shownIndex = -1;
    bool m_reverting = false;
    std::array<QFont, kFonts> m_fonts;
    std::array<QColor, kFonts> m_colours;
    fixed::FixedAutorun m_autorun;
    QPointer<CFixedSample> m_autorunTable;
    QTimer *m_changerTimer;
};

// The fixed points document's view: method, information, fitting, standards, samples, display.
class CQuanView : public CFixedView {
public:
    explicit CQuanView(const WindowHost &host, QWidget *parent = nullptr);
    void CreatePages() override;
    CQuanCurve *CurvePage() const { return m_curve; }
    CQuanCurveSettings *SettingsPage() const { return m_settings; }
    std::optional<std::string> concentrationHeader() const override;
    fixed::CurveSettings *curveSettings() override;
    std::optional<QuanChartScene> chartScene() const override;
    // "&Copy": the chart to the clipboard (SVG described "ZAV.Fit", and a bitmap).
    void copyCurve() override;
    bool standardTableCurrent() const { return m_standardCurrent; }
    bool settleStaleResults() override;

protected:
    bool tabAllowed(int key) const override;
    void pageSelected(int key) override;
    void otherPagesReloaded() override;

private:
    CQuanCurve *m_curve = nullptr;
    CQuanCurveSettings *m_settings = nullptr;
    bool m_standardCurrent = false;
};

} // namespace spectavo::app
