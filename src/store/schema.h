#pragma once

#include <string>
#include <vector>

namespace spectavo::store {

// The store's schema as numbered migrations, applied in order, each once; a store records which it
// has in `schema_migrations`. A migration is never changed once released: a change is a new one.
struct Migration {
    int version;
    const char *description;
    // The statements for SQLite, separated by semicolons.
    const char *sqlite;
};

const std::vector<Migration> &migrations();

} // namespace spectavo::store
