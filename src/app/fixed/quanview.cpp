#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"

namespace spectavo::app {

CQuanView::CQuanView(const WindowHost &host, QWidget *parent)
    : CFixedView(host, fixed::DocumentFamily::FixedPoints, parent) {
    CreatePages();
}

void CQuanView::CreatePages() {
    AddPage("Method", 0, kMethodKey, new CQuanMethod(program()));
    AddPage("Information", 1, kMemoKey, new CFixedComingPage("Information"));
    AddPage("Fitting", 2, kFittingKey, new CFixedComingPage("Fitting"));
    AddPage("Standard", 3, kStandardKey, new CQuanSample(*this, true));
    AddPage("Sample", 4, kSampleKey, new CQuanSample(*this, false));
    AddPage("Display Setting", 5, kSettingsKey, new CFixedComingPage("Display Setting"));
    // A new fit order, count or concentration switch refits the standards at once.
    MethodPage()->methodChanged = [this] {
        if (CFixedSample *standards = StandardPage()) {
            standards->InitGrid(false);
            standards->Recalculate();
        }
        if (CFixedSample *samples = SamplePage())
            samples->InitGrid(false);
        commandsChanged();
    };
    SelectPage(kMethodKey);
}

CFixedSample *CQuanView::StandardPage() const {
    return dynamic_cast<CFixedSample *>(pageAt(3));
}

std::vector<CFixedSample *> CQuanView::tablePages() const {
    std::vector<CFixedSample *> tables;
    for (CFixedSample *table : {StandardPage(), SamplePage()})
        if (table)
            tables.push_back(table);
    return tables;
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
