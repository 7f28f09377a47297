#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <QPointer>
#include <QSplitter>
#include <QToolBar>

#include "app/measurementwindow.h"
#include "app/scan/operationdialog.h"
#include "core/scan/datafileformats.h"
#include "core/scan/displayrange.h"
#include "core/scan/recordlist.h"
#include "core/scan/scancommandrules.h"

class QAction;
class QComboBox;
class QMenu;

namespace spectavo::app {

class CChartView;
class CScanListView;
class SpectrumPrinter;

// The file dialog filter of a data-file format, by its extension.
QString formatFilter(const std::string &extension);

// What the wavelength-scan and the time-scan windows share: the chart left and the peak list right,
// the display record with its undo, the photometric mode, the View menu, the record and colour boxes
// of the toolbar, the enabling rules applied to the actions, and printing. Each window says how its
// records are shown, listed, ruled and printed.
class CScanWindow : public QSplitter, public MeasurementWindow {
public:
    // The question before a spectrum or curve that has not been saved is removed or closed, in the
    // operator's language.
    static std::string unsavedQuestion(const std::string &name);
    // The close question for every unsaved record of the window at once: one record is asked about
    // by name, several in one question that lists them. Yes saves each in turn (`save(k)` for the k-th
    // name); false when the window must stay (Cancel, or a save not made).
    enum class Records { Spectra, Curves };
    static bool settleUnsaved(const std::vector<std::string> &names, Records records,
                              const std::function<bool(std::size_t)> &save);
    // The close check of a window of records: none may be being measured (the operator is told which),
    // then one question settles the unsaved ones, `save` writing a record when the answer is Yes.
    template <typename Record>
    static bool confirmCloseOf(scan::RecordList<Record> &list, Records records,
                               const std::function<bool(Record &)> &save) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list.at(i).acquiring.load()) {
                tellStillMeasured(list.at(i).sampleName());
                return false;
            }
        std::vector<Record *> unsaved;
        std::vector<std::string> names;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list.at(i).modified) {
                unsaved.push_back(&list.at(i));
                names.push_back(list.at(i).name);
            }
        return settleUnsaved(names, records, [&](std::size_t k) { return save(*unsaved[k]); });
    }
    static void tellStillMeasured(const std::string &sampleName);
    // An operation of the table on the window's records: its dialog, then `add` takes a derived
    // record (with the colour chosen, if any), or the changed current record is shown again. A record
    // still being measured is left alone.
    template <typename Record, typename Apply, typename Add>
    void computeOn(scan::RecordList<Record> &list, const scan::OperationInfo &info, int colourIndex,
                   Apply apply, Add add) {
        Record *current = list.current();
        if (info.inputs == 1 && (!current || current->acquiring.load()))
            return;
        std::vector<std::string> names;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (!list.at(i).acquiring.load())
                names.push_back(list.at(i).name);
        const auto request =
            askOperation(info, current ? current->sampleName() : std::string(), colourIndex, names, this);
        if (!request)
            return;
        Record *first = current;
        const Record *second = nullptr;
        if (info.inputs == 2) {
            // A name that matches no record (an empty list) is refused: nothing is computed.
            const auto a = list.findByName(request->first);
            const auto b = list.findByName(request->second);
            if (!a || !b)
                return;
            first = &list.at(*a);
            second = &list.at(*b);
        }
        auto result = apply(info, request->parameters, *first, second, request->resultName,
                            m_host.program.flags.peakHeight);
        if (result.derived)
            add(std::move(result.derived), request->colourIndex);
        else if (result.applied)
            refresh();
    }
    // "Remove": the current record goes, after the unsaved question (Yes saves it first); one being
    // measured stays. True when it went; the current record is then the first.
    template <typename Record>
    static bool removeCurrentOf(scan::RecordList<Record> &list, const std::function<bool(Record &)> &save) {
        Record *current = list.current();
        if (!current || current->acquiring.load())
            return false;
        // One record: the question names it, so the record kind does not enter its text.
        if (current->modified &&
            !settleUnsaved({current->name}, Records::Spectra, [&](std::size_t) { return save(*current); }))
            return false;
        list.remove(*list.currentIndex());
        if (!list.empty())
            list.setCurrent(0);
        return true;
    }

    using Command = scan::ScanCommand;
    using enum scan::ScanCommand;

    QWidget *widget() override { return this; }
    scan::DisplayHistory &display() { return m_display; }
    CScanListView *peakList() const { return m_list; }
    bool absorbance() const { return m_absorbance; }
    void setAbsorbance(bool absorbance);
    // The Abs / T% commands: the display is kept for undo, manual intervals end, the mode changes.
    void modeCommand(bool absorbance);
    void photometricModeCommand(bool absorbance) override { modeCommand(absorbance); }
    void followPhotometricMode(bool absorbance) override { setAbsorbance(absorbance); }
    // Refills the peak list from the current record and redraws the chart.
    void refresh();
    // Redraws the chart without refilling the peak list.
    void redraw();

    QAction *action(Command command) const { return m_actions.at(command); }
    // The File menu's export to the format named (as in the data file formats' table).
    QAction *exportAction(const std::string &formatName) const { return m_exportActions.at(formatName); }
    QList<QMenu *> menus() const override { return m_menus; }
    QToolBar *toolBar() const override { return m_toolBar; }
    void refreshCommands() override;
    virtual scan::ScanWindowState commandState() const = 0;

    // Prints every page into a PDF file; false (and the operator told) when it cannot be written.
    bool printToPdf(const QString &path);
    int printedPageCount() const { return m_printedPages; }

