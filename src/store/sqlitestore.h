#pragma once

#include <memory>
#include <string>

#include "store/listing.h"
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
    int schemaVersion() override;

    AuditEvent appendEvent(const NewEvent &event) override;
    std::optional<AuditEvent> headEvent() override;
    void visitEvents(const EventFilter &filter,
                     const std::function<bool(const AuditEvent &)> &visit) override;

    ResultRecord storeResult(const ResultRecord &result) override;
    std::optional<ResultRecord> result(std::int64_t id) override;
    void visitResults(const ResultFilter &filter,
                      const std::function<bool(const ResultRecord &)> &visit) override;

    void saveAccount(const Account &account, const NewEvent &event) override;
    std::optional<Account> account(const std::string &userId) override;
    std::vector<Account> accounts() override;
    Signature storeSignature(const Signature &signature, const NewEvent &event) override;
    std::vector<Signature> signatures(const std::string &target) override;

private:
    void migrate();
    // The append itself, inside a transaction that holds the write lock.
    AuditEvent appendLocked(const NewEvent &event);

    std::string m_path;
    std::string m_workstation;
    SqliteDatabase m_db;
};

} // namespace spectavo::store
