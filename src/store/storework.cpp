#include "store/storework.h"

#include <array>
#include <charconv>
#include <vector>

#include "store/eventstamp.h"
#include "store/storecolumns.h"

namespace spectavo::store {
namespace {

constexpr std::size_t kEventFields = 6;
constexpr std::size_t kResultFields = 15;

void appendField(std::string &out, std::string_view field) {
    out += std::to_string(field.size());
    out += ':';
    out += field;
}

// Reads `count` fields; nothing when a length is missing, malformed or runs past the end, or when
// bytes are left over.
std::optional<std::vector<std::string>> readFields(std::string_view bytes, std::size_t count) {
    std::vector<std::string> fields;
    while (fields.size() < count) {
        const std::size_t colon = bytes.find(':');
        // One spelling per length (no leading zeros), so that what reads also writes back the same.
        if (colon == std::string_view::npos || colon == 0 || colon > 12 || (bytes[0] == '0' && colon > 1))
            return std::nullopt;
        std::size_t length = 0;
        const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + colon, length);
        if (error != std::errc() || end != bytes.data() + colon || length > bytes.size() - colon - 1)
            return std::nullopt;
        fields.emplace_back(bytes.substr(colon + 1, length));
        bytes.remove_prefix(colon + 1 + length);
    }
    if (!bytes.empty())
        return std::nullopt;
    return fields;
}

std::optional<int> offsetOf(const std::string &text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || std::to_string(value) != text)
        return std::nullopt;
    return value;
}

std::optional<StoreWork> resultOfFields(const std::vector<std::string> &fields) {
    ResultRecord result;
    std::size_t next = 0;
    for (std::string *text : textFieldsOf(result))
        *text = fields[next++];
    const std::optional<int> offset = offsetOf(fields[next++]);
    if (!offset)
        return std::nullopt;
    result.utcOffsetMinutes = *offset;
    result.dataFormat = fields[next++];
    result.data = fields[next];
    return result;
}

} // namespace

void stampWork(StoreWork &work) {
    if (auto *event = std::get_if<NewEvent>(&work)) {
        if (event->eventId.empty())
            event->eventId = uniqueId();
        if (event->utc.empty())
            event->utc = utcText(std::chrono::system_clock::now());
    } else if (auto &result = std::get<ResultRecord>(work); result.resultId.empty()) {
        result.resultId = uniqueId();
    }
}

// The tags are written as characters: GCC 12 at -O3 misreads assigning a literal here (-Wrestrict).
std::string encodeWork(const StoreWork &work) {
    if (const auto *event = std::get_if<NewEvent>(&work)) {
        std::string out(1, 'E');
        for (const std::string *field :
             {&event->user, &event->kind, &event->object, &event->details, &event->eventId, &event->utc})
            appendField(out, *field);
        return out;
    }
    const auto &result = std::get<ResultRecord>(work);
    std::string out(1, 'R');
    for (const std::string *text : textFieldsOf(result))
        appendField(out, *text);
    appendField(out, std::to_string(result.utcOffsetMinutes));
    appendField(out, result.dataFormat);
    appendField(out, result.data);
    return out;
}

std::optional<StoreWork> decodeWork(std::string_view bytes) {
    if (bytes.empty())
        return std::nullopt;
    const char tag = bytes.front();
    bytes.remove_prefix(1);
    if (tag == 'E') {
        const auto fields = readFields(bytes, kEventFields);
        if (!fields)
            return std::nullopt;
        const auto &f = *fields;
        return NewEvent{f[0], f[1], f[2], f[3], f[4], f[5]};
    }
    if (tag == 'R') {
        const auto fields = readFields(bytes, kResultFields);
        return fields ? resultOfFields(*fields) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace spectavo::store
