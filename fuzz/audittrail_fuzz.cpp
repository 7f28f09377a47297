// What an auditor hands the program: an anchor typed from a logbook, and a trail whose rows anyone
// with the database's rights may have written. Checking them must say yes or no, never misread.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/auditchain.h"

namespace {

// One event per line, its fields separated by tabs, in the order of the encoding.
spectavo::store::AuditEvent eventOf(std::string_view line) {
    spectavo::store::AuditEvent event;
    std::string *fields[] = {&event.eventId,     &event.utc,          &event.user,
                             &event.workstation, &event.kind,         &event.object,
                             &event.details,     &event.previousHash, &event.hash};
    std::size_t field = 0;
    for (std::size_t start = 0; start <= line.size() && field < 10; ++field) {
        const std::size_t tab = std::min(line.find('\t', start), line.size());
        const std::string_view text = line.substr(start, tab - start);
        if (field == 0)
            std::from_chars(text.data(), text.data() + text.size(), event.sequence);
        else
            fields[field - 1]->assign(text);
        start = tab + 1;
    }
    return event;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t firstLine = std::min(input.find('\n'), input.size());
    if (const auto anchor = spectavo::store::parseAnchor(std::string(input.substr(0, firstLine))))
        (void)spectavo::store::anchorText(anchor->sequence, anchor->hashPrefix);
    spectavo::store::ChainVerifier verifier;
    for (std::size_t start = firstLine + 1; start < input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        if (!verifier.accept(eventOf(input.substr(start, end - start))))
            break;
        start = end + 1;
    }
    return 0;
}
