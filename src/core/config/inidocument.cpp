#include "core/config/inidocument.h"

#include <algorithm>

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

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    bool lineEndChosen = false;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        Line line;
        if (newline == std::string_view::npos) {
            line.text = std::string(text);
            text = {};
        } else {
            const bool crlf = newline > 0 && text[newline - 1] == '\r';
            line.text = std::string(text.substr(0, crlf ? newline - 1 : newline));
            line.end = crlf ? kCrLf : kLf;
            text.remove_prefix(newline + 1);
            if (!lineEndChosen) {
                // New lines follow the file's own convention, taken from its first line end.
                document.m_lineEnd = line.end;
                lineEndChosen = true;
            }
        }

        if (const auto name = sectionName(line.text)) {
            const std::string lowerName = lowered(*name);
            document.m_sectionIndex.try_emplace(lowerName, document.m_sections.size());
            document.m_sections.push_back(Section{std::move(line), {}, {}});
        } else if (document.m_sections.empty()) {
            document.m_preamble.push_back(std::move(line));
        } else {
            Section &section = document.m_sections.back();
            section.body.push_back(std::move(line));
            document.indexKey(section, section.body.size() - 1);
        }
    }
    return document;
}

void IniDocument::indexKey(Section &section, std::size_t bodyIndex) {
    if (const auto key = keyOf(section.body[bodyIndex].text))
        section.keys.try_emplace(lowered(*key), bodyIndex);
}

std::optional<std::string_view> IniDocument::value(std::string_view section, std::string_view key) const {
    const auto foundSection = m_sectionIndex.find(lowered(trimmed(section)));
    if (foundSection == m_sectionIndex.end())
        return std::nullopt;
    const Section &entries = m_sections[foundSection->second];
    const auto foundKey = entries.keys.find(lowered(trimmed(key)));
    if (foundKey == entries.keys.end())
        return std::nullopt;
    return valueOf(entries.body[foundKey->second].text);
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
    const std::string storedKey(*keyOf(line.text));
    line.text = storedKey + "=" + std::string(value);
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
    m_sections.push_back(Section{Line{"[" + std::string(name) + "]", m_lineEnd}, {}, {}});
    return m_sections.back();
}

void IniDocument::appendKey(Section &section, std::string_view key, std::string_view value) {
    // The key goes behind the section's last non-blank line, so blank lines that separate it from
    // the next section stay where they are.
    std::size_t position = section.body.size();
    while (position > 0 && trimmed(section.body[position - 1].text).empty())
        --position;
    Line &previous = lastLineBefore(section, position);
    if (previous.end.empty())
        previous.end = m_lineEnd;
    section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(position),
                        Line{std::string(key) + "=" + std::string(value), m_lineEnd});
    // Only blank lines followed the insertion point, so no indexed key moved.
    indexKey(section, position);
}

std::string IniDocument::serialize() const {
    std::size_t size = 0;
    auto measure = [&size](const Line &line) { size += line.text.size() + line.end.size(); };
    std::for_each(m_preamble.begin(), m_preamble.end(), measure);
    for (const Section &section : m_sections) {
        measure(section.header);
        std::for_each(section.body.begin(), section.body.end(), measure);
    }

    std::string text;
    text.reserve(size);
    auto append = [&text](const Line &line) {
        text += line.text;
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
