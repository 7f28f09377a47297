#include "store/sqlitestore.h"

#include "store/eventstamp.h"
#include "store/schema.h"
#include "store/storecolumns.h"

namespace spectavo::store {
namespace {

void readEvent(const SqliteStatement &row, AuditEvent &event) {
    event.sequence = row.integer(0);
    int column = 1;
    for (std::string *text : eventTextsOf(event))
        row.readText(column++, *text);
}

AuditEvent eventOfRow(const SqliteStatement &row) {
    AuditEvent event;
    readEvent(row, event);
    return event;
}

} // namespace

SqliteStore::SqliteStore(const std::string &path, std::string workstation)
    : m_path(path), m_workstation(std::move(workstation)), m_db(path) {
    // A result is on disk when its commit returns, also after a power cut.
    m_db.execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON");
    // Reading a long trail or listing maps the file rather than copying its pages.
    m_db.execute("PRAGMA mmap_size=1073741824");
    migrate();
}

int SqliteStore::schemaVersion() {
    SqliteStatement query(m_db, "SELECT COALESCE(MAX(version), 0) FROM schema_migrations");
    query.step();
    return static_cast<int>(query.integer(0));
}

void SqliteStore::migrate() {
    SqliteTransaction transaction(m_db);
    m_db.execute("CREATE TABLE IF NOT EXISTS schema_migrations (version INTEGER PRIMARY KEY, "
                 "description TEXT NOT NULL, applied_utc TEXT NOT NULL)");
    const int current = schemaVersion();
    for (const Migration &migration : migrations()) {
        if (migration.version <= current)
            continue;
        m_db.execute(migration.sqlite);
        SqliteStatement record(m_db, "INSERT INTO schema_migrations VALUES (?, ?, ?)");
        record.bind(1, static_cast<std::int64_t>(migration.version));
        record.bind(2, std::string(migration.description));
        record.bind(3, utcText(std::chrono::system_clock::now()));
        record.step();
    }
    transaction.commit();
}

AuditEvent SqliteStore::appendEvent(const NewEvent &event) {
    SqliteTransaction transaction(m_db);
    AuditEvent stored = appendLocked(event);
    transaction.commit();
    return stored;
}

AuditEvent SqliteStore::appendLocked(const NewEvent &event) {
    // An event that arrives again (forwarded twice) is kept once.
    if (!event.eventId.empty()) {
        SqliteStatement known(m_db, std::string(kEventColumns) + " WHERE event_id = ?");
        known.bind(1, event.eventId);
        if (known.step())
            return eventOfRow(known);
    }
    const AuditEvent stored = chainedEvent(event, headEvent(), m_workstation);
    SqliteStatement insert(m_db, "INSERT INTO audit_events VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, stored.sequence);
    int column = 2;
    for (const std::string *text : eventTextsOf(stored))
        insert.bind(column++, *text);
    insert.step();
    return stored;
}

std::optional<AuditEvent> SqliteStore::headEvent() {
    SqliteStatement query(m_db, std::string(kEventColumns) + " ORDER BY sequence DESC LIMIT 1");
    if (!query.step())
        return std::nullopt;
    return eventOfRow(query);
}

void SqliteStore::visitEvents(const EventFilter &filter,
                              const std::function<bool(const AuditEvent &)> &visit) {
    const Listing listing =
        listingFilter("utc", "user_name", filter.since, filter.until, filter.user, filter.kind);
    SqliteStatement query(m_db, std::string(kEventColumns) + listing.where + " ORDER BY sequence");
    bindListing(query, listing);
    // One event read into again and again: a long trail is read without an allocation a row.
    AuditEvent event;
    while (query.step()) {
        readEvent(query, event);
        if (!visit(event))
            return;
    }
}

} // namespace spectavo::store
