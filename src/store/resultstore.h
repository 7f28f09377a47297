#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/auditchain.h"

namespace spectavo::store {

// A store that cannot do what was asked: the message says what and why, for the operator.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An event to append; the store adds its sequence, workstation and hashes, and its id and time when
// they are not given. Work that waits to be forwarded carries the id and time it got when it
// happened, so that it is stored once and at its own time however often it is sent.
struct NewEvent {
    std::string user;
    std::string kind;
    std::string object;
    std::string details = "{}";
    std::string eventId{};
    std::string utc{};
};

// Which events a listing shows; an empty field does not filter. Times are UTC in the events' own
// form (a prefix such as "2026-12-11" compares as the start of that day).
struct EventFilter {
    std::string since{};
    std::string until{};
    std::string user{};
    std::string kind{};
};

// One kept measurement: its data in its own format with the SHA-256 of those bytes, and its context.
struct ResultRecord {
    std::int64_t id = 0;  // given by the store
    std::string resultId; // unique across workstations; the store gives one when empty
    // "fixed", "wavescan", "timescan", "dna", "validity"
    std::string kind;
    // "complete", "stopped" (by the operator) or "incomplete" (the link broke): what arrived is kept.
    std::string state = "complete";
    std::string sample;
    std::string method;
    std::string operatorName;
    std::string workstation; // given by the store
    std::string instrumentModel;
    std::string instrumentSerial;
    std::string instrumentFirmware;
    std::string startedUtc;
    std::string endedUtc;
    int utcOffsetMinutes = 0; // the workstation's local time then, minutes east of UTC
    // The data's own file format ("sca", "kin", "csv", "json", ...) and its bytes.
    std::string dataFormat;
    std::string data;
    std::string sha256; // given by the store
};

// Which results a listing shows; an empty field does not filter.
struct ResultFilter {
    std::string since{};
    std::string until{};
    std::string operatorName{};
    std::string kind{};
};

// A named account of regulated mode. Never deleted; its user id is never used again.
struct Account {
    std::string userId;
    std::string fullName;
    std::string role;             // "Analyst", "Reviewer", "Lab manager"
    std::string state = "active"; // "active", "locked", "disabled"
    std::string passwordHash;     // Argon2id
    bool mustChangePassword = true;
    int failedAttempts = 0;
    std::string createdUtc;
};

// An electronic signature: who, when, with which meaning, over which content (its SHA-256).
struct Signature {
    std::int64_t id = 0; // given by the store
    // What was signed: "result 12" for a stored result, else a document's path.
    std::string target;
    std::string contentSha256;
    std::string userId;
    std::string fullName;
    std::string meaning; // "Performed", "Reviewed", "Approved"
    std::string comment;
    std::string utc;
};

// The results store and its audit trail, whatever the engine behind it. Safe to use from one thread
// at a time; several processes may append to the same store.
class ResultStore {
public:
    virtual ~ResultStore() = default;

    virtual std::string engine() const = 0;
    virtual std::string location() const = 0;
    // The newest migration the store has.
    virtual int schemaVersion() = 0;

    // Appends in one transaction that holds the chain's head, so that appends from several
    // workstations form one order. Returns the event as stored.
    virtual AuditEvent appendEvent(const NewEvent &event) = 0;
    virtual std::optional<AuditEvent> headEvent() = 0;
    // Matching events in sequence order; the visitor returns false to stop.
    virtual void visitEvents(const EventFilter &filter,
                             const std::function<bool(const AuditEvent &)> &visit) = 0;

    // Keeps a result and, in the same transaction, its "measurement" event. Returns it as stored.
    virtual ResultRecord storeResult(const ResultRecord &result) = 0;
    virtual std::optional<ResultRecord> result(std::int64_t id) = 0;
    // Matching results, newest first, without their data.
    virtual void visitResults(const ResultFilter &filter,
                              const std::function<bool(const ResultRecord &)> &visit) = 0;

    // Adds the account or changes it, and appends the event that says so, in one transaction.
    virtual void saveAccount(const Account &account, const NewEvent &event) = 0;
    virtual std::optional<Account> account(const std::string &userId) = 0;
    // Every account, by user id.
    virtual std::vector<Account> accounts() = 0;
    // Keeps the signature and its event in one transaction; returns it as stored.
    virtual Signature storeSignature(const Signature &signature, const NewEvent &event) = 0;
    // The target's signatures in the order they were given.
    virtual std::vector<Signature> signatures(const std::string &target) = 0;
};

// The trail checked from its first event: whether every event follows from the one before, and,
// with an anchor, whether the anchored event is still there unchanged.
struct TrailCheck {
    bool holds = true;
    std::int64_t events = 0;
    std::string problem;
};
TrailCheck verifyTrail(ResultStore &store, const std::optional<ChainAnchor> &anchor = std::nullopt);

// What every engine does alike around its own statements.
// The event to store after `head` (none for the first).
AuditEvent chainedEvent(const NewEvent &event, const std::optional<AuditEvent> &head,
                        const std::string &workstation);
// The result as it will be stored: its unique id, workstation and hash filled in where not given.
ResultRecord resultToStore(const ResultRecord &result, const std::string &workstation);
// The "measurement" event a stored result brings with it.
NewEvent measurementEvent(const ResultRecord &stored);

} // namespace spectavo::store
