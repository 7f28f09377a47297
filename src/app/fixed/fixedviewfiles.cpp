// The document of a fixed-wavelength view as a whole: its file, the instrument's stored files and
// the unsaved results.

#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/fixed/quan/quancurve.h"
#include "app/fixed/quan/quancurvesettings.h"
#include "app/shell/qtmessageservice.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

using Icon = shell::MessageService::Icon;

} // namespace

fixed::MethodKind CFixedView::methodKind() const {
    switch (m_family) {
    case fixed::DocumentFamily::DnaProtein:
        return fixed::MethodKind::DnaProtein;
    case fixed::DocumentFamily::Validity:
        return fixed::MethodKind::Validity;
    case fixed::DocumentFamily::FixedPoints:
        break;
    }
    return fixed::MethodKind::FixedPoints;
}

fixed::DocumentParts CFixedView::documentParts() {
    fixed::DocumentParts parts;
    parts.kind = methodKind();
    parts.method = &MethodPage()->record();
    parts.report = &InformationPage()->texts();
    if (CFixedSample *standards = StandardTable())
        parts.standards = &standards->table();
    parts.samples = &SamplePage()->table();
    parts.curve = curveSettings();
    parts.layout = [this](fixed::SampleTable &table, bool withNames) {
        for (CFixedSample *page : tablePages())
            if (&page->table() == &table)
                page->InitGrid(withNames);
    };
    return parts;
}

bool CFixedView::unsavedResults() const {
    for (CFixedSample *table : tablePages())
        if (table->table().modified())
            return true;
    return false;
}

void CFixedView::clearResults() {
    for (CFixedSample *page : tablePages()) {
        fixed::SampleTable &table = page->table();
        table.clearData();
        table.setRowCount(0);
        page->InitGrid(true);
        table.setModified(false);
    }
    commandsChanged();
}

void CFixedView::recordsReplaced(bool fromInstrument) {
    // The file's coefficients and r stand: nothing is refitted from the tables on screen before.
    MethodPage()->recordLoaded(fromInstrument);
    InformationPage()->documentLoaded();
    for (CFixedSample *table : tablePages()) {
        table->InitGrid(false);
        table->showData();
    }
    otherPagesReloaded();
    commandsChanged();
}

bool CFixedView::LoadDocument(const std::string &path, bool methodOnly) {
    const fixed::LoadOutcome outcome = fixed::loadDocumentFile(documentParts(), path, methodOnly);
    if (!outcome.read) {
        messages().show("Spectavo",
                        strings::trFormat("%s is not a document this window can read.", path.c_str()),
                        Icon::Error);
        return false;
    }
    recordsReplaced(false);
    if (outcome.rowsCut)
        messages().show("Spectavo", fixed::kRowsCutOnLoad, Icon::Warning);
    return true;
}

bool CFixedView::SaveDocument(const std::string &path, bool methodOnly) {
    // A refused field (the operator is told, the field focused) stops the save before anything is written.
    for (const PageInfo &info : m_pages)
        if (!info.page->takeData())
            return false;
    if (!fixed::saveDocumentFile(documentParts(), path, methodOnly)) {
        messages().show("Spectavo", strings::trFormat("Cannot write %s.", path.c_str()), Icon::Error);
        return false;
    }
    MethodPage()->documentSaved();
    InformationPage()->saveOperator();
    for (CFixedSample *table : tablePages())
        table->showData();
    commandsChanged();
    return true;
}

bool CFixedView::ImportRecord(const fixed::InstrumentFile &file) {
    const fixed::ImportOutcome outcome = fixed::importRecord(documentParts(), validityData(), file);
    if (!outcome.imported()) {
        messages().show("Spectavo", outcome.refusal, Icon::Stop);
        return false;
    }
    recordsReplaced(true);
    if (outcome.rowsCut)
        messages().show("Spectavo", fixed::kRowsCutOnImport, Icon::Warning);
    return true;
}

} // namespace spectavo::app
