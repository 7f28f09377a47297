#pragma once

#include <string>
#include <vector>

namespace spectavo::store {

// The store's schema as numbered migrations, applied in order, each once; a store records which it
// has in `schema_migrations`. A migration is never changed once released: a change is a new one.
struct Migration {
    int version;
    const char *description;
    // The statements for each engine, separated by semicolons: the same but where the engines differ
    // (row numbers, binary columns, trigger bodies).
    std::string sqlite;
    std::string postgres;
};

const std::vector<Migration> &migrations();

} // namespace spectavo::store
