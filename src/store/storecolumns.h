#pragma once

#include <array>
#include <string>

#include "store/resultstore.h"

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

inline constexpr const char *kAccountColumns = "SELECT user_id, full_name, role, state, password_hash, "
                                               "must_change, failed_attempts, created_utc FROM accounts";
inline constexpr const char *kSignatureColumns =
    "SELECT id, target, content_sha256, user_id, full_name, meaning, comment, utc FROM signatures";
// Both engines' upsert: a new account, or the changes of one that is there (never its user id).
inline constexpr const char *kSaveAccount =
    "INSERT INTO accounts (user_id, full_name, role, state, password_hash, must_change, failed_attempts, "
    "created_utc) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (user_id) DO UPDATE SET full_name = "
    "excluded.full_name, role = excluded.role, state = excluded.state, password_hash = "
    "excluded.password_hash, "
    "must_change = excluded.must_change, failed_attempts = excluded.failed_attempts";
inline constexpr const char *kInsertSignature =
    "INSERT INTO signatures (target, content_sha256, user_id, full_name, meaning, comment, utc) "
    "VALUES (?, ?, ?, ?, ?, ?, ?)";

// The account's text columns in the table's order, less the two numbers.
template <typename AccountRecord>
auto accountTextsOf(AccountRecord &account) {
    return std::array{&account.userId, &account.fullName, &account.role, &account.state,
                      &account.passwordHash};
}

template <typename SignatureRecord>
auto signatureTextsOf(SignatureRecord &signature) {
    return std::array{&signature.target,  &signature.contentSha256, &signature.userId, &signature.fullName,
                      &signature.meaning, &signature.comment,       &signature.utc};
}

// Rows of either engine (a prepared statement's or a server's answer) read alike.
template <typename Row>
Account accountOfRow(const Row &row) {
    Account account;
    int column = 0;
    for (std::string *text : accountTextsOf(account))
        row.readText(column++, *text);
    account.mustChangePassword = row.integer(5) != 0;
    account.failedAttempts = static_cast<int>(row.integer(6));
    account.createdUtc = row.text(7);
    return account;
}

template <typename Row>
Signature signatureOfRow(const Row &row) {
    Signature signature;
    signature.id = row.integer(0);
    int column = 1;
    for (std::string *text : signatureTextsOf(signature))
        row.readText(column++, *text);
    return signature;
}

} // namespace spectavo::store
