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

namespace {

void appendCanonical(std::string &out, const AuditEvent &event) {
    out += "spectavo-audit-1";
    appendField(out, std::to_string(event.sequence));
    appendField(out, event.eventId);
    appendField(out, event.utc);
    appendField(out, event.user);
    appendField(out, event.workstation);
    appendField(out, event.kind);
    appendField(out, event.object);
    appendField(out, event.details);
    appendField(out, event.previousHash);
}

} // namespace

std::string canonicalEncoding(const AuditEvent &event) {
    std::string out;
    appendCanonical(out, event);
    return out;
}

std::string eventHash(const AuditEvent &event) {
    // Verifying a long trail hashes every event: the encoding's buffer is kept between calls.
    thread_local std::string encoding;
    encoding.clear();
    appendCanonical(encoding, event);
    return shell::sha256Hex(encoding);
}

bool ChainVerifier::accept(const AuditEvent &event) {
    const std::int64_t expected = m_head ? m_head->first + 1 : 1;
    const std::string_view previous =
        m_head ? std::string_view(m_head->second) : std::string_view(kGenesisHash);
    const char *problem = nullptr;
    if (event.sequence != expected)
        problem = ": the trail has no event ";
    else if (event.previousHash != previous)
        problem = ": it does not name the event before it";
    else if (event.hash != eventHash(event))
        problem = ": its contents do not match its hash";
    if (problem) {
        m_problem = "event " + std::to_string(event.sequence) + problem;
        if (event.sequence != expected)
            m_problem += std::to_string(expected);
        return false;
    }
    if (!m_head)
        m_head.emplace();
    m_head->first = event.sequence;
    m_head->second = event.hash;
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
