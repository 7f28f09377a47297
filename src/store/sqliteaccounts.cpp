// Accounts and signatures in the embedded store.

#include "store/eventstamp.h"
#include "store/jsontext.h"
#include "store/sqlitestore.h"
#include "store/storecolumns.h"

namespace spectavo::store {

void SqliteStore::saveAccount(const Account &account, const NewEvent &event) {
    SqliteTransaction transaction(m_db);
    SqliteStatement save(m_db, kSaveAccount);
    int column = 1;
    for (const std::string *text : accountTextsOf(account))
        save.bind(column++, validUtf8(*text));
    save.bind(6, static_cast<std::int64_t>(account.mustChangePassword ? 1 : 0));
    save.bind(7, static_cast<std::int64_t>(account.failedAttempts));
    save.bind(8, account.createdUtc.empty() ? utcText(std::chrono::system_clock::now()) : account.createdUtc);
    save.step();
    appendLocked(event);
    transaction.commit();
}

std::optional<Account> SqliteStore::account(const std::string &userId) {
    SqliteStatement query(m_db, std::string(kAccountColumns) + " WHERE user_id = ?");
    query.bind(1, userId);
    if (!query.step())
        return std::nullopt;
    return accountOfRow(query);
}

std::vector<Account> SqliteStore::accounts() {
    SqliteStatement query(m_db, std::string(kAccountColumns) + " ORDER BY user_id");
    std::vector<Account> all;
    while (query.step())
        all.push_back(accountOfRow(query));
    return all;
}

Signature SqliteStore::storeSignature(const Signature &signature, const NewEvent &event) {
    Signature stored = signature;
    if (stored.utc.empty())
        stored.utc = utcText(std::chrono::system_clock::now());
    for (std::string *text : signatureTextsOf(stored))
        *text = validUtf8(*text);
    SqliteTransaction transaction(m_db);
    SqliteStatement insert(m_db, kInsertSignature);
    int column = 1;
    for (const std::string *text : signatureTextsOf(stored))
        insert.bind(column++, *text);
    insert.step();
    SqliteStatement rowId(m_db, "SELECT last_insert_rowid()");
    rowId.step();
    stored.id = rowId.integer(0);
    appendLocked(event);
    transaction.commit();
    return stored;
}

std::vector<Signature> SqliteStore::signatures(const std::string &target) {
    SqliteStatement query(m_db, std::string(kSignatureColumns) + " WHERE target = ? ORDER BY id");
    query.bind(1, target);
    std::vector<Signature> all;
    while (query.step())
        all.push_back(signatureOfRow(query));
    return all;
}

} // namespace spectavo::store
