#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace spectavo::store {

// An open SQLite database. Every failure throws StoreError with SQLite's own words.
class SqliteDatabase {
public:
    explicit SqliteDatabase(const std::string &path);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    // Statements without results, several separated by semicolons.
    void execute(const std::string &sql);
    sqlite3 *handle() const { return m_db; }
    [[noreturn]] void fail(const std::string &what) const;

private:
    sqlite3 *m_db = nullptr;
};

// A prepared statement; bind by 1-based index, step, read columns of the current row.
class SqliteStatement {
public:
    SqliteStatement(SqliteDatabase &db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    void bind(int index, std::int64_t value);
    void bind(int index, const std::string &text);
    void bindBlob(int index, const std::string &bytes);
    // True while a row is there; false when done.
    bool step();
    std::int64_t integer(int column) const;
    std::string text(int column) const;
    // The column's text into `out`, reusing its storage: for reading long runs of rows.
    void readText(int column, std::string &out) const;
    std::string blob(int column) const;

private:
    SqliteDatabase &m_db;
    sqlite3_stmt *m_statement = nullptr;
};

// A transaction that rolls back unless committed. IMMEDIATE takes the write lock at once, so that
// appends from several processes wait for each other instead of failing half-way.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase &db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction &) = delete;
    SqliteTransaction &operator=(const SqliteTransaction &) = delete;
    void commit();

private:
    SqliteDatabase &m_db;
    bool m_done = false;
};

// A listing's conditions bound in their order.
struct Listing;
void bindListing(SqliteStatement &query, const Listing &listing);

} // namespace spectavo::store
