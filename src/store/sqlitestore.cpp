#include "store/sqlitestore.h"

#include "store/eventstamp.h"
#include "store/schema.h"

namespace spectavo::store {
namespace {

constexpr const char *kEventColumns =
    "SELECT sequence, event_id, utc, user_name, workstation, kind, object, details, previous_hash, hash "
    "FROM audit_events";

void readEvent(const SqliteStatement &row, AuditEvent &event) {
    event.sequence = row.integer(0);
    std::string *texts[] = {&event.eventId,     &event.utc,          &event.user,
                            &event.workstation, &event.kind,         &event.object,
                            &event.details,     &event.previousHash, &event.hash};
    for (int i = 0; i < 9; ++i)
        row.readText(i + 1, *texts[i]);
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
    const std::optional<AuditEvent> head = headEvent();
    AuditEvent stored;
    stored.sequence = head ? head->sequence + 1 : 1;
    stored.eventId = uniqueId();
    stored.utc = utcText(std::chrono::system_clock::now());
    stored.user = event.user;
    stored.workstation = m_workstation;
    stored.kind = event.kind;
    stored.object = event.object;
    stored.details = event.details.empty() ? "{}" : event.details;
    stored.previousHash = head ? head->hash : kGenesisHash;
    stored.hash = eventHash(stored);

    SqliteStatement insert(m_db, "INSERT INTO audit_events VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, stored.sequence);
    const std::string *texts[] = {&stored.eventId,     &stored.utc,          &stored.user,
                                  &stored.workstation, &stored.kind,         &stored.object,
                                  &stored.details,     &stored.previousHash, &stored.hash};
    for (int i = 0; i < 9; ++i)
        insert.bind(i + 2, *texts[i]);
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
    listing.bindTo(query);
    // One event read into again and again: a long trail is read without an allocation a row.
    AuditEvent event;
    while (query.step()) {
        readEvent(query, event);
        if (!visit(event))
            return;
    }
}

} // namespace spectavo::store
