#include "store/schema.h"

#include <string>

namespace spectavo::store {
namespace {

// The trail and the results never change once written: the engine itself refuses it, whatever
// program talks to it.
// The listing's columns ride in the results' indices, so a filtered listing reads the index alone.
constexpr const char *kIndices = R"sql(
CREATE INDEX audit_events_utc ON audit_events (utc);
CREATE INDEX audit_events_user ON audit_events (user_name, sequence);
CREATE INDEX audit_events_kind ON audit_events (kind, sequence);
CREATE INDEX results_started ON results (started_utc, id, result_id, kind, state, sample, method, operator_name,
    workstation, instrument_model, instrument_serial, instrument_firmware, ended_utc, utc_offset_minutes,
    data_format, sha256);
CREATE INDEX results_operator ON results (operator_name, started_utc, id, result_id, kind, state, sample, method,
    workstation, instrument_model, instrument_serial, instrument_firmware, ended_utc, utc_offset_minutes,
    data_format, sha256);
CREATE INDEX results_kind ON results (kind, started_utc, id, result_id, state, sample, method, operator_name,
    workstation, instrument_model, instrument_serial, instrument_firmware, ended_utc, utc_offset_minutes,
    data_format, sha256);
)sql";

// The two tables; `%ID%` is each engine's own row number column, `%BYTES%` its binary type.
constexpr const char *kTables = R"sql(
CREATE TABLE audit_events (
    sequence %SEQUENCE%,
    event_id TEXT NOT NULL UNIQUE,
    utc TEXT NOT NULL,
    user_name TEXT NOT NULL,
    workstation TEXT NOT NULL,
    kind TEXT NOT NULL,
    object TEXT NOT NULL,
    details TEXT NOT NULL,
    previous_hash TEXT NOT NULL,
    hash TEXT NOT NULL
);
CREATE TABLE results (
    id %ID%,
    result_id TEXT NOT NULL UNIQUE,
    kind TEXT NOT NULL,
    state TEXT NOT NULL,
    sample TEXT NOT NULL,
    method TEXT NOT NULL,
    operator_name TEXT NOT NULL,
    workstation TEXT NOT NULL,
    instrument_model TEXT NOT NULL,
    instrument_serial TEXT NOT NULL,
    instrument_firmware TEXT NOT NULL,
    started_utc TEXT NOT NULL,
    ended_utc TEXT NOT NULL,
    utc_offset_minutes INTEGER NOT NULL,
    data_format TEXT NOT NULL,
    data %BYTES% NOT NULL,
    sha256 TEXT NOT NULL
);
)sql";

// The trail and the results never change once written: the engine itself refuses it, whatever
// program talks to it.
constexpr const char *kSqliteGuards = R"sql(
CREATE TRIGGER audit_events_append_only_update BEFORE UPDATE ON audit_events
BEGIN SELECT RAISE(ABORT, 'the audit trail is append-only'); END;
CREATE TRIGGER audit_events_append_only_delete BEFORE DELETE ON audit_events
BEGIN SELECT RAISE(ABORT, 'the audit trail is append-only'); END;
CREATE TRIGGER results_unchanged_update BEFORE UPDATE ON results
BEGIN SELECT RAISE(ABORT, 'a stored result never changes'); END;
CREATE TRIGGER results_unchanged_delete BEFORE DELETE ON results
BEGIN SELECT RAISE(ABORT, 'a stored result never changes'); END;
)sql";

// PostgreSQL also has TRUNCATE, which row triggers never see.
constexpr const char *kPostgresGuards = R"sql(
CREATE FUNCTION spectavo_refuse_change() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN RAISE EXCEPTION '%', TG_ARGV[0]; END $$;
CREATE TRIGGER audit_events_append_only BEFORE UPDATE OR DELETE OR TRUNCATE ON audit_events
FOR EACH STATEMENT EXECUTE FUNCTION spectavo_refuse_change('the audit trail is append-only');
CREATE TRIGGER results_unchanged BEFORE UPDATE OR DELETE OR TRUNCATE ON results
FOR EACH STATEMENT EXECUTE FUNCTION spectavo_refuse_change('a stored result never changes');
)sql";

