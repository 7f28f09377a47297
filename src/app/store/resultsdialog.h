#pragma once

#include <functional>
#include <optional>

#include "app/store/storelistdialog.h"
#include "store/accountbook.h"

namespace spectavo::shell {
class MessageService;
}

namespace spectavo::app {

// "Results": every kept result, newest first, filtered by date, operator and kind. Open hands a copy
// of the chosen result's data to the workstation, which opens it in its window as a new document; the
// stored result never changes.
class CResultsDialog : public CStoreListDialog {
public:
    // `open` receives the path of the copy; `copies` is the folder the copies are written to.
    CResultsDialog(std::unique_ptr<store::ResultStore> store, shell::MessageService &messages, QString copies,
                   std::function<void(const QString &)> open, QWidget *parent = nullptr);

    // Writes a copy of the selected result and hands it on; false with nothing selected or when the
    // copy cannot be written or its data no longer match their SHA-256.
    bool openSelected();

    // Regulated mode: "Sign..." signs the selected result as this account (asking for the user ID too
    // when `askUserId`, the first signing of a session). True once something was signed.
    void enableSigning(const std::string &userId, const store::SecurityPolicy &policy, bool askUserId);
    bool signSelected();
    // Regulated mode's review: only the results whose last signature has this meaning ("Performed",
    // "Reviewed", "Approved"), the unsigned ones (""), or all (nothing).
    void showSigned(std::optional<std::string> meaning);
    // The selected result's report with its signatures, as a PDF; `trailHead` goes under it.
    bool reportSelected(const QString &pdfPath, const std::string &trailHead);
    bool signedAny() const { return m_signedAny; }

protected:
    std::vector<QStringList> rows(const Filters &filters) override;

private:
    std::string headOfTrail();

    shell::MessageService &m_messages;
    std::optional<store::AccountBook> m_book;
    std::string m_signer;
    bool m_askUserId = true;
    bool m_signedAny = false;
    std::optional<std::string> m_signedFilter;
    QString m_copies;
    std::function<void(const QString &)> m_open;
};

} // namespace spectavo::app
