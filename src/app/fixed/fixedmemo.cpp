#include "app/fixed/fixedmemo.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"

namespace spectavo::app {
namespace {

using fixed::ReportTexts;

struct FieldOf {
    const char *name;
    std::string ReportTexts::*text;
};
constexpr FieldOf kFields[] = {
    {"title", &ReportTexts::title},
    {"standardTitle", &ReportTexts::standardTitle},
    {"sampleTitle", &ReportTexts::sampleTitle},
    {"operator", &ReportTexts::operatorName},
    {"dateTime", &ReportTexts::dateTime},
    {"footnote", &ReportTexts::footnote},
};

// The memo as the editor shows it (one line feed per line) and as the record keeps it (CR LF).
QString shownMemo(const std::string &memo) {
    return QString::fromStdString(memo).replace("\r\n", "\n");
}

std::string storedMemo(const QString &shown) {
    return QString(shown).replace("\n", "\r\n").toStdString();
}

} // namespace

CFixedMemo::CFixedMemo(const char *configurationFile, bool standardTitle, QWidget *parent)
    : CFixedPage(parent), m_configurationFile(configurationFile), m_texts(standardTitle) {
    auto *grid = new QGridLayout(this);
    addField("title", standardTitle ? ui("Title") : ui("Title of Report"), ReportTexts::kTitleLimit);
    if (standardTitle)
        addField("standardTitle", ui("Title of Standard"), ReportTexts::kTitleLimit);
    addField("sampleTitle", standardTitle ? ui("Title of Sample") : ui("Sub title"),
             ReportTexts::kTitleLimit);
    addField("operator", ui("Operator"), ReportTexts::kOperatorLimit);
    addField("dateTime", ui("Date and Time"), 0);
    addField("footnote", ui("Footnote"), ReportTexts::kTitleLimit);
    auto *memoLabel = new QLabel(ui("Memo  (Press Ctrl+Enter to start a new line)"), this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName("memo");
    memoLabel->setBuddy(m_memo);
    grid->addWidget(memoLabel, grid->rowCount(), 0, 1, 2);
    grid->addWidget(m_memo, grid->rowCount(), 0, 1, 2);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] { limitTyping(); });

    const ProfileFile configuration(m_configurationFile, true);
    const ProfileFile analyst(kAnalystSettingsFile, true);
    m_texts.loadDefaults(ProfileFile::Batch(configuration), ProfileFile::Batch(analyst));
    showData();
    installKeyboardRules();
}

// What the operator typed becomes the next document's default.
CFixedMemo::~CFixedMemo() {
    takeData();
    ProfileFile configuration(m_configurationFile, true);
    ProfileFile::Batch defaults(configuration);
    ProfileFile analyst(kAnalystSettingsFile, true);
    ProfileFile::Batch program(analyst);
    m_texts.saveDefaults(defaults, program);
}

QLineEdit *CFixedMemo::addField(const char *name, const QString &label, int limit) {
    auto *grid = static_cast<QGridLayout *>(layout());
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setProperty("limit", limit);
    auto *text = new QLabel(label, this);
    text->setBuddy(edit);
    const int row = grid->rowCount();
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QLineEdit *CFixedMemo::field(const char *name) const {
    return findChild<QLineEdit *>(name);
}

bool CFixedMemo::takeData() {
    for (const FieldOf &f : kFields)
        if (QLineEdit *edit = field(f.name))
            m_texts.*f.text = edit->text().toStdString();
    // An unchanged memo keeps its stored form, whatever line ends it came with.
    if (m_memo->toPlainText() != m_shownMemo)
        m_texts.memo = storedMemo(m_memo->toPlainText());
    return true;
}

void CFixedMemo::showData() {
    for (const FieldOf &f : kFields) {
        QLineEdit *edit = field(f.name);
        if (!edit)
            continue;
        const QString text = QString::fromStdString(m_texts.*f.text);
        // Typing stops at the field's limit; a longer text from a file is shown whole.
        const int limit = edit->property("limit").toInt();
        edit->setMaxLength(limit > 0 ? std::max<int>(limit, static_cast<int>(text.size())) : 32767);
        edit->setText(text);
    }
    m_shownMemo = shownMemo(m_texts.memo);
    m_memoLimit = std::max<int>(ReportTexts::kMemoLimit, static_cast<int>(m_shownMemo.size()));
    m_lastMemo = m_shownMemo;
    m_memo->setPlainText(m_shownMemo);
}

void CFixedMemo::limitTyping() {
    const QString text = m_memo->toPlainText();
    if (text.size() <= m_memoLimit || text.size() <= m_lastMemo.size()) {
        m_lastMemo = text;
        return;
    }
    const int cursor = std::min<int>(m_memo->textCursor().position(), static_cast<int>(m_lastMemo.size()));
    const QSignalBlocker block(m_memo);
    m_memo->setPlainText(m_lastMemo);
    QTextCursor at = m_memo->textCursor();
    at.setPosition(std::min<int>(cursor, static_cast<int>(m_lastMemo.size())));
    m_memo->setTextCursor(at);
}

void CFixedMemo::saveOperator() const {
    ProfileFile analyst(kAnalystSettingsFile, true);
    ProfileFile::Batch program(analyst);
    ReportTexts::saveOperator(program, m_texts.operatorName);
}

void CFixedMemo::documentLoaded() {
    const ProfileFile analyst(kAnalystSettingsFile, true);
    m_texts.loadOperator(ProfileFile::Batch(analyst));
    showData();
}

CQuanMemo::CQuanMemo(QWidget *parent)
    : CFixedMemo("..\\config\\tarvesta.zav.func.glpgmp.ini", true, parent) {}

} // namespace spectavo::app
