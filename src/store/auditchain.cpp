#include "store/auditchain.h"

#include <charconv>

#include "core/shell/sha256.h"

namespace spectavo::store {
namespace {

void appendField(std::string &out, const std::string &field) {
    out += '\n';
    out += std::to_string(field.size());
    out += ':';
    out += field;
}

bool isLowerHex(const std::string &text) {
    return text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

} // namespace

std::string canonicalEncoding(const AuditEvent &event) {
    std::string out = "spectavo-audit-1";
    out.reserve(out.size() + 160 + event.user.size() + event.object.size() + event.details.size());
    appendField(out, std::to_string(event.sequence));
    appendField(out, event.eventId);
    appendField(out, event.utc);
    appendField(out, event.user);
    appendField(out, event.workstation);
    appendField(out, event.kind);
    appendField(out, event.object);
    appendField(out, event.details);
    appendField(out, event.previousHash);
    return out;
}

std::string eventHash(const AuditEvent &event) {
    return shell::sha256Hex(canonicalEncoding(event));
}

bool ChainVerifier::accept(const AuditEvent &event) {
    const std::int64_t expected = m_head ? m_head->first + 1 : 1;
    const std::string &previous = m_head ? m_head->second : std::string(kGenesisHash);
    const std::string at = "event " + std::to_string(event.sequence);
    if (event.sequence != expected)
        m_problem = at + ": the trail has no event " + std::to_string(expected);
    else if (event.previousHash != previous)
        m_problem = at + ": it does not name the event before it";
    else if (event.hash != eventHash(event))
        m_problem = at + ": its contents do not match its hash";
    if (!m_problem.empty())
        return false;
    m_head = {event.sequence, event.hash};
    ++m_checked;
    return true;
}

std::optional<ChainAnchor> parseAnchor(const std::string &text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0)
        return std::nullopt;
    ChainAnchor anchor;
    const char *end = text.data() + colon;
    const auto [stop, error] = std::from_chars(text.data(), end, anchor.sequence);
    anchor.hashPrefix = text.substr(colon + 1);
    if (error != std::errc{} || stop != end || anchor.sequence < 1 || anchor.hashPrefix.size() < 16 ||
        anchor.hashPrefix.size() > 64 || !isLowerHex(anchor.hashPrefix))
        return std::nullopt;
    return anchor;
}

std::string anchorText(std::int64_t sequence, const std::string &hash) {
    return std::to_string(sequence) + ":" + hash.substr(0, 16);
}

} // namespace spectavo::store
