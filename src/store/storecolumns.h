#pragma once

#include <array>
#include <string>

// The columns both engines read and write in the same order, so that their statements agree.

namespace spectavo::store {

inline constexpr const char *kEventColumns =
    "SELECT sequence, event_id, utc, user_name, workstation, kind, object, details, previous_hash, hash "
    "FROM audit_events";

inline constexpr const char *kSummaryColumns =
    "SELECT id, result_id, kind, state, sample, method, operator_name, workstation, instrument_model, "
    "instrument_serial, instrument_firmware, started_utc, ended_utc, utc_offset_minutes, data_format, sha256";

// The text columns from result_id to ended_utc, in the table's order.
template <typename Record>
auto textFieldsOf(Record &result) {
    return std::array{&result.resultId,
                      &result.kind,
                      &result.state,
                      &result.sample,
                      &result.method,
                      &result.operatorName,
                      &result.workstation,
                      &result.instrumentModel,
                      &result.instrumentSerial,
                      &result.instrumentFirmware,
                      &result.startedUtc,
                      &result.endedUtc};
}

// The event's text columns from event_id to hash, in the table's order.
template <typename Event>
auto eventTextsOf(Event &event) {
    return std::array{&event.eventId, &event.utc,     &event.user,         &event.workstation, &event.kind,
                      &event.object,  &event.details, &event.previousHash, &event.hash};
}

} // namespace spectavo::store