// Accounts of regulated mode and electronic signatures. An account changes (its state, role,
// password) but is never deleted and keeps its user id; a signature never changes.
constexpr const char *kAccountTables = R"sql(
CREATE TABLE accounts (
    user_id TEXT PRIMARY KEY,
    full_name TEXT NOT NULL,
    role TEXT NOT NULL,
    state TEXT NOT NULL,
    password_hash TEXT NOT NULL,
    must_change INTEGER NOT NULL,
    failed_attempts INTEGER NOT NULL,
    created_utc TEXT NOT NULL
);
CREATE TABLE signatures (
    id %ID%,
    target TEXT NOT NULL,
    content_sha256 TEXT NOT NULL,
    user_id TEXT NOT NULL,
    full_name TEXT NOT NULL,
    meaning TEXT NOT NULL,
    comment TEXT NOT NULL,
    utc TEXT NOT NULL
);
CREATE INDEX signatures_target ON signatures (target, id);
)sql";

constexpr const char *kSqliteAccountGuards = R"sql(
CREATE TRIGGER accounts_never_deleted BEFORE DELETE ON accounts
BEGIN SELECT RAISE(ABORT, 'an account is never deleted, only disabled'); END;
CREATE TRIGGER accounts_keep_their_id BEFORE UPDATE OF user_id ON accounts
BEGIN SELECT RAISE(ABORT, 'a user id is never changed'); END;
CREATE TRIGGER signatures_unchanged_update BEFORE UPDATE ON signatures
BEGIN SELECT RAISE(ABORT, 'a signature never changes'); END;
CREATE TRIGGER signatures_unchanged_delete BEFORE DELETE ON signatures
BEGIN SELECT RAISE(ABORT, 'a signature never changes'); END;
)sql";

constexpr const char *kPostgresAccountGuards = R"sql(
CREATE TRIGGER accounts_never_deleted BEFORE DELETE OR TRUNCATE ON accounts
FOR EACH STATEMENT EXECUTE FUNCTION spectavo_refuse_change('an account is never deleted, only disabled');
CREATE TRIGGER accounts_keep_their_id BEFORE UPDATE OF user_id ON accounts
FOR EACH STATEMENT EXECUTE FUNCTION spectavo_refuse_change('a user id is never changed');
CREATE TRIGGER signatures_unchanged BEFORE UPDATE OR DELETE OR TRUNCATE ON signatures
FOR EACH STATEMENT EXECUTE FUNCTION spectavo_refuse_change('a signature never changes');
)sql";

std::string replaced(std::string text, const std::string &name, const std::string &value) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size()))
        text.replace(at, name.size(), value);
    return text;
}

std::string tablesFor(const char *tables, const char *sequence, const char *id, const char *bytes) {
    return replaced(replaced(replaced(tables, "%SEQUENCE%", sequence), "%ID%", id), "%BYTES%", bytes);
}

constexpr const char *kSqliteId = "INTEGER PRIMARY KEY";
constexpr const char *kPostgresId = "BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY";

} // namespace

const std::vector<Migration> &migrations() {
    static const std::vector<Migration> all = {
        {1, "audit trail and results",
         tablesFor(kTables, "INTEGER PRIMARY KEY", kSqliteId, "BLOB") + kIndices + kSqliteGuards,
         tablesFor(kTables, "BIGINT PRIMARY KEY", kPostgresId, "BYTEA") + kIndices + kPostgresGuards},
        {2, "accounts and electronic signatures",
         tablesFor(kAccountTables, "", kSqliteId, "") + kSqliteAccountGuards,
         tablesFor(kAccountTables, "", kPostgresId, "") + kPostgresAccountGuards},
    };
    return all;
}

} // namespace spectavo::store
