#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct pg_conn;
struct pg_result;

namespace spectavo::store {

// One row of a query's answer: its columns as text (bytea as PostgreSQL's hex form, see `bytes`).
class PgRow {
public:
    PgRow(const pg_result *result, int row) : m_result(result), m_row(row) {}
    std::string text(int column) const;
    void readText(int column, std::string &out) const;
    std::int64_t integer(int column) const;
    // A bytea column's bytes.
    std::string bytes(int column) const;

private:
    const pg_result *m_result;
    int m_row;
};

// An open connection to a PostgreSQL server, from a libpq connection string ("host=/run/postgresql
// dbname=spectavo"). Every failure throws StoreError with the server's or libpq's own words.
class PgConnection {
public:
    explicit PgConnection(const std::string &connection);
    ~PgConnection();
    PgConnection(const PgConnection &) = delete;
    PgConnection &operator=(const PgConnection &) = delete;

    // Statements without parameters, several separated by semicolons.
    void execute(const std::string &sql);
    // One statement with text parameters ($1, $2, ...); `binary` names the parameters sent as raw
    // bytes (for bytea). Each row goes to `row`, which returns false to stop reading.
    void query(const std::string &sql, const std::vector<std::string> &parameters,
               const std::function<bool(const PgRow &)> &row, const std::vector<int> &binary = {});
    // A long answer, read a row at a time instead of whole into memory.
    void stream(const std::string &sql, const std::vector<std::string> &parameters,
                const std::function<bool(const PgRow &)> &row);

private:
    [[noreturn]] void fail(const pg_result *result) const;
    void sendQuery(const std::string &sql, const std::vector<std::string> &parameters,
                   const std::vector<int> &binary) const;
    void drain() const;

    pg_conn *m_connection = nullptr;
};

// A transaction that rolls back unless committed.
class PgTransaction {
public:
    explicit PgTransaction(PgConnection &connection);
    ~PgTransaction();
    PgTransaction(const PgTransaction &) = delete;
    PgTransaction &operator=(const PgTransaction &) = delete;
    void commit();

private:
    PgConnection &m_connection;
    bool m_done = false;
};

} // namespace spectavo::store
