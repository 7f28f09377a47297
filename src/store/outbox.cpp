#include "store/outbox.h"

#include <filesystem>

namespace spectavo::store {

namespace {

const std::string &withFolder(const std::string &path) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return path;
}

} // namespace

Outbox::Outbox(const std::string &path) : m_path(path), m_db(withFolder(path)) {
    m_db.execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"
                 "CREATE TABLE IF NOT EXISTS waiting (position INTEGER PRIMARY KEY AUTOINCREMENT, "
                 "work BLOB NOT NULL)");
}

void Outbox::put(const std::vector<StoreWork> &work) {
    SqliteTransaction transaction(m_db);
    for (const StoreWork &piece : work) {
        SqliteStatement insert(m_db, "INSERT INTO waiting (work) VALUES (?)");
        insert.bindBlob(1, encodeWork(piece));
        insert.step();
    }
    transaction.commit();
}

std::optional<Outbox::Waiting> Outbox::front() {
    SqliteStatement query(m_db, "SELECT position, work FROM waiting ORDER BY position LIMIT 1");
    if (!query.step())
        return std::nullopt;
    return Waiting{query.integer(0), decodeWork(query.blob(1))};
}

void Outbox::take(std::int64_t position) {
    SqliteStatement remove(m_db, "DELETE FROM waiting WHERE position = ?");
    remove.bind(1, position);
    remove.step();
}

std::size_t Outbox::count() {
    SqliteStatement query(m_db, "SELECT COUNT(*) FROM waiting");
    query.step();
    return static_cast<std::size_t>(query.integer(0));
}

std::string outboxPathBeside(const std::string &sqlitePath) {
    return (std::filesystem::path(sqlitePath).parent_path() / "waiting-for-store.sqlite").string();
}

} // namespace spectavo::store
