#include "store/listing.h"

namespace spectavo::store {

Listing listingFilter(const char *timeColumn, const char *personColumn, const std::string &since,
                      const std::string &until, const std::string &person, const std::string &kind) {
    Listing listing;
    const auto add = [&listing](const std::string &condition, const std::string &value) {
        if (value.empty())
            return;
        listing.where += (listing.where.empty() ? " WHERE " : " AND ") + condition;
        listing.values.push_back(value);
    };
    add(std::string(timeColumn) + " >= ?", since);
    // '~' sorts after every character of a time, so "2026-12-10~" is past the whole day.
    add(std::string(timeColumn) + " < ?", until.empty() ? until : until + "~");
    add(std::string(personColumn) + " = ?", person);
    add("kind = ?", kind);
    return listing;
}

std::string numberedPlaceholders(const std::string &sql) {
    std::string numbered;
    int next = 1;
    for (const char c : sql) {
        if (c == '?') {
            // Appended piece by piece: GCC 12 at -O3 misreads a concatenation here (-Wrestrict).
            numbered += '$';
            numbered += std::to_string(next++);
        } else {
            numbered += c;
        }
    }
    return numbered;
}

} // namespace spectavo::store