protected:
    // `settingsFile`: where the window's chart settings live.
    CScanWindow(WindowHost host, scan::CDisplayRange range, scan::BaseScales base, const char *settingsFile,
                QWidget *parent);
    ~CScanWindow() override;
    // The chart and the list, once the window has made its chart.
    void placePanes(CChartView *chart);
    // The chart pane, the list's contents, the box of record names and the rules of the window.
    virtual CChartView *chart() const = 0;
    virtual void refillList() = 0;
    virtual void refillRecordBox() = 0;
    virtual scan::CommandState commandRule(Command command, const scan::ScanWindowState &state) const = 0;
    virtual std::unique_ptr<SpectrumPrinter> makePrinter() const = 0;
    // The current record's name, offered for exported files; empty without one.
    virtual std::string currentName() const = 0;
    // The markers of every record that is not being measured, with a new threshold.
    virtual void recomputeMarks(float threshold) = 0;
    // The settings sheet, preset with what the chart uses now.
    virtual void customize() = 0;
    // What the records not being measured span, in the chart's units; nothing without such a record.
    virtual std::optional<scan::DataExtent> dataExtent() const = 0;
    // The File menu's own work: open a record file, save the current record, remove it, ask the
    // instrument for a stored file.
    virtual void openRecord() = 0;
    virtual void saveRecord() = 0;
    virtual void removeRecord() = 0;
    virtual void openInstrumentFile() = 0;
    // The current record as a data file's content, for an export; empty without one.
    virtual scan::DataFileContent currentContent() const = 0;

    QAction *addCommand(QMenu *menu, Command command, const QString &text, std::function<void()> handler,
                        bool checkable = false);
    // The File menu both windows have, named after their records; `pictureName` describes the chart
    // copied to the clipboard.
    QMenu *fileMenu(const QString &title, const char *pictureName);
    void addExportCommands(QMenu *file);
    // The View menu both windows have; the tips of the peak and valley switches name the records.
    QMenu *viewMenu(const QString &peaksTip, const QString &valleysTip);
    // The toolbar's record box and colour boxes; `pickColour` gives the chosen record its colour.
    void addBoxes(const QString &recordBoxName, std::function<void(int)> pickRecord,
                  std::function<void(std::uint32_t)> pickColour);
    // Shows the colour of the current record (none when it is not a table colour) and the background.
    void showColours(std::optional<std::uint32_t> current);

    void setupThreshold();
    void showDisplayRangeDialog();
    void undoScales();
    void restoreScales();
    // "Fit to Data": the chart spans the records.
    void fitToData();
    // After a measurement the chart shows the measured range, unless the settings say otherwise.
    void fitAfterMeasurement();
    void togglePeakSwitch(bool peaks);
    void print();
    void printPreview();
    void printSetup();
    void exportPdf();
    // Asks for a file name (the current record's name with the format's extension offered) and writes
    // the current record in the format.
    void exportCurrent(const scan::DataFileFormat &format);
    void copyPicture(const char *pictureName);

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    WindowHost m_host;
    const char *m_settingsFile;
    scan::DisplayHistory m_display;
    scan::BaseScales m_base;
    bool m_absorbance;
    // An undo of the scales also ends manual intervals (the time scan's rule).
    bool m_undoEndsManual = false;
    CScanListView *m_list;
    std::map<Command, QAction *> m_actions;
    std::map<std::string, QAction *> m_exportActions;
    QList<QMenu *> m_menus;
    QPointer<QToolBar> m_toolBar;
    QComboBox *m_recordBox = nullptr;
    QComboBox *m_colourBox = nullptr;
    QComboBox *m_backgroundBox = nullptr;
    int m_printedPages = 0;

private:
    void fitListWidth();
};

} // namespace spectavo::app
