#include "store/schema.h"

namespace spectavo::store {
namespace {

// The trail and the results never change once written: the engine itself refuses it, whatever
// program talks to it.
constexpr const char *kTrailAndResults = R"sql(
CREATE TABLE audit_events (
    sequence INTEGER PRIMARY KEY,
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
CREATE INDEX audit_events_utc ON audit_events (utc);
CREATE INDEX audit_events_user ON audit_events (user_name, sequence);
CREATE INDEX audit_events_kind ON audit_events (kind, sequence);
CREATE TRIGGER audit_events_append_only_update BEFORE UPDATE ON audit_events
BEGIN SELECT RAISE(ABORT, 'the audit trail is append-only'); END;
CREATE TRIGGER audit_events_append_only_delete BEFORE DELETE ON audit_events
BEGIN SELECT RAISE(ABORT, 'the audit trail is append-only'); END;

CREATE TABLE results (
    id INTEGER PRIMARY KEY,
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
    data BLOB NOT NULL,
    sha256 TEXT NOT NULL
);
-- The listing's columns ride in its indices, so a filtered listing reads the index alone.
CREATE INDEX results_started ON results (started_utc, id, result_id, kind, state, sample, method, operator_name,
    workstation, instrument_model, instrument_serial, instrument_firmware, ended_utc, utc_offset_minutes,
    data_format, sha256);
CREATE INDEX results_operator ON results (operator_name, started_utc, id, result_id, kind, state, sample, method,
    workstation, instrument_model, instrument_serial, instrument_firmware, ended_utc, utc_offset_minutes,
    data_format, sha256);
CREATE INDEX results_kind ON results (kind, started_utc, id, result_id, state, sample, method, operator_name,
    workstation, instrument_model, instrument_serial, instrument_firmware, ended_utc, utc_offset_minutes,
    data_format, sha256);
CREATE TRIGGER results_unchanged_update BEFORE UPDATE ON results
BEGIN SELECT RAISE(ABORT, 'a stored result never changes'); END;
CREATE TRIGGER results_unchanged_delete BEFORE DELETE ON results
BEGIN SELECT RAISE(ABORT, 'a stored result never changes'); END;
)sql";

} // namespace

const std::vector<Migration> &migrations() {
    static const std::vector<Migration> all = {
        {1, "audit trail and results", kTrailAndResults},
    };
    return all;
}

} // namespace spectavo::store
