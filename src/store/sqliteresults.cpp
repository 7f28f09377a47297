// The results half of the embedded store.

#include "store/sqlitestore.h"
#include "store/storecolumns.h"

namespace spectavo::store {
namespace {

void readSummary(const SqliteStatement &row, ResultRecord &result) {
    result.id = row.integer(0);
    int column = 1;
    for (std::string *text : textFieldsOf(result))
        row.readText(column++, *text);
    result.utcOffsetMinutes = static_cast<int>(row.integer(13));
    row.readText(14, result.dataFormat);
    row.readText(15, result.sha256);
}

ResultRecord summaryOfRow(const SqliteStatement &row) {
    ResultRecord result;
    readSummary(row, result);
    return result;
}

std::optional<std::int64_t> storedIdOf(SqliteDatabase &db, const std::string &resultId) {
    SqliteStatement query(db, "SELECT id FROM results WHERE result_id = ?");
    query.bind(1, resultId);
    if (!query.step())
        return std::nullopt;
    return query.integer(0);
}

std::int64_t insertResult(SqliteDatabase &db, const ResultRecord &result) {
    SqliteStatement insert(db, "INSERT INTO results (result_id, kind, state, sample, method, operator_name, "
                               "workstation, instrument_model, instrument_serial, instrument_firmware, "
                               "started_utc, ended_utc, utc_offset_minutes, data_format, data, sha256) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int column = 1;
    for (const std::string *text : textFieldsOf(result))
        insert.bind(column++, *text);
    insert.bind(13, static_cast<std::int64_t>(result.utcOffsetMinutes));
    insert.bind(14, result.dataFormat);
    insert.bindBlob(15, result.data);
    insert.bind(16, result.sha256);
    insert.step();
    SqliteStatement rowId(db, "SELECT last_insert_rowid()");
    rowId.step();
    return rowId.integer(0);
}

} // namespace

ResultRecord SqliteStore::storeResult(const ResultRecord &result) {
    ResultRecord stored = resultToStore(result, m_workstation);
    SqliteTransaction transaction(m_db);
    // A result that arrives again (forwarded twice) is kept once.
    if (const auto existing = storedIdOf(m_db, stored.resultId)) {
        stored.id = *existing;
        return stored;
    }
    stored.id = insertResult(m_db, stored);
    appendLocked(measurementEvent(stored));
    transaction.commit();
    return stored;
}

std::optional<ResultRecord> SqliteStore::result(std::int64_t id) {
    SqliteStatement query(m_db, std::string(kSummaryColumns) + ", data FROM results WHERE id = ?");
    query.bind(1, id);
    if (!query.step())
        return std::nullopt;
    ResultRecord found = summaryOfRow(query);
    found.data = query.blob(16);
    return found;
}

void SqliteStore::visitResults(const ResultFilter &filter,
                               const std::function<bool(const ResultRecord &)> &visit) {
    const Listing listing = listingFilter("started_utc", "operator_name", filter.since, filter.until,
                                          filter.operatorName, filter.kind);
    SqliteStatement query(m_db, std::string(kSummaryColumns) + " FROM results" + listing.where +
                                    " ORDER BY started_utc DESC, id DESC");
    bindListing(query, listing);
    // One record read into again and again, as the trail's events are.
    ResultRecord result;
    while (query.step()) {
        readSummary(query, result);
        if (!visit(result))
            return;
    }
}

} // namespace spectavo::store
