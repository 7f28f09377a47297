#pragma once

#include <string>
#include <vector>

namespace spectavo::store {

// The WHERE clause of a listing by time, person and kind, with its values in order, as "?"
// placeholders. Only the given values make conditions, plain comparisons the columns' indices serve;
// the end matches every time that starts with it (a day given as the end includes that day).
struct Listing {
    std::string where;
    std::vector<std::string> values;
};
Listing listingFilter(const char *timeColumn, const char *personColumn, const std::string &since,
                      const std::string &until, const std::string &person, const std::string &kind);

// The same statement with PostgreSQL's numbered placeholders ($1, $2, ...) for its "?"s; the
// statements given to it have no "?" of their own.
std::string numberedPlaceholders(const std::string &sql);

} // namespace spectavo::store
