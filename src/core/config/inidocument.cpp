#include "core/config/inidocument.h"

#include <algorithm>
#include <initializer_list>

namespace spectavo {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

// The name of a section header line ("[name]", blanks allowed around it), or nothing.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(text.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing for blank lines, comments and other text.
std::optional<std::string_view> keyOf(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';')
        return std::nullopt;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trimmed(text.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return key;
}

std::string_view valueOf(std::string_view line) {
    return trimmed(line.substr(line.find('=') + 1));
}

// Pieces of a line joined with one allocation. (GCC 12 at -O3 takes "[" + std::string(name) + "]" for
// an overlapping copy and warns; appending to a reserved string says the same without the alarm.)
std::string joined(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (std::string_view piece : pieces)
        size += piece.size();
    std::string line;
    line.reserve(size);
    for (std::string_view piece : pieces)
        line.append(piece);
    return line;
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

IniDocument IniDocument::parse(std::string text) {
    IniDocument document;
    document.m_source = std::move(text);
    const std::string_view source = document.m_source;
    bool lineEndChosen = false;
    std::size_t at = 0;
    while (at < source.size()) {
        const std::size_t newline = source.find('\n', at);
        std::size_t length = 0;
        std::string_view end;
        std::size_t next = source.size();
        if (newline == std::string_view::npos) {
            length = source.size() - at;
        } else {
            const bool crlf = newline > at && source[newline - 1] == '\r';
            length = (crlf ? newline - 1 : newline) - at;
            end = crlf ? kCrLf : kLf;
            next = newline + 1;
            if (!lineEndChosen) {
                // New lines follow the file's own convention, taken from its first line end.
                document.m_lineEnd = end;
                lineEndChosen = true;
            }
        }
        document.addLine(at, length, end);
        at = next;
    }
    return document;
}

void IniDocument::addLine(std::size_t offset, std::size_t length, std::string_view end) {
    const std::string_view text = std::string_view(m_source).substr(offset, length);
    if (const auto name = sectionName(text)) {
        const std::string lowerName = lowered(*name);
        if (!m_sectionIndex.contains(lowerName) && m_sections.size() < kMaxSections) {
            m_sectionIndex.emplace(lowerName, m_sections.size());
            m_sections.push_back(Section{Line{offset, length, {}, false, false, false, end}, {}, {}});
            m_folding = false;
            return;
        }
        if (!m_sections.empty()) {
            m_sections.back().body.push_back(Line{offset, length, {}, false, true, true, end});
            m_folding = true;
            return;
        }
    }
    if (m_sections.empty()) {
        keepFiller(m_preamble, offset, length, end);
        return;
    }
    Section &section = m_sections.back();
    const auto key = m_folding ? std::nullopt : keyOf(text);
    if (key && m_keyCount < kMaxKeys && section.keys.try_emplace(lowered(*key), section.body.size()).second) {
        ++m_keyCount;
        section.body.push_back(Line{offset, length, {}, false, false, false, end});
        return;
    }
    keepFiller(section.body, offset, length, end);
}

// A line nobody reads joins the run before it, when that run ends right where it begins.
void IniDocument::keepFiller(std::vector<Line> &lines, std::size_t offset, std::size_t length,
                             std::string_view end) {
    if (!lines.empty()) {
        Line &last = lines.back();
        if (last.filler && !last.isOwned && last.offset + last.length + last.end.size() == offset) {
            last.length = offset + length - last.offset;
            last.end = end;
            return;
        }
    }
    lines.push_back(Line{offset, length, {}, false, true, false, end});
}

std::string_view IniDocument::textOf(const Line &line) const {
    return line.isOwned ? std::string_view(line.owned)
                        : std::string_view(m_source).substr(line.offset, line.length);
}

IniDocument::Line IniDocument::owning(std::string text, std::string_view end) {
    Line line;
    line.owned = std::move(text);
    line.isOwned = true;
    line.end = end;
    return line;
}

std::optional<std::string_view> IniDocument::value(std::string_view section, std::string_view key) const {
    const auto foundSection = m_sectionIndex.find(lowered(trimmed(section)));
    if (foundSection == m_sectionIndex.end())
        return std::nullopt;
    const Section &entries = m_sections[foundSection->second];
    const auto foundKey = entries.keys.find(lowered(trimmed(key)));
    if (foundKey == entries.keys.end())
        return std::nullopt;
    return valueOf(textOf(entries.body[foundKey->second]));
}

bool IniDocument::isStorableSection(std::string_view section) {
    return !hasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool IniDocument::isStorableKey(std::string_view key) {
    const std::string_view name = trimmed(key);
    return !name.empty() && !hasLineBreak(key) && key.find('=') == std::string_view::npos &&
           name.front() != '[' && name.front() != ';';
}

bool IniDocument::isStorableValue(std::string_view value) {
    return !hasLineBreak(value);
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!isStorableSection(section) || !isStorableKey(key) || !isStorableValue(value))
        return false;
    const std::string_view keyName = trimmed(key);

    const auto foundSection = m_sectionIndex.find(lowered(trimmed(section)));
    Section &target = foundSection == m_sectionIndex.end() ? appendSection(trimmed(section))
                                                           : m_sections[foundSection->second];

    const auto foundKey = target.keys.find(lowered(keyName));
    if (foundKey == target.keys.end()) {
        appendKey(target, keyName, value);
        return true;
    }
    Line &line = target.body[foundKey->second];
    const std::string storedKey(*keyOf(textOf(line)));
    line = owning(joined({storedKey, "=", value}), line.end);
    return true;
}

IniDocument::Line &IniDocument::lastLineBefore(Section &section, std::size_t bodyIndex) {
    return bodyIndex == 0 ? section.header : section.body[bodyIndex - 1];
}

IniDocument::Section &IniDocument::appendSection(std::string_view name) {
    Line *last = nullptr;
    if (!m_sections.empty())
        last = &lastLineBefore(m_sections.back(), m_sections.back().body.size());
    else if (!m_preamble.empty())
        last = &m_preamble.back();
    if (last && last->end.empty())
        last->end = m_lineEnd;

    m_sectionIndex.try_emplace(lowered(name), m_sections.size());
    m_sections.push_back(Section{owning(joined({"[", name, "]"}), m_lineEnd), {}, {}});
    return m_sections.back();
}

// Where a run of lines stops holding anything but blank lines: the index of the '\n' that ends its last
// non-blank line, text.size() when its last line is not blank, nothing when it is blank throughout.
std::optional<std::size_t> lastTextEnd(std::string_view text) {
    std::size_t lineEnd = text.size();
    for (;;) {
        const std::size_t newline = lineEnd == 0 ? std::string_view::npos : text.rfind('\n', lineEnd - 1);
        const std::size_t lineStart = newline == std::string_view::npos ? 0 : newline + 1;
        if (!trimmed(text.substr(lineStart, lineEnd - lineStart)).empty())
            return lineEnd;
        if (newline == std::string_view::npos)
            return std::nullopt;
        lineEnd = newline;
    }
}

// Behind the section's last non-blank line, so blank lines that separate it from the next section
// stay where they are. A run of filler that ends in blank lines is split where they begin.
std::size_t IniDocument::insertionPoint(Section &section) {
    // A folded section behind this one's lines is not this section's: keys go before it.
    std::size_t position = section.body.size();
    for (std::size_t i = 0; i < section.body.size(); ++i)
        if (section.body[i].folded) {
            position = i;
            break;
        }
    for (; position > 0; --position) {
        Line &line = section.body[position - 1];
        if (!line.filler)
            return position; // a key's line
        const std::string_view text = textOf(line);
        const std::optional<std::size_t> textEnd = lastTextEnd(text);
        if (!textEnd)
            continue; // blank throughout: look further up
        if (*textEnd >= text.size())
            return position;
        // The head keeps the lines up to the last non-blank one, whose end is the '\n' at textEnd; the
        // tail keeps the blank lines behind it.
        const bool crlf = *textEnd > 0 && text[*textEnd - 1] == '\r';
        Line tail = line;
        tail.offset = line.offset + *textEnd + 1;
        tail.length = line.length - *textEnd - 1;
        line.length = *textEnd - (crlf ? 1 : 0);
        line.end = crlf ? kCrLf : kLf;
        section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(position), std::move(tail));
        return position;
    }
    return 0;
}

void IniDocument::appendKey(Section &section, std::string_view key, std::string_view value) {
    const std::size_t position = insertionPoint(section);
    Line &previous = lastLineBefore(section, position);
    if (previous.end.empty())
        previous.end = m_lineEnd;
    section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(position),
                        owning(joined({key, "=", value}), m_lineEnd));
    // Only blank lines follow the insertion point, so no indexed key moved.
    section.keys.try_emplace(lowered(key), position);
    ++m_keyCount;
}

std::string IniDocument::serialize() const {
    std::size_t size = 0;
    auto measure = [this, &size](const Line &line) { size += textOf(line).size() + line.end.size(); };
    std::for_each(m_preamble.begin(), m_preamble.end(), measure);
    for (const Section &section : m_sections) {
        measure(section.header);
        std::for_each(section.body.begin(), section.body.end(), measure);
    }

    std::string text;
    text.reserve(size);
    auto append = [this, &text](const Line &line) {
        text += textOf(line);
        text += line.end;
    };
    std::for_each(m_preamble.begin(), m_preamble.end(), append);
    for (const Section &section : m_sections) {
        append(section.header);
        std::for_each(section.body.begin(), section.body.end(), append);
    }
    return text;
}

} // namespace spectavo
