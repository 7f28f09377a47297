#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace spectavo::store {

// The hash a first event names as its predecessor.
inline constexpr const char *kGenesisHash =
    "0000000000000000000000000000000000000000000000000000000000000000";

// One event of the audit trail, as stored. The trail is a chain: each event carries the hash of the
// event before it and its own hash over its fields and that one, so an event changed, removed or put
// in between breaks every hash after it.
struct AuditEvent {
    std::int64_t sequence = 0;
    // Unique across workstations, so that an event forwarded twice is stored once.
    std::string eventId;
    // UTC, ISO 8601 with milliseconds: "2026-12-11T14:05:32.123Z".
    std::string utc;
    std::string user;
    std::string workstation;
    std::string kind;
    // What the event concerns: a file path, a result id, a settings key; may be empty.
    std::string object;
    // A JSON object with the event's particulars ("{}" when it has none).
    std::string details;
    std::string previousHash;
    std::string hash;
};

// The bytes an event's hash is taken over: the line "spectavo-audit-1", then for each field in this
// order - sequence (decimal), event id, UTC time, user, workstation, kind, object, details, previous
// hash - a newline, the field's length in bytes (decimal), a colon and the field's bytes. The lengths
// make the encoding unambiguous whatever the fields contain.
std::string canonicalEncoding(const AuditEvent &event);
// SHA-256 of the canonical encoding, 64 lower-case hexadecimal digits.
std::string eventHash(const AuditEvent &event);

// Checks a trail event by event, in sequence order.
class ChainVerifier {
public:
    // False, with the reason, at the first event that does not follow from the ones before.
    bool accept(const AuditEvent &event);
    const std::string &problem() const { return m_problem; }
    std::int64_t checked() const { return m_checked; }
    // The last accepted event's sequence number and hash.
    std::optional<std::pair<std::int64_t, std::string>> head() const { return m_head; }

private:
    std::optional<std::pair<std::int64_t, std::string>> m_head;
    std::int64_t m_checked = 0;
    std::string m_problem;
};

// "SEQ:HASH" as the trail's head is printed; a hash prefix of at least 16 digits is accepted.
struct ChainAnchor {
    std::int64_t sequence = 0;
    std::string hashPrefix;
};
std::optional<ChainAnchor> parseAnchor(const std::string &text);
std::string anchorText(std::int64_t sequence, const std::string &hash);

} // namespace spectavo::store
