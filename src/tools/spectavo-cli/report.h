#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace spectavo::cli {

// What a command prints: "key: value" lines for people, one JSON object with --json for scripts.
class Report {
public:
    void text(const std::string &key, const std::string &value);
    void number(const std::string &key, double value, int decimals = -1);
    void integer(const std::string &key, long long value);
    void boolean(const std::string &key, bool value);
    // Text of several lines (a CSV table): printed line by line under its key for people, one string
    // in JSON.
    void lines(const std::string &key, const std::string &text);
    // A list of objects (files, dark levels); each object is a list of already formatted fields.
    struct Field {
        std::string key;
        std::string value;
        bool quoted;
    };
    void list(const std::string &key, std::vector<std::vector<Field>> rows);
    // An array of numbers ("[a, b, ...]" in JSON and in text).
    void numbers(const std::string &key, const std::vector<double> &values, int decimals);
    // Whether a number is not finite: JSON shows it as null, and the reader is warned.
    bool hasNonFinite() const;

    std::string render(bool json) const;
    // The value given under a key by text(), or nothing.
    std::optional<std::string> textOf(const std::string &key) const;

    static Field textField(const std::string &key, const std::string &value) { return {key, value, true}; }
    static Field numberField(const std::string &key, double value, int decimals = -1);

private:
    static std::string jsonNumber(const std::string &formatted);
    struct Entry {
        std::string key;
        std::string value;
        bool quoted;
        std::vector<std::vector<Field>> rows;
        bool isList = false;
        bool isLines = false;
    };
    std::vector<Entry> m_entries;
    bool m_nonFiniteArrays = false;
};

// Text as a JSON string: valid UTF-8 (invalid bytes become U+FFFD), control characters escaped.
std::string jsonQuoted(const std::string &text);
// Text for a terminal: valid UTF-8, control characters (escape sequences among them) shown as \xNN.
std::string printable(const std::string &text);
std::string validUtf8(const std::string &text);

} // namespace spectavo::cli
