#include "app/fixed/fixedview.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedpage.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/pageicons.h"
#include "app/widgets/fonts.h"
#include "core/config/profilefile.h"
#include "core/fixed/reporttexts.h"
#include "core/strings/cformat.h"

namespace spectavo::app {

CFixedView::CFixedView(const WindowHost &host, fixed::DocumentFamily family, QWidget *parent)
    : QWidget(parent), m_host(host), m_family(family), m_autorun(host.program) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("pages");
    m_tabs->setIconSize(QSize(16, 16));
    layout->addWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) { tabChanged(index); });
    m_changerTimer = new QTimer(this);
    m_changerTimer->setInterval(50);
    connect(m_changerTimer, &QTimer::timeout, this, [this] { pollChanger(); });
    loadFonts();
}

CFixedView::~CFixedView() {
    if (m_autorun.running())
        m_host.program.flags.autorunActive = 0;
}

void CFixedView::loadFonts() {
    const ProfileFile file(fixed::methodConfigurationFile(fixed::MethodKind::FixedPoints), true);
    const ProfileFile::Batch batch(file);
    for (int i = 0; i < kFonts; ++i) {
        m_fonts[static_cast<std::size_t>(i)] = toQFont(batch.GetFont(i));
        const std::uint32_t colour = batch.GetFontColor(i);
        m_colours[static_cast<std::size_t>(i)] =
            QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                   static_cast<int>((colour >> 16) & 0xFF));
    }
}

void CFixedView::setDataFont(const QFont &font, const QColor &colour) {
    m_fonts[kDataFont] = font;
    m_colours[kDataFont] = colour;
    for (CFixedSample *table : tablePages())
        table->setDataFont(font, colour);
}

CFixedPage *CFixedView::pageAt(int position) const {
    if (position < 0 || position >= static_cast<int>(m_pages.size()))
        return nullptr;
    return m_pages[static_cast<std::size_t>(position)].page;
}

CFixedSample *CFixedView::tableOf(int key) const {
    for (const PageInfo &info : m_pages)
        if (info.key == key)
            return info.table;
    return nullptr;
}

std::vector<CFixedSample *> CFixedView::tablePages() const {
    std::vector<CFixedSample *> tables;
    for (const PageInfo &info : m_pages)
        if (info.table)
            tables.push_back(info.table);
    return tables;
}

CFixedPage *CFixedView::currentPage() const {
    return pageAt(m_tabs->currentIndex());
}

int CFixedView::currentKey() const {
    const int index = m_tabs->currentIndex();
    return index < 0 ? -1 : m_pages[static_cast<std::size_t>(index)].key;
}

void CFixedView::addPage(const QString &caption, int key, CFixedPage *page) {
    m_pages.push_back(PageInfo{key, page, nullptr});
    m_reverting = true;
    m_tabs->addTab(page, fixedPageIcon(key), caption.left(99));
    m_reverting = false;
}

void CFixedView::addMethodPage(const QString &caption, CFixedMethod *page) {
    m_method = page;
    addPage(caption, kMethodKey, page);
}

void CFixedView::addMemoPage(const QString &caption, CFixedMemo *page) {
    m_memo = page;
    addPage(caption, kMemoKey, page);
}

void CFixedView::addTablePage(const QString &caption, int key, CFixedSample *page) {
    addPage(caption, key, page);
    m_pages.back().table = page;
    page->setDataFont(m_fonts[kDataFont], m_colours[kDataFont]);
}

void CFixedView::tabChanged(int index) {
    if (m_reverting || index < 0)
        return;
    for (const PageInfo &info : m_pages)
        if (info.page != pageAt(index))
            info.page->takeData();
    const int key = m_pages[static_cast<std::size_t>(index)].key;
    CFixedMethod *method = MethodPage();
    const bool methodValid = !method || method->record().valid != 0;
    if ((!methodValid || !tabAllowed(key)) && m_shownIndex >= 0 && m_shownIndex != index) {
        m_reverting = true;
        m_tabs->setCurrentIndex(m_shownIndex);
        m_reverting = false;
        return;
    }
    m_shownIndex = index;
    SelectPage(key);
}

bool CFixedView::tabAllowed(int) const {
    return true;
}

void CFixedView::SelectPage(int key) {
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i].key != key)
            continue;
        m_reverting = true;
        m_tabs->setCurrentIndex(static_cast<int>(i));
        m_reverting = false;
        m_shownIndex = static_cast<int>(i);
        m_pages[i].page->showData();
        pageSelected(key);
        m_pages[i].page->setFocus();
        commandsChanged();
        return;
    }
}

void CFixedView::SwitchToPage(int key) {
    if (currentKey() == key)
        return;
    for (const PageInfo &info : m_pages)
        info.page->takeData();
    SelectPage(key);
}

void CFixedView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    if (m_shownIndex < 0 && !m_pages.empty())
        SelectPage(m_pages.front().key);
}

bool CFixedView::hasMeasuredRows() const {
    for (CFixedSample *page : {SamplePage(), StandardTable()})
        if (page && page->table().rowCount() > 0)
            return true;
    return false;
}

void CFixedView::stampMeasurementTime() {
    if (CFixedMemo *memo = InformationPage()) {
        memo->takeData();
        memo->texts().dateTime = fixed::reportDateNow();
        memo->showData();
    }
}

std::string CFixedView::methodText() const {
    static const char *const kKinds[] = {"Fixed points", "DNA/protein", "Validity"};
    std::string text = kKinds[static_cast<int>(m_family)];
    if (!m_method)
        return text;
    const fixed::ReadoutPoints points = fixed::readoutPointsOf(m_method->record());
    for (int i = 0; i < points.count; ++i)
        text += strings::formatC(i == 0 ? ": %.1f" : ", %.1f",
                                 static_cast<double>(points.wavelengths[static_cast<std::size_t>(i)]));
    return text + " nm";
}

} // namespace spectavo::app
