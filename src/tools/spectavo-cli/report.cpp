#include "report.h"

#include <algorithm>
#include <cmath>

#include "core/strings/cformat.h"

namespace spectavo::cli {

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there starts none.
std::size_t utf8Length(const std::string &text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    if ((length == 2 && lead < 0xC2) || (length == 3 && lead == 0xE0 && byte(at + 1) < 0xA0) ||
        (length == 3 && lead == 0xED && byte(at + 1) >= 0xA0) ||
        (length == 4 && lead == 0xF0 && byte(at + 1) < 0x90) ||
        (length == 4 && (lead > 0xF4 || (lead == 0xF4 && byte(at + 1) >= 0x90))))
        return 0; // overlong forms, surrogates, beyond U+10FFFF
    return length;
}

constexpr const char *kReplacement = "\xEF\xBF\xBD"; // U+FFFD

bool nonFinite(const std::string &formatted) {
    return formatted.find("nan") != std::string::npos || formatted.find("inf") != std::string::npos;
}

} // namespace

std::string validUtf8(const std::string &text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8Length(text, at);
        if (length == 0) {
            out += kReplacement;
            ++at;
        } else {
            out.append(text, at, length);
            at += length;
        }
    }
    return out;
}

std::string printable(const std::string &text) {
    std::string out;
    for (const char c : validUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            out += strings::formatC("\\x%02x", static_cast<unsigned>(byte));
        else
            out += c;
    }
    return out;
}

std::string jsonQuoted(const std::string &raw) {
    const std::string text = validUtf8(raw);
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += strings::formatC("\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
            else
                out += c;
        }
    }
    return out + "\"";
}

void Report::text(const std::string &key, const std::string &value) {
    m_entries.push_back({key, value, true, {}});
}

std::optional<std::string> Report::textOf(const std::string &key) const {
    for (const Entry &entry : m_entries)
        if (entry.key == key && entry.quoted && !entry.isList && !entry.isLines)
            return entry.value;
    return std::nullopt;
}

void Report::lines(const std::string &key, const std::string &text) {
    m_entries.push_back({key, text, true, {}, false, true});
}

void Report::number(const std::string &key, double value, int decimals) {
    m_entries.push_back(
        {key,
         (decimals < 0 ? strings::formatC("%.6g", value) : strings::formatC("%.*f", decimals, value)),
         false,
         {}});
}

void Report::integer(const std::string &key, long long value) {
    m_entries.push_back({key, strings::formatC("%lld", value), false, {}});
}

void Report::boolean(const std::string &key, bool value) {
    m_entries.push_back({key, value ? "true" : "false", false, {}});
}

void Report::list(const std::string &key, std::vector<std::vector<Field>> rows) {
    Entry entry{key, "", false, std::move(rows)};
    entry.isList = true;
    m_entries.push_back(std::move(entry));
}

void Report::numbers(const std::string &key, const std::vector<double> &values, int decimals) {
    std::string array = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        const bool finite = std::isfinite(values[i]);
        m_nonFiniteArrays = m_nonFiniteArrays || !finite;
        array +=
            (i ? ", " : "") + (finite ? strings::formatC("%.*f", decimals, values[i]) : std::string("null"));
    }
    m_entries.push_back({key, array + "]", false, {}});
}

bool Report::hasNonFinite() const {
    if (m_nonFiniteArrays)
        return true;
    for (const Entry &entry : m_entries) {
        if (!entry.quoted && !entry.isList && nonFinite(entry.value))
            return true;
        for (const auto &row : entry.rows)
            for (const Field &field : row)
                if (!field.quoted && nonFinite(field.value))
                    return true;
    }
    return false;
}

Report::Field Report::numberField(const std::string &key, double value, int decimals) {
    return {key, (decimals < 0 ? strings::formatC("%.6g", value) : strings::formatC("%.*f", decimals, value)),
            false};
}

// A number as JSON has it: a value that is not finite has no JSON number and becomes null.
std::string Report::jsonNumber(const std::string &formatted) {
    return nonFinite(formatted) ? "null" : formatted;
}

std::string Report::render(bool json) const {
    std::string out;
    if (!json) {
        for (const Entry &entry : m_entries) {
            if (entry.isLines) {
                out += entry.key + ":\n";
                std::size_t start = 0;
                while (start < entry.value.size()) {
                    const std::size_t end = std::min(entry.value.find('\n', start), entry.value.size());
                    out += printable(entry.value.substr(start, end - start)) + "\n";
                    start = end + 1;
                }
                continue;
            }
            if (!entry.isList) {
                out += entry.key + ": " + printable(entry.value) + "\n";
                continue;
            }
            out += entry.key + ":\n";
            for (const auto &row : entry.rows) {
                out += " ";
                for (const Field &field : row)
                    out += " " + field.key + "=" + printable(field.value);
                out += "\n";
            }
        }
        return out;
    }
    out = "{";
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries[i];
        out += (i ? ", " : "") + jsonQuoted(entry.key) + ": ";
        if (!entry.isList) {
            out += entry.quoted ? jsonQuoted(entry.value) : jsonNumber(entry.value);
            continue;
        }
        out += "[";
        for (std::size_t r = 0; r < entry.rows.size(); ++r) {
            out += r ? ", {" : "{";
            for (std::size_t f = 0; f < entry.rows[r].size(); ++f) {
                const Field &field = entry.rows[r][f];
                out += (f ? ", " : "") + jsonQuoted(field.key) + ": " +
                       (field.quoted ? jsonQuoted(field.value) : jsonNumber(field.value));
            }
            out += "}";
        }
        out += "]";
    }
    return out + "}\n";
}

} // namespace spectavo::cli
