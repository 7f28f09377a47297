// Accounts and signatures in the lab-wide store.

#include "store/eventstamp.h"
#include "store/jsontext.h"
#include "store/listing.h"
#include "store/pgstore.h"
#include "store/storecolumns.h"

namespace spectavo::store {

void PgStore::saveAccount(const Account &account, const NewEvent &event) {
    std::vector<std::string> values;
    for (const std::string *text : accountTextsOf(account))
        values.push_back(validUtf8(*text));
    values.push_back(account.mustChangePassword ? "1" : "0");
    values.push_back(std::to_string(account.failedAttempts));
    values.push_back(account.createdUtc.empty() ? utcText(std::chrono::system_clock::now())
                                                : account.createdUtc);
    PgTransaction transaction(m_db);
    lockTrail();
    m_db.query(numberedPlaceholders(kSaveAccount), values, nullptr);
    appendLocked(event);
    transaction.commit();
}

std::optional<Account> PgStore::account(const std::string &userId) {
    std::optional<Account> found;
    m_db.query(std::string(kAccountColumns) + " WHERE user_id = $1", {userId}, [&found](const PgRow &row) {
        found = accountOfRow(row);
        return false;
    });
    return found;
}

std::vector<Account> PgStore::accounts() {
    std::vector<Account> all;
    m_db.query(std::string(kAccountColumns) + " ORDER BY user_id", {}, [&all](const PgRow &row) {
        all.push_back(accountOfRow(row));
        return true;
    });
    return all;
}

Signature PgStore::storeSignature(const Signature &signature, const NewEvent &event) {
    Signature stored = signature;
    if (stored.utc.empty())
        stored.utc = utcText(std::chrono::system_clock::now());
    std::vector<std::string> values;
    for (std::string *text : signatureTextsOf(stored)) {
        *text = validUtf8(*text);
        values.push_back(*text);
    }
    PgTransaction transaction(m_db);
    lockTrail();
    m_db.query(numberedPlaceholders(kInsertSignature) + " RETURNING id", values, [&stored](const PgRow &row) {
        stored.id = row.integer(0);
        return false;
    });
    appendLocked(event);
    transaction.commit();
    return stored;
}

std::vector<Signature> PgStore::signatures(const std::string &target) {
    std::vector<Signature> all;
    m_db.query(std::string(kSignatureColumns) + " WHERE target = $1 ORDER BY id", {target},
               [&all](const PgRow &row) {
                   all.push_back(signatureOfRow(row));
                   return true;
               });
    return all;
}

} // namespace spectavo::store
