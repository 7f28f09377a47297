#include "report.h"

#include "core/strings/cformat.h"

namespace spectavo::cli {

std::string jsonQuoted(const std::string &text) {
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

Report::Field Report::numberField(const std::string &key, double value, int decimals) {
    return {key, (decimals < 0 ? strings::formatC("%.6g", value) : strings::formatC("%.*f", decimals, value)),
            false};
}

std::string Report::render(bool json) const {
    std::string out;
    if (!json) {
        for (const Entry &entry : m_entries) {
            if (!entry.isList) {
                out += entry.key + ": " + entry.value + "\n";
                continue;
            }
            out += entry.key + ":\n";
            for (const auto &row : entry.rows) {
                out += " ";
                for (const Field &field : row)
                    out += " " + field.key + "=" + field.value;
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
            out += entry.quoted ? jsonQuoted(entry.value) : entry.value;
            continue;
        }
        out += "[";
        for (std::size_t r = 0; r < entry.rows.size(); ++r) {
            out += r ? ", {" : "{";
            for (std::size_t f = 0; f < entry.rows[r].size(); ++f) {
                const Field &field = entry.rows[r][f];
                out += (f ? ", " : "") + jsonQuoted(field.key) + ": " +
                       (field.quoted ? jsonQuoted(field.value) : field.value);
            }
            out += "}";
        }
        out += "]";
    }
    return out + "}\n";
}

} // namespace spectavo::cli
