#include "store/resultstore.h"

#include "core/shell/sha256.h"
#include "store/eventstamp.h"
#include "store/jsontext.h"
#include "store/storecolumns.h"

namespace spectavo::store {

AuditEvent chainedEvent(const NewEvent &event, const std::optional<AuditEvent> &head,
                        const std::string &workstation) {
    AuditEvent stored;
    stored.sequence = head ? head->sequence + 1 : 1;
    stored.eventId = event.eventId.empty() ? uniqueId() : validUtf8(event.eventId);
    stored.utc = event.utc.empty() ? utcText(std::chrono::system_clock::now()) : validUtf8(event.utc);
    stored.user = validUtf8(event.user);
    stored.workstation = validUtf8(workstation);
    stored.kind = validUtf8(event.kind);
    stored.object = validUtf8(event.object);
    stored.details = event.details.empty() ? "{}" : validUtf8(event.details);
    stored.previousHash = head ? head->hash : kGenesisHash;
    stored.hash = eventHash(stored);
    return stored;
}

ResultRecord resultToStore(const ResultRecord &result, const std::string &workstation) {
    ResultRecord stored = result;
    if (stored.resultId.empty())
        stored.resultId = uniqueId();
    if (stored.workstation.empty())
        stored.workstation = workstation;
    // A name from an old file or the instrument may carry bytes no text column takes; the data
    // itself is kept as it is.
    for (std::string *text : textFieldsOf(stored))
        *text = validUtf8(*text);
    stored.dataFormat = validUtf8(stored.dataFormat);
    stored.sha256 = shell::sha256Hex(stored.data);
    return stored;
}

NewEvent measurementEvent(const ResultRecord &stored) {
    // Appended rather than concatenated: GCC 12 at -O3 misreads "literal" + temporary (-Wrestrict).
    std::string object = "result ";
    object += std::to_string(stored.id);
    std::string eventId = "m";
    eventId += stored.resultId.substr(0, 31);
    return {stored.operatorName, "measurement", object,
            jsonObject({{"result_id", stored.resultId},
                        {"kind", stored.kind},
                        {"state", stored.state},
                        {"sample", stored.sample},
                        {"method", stored.method},
                        {"instrument", stored.instrumentModel + " " + stored.instrumentSerial},
                        {"sha256", stored.sha256}}),
            // The result's own id makes its event's: forwarded twice, both are kept once.
            eventId, stored.endedUtc};
}

} // namespace spectavo::store
