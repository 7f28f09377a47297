#include "app/store/resultsdialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>

#include "app/store/resultreport.h"
#include "app/store/signdialog.h"
#include "app/widgets/filechooser.h"
#include "app/widgets/uitext.h"
#include "core/config/atomicfile.h"
#include "core/shell/messageservice.h"
#include "core/shell/sha256.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

QStringList columns() {
    QStringList texts;
    for (const char *column : {SPECTAVO_TEXT("Id"), SPECTAVO_TEXT("Date"), SPECTAVO_TEXT("Operator"),
                               SPECTAVO_TEXT("Kind"), SPECTAVO_TEXT("Sample"), SPECTAVO_TEXT("Method"),
                               SPECTAVO_TEXT("Instrument"), SPECTAVO_TEXT("State"), SPECTAVO_TEXT("Signed")})
        texts << ui(column);
    return texts;
}

} // namespace

std::string CResultsDialog::headOfTrail() {
    const auto head = store().headEvent();
    return head ? strings::formatC("Audit trail: event %d, %s", static_cast<int>(head->sequence),
                                   head->hash.substr(0, 16).c_str())
                : std::string();
}

CResultsDialog::CResultsDialog(std::unique_ptr<store::ResultStore> store, shell::MessageService &messages,
                               QString copies, std::function<void(const QString &)> open, QWidget *parent)
    : CStoreListDialog(std::move(store), ui("Results"), columns(), ui("Operator"), true, parent),
      m_messages(messages), m_copies(std::move(copies)), m_open(std::move(open)) {
    auto *report = new QPushButton(ui("&Report..."));
    connect(report, &QPushButton::clicked, this, [this] {
        const QString path = fileChooser().proposeSave(this, ui("PDF document(*.pdf)"), "result.pdf", "pdf");
        if (!path.isEmpty())
            reportSelected(path, headOfTrail());
    });
    buttons()->insertWidget(0, report);
    auto *openButton = new QPushButton(ui("&Open"));
    connect(openButton, &QPushButton::clicked, this, [this] { openSelected(); });
    connect(table(), &QTableWidget::cellDoubleClicked, this, [this] { openSelected(); });
    buttons()->insertWidget(0, openButton);
    refill();
}

std::vector<QStringList> CResultsDialog::rows(const Filters &filters) {
    std::vector<QStringList> found;
    store().visitResults(
        {filters.since, filters.until, filters.person, filters.kind},
        [&found](const store::ResultRecord &result) {
            found.push_back({QString::number(result.id), QString::fromStdString(result.startedUtc),
                             QString::fromStdString(result.operatorName), QString::fromStdString(result.kind),
                             QString::fromStdString(result.sample), QString::fromStdString(result.method),
                             QString::fromStdString(result.instrumentModel + " " + result.instrumentSerial),
                             QString::fromStdString(result.state)});
            return true;
        });
    // What each result's signatures say so far: the last meaning given, or nothing. Only regulated
    // mode signs, so only there is each result's list asked for.
    std::vector<QStringList> shown;
    for (QStringList &row : found) {
        const std::vector<store::Signature> signatures =
            m_book ? store().signatures("result " + row[0].toStdString()) : std::vector<store::Signature>{};
        const std::string last = signatures.empty() ? std::string() : signatures.back().meaning;
        if (m_signedFilter && *m_signedFilter != last)
            continue;
        row << (last.empty() ? QString() : ui(last));
        shown.push_back(std::move(row));
    }
    return shown;
}

bool CResultsDialog::openSelected() {
    const int row = table()->currentRow();
    if (row < 0)
        return false;
    const auto result = store().result(table()->item(row, 0)->text().toLongLong());
    if (!result || shell::sha256Hex(result->data) != result->sha256) {
        m_messages.show("Spectavo", SPECTAVO_TEXT("The result's data no longer match their SHA-256."),
                        shell::MessageService::Icon::Error);
        return false;
    }
    // Named by the result alone: a sample name from the instrument never becomes a path.
    QDir().mkpath(m_copies);
    const QString path = QDir(m_copies).filePath(
        QString("result-%1.%2").arg(result->id).arg(QString::fromStdString(result->dataFormat)));
    if (!writeFileAtomically(path.toStdString(), result->data))
        return false;
    m_open(path);
    return true;
}

void CResultsDialog::showSigned(std::optional<std::string> meaning) {
    m_signedFilter = std::move(meaning);
    refill();
}

void CResultsDialog::enableSigning(const std::string &userId, const store::SecurityPolicy &policy,
                                   bool askUserId) {
    m_book.emplace(store(), policy);
    auto *review = new QComboBox;
    review->setObjectName("signedFilter");
    review->addItem(ui("All results"));
    review->addItem(ui("Unsigned"), QString(""));
    for (const char *meaning : {"Performed", "Reviewed", "Approved"})
        review->addItem(ui(meaning), QString(meaning));
    connect(review, &QComboBox::currentIndexChanged, this, [this, review](int index) {
        showSigned(index == 0 ? std::nullopt
                              : std::optional<std::string>(review->itemData(index).toString().toStdString()));
    });
    buttons()->insertWidget(2, review);
    m_signer = userId;
    m_askUserId = askUserId;
    auto *sign = new QPushButton(ui("&Sign..."));
    sign->setObjectName("sign");
    connect(sign, &QPushButton::clicked, this, [this] { signSelected(); });
    buttons()->insertWidget(1, sign);
    refill();
}

bool CResultsDialog::reportSelected(const QString &pdfPath, const std::string &trailHead) {
    const int row = table()->currentRow();
    if (row < 0)
        return false;
    const auto result = store().result(table()->item(row, 0)->text().toLongLong());
    if (!result)
        return false;
    const auto lines =
        resultReportLines(*result, store().signatures("result " + std::to_string(result->id)), trailHead);
    if (writeResultReport(pdfPath, lines))
        return true;
    m_messages.show("Spectavo", "Cannot write " + pdfPath.toStdString() + ".",
                    shell::MessageService::Icon::Error);
    return false;
}

bool CResultsDialog::signSelected() {
    const int row = table()->currentRow();
    if (!m_book || row < 0)
        return false;
    CSignDialog dialog(*m_book, m_messages, table()->item(row, 0)->text().toLongLong(), m_signer, m_askUserId,
                       this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The user ID is asked once a session; after that, the password alone.
    m_askUserId = false;
    m_signedAny = true;
    refill();
    return true;
}

} // namespace spectavo::app
