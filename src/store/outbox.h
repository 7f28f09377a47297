#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/sqlitedb.h"
#include "store/storework.h"

namespace spectavo::store {

// Work that waits on this workstation for a store it cannot reach: a small SQLite file of its own,
// read in the order the work was put in. Kept across restarts, so work waiting at exit is sent by
// the next program that starts.
class Outbox {
public:
    explicit Outbox(const std::string &path);

    const std::string &path() const { return m_path; }
    // All of it in one transaction, after what is there.
    void put(const std::vector<StoreWork> &work);
    struct Waiting {
        std::int64_t position = 0;
        // Nothing when the file holds bytes that are no work (then `take` drops them, and says so).
        std::optional<StoreWork> work;
    };
    std::optional<Waiting> front();
    void take(std::int64_t position);
    std::size_t count();

private:
    std::string m_path;
    SqliteDatabase m_db;
};

// The outbox file a workstation keeps beside its embedded store's default file.
std::string outboxPathBeside(const std::string &sqlitePath);

} // namespace spectavo::store
