#include "store/resultstore.h"

namespace spectavo::store {

TrailCheck verifyTrail(ResultStore &store, const std::optional<ChainAnchor> &anchor) {
    ChainVerifier verifier;
    TrailCheck check;
    bool anchorSeen = false;
    store.visitEvents({}, [&](const AuditEvent &event) {
        if (!verifier.accept(event)) {
            check.holds = false;
            check.problem = verifier.problem();
            return false;
        }
        if (anchor && event.sequence == anchor->sequence) {
            anchorSeen = true;
            if (event.hash.compare(0, anchor->hashPrefix.size(), anchor->hashPrefix) != 0) {
                check.holds = false;
                check.problem = "event " + std::to_string(event.sequence) + ": it is not the anchored event";
                return false;
            }
        }
        return true;
    });
    check.events = verifier.checked();
    if (check.holds && anchor && !anchorSeen) {
        check.holds = false;
        check.problem = "event " + std::to_string(anchor->sequence) + ": the trail no longer holds it";
    }
    return check;
}

} // namespace spectavo::store
