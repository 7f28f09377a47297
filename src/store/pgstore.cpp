#include "store/pgstore.h"

#include "store/eventstamp.h"
#include "store/listing.h"
#include "store/schema.h"
#include "store/storecolumns.h"

namespace spectavo::store {
namespace {

// Any number that no other program takes its own advisory lock with.
constexpr const char *kMigrationLock = "SELECT pg_advisory_xact_lock(7310425561)";

void readEvent(const PgRow &row, AuditEvent &event) {
    event.sequence = row.integer(0);
    int column = 1;
    for (std::string *text : eventTextsOf(event))
        row.readText(column++, *text);
}

std::optional<AuditEvent> firstEvent(PgConnection &db, const std::string &sql,
                                     const std::vector<std::string> &parameters) {
    std::optional<AuditEvent> found;
    db.query(sql, parameters, [&found](const PgRow &row) {
        found.emplace();
        readEvent(row, *found);
        return false;
    });
    return found;
}

} // namespace

PgStore::PgStore(const std::string &connection, std::string workstation)
    : m_connection(connection), m_workstation(std::move(workstation)), m_db(connection) {
    // The trail's times are the program's own UTC texts; the server's zone never enters them.
    m_db.execute("SET client_encoding = 'UTF8'; SET client_min_messages = warning");
    migrate();
}

int PgStore::schemaVersion() {
    int version = 0;
    m_db.query("SELECT COALESCE(MAX(version), 0) FROM schema_migrations", {}, [&version](const PgRow &row) {
        version = static_cast<int>(row.integer(0));
        return false;
    });
    return version;
}

void PgStore::migrate() {
    PgTransaction transaction(m_db);
    m_db.execute(kMigrationLock);
    // Workstations' accounts may only read and append: a store that is up to date asks for no more.
    bool made = false;
    m_db.query("SELECT to_regclass('schema_migrations') IS NOT NULL", {}, [&made](const PgRow &row) {
        made = row.text(0) == "t";
        return false;
    });
    if (!made)
        m_db.execute("CREATE TABLE schema_migrations (version INTEGER PRIMARY KEY, "
                     "description TEXT NOT NULL, applied_utc TEXT NOT NULL)");
    const int current = schemaVersion();
    for (const Migration &migration : migrations()) {
        if (migration.version <= current)
            continue;
        m_db.execute(migration.postgres);
        m_db.query("INSERT INTO schema_migrations VALUES ($1, $2, $3)",
                   {std::to_string(migration.version), migration.description,
                    utcText(std::chrono::system_clock::now())},
                   nullptr);
    }
    transaction.commit();
}

void PgStore::lockTrail() {
    // SHARE ROW EXCLUSIVE conflicts with itself and with writes, never with plain reads.
    m_db.execute("LOCK TABLE audit_events IN SHARE ROW EXCLUSIVE MODE");
}

AuditEvent PgStore::appendEvent(const NewEvent &event) {
    PgTransaction transaction(m_db);
    lockTrail();
    AuditEvent stored = appendLocked(event);
    transaction.commit();
    return stored;
}

AuditEvent PgStore::appendLocked(const NewEvent &event) {
    // An event that arrives again (forwarded twice) is kept once.
    if (!event.eventId.empty())
        if (auto known =
                firstEvent(m_db, std::string(kEventColumns) + " WHERE event_id = $1", {event.eventId}))
            return *known;
    const AuditEvent stored = chainedEvent(event, headEvent(), m_workstation);
    std::vector<std::string> values{std::to_string(stored.sequence)};
    for (const std::string *text : eventTextsOf(stored))
        values.push_back(*text);
    m_db.query("INSERT INTO audit_events VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10)", values, nullptr);
    return stored;
}

std::optional<AuditEvent> PgStore::headEvent() {
    return firstEvent(m_db, std::string(kEventColumns) + " ORDER BY sequence DESC LIMIT 1", {});
}

void PgStore::visitEvents(const EventFilter &filter, const std::function<bool(const AuditEvent &)> &visit) {
    const Listing listing =
        listingFilter("utc", "user_name", filter.since, filter.until, filter.user, filter.kind);
    // One event read into again and again: a long trail is read without an allocation a row.
    AuditEvent event;
    m_db.stream(numberedPlaceholders(std::string(kEventColumns) + listing.where + " ORDER BY sequence"),
                listing.values, [&](const PgRow &row) {
                    readEvent(row, event);
                    return visit(event);
                });
}

} // namespace spectavo::store
