#pragma once

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
    // A list of objects (files, dark levels); each object is a list of already formatted fields.
    struct Field {
        std::string key;
        std::string value;
        bool quoted;
    };
    void list(const std::string &key, std::vector<std::vector<Field>> rows);

    std::string render(bool json) const;

    static Field textField(const std::string &key, const std::string &value) { return {key, value, true}; }
    static Field numberField(const std::string &key, double value, int decimals = -1);

private:
    struct Entry {
        std::string key;
        std::string value;
        bool quoted;
        std::vector<std::vector<Field>> rows;
        bool isList = false;
    };
    std::vector<Entry> m_entries;
};

std::string jsonQuoted(const std::string &text);

} // namespace spectavo::cli
