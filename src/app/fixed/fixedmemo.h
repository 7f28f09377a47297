#pragma once

#include "app/fixed/fixedpage.h"
#include "core/fixed/reporttexts.h"

class QLineEdit;
class QPlainTextEdit;

namespace spectavo::app {

// The information page: the report's title, table titles, operator, date, footnote and memo. A new
// document starts from the texts the last one was closed with.
class CFixedMemo : public CFixedPage {
public:
    // The configuration file that keeps the texts between documents.
    CFixedMemo(const char *configurationFile, bool standardTitle, QWidget *parent = nullptr);
    ~CFixedMemo() override;

    fixed::ReportTexts &texts() { return m_texts; }
    bool takeData() override;
    void showData() override;
    // The operator is the program's, written whenever a document is saved.
    void saveOperator() const;
    // After a document's texts were read into the record: the program's operator, then the fields.
    void documentLoaded();

    QLineEdit *field(const char *name) const;
    QPlainTextEdit *memoField() const { return m_memo; }

private:
    QLineEdit *addField(const char *name, const QString &label, int limit);
    void limitTyping();

    const char *m_configurationFile;
    fixed::ReportTexts m_texts;
    QPlainTextEdit *m_memo;
    QString m_shownMemo;
    QString m_lastMemo;
    int m_memoLimit = fixed::ReportTexts::kMemoLimit;
};

// The fixed points document's information page: also the standard table's title.
class CQuanMemo : public CFixedMemo {
public:
    explicit CQuanMemo(QWidget *parent = nullptr);
};

} // namespace spectavo::app
