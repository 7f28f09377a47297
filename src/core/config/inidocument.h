#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace spectavo {

// The text of an INI profile file held in memory, with the access rules every settings and data file
// relies on: lines before the first section belong to no section and are never read or changed;
// section and key names match without regard to case, the first match counting; a new key goes to
// the end of its section, a new section to the end of the file. Untouched lines keep their bytes,
// line ends included, so a data file with INI sections behind its data survives a write unchanged.
//
// Memory stays near the size of the text: lines are kept as places in the text the document owns, and
// the lines nothing ever reads (blank lines, comments, repeated keys) are kept as one run each, so
// megabytes of blank lines cost a few bytes of bookkeeping. Past a bound on sections and keys, the
// rest is kept as such runs too: it survives a write, but no file of the program has that many. A
// section whose name came before is never read (the first counts), so it is kept as a run as well.
class IniDocument {
public:
    static constexpr std::size_t kMaxSections = 10'000;
    static constexpr std::size_t kMaxKeys = 200'000;

    IniDocument() = default;
    static IniDocument parse(std::string text);

    // The value with its surrounding blanks removed, or nothing when the section or key is missing.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;

    // Stores a value. Refuses (false, nothing changed) names and values that the line format cannot
    // hold: line breaks anywhere, '=' in a key, ']' in a section name, an empty key.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string serialize() const;

    static bool isStorableSection(std::string_view section);
    static bool isStorableKey(std::string_view key);
    static bool isStorableValue(std::string_view value);

private:
    // One line, or a run of lines that are never read (filler). A line lives in the source text
    // (offset, length) until it is changed; the text excludes the last line's end, which is `end`.
    struct Line {
        std::size_t offset = 0;
        std::size_t length = 0;
        std::string owned;
        bool isOwned = false;
        bool filler = false;
        // A run that starts with the header of a section read elsewhere (a repeated name, or one past
        // the bound): neither it nor anything behind it belongs to the section it sits in.
        bool folded = false;
        std::string_view end; // "\r\n", "\n", or "" for a last line without a line end
    };
    struct Section {
        Line header;
        std::vector<Line> body;
        std::unordered_map<std::string, std::size_t> keys; // lower-case key -> first body line
    };

    std::string_view textOf(const Line &line) const;
    static Line owning(std::string text, std::string_view end);
    void keepFiller(std::vector<Line> &lines, std::size_t offset, std::size_t length, std::string_view end);
    void addLine(std::size_t offset, std::size_t length, std::string_view end);
    Section &appendSection(std::string_view name);
    void appendKey(Section &section, std::string_view key, std::string_view value);
    std::size_t insertionPoint(Section &section);
    Line &lastLineBefore(Section &section, std::size_t bodyIndex);

    std::string m_source;
    std::vector<Line> m_preamble;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex; // lower-case name -> first section
    std::size_t m_keyCount = 0;
    bool m_folding = false; // the lines being read belong to a folded section
    std::string_view m_lineEnd = "\n";
};

} // namespace spectavo
