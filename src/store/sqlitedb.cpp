#include "store/sqlitedb.h"

#include <sqlite3.h>

#include "store/listing.h"
#include "store/resultstore.h"

namespace spectavo::store {

SqliteDatabase::SqliteDatabase(const std::string &path) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string reason = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError(path + ": " + reason);
    }
    // Other processes append too: wait for their write lock rather than fail at once.
    sqlite3_busy_timeout(m_db, 10000);
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close(m_db);
}

void SqliteDatabase::execute(const std::string &sql) {
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        throw StoreError(reason);
    }
}

void SqliteDatabase::fail(const std::string &what) const {
    throw StoreError(what + ": " + sqlite3_errmsg(m_db));
}

SqliteStatement::SqliteStatement(SqliteDatabase &db, std::string_view sql) : m_db(db) {
    if (sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr) !=
        SQLITE_OK)
        db.fail("cannot prepare a statement");
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

void SqliteStatement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK)
        m_db.fail("cannot bind a value");
}

void SqliteStatement::bind(int index, const std::string &text) {
    if (sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        m_db.fail("cannot bind a value");
}

void SqliteStatement::bindBlob(int index, const std::string &bytes) {
    if (sqlite3_bind_blob64(m_statement, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT) != SQLITE_OK)
        m_db.fail("cannot bind a value");
}

bool SqliteStatement::step() {
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    m_db.fail("the store refused");
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::string SqliteStatement::text(int column) const {
    const auto *bytes = sqlite3_column_text(m_statement, column);
    return bytes ? std::string(reinterpret_cast<const char *>(bytes),
                               static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)))
                 : std::string();
}

void SqliteStatement::readText(int column, std::string &out) const {
    const auto *bytes = sqlite3_column_text(m_statement, column);
    out.assign(bytes ? reinterpret_cast<const char *>(bytes) : "",
               bytes ? static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)) : 0);
}

std::string SqliteStatement::blob(int column) const {
    const void *bytes = sqlite3_column_blob(m_statement, column);
    return bytes ? std::string(static_cast<const char *>(bytes),
                               static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)))
                 : std::string();
}

SqliteTransaction::SqliteTransaction(SqliteDatabase &db) : m_db(db) {
    m_db.execute("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction() {
    if (!m_done)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit() {
    m_db.execute("COMMIT");
    m_done = true;
}

void bindListing(SqliteStatement &query, const Listing &listing) {
    for (std::size_t i = 0; i < listing.values.size(); ++i)
        query.bind(static_cast<int>(i + 1), listing.values[i]);
}

} // namespace spectavo::store
