#pragma once

#include <string>

#include "store/pgdb.h"
#include "store/resultstore.h"

namespace spectavo::store {

// The lab-wide store: one PostgreSQL database that many workstations write into. Appends from all
// of them take the trail's lock in their transaction, so the chain stays one order. Opening brings
// the schema up to date (one workstation at a time).
class PgStore : public ResultStore {
public:
    PgStore(const std::string &connection, std::string workstation);

    std::string engine() const override { return "PostgreSQL"; }
    std::string location() const override { return m_connection; }
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
    // The trail's lock, held to the end of the transaction: other appends wait, readers do not.
    void lockTrail();
    AuditEvent appendLocked(const NewEvent &event);

    std::string m_connection;
    std::string m_workstation;
    PgConnection m_db;
};

} // namespace spectavo::store
