#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/fixed/quan/quancurve.h"
#include "app/fixed/quan/quancurvesettings.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/clipboardpicture.h"
#include "app/widgets/uitext.h"
#include "core/fixed/calibration.h"

namespace spectavo::app {

CQuanView::CQuanView(const WindowHost &host, QWidget *parent)
    : CFixedView(host, fixed::DocumentFamily::FixedPoints, parent) {
    CreatePages();
}

void CQuanView::CreatePages() {
    addMethodPage(ui("Method"), new CQuanMethod(program()));
    addMemoPage(ui("Information"), new CQuanMemo);
    m_curve = new CQuanCurve(*this);
    addPage(ui("Fitting"), kFittingKey, m_curve);
    addTablePage(ui("Standard"), kStandardKey, new CQuanSample(*this, true));
    addTablePage(ui("Sample"), kSampleKey, new CQuanSample(*this, false));
    m_settings = new CQuanCurveSettings;
    addPage(ui("Display Setting"), kSettingsKey, m_settings);
    m_settings->changed = [this] {
        for (CFixedSample *table : tablePages())
            table->InitGrid(false);
        if (CQuanCurve *curve = CurvePage())
            curve->showData();
    };
    // A new fit order, count or concentration switch refits the standards at once.
    MethodPage()->methodChanged = [this] {
        if (CFixedSample *standards = StandardTable()) {
            standards->InitGrid(false);
            standards->Recalculate();
        }
        if (CFixedSample *samples = SamplePage())
            samples->InitGrid(false);
        commandsChanged();
    };
    SelectPage(kMethodKey);
}

std::optional<std::string> CQuanView::concentrationHeader() const {
    const CQuanCurveSettings *settings = SettingsPage();
    CFixedMethod *method = MethodPage();
    if (settings && method)
        return fixed::concentrationUnit(method->record().unit, settings->settings().unit);
    if (settings)
        return settings->settings().unit;
    return std::nullopt;
}

fixed::CurveSettings *CQuanView::curveSettings() {
    return &m_settings->settings();
}

void CQuanView::otherPagesReloaded() {
    m_settings->showData();
    m_curve->showData();
}

std::optional<QuanChartScene> CQuanView::chartScene() const {
    QuanChartScene scene;
    if (CFixedMethod *method = MethodPage())
        scene.method = &method->record();
    if (CFixedSample *standards = StandardTable())
        scene.standards = &standards->table();
    if (CFixedSample *samples = SamplePage())
        scene.samples = &samples->table();
    if (const CQuanCurveSettings *settings = SettingsPage()) {
        scene.settings = settings->settings();
        scene.fonts = settings->fonts();
        scene.colours = settings->colours();
    }
    return scene;
}

void CQuanView::copyCurve() {
    SwitchToPage(kFittingKey);
    CQuanCurve *curve = CurvePage();
    if (!curve)
        return;
    const QuanChartScene scene = *chartScene();
    const QRect area = curve->chart()->rect().isEmpty() ? QRect(0, 0, 640, 400) : curve->chart()->rect();
    copyPictureToClipboard(area, "ZAV.Fit", [&scene](QPainter &painter, const QRect &target) {
        paintQuanChart(painter, target, scene);
    });
}

bool CQuanView::settleStaleResults() {
    CFixedSample *samples = SamplePage();
    CFixedMethod *method = MethodPage();
    if (!samples || !method || fixed::staleConcentrationRows(samples->table(), method->record()).empty())
        return true;
    switch (messages().askOrCancel("Spectavo", fixed::kRecalculateStaleQuestion,
                                   shell::MessageService::Icon::Question)) {
    case shell::MessageService::Answer::Yes:
        samples->Recalculate();
        commandsChanged();
        return true;
    case shell::MessageService::Answer::No:
        return true;
    case shell::MessageService::Answer::Cancel:
        break;
    }
    return false;
}

// The standards belong to a method that uses them, the fitting to one that computes concentrations.
bool CQuanView::tabAllowed(int key) const {
    CFixedMethod *method = MethodPage();
    if (!method)
        return true;
    if (key == kStandardKey && method->record().reference == 0)
        return false;
    if (key == kFittingKey && method->record().concentration == 0)
        return false;
    return true;
}

void CQuanView::pageSelected(int key) {
    m_standardCurrent = key == kStandardKey;
    if (key == kStandardKey || key == kSampleKey)
        for (CFixedSample *table : tablePages())
            table->InitGrid(false);
}

} // namespace spectavo::app
