#include "store/pgdb.h"

#include <libpq-fe.h>

#include <memory>

#include "store/resultstore.h"

namespace spectavo::store {
namespace {

struct ResultFree {
    void operator()(PGresult *result) const { PQclear(result); }
};
using OwnedResult = std::unique_ptr<PGresult, ResultFree>;

bool succeeded(const PGresult *result) {
    const ExecStatusType status = PQresultStatus(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_SINGLE_TUPLE;
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace

std::string PgRow::text(int column) const {
    std::string out;
    readText(column, out);
    return out;
}

void PgRow::readText(int column, std::string &out) const {
    out.assign(PQgetvalue(m_result, m_row, column),
               static_cast<std::size_t>(PQgetlength(m_result, m_row, column)));
}

std::int64_t PgRow::integer(int column) const {
    return std::stoll(PQgetvalue(m_result, m_row, column));
}

std::string PgRow::bytes(int column) const {
    std::size_t length = 0;
    unsigned char *raw = PQunescapeBytea(
        reinterpret_cast<const unsigned char *>(PQgetvalue(m_result, m_row, column)), &length);
    if (!raw)
        throw StoreError("the server sent stored data that cannot be read");
    std::string out(reinterpret_cast<const char *>(raw), length);
    PQfreemem(raw);
    return out;
}

PgConnection::PgConnection(const std::string &connection) : m_connection(PQconnectdb(connection.c_str())) {
    if (!m_connection)
        throw StoreError("the PostgreSQL client library is out of memory");
    if (PQstatus(m_connection) != CONNECTION_OK) {
        const std::string reason = trimmed(PQerrorMessage(m_connection));
        PQfinish(m_connection);
        m_connection = nullptr;
        throw StoreError(reason);
    }
    // Notices (such as "relation already exists, skipping") are not the operator's concern.
    PQsetNoticeProcessor(
        m_connection, [](void *, const char *) {}, nullptr);
}

PgConnection::~PgConnection() {
    PQfinish(m_connection);
}

void PgConnection::fail(const pg_result *result) const {
    const char *primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    throw StoreError(primary ? std::string(primary) : trimmed(PQerrorMessage(m_connection)));
}

void PgConnection::execute(const std::string &sql) {
    const OwnedResult result(PQexec(m_connection, sql.c_str()));
    if (!result || !succeeded(result.get()))
        fail(result.get());
}

void PgConnection::sendQuery(const std::string &sql, const std::vector<std::string> &parameters,
                             const std::vector<int> &binary) const {
    std::vector<const char *> values;
    std::vector<int> lengths;
    std::vector<int> formats(parameters.size(), 0);
    for (const std::string &parameter : parameters) {
        values.push_back(parameter.c_str());
        lengths.push_back(static_cast<int>(parameter.size()));
    }
    for (const int index : binary)
        formats.at(static_cast<std::size_t>(index)) = 1;
    if (!PQsendQueryParams(m_connection, sql.c_str(), static_cast<int>(parameters.size()), nullptr,
                           values.data(), lengths.data(), formats.data(), 0))
        fail(nullptr);
}

// Reads what is left of an answer, so that the connection is ready for the next statement.
void PgConnection::drain() const {
    while (PGresult *rest = PQgetResult(m_connection))
        PQclear(rest);
}

void PgConnection::query(const std::string &sql, const std::vector<std::string> &parameters,
                         const std::function<bool(const PgRow &)> &row, const std::vector<int> &binary) {
    sendQuery(sql, parameters, binary);
    const OwnedResult result(PQgetResult(m_connection));
    drain();
    if (!result || !succeeded(result.get()))
        fail(result.get());
    for (int i = 0, rows = PQntuples(result.get()); i < rows; ++i)
        if (row && !row(PgRow(result.get(), i)))
            return;
}

void PgConnection::stream(const std::string &sql, const std::vector<std::string> &parameters,
                          const std::function<bool(const PgRow &)> &row) {
    sendQuery(sql, parameters, {});
    PQsetSingleRowMode(m_connection);
    bool reading = true;
    while (PGresult *raw = PQgetResult(m_connection)) {
        const OwnedResult result(raw);
        if (!succeeded(result.get())) {
            drain();
            fail(result.get());
        }
        if (reading && PQresultStatus(result.get()) == PGRES_SINGLE_TUPLE)
            reading = row(PgRow(result.get(), 0));
    }
}

PgTransaction::PgTransaction(PgConnection &connection) : m_connection(connection) {
    m_connection.execute("BEGIN");
}

PgTransaction::~PgTransaction() {
    if (!m_done) {
        try {
            m_connection.execute("ROLLBACK");
        } catch (const StoreError &) {
            // A connection that broke has no transaction left to roll back.
        }
    }
}

void PgTransaction::commit() {
    m_connection.execute("COMMIT");
    m_done = true;
}

} // namespace spectavo::store
