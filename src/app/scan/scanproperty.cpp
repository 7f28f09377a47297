#include "app/scan/scanproperty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/colourbox.h"
#include "app/widgets/fontcolourdialog.h"
#include "app/widgets/fonts.h"
#include "app/widgets/uitext.h"
#include "core/strings/cformat.h"

namespace spectavo::app {
namespace {

QLineEdit *textField(const std::string &text, const char *name) {
    auto *field = new QLineEdit(QString::fromStdString(text));
    field->setObjectName(name);
    return field;
}

QLineEdit *numberField(float value, const char *name) {
    return textField(strings::formatC("%g", static_cast<double>(value)), name);
}

QCheckBox *checkBox(const QString &text, bool checked, const char *name) {
    auto *box = new QCheckBox(text);
    box->setChecked(checked);
    box->setObjectName(name);
    return box;
}

} // namespace

CScanProperty::CScanProperty(scan::SpectrumSheet sheet, QWidget *parent)
    : QDialog(parent), m_sheet(std::move(sheet)), m_pages(new QTabWidget) {
    setWindowTitle(ui("Settings to display and print the spectra"));
    m_pages->addTab(viewPage(), ui("View"));
    m_pages->addTab(peakPage(), ui("Peak and Valley"));
    m_pages->addTab(legendPage(), ui("Legend"));
    m_pages->addTab(specialPage(), ui("Special"));
    m_pages->addTab(scalerPage(), ui("Scaler"));
    m_pages->addTab(printPage(), ui("Print"));
    m_pages->addTab(memoPage(), ui("Memo"));
    if (m_sheet.rate)
        m_pages->addTab(ratePage(), ui("Dynamic Analysis"));
    // Every page's tab shows: the sheet widens to its tabs rather than hiding some behind arrows.
    m_pages->tabBar()->setUsesScrollButtons(false);
    m_pages->tabBar()->setElideMode(Qt::ElideNone);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (onConfirm) {
            if (const std::optional<std::string> refusal = onConfirm(this->sheet())) {
                m_pages->setCurrentIndex(m_pages->count() - 1);
                messages().show("Spectavo", *refusal, shell::MessageService::Icon::Warning);
                return;
            }
        }
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

const scan::SpectrumSheet &CScanProperty::sheet() {
    for (const auto &read : m_readers)
        read();
    return m_sheet;
}

// A font button edits a copy of the slot's font and colour; the slot changes only when the sheet is
// confirmed.
QWidget *CScanProperty::fontButton(const QString &text, scan::ChartFontSlot slot) {
    auto *button = new QPushButton(text);
    connect(button, &QPushButton::clicked, this, [this, slot] {
        const auto at = static_cast<std::size_t>(slot);
        if (const auto chosen = askFontAndColour(this, m_sheet.fonts.fonts[at], m_sheet.fonts.colours[at])) {
            m_sheet.fonts.fonts[at] = chosen->font;
            m_sheet.fonts.colours[at] = chosen->colour;
        }
    });
    return button;
}

QWidget *CScanProperty::viewPage() {
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    QLineEdit *xMin = numberField(m_sheet.xMin, "xMin");
    QLineEdit *xMax = numberField(m_sheet.xMax, "xMax");
    QLineEdit *yMin = numberField(m_sheet.yMin, "yMin");
    QLineEdit *yMax = numberField(m_sheet.yMax, "yMax");
    form->addRow(ui("X-Axis Minimum"), xMin);
    form->addRow(ui("X-Axis Maximum"), xMax);
    form->addRow(ui("Y-Axis Minimum"), yMin);
    form->addRow(ui("Y-Axis Maximum"), yMax);
    m_readers.push_back([this, xMin, xMax, yMin, yMax] {
        m_sheet.xMin = strings::scanFloatC(xMin->text().toStdString());
        m_sheet.xMax = strings::scanFloatC(xMax->text().toStdString());
        m_sheet.yMin = strings::scanFloatC(yMin->text().toStdString());
        m_sheet.yMax = strings::scanFloatC(yMax->text().toStdString());
    });
    return page;
}

QWidget *CScanProperty::peakPage() {
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    auto *marks = new QComboBox;
    marks->setObjectName("peakLabelSpectra");
    marks->addItems({ui("Don't mark any"), ui("Mark working spectrum"), ui("Mark all spectra")});
    marks->setCurrentIndex(std::clamp(m_sheet.peakLabelSpectra, 0, 2));
    form->addRow(ui("Mark position of peak and valley"), marks);
    form->addRow(fontButton(ui("Font of peak"), scan::kSlotPeakLabels));
    form->addRow(fontButton(ui("Font of valley"), scan::kSlotValleyLabels));
    m_readers.push_back([this, marks] { m_sheet.peakLabelSpectra = marks->currentIndex(); });
    return page;
}

QWidget *CScanProperty::legendPage() {
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    QLineEdit *x = textField(m_sheet.wavelengthLegend, "legendX");
    QLineEdit *abs = textField(m_sheet.valueLegendAbs, "legendY");
    QLineEdit *t = textField(m_sheet.valueLegendT, "legendY2");
    QCheckBox *showTitle = checkBox(ui("Title"), m_sheet.printTitle, "printTitle");
    QLineEdit *title = textField(m_sheet.title, "title");
    form->addRow(ui("X-Axis"), x);
    form->addRow(ui("Y-Axis Abs"), abs);
    form->addRow(ui("Y-Axis T"), t);
    form->addRow(showTitle, title);
    form->addRow(fontButton(ui("Font of X-Axis"), scan::kSlotWavelengthLegend));
    form->addRow(fontButton(ui("Font of Y-Axis"), scan::kSlotValueLegend));
    form->addRow(fontButton(ui("Font of title"), scan::kSlotTitle));
    m_readers.push_back([this, x, abs, t, showTitle, title] {
        m_sheet.wavelengthLegend = x->text().toStdString();
        m_sheet.valueLegendAbs = abs->text().toStdString();
        m_sheet.valueLegendT = t->text().toStdString();
        m_sheet.printTitle = showTitle->isChecked();
        m_sheet.title = title->text().toStdString();
    });
    return page;
}

QWidget *CScanProperty::specialPage() {
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    QComboBox *thisColour = makeColourIndexBox();
    thisColour->setObjectName("thisColour");
    thisColour->setCurrentIndex(std::clamp(m_sheet.thisColour, 0, 19));
    QComboBox *otherColour = makeColourIndexBox();
    otherColour->setCurrentIndex(std::clamp(m_sheet.otherColour, 0, 19));
    auto *thisLine = new QSpinBox;
    thisLine->setRange(1, 10);
    thisLine->setValue(m_sheet.thisLine);
    auto *otherLine = new QSpinBox;
    otherLine->setRange(1, 10);
    otherLine->setValue(m_sheet.otherLine);
    form->addRow(ui("Measuring spectrum"), thisColour);
    form->addRow(ui("Pen width"), thisLine);
    form->addRow(ui("Other spectrum Default"), otherColour);
    form->addRow(ui("Pen width "), otherLine);
    m_readers.push_back([this, thisColour, otherColour, thisLine, otherLine] {
        m_sheet.thisColour = thisColour->currentIndex();
        m_sheet.otherColour = otherColour->currentIndex();
        m_sheet.thisLine = thisLine->value();
        m_sheet.otherLine = otherLine->value();
    });
    return page;
}

QWidget *CScanProperty::scalerPage() {
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    QCheckBox *manual = checkBox(ui("Manual settings"), m_sheet.manual, "manual");
    QLineEdit *x = textField(m_sheet.xInterval, "xInterval");
    QLineEdit *y = textField(m_sheet.yInterval, "yInterval");
    QCheckBox *grid = checkBox(ui("Show grid lines"), m_sheet.gridLines, "gridLines");
    QComboBox *colour = makeColourIndexBox();
    colour->setObjectName("gridColour");
    colour->setCurrentIndex(std::clamp(m_sheet.gridColour, 0, 19));
    const auto follow = [manual, x, y] {
        x->setEnabled(manual->isChecked());
        y->setEnabled(manual->isChecked());
    };
    connect(manual, &QCheckBox::toggled, this, follow);
    follow();
    form->addRow(manual);
    form->addRow(ui("X-Interval"), x);
    form->addRow(ui("Y-Interval"), y);
    form->addRow(grid);
    form->addRow(ui("Color"), colour);
    form->addRow(fontButton(ui("Font of tips"), scan::kSlotTickLabels));
    m_readers.push_back([this, manual, x, y, grid, colour] {
        m_sheet.manual = manual->isChecked();
        m_sheet.xInterval = x->text().toStdString();
        m_sheet.yInterval = y->text().toStdString();
        m_sheet.gridLines = grid->isChecked();
        m_sheet.gridColour = colour->currentIndex();
    });
    return page;
}

QWidget *CScanProperty::printPage() {
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    QCheckBox *spectrum = checkBox(ui("Spectrum"), m_sheet.printSpectrum, "printSpectrum");
    QCheckBox *gridData = checkBox(ui("Grid data"), m_sheet.printData, "printData");
    QCheckBox *foot = checkBox(ui("Foot notes"), m_sheet.printFoot, "printFoot");
    QLineEdit *footNote = textField(m_sheet.footNote, "footNote");
    QCheckBox *range =
        checkBox(m_sheet.timeScan ? ui("Total Time") : ui("Scan Range"), m_sheet.printRange, "printRange");
    QCheckBox *step = checkBox(ui("Scan Step"), m_sheet.printStep, "printStep");
    QCheckBox *time = checkBox(ui("Print Time"), m_sheet.printTime, "printTime");
    QLineEdit *timeText = textField(m_sheet.timeText, "timeText");
    QCheckBox *operatorBox = checkBox(ui("Operator"), m_sheet.printOperator, "printOperator");
    QLineEdit *operatorText = textField(m_sheet.operatorText, "operatorText");
    operatorText->setMaxLength(static_cast<int>(scan::SpectrumSheet::kOperatorField));
    connect(time, &QCheckBox::toggled, timeText, &QWidget::setEnabled);
    timeText->setEnabled(time->isChecked());
    form->addRow(spectrum);
    form->addRow(gridData);
    form->addRow(foot, footNote);
    form->addRow(fontButton(ui("Font"), scan::kSlotPrintFoot));
    form->addRow(range, new QLabel(QString::fromStdString(m_sheet.rangeText)));
    form->addRow(step, new QLabel(QString::fromStdString(m_sheet.stepText)));
    form->addRow(time, timeText);
    form->addRow(operatorBox, operatorText);
    QCheckBox *wavelength = checkBox(ui("Wavelength"), m_sheet.printWavelength, "printWavelength");
    if (m_sheet.timeScan)
        form->addRow(wavelength, new QLabel(QString::fromStdString(m_sheet.filterText)));
    else
        form->addRow(ui("Filters"), new QLabel(QString::fromStdString(m_sheet.filterText)));
    form->addRow(fontButton(ui("Font of data"), scan::kSlotPrintData));
    m_readers.push_back([=, this] {
        m_sheet.printSpectrum = spectrum->isChecked();
        m_sheet.printData = gridData->isChecked();
        m_sheet.printFoot = foot->isChecked();
        m_sheet.footNote = footNote->text().toStdString();
        m_sheet.printRange = range->isChecked();
        m_sheet.printStep = step->isChecked();
        m_sheet.printTime = time->isChecked();
        m_sheet.timeText = timeText->text().toStdString();
        m_sheet.printOperator = operatorBox->isChecked();
        m_sheet.operatorText = operatorText->text().toStdString();
        m_sheet.printWavelength = wavelength->isChecked();
    });
    return page;
}

QWidget *CScanProperty::memoPage() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *memo = new QPlainTextEdit(QString::fromStdString(m_sheet.memo));
    memo->setObjectName("memo");
    QCheckBox *print =
        checkBox(ui("Print memo  (Press Ctrl+Enter to start a new line)"), m_sheet.printMemo, "printMemo");
    layout->addWidget(memo);
    layout->addWidget(print);
    m_readers.push_back([this, memo, print] {
        m_sheet.memo = memo->toPlainText().toStdString().substr(0, scan::SpectrumSheet::kMemoField);
        m_sheet.printMemo = print->isChecked();
    });
    return page;
}

// "Dynamic Analysis": the current curve's rate fit. The fields are read as numbers; Calculate shows
// what the curve holds after the window took them over.
QWidget *CScanProperty::ratePage() {
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    const scan::SpectrumSheet::Rate &rate = *m_sheet.rate;
    QCheckBox *print = checkBox(ui("&Print Result"), rate.print, "printRate");
    QLineEdit *begin = numberField(rate.begin, "rateBegin");
    QLineEdit *end = numberField(rate.end, "rateEnd");
    QLineEdit *factor = numberField(rate.factor, "rateFactor");
    QLineEdit *result = numberField(rate.result, "rateResult");
    QLineEdit *r = numberField(rate.r, "rateR");
    auto *calculate = new QPushButton(ui("&Calculate"));
    calculate->setObjectName("rateCalculate");
    form->addRow(print);
    form->addRow(ui("Time &Begin"), begin);
    form->addRow(ui("Time &End"), end);
    form->addRow(ui("&K Factor"), factor);
    form->addRow("&I.U.", result);
    form->addRow("&R", r);
    form->addRow(calculate);
    const auto read = [=, this] {
        scan::SpectrumSheet::Rate fields = *m_sheet.rate;
        fields.print = print->isChecked();
        fields.begin = strings::scanFloatC(begin->text().toStdString());
        fields.end = strings::scanFloatC(end->text().toStdString());
        fields.factor = strings::scanFloatC(factor->text().toStdString());
        fields.result = strings::scanFloatC(result->text().toStdString());
        fields.r = strings::scanFloatC(r->text().toStdString());
        return fields;
    };
    connect(calculate, &QPushButton::clicked, this, [=, this] {
        if (!onCalculate)
            return;
        if (const std::optional<scan::SpectrumSheet::Rate> now = onCalculate(read())) {
            m_sheet.rate = *now;
            begin->setText(QString::fromStdString(strings::formatC("%g", static_cast<double>(now->begin))));
            end->setText(QString::fromStdString(strings::formatC("%g", static_cast<double>(now->end))));
            result->setText(QString::fromStdString(strings::formatC("%g", static_cast<double>(now->result))));
            r->setText(QString::fromStdString(strings::formatC("%g", static_cast<double>(now->r))));
        }
    });
    m_readers.push_back([=, this] { m_sheet.rate = read(); });
    return page;
}

} // namespace spectavo::app
