// The results half of the lab-wide store.

#include "store/listing.h"
#include "store/pgstore.h"
#include "store/storecolumns.h"

namespace spectavo::store {
namespace {

ResultRecord summaryOfRow(const PgRow &row) {
    ResultRecord result;
    result.id = row.integer(0);
    int column = 1;
    for (std::string *text : textFieldsOf(result))
        *text = row.text(column++);
    result.utcOffsetMinutes = static_cast<int>(row.integer(13));
    result.dataFormat = row.text(14);
    result.sha256 = row.text(15);
    return result;
}

std::optional<std::int64_t> storedIdOf(PgConnection &db, const std::string &resultId) {
    std::optional<std::int64_t> id;
    db.query("SELECT id FROM results WHERE result_id = $1", {resultId}, [&id](const PgRow &row) {
        id = row.integer(0);
        return false;
    });
    return id;
}

std::int64_t insertResult(PgConnection &db, const ResultRecord &result) {
    std::vector<std::string> values;
    for (const std::string *text : textFieldsOf(result))
        values.push_back(*text);
    values.push_back(std::to_string(result.utcOffsetMinutes));
    values.push_back(result.dataFormat);
    values.push_back(result.data);
    values.push_back(result.sha256);
    std::int64_t id = 0;
    db.query("INSERT INTO results (result_id, kind, state, sample, method, operator_name, workstation, "
             "instrument_model, instrument_serial, instrument_firmware, started_utc, ended_utc, "
             "utc_offset_minutes, data_format, data, sha256) "
             "VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12, $13, $14, $15, $16) RETURNING id",
             values,
             [&id](const PgRow &row) {
                 id = row.integer(0);
                 return false;
             },
             {14});
    return id;
}

} // namespace

ResultRecord PgStore::storeResult(const ResultRecord &result) {
    ResultRecord stored = resultToStore(result, m_workstation);
    PgTransaction transaction(m_db);
    lockTrail();
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

std::optional<ResultRecord> PgStore::result(std::int64_t id) {
    std::optional<ResultRecord> found;
    m_db.query(std::string(kSummaryColumns) + ", data FROM results WHERE id = $1", {std::to_string(id)},
               [&found](const PgRow &row) {
                   found = summaryOfRow(row);
                   found->data = row.bytes(16);
                   return false;
               });
    return found;
}

void PgStore::visitResults(const ResultFilter &filter,
                           const std::function<bool(const ResultRecord &)> &visit) {
    const Listing listing = listingFilter("started_utc", "operator_name", filter.since, filter.until,
                                          filter.operatorName, filter.kind);
    m_db.stream(numberedPlaceholders(std::string(kSummaryColumns) + " FROM results" + listing.where +
                                     " ORDER BY started_utc DESC, id DESC"),
                listing.values, [&visit](const PgRow &row) { return visit(summaryOfRow(row)); });
}

} // namespace spectavo::store
