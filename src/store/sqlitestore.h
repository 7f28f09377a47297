#pragma once

#include <memory>
#include <string>

#include "store/resultstore.h"
#include "store/sqlitedb.h"

namespace spectavo::store {

// The embedded store: one SQLite file, written ahead (WAL) with every commit synchronised to disk.
// Opening creates the file and brings its schema up to date.
class SqliteStore : public ResultStore {
public:
    SqliteStore(const std::string &path, std::string workstation);

    std::string engine() const override { return "SQLite"; }
    std::string location() const override { return m_path; }
    int schemaVersion();

    AuditEvent appendEvent(const NewEvent &event) override;
    std::optional<AuditEvent> headEvent() override;
    void visitEvents(const EventFilter &filter,
                     const std::function<bool(const AuditEvent &)> &visit) override;

private:
    void migrate();

    std::string m_path;
    std::string m_workstation;
    SqliteDatabase m_db;
};

} // namespace spectavo::store
