#include "app/store/storelistdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/widgets/uitext.h"

namespace spectavo::app {

CStoreListDialog::CStoreListDialog(std::unique_ptr<store::ResultStore> store, const QString &title,
                                   const QStringList &columns, const QString &personLabel, bool newestFirst,
                                   QWidget *parent)
    : QDialog(parent), m_store(std::move(store)), m_since(new QLineEdit), m_until(new QLineEdit),
      m_person(new QLineEdit), m_kind(new QLineEdit),
      m_table(new QTableWidget(0, static_cast<int>(columns.size()))), m_buttons(new QHBoxLayout),
      m_problem(new QLabel) {
    setWindowTitle(title);
    m_since->setPlaceholderText("2026-01-31");
    m_until->setPlaceholderText("2026-12-31");
    auto *filters = new QHBoxLayout;
    const std::pair<QString, QLineEdit *> fields[] = {
        {ui("From"), m_since}, {ui("To"), m_until}, {personLabel, m_person}, {ui("Kind"), m_kind}};
    for (const auto &[label, edit] : fields) {
        filters->addWidget(new QLabel(label));
        filters->addWidget(edit);
        connect(edit, &QLineEdit::editingFinished, this, [this] { refill(); });
    }
    m_table->setHorizontalHeaderLabels(columns);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    // Newest first for results, the trail in its order: the first column is the id or the sequence.
    m_table->sortByColumn(0, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
    auto *close = new QPushButton(ui("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_buttons->addStretch();
    m_buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_table);
    layout->addWidget(m_problem);
    layout->addLayout(m_buttons);
    resize(900, 480);
}

void CStoreListDialog::refill() {
    const Filters filters{m_since->text().trimmed().toStdString(), m_until->text().trimmed().toStdString(),
                          m_person->text().trimmed().toStdString(), m_kind->text().trimmed().toStdString()};
    std::vector<QStringList> found;
    try {
        found = rows(filters);
        m_problem->clear();
    } catch (const store::StoreError &error) {
        found.clear();
        m_problem->setText(QString::fromStdString(error.what()));
    }
    m_table->setSortingEnabled(false);
    m_table->setRowCount(static_cast<int>(found.size()));
    for (int row = 0; row < static_cast<int>(found.size()); ++row)
        for (int column = 0; column < found[static_cast<std::size_t>(row)].size(); ++column) {
            const QString &text = found[static_cast<std::size_t>(row)][column];
            auto *item = new QTableWidgetItem;
            // Numbers sort as numbers: result 10 after result 9.
            bool isNumber = false;
            const qlonglong number = column == 0 ? text.toLongLong(&isNumber) : 0;
            item->setData(Qt::DisplayRole, isNumber ? QVariant(number) : QVariant(text));
            m_table->setItem(row, column, item);
        }
    m_table->setSortingEnabled(true);
    m_table->resizeColumnsToContents();
}

} // namespace spectavo::app
