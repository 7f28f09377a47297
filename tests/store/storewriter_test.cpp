#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "store/pgstore.h"
#include "store/sqlitestore.h"
#include "store/storewriter.h"
#include "support/pgserver.h"
#include "support/tempdir.h"

namespace spectavo::store {
namespace {

// A store in front of a real one that refuses every write while told to, as a full disk does.
class RefusingStore : public ResultStore {
public:
    RefusingStore(std::unique_ptr<ResultStore> real, const std::atomic<bool> &refuse)
        : m_real(std::move(real)), m_refuse(refuse) {}
    std::string engine() const override { return m_real->engine(); }
    std::string location() const override { return m_real->location(); }
    int schemaVersion() override { return m_real->schemaVersion(); }
    AuditEvent appendEvent(const NewEvent &event) override {
        check();
        return m_real->appendEvent(event);
    }
    std::optional<AuditEvent> headEvent() override { return m_real->headEvent(); }
    void visitEvents(const EventFilter &filter,
                     const std::function<bool(const AuditEvent &)> &visit) override {
        m_real->visitEvents(filter, visit);
    }
    ResultRecord storeResult(const ResultRecord &result) override {
        check();
        return m_real->storeResult(result);
    }
    std::optional<ResultRecord> result(std::int64_t id) override { return m_real->result(id); }
    void saveAccount(const Account &account, const NewEvent &event) override {
        m_real->saveAccount(account, event);
    }
    std::optional<Account> account(const std::string &userId) override { return m_real->account(userId); }
    std::vector<Account> accounts() override { return m_real->accounts(); }
    Signature storeSignature(const Signature &signature, const NewEvent &event) override {
        return m_real->storeSignature(signature, event);
    }
    std::vector<Signature> signatures(const std::string &target) override {
        return m_real->signatures(target);
    }
    void visitResults(const ResultFilter &filter,
                      const std::function<bool(const ResultRecord &)> &visit) override {
        m_real->visitResults(filter, visit);
    }

private:
    void check() const {
        if (m_refuse.load())
            throw StoreError("database or disk is full");
    }
    std::unique_ptr<ResultStore> m_real;
    const std::atomic<bool> &m_refuse;
};

class StoreWriterTest : public ::testing::Test {
protected:
    std::vector<std::string> objectsInStore() {
        SqliteStore store(dir.file("results.sqlite"), "check");
        std::vector<std::string> objects;
        store.visitEvents({}, [&objects](const AuditEvent &event) {
            objects.push_back(event.object);
            return true;
        });
        EXPECT_TRUE(verifyTrail(store).holds);
        return objects;
    }
    StoreWriter::Opener opener() {
        return [this]() -> std::unique_ptr<ResultStore> {
            if (!canOpen.load())
                throw StoreError("the store's folder cannot be reached");
            return std::make_unique<RefusingStore>(
                std::make_unique<SqliteStore>(dir.file("results.sqlite"), "bench-1"), refuse);
        };
    }
    StoreWriter::StateListener listener() {
        return [this](const WriterState &state) {
            std::lock_guard guard(mutex);
            states.push_back(state);
        };
    }

    test::TempDir dir;
    std::atomic<bool> canOpen{true};
    std::atomic<bool> refuse{false};
    std::mutex mutex;
    std::vector<WriterState> states;
};

TEST_F(StoreWriterTest, WorkArrivesInItsOrderAndTheHeadFollows) {
    {
        StoreWriter writer(opener(), listener(), std::chrono::milliseconds(10));
        writer.post(NewEvent{"vega", "login", "first"});
        ResultRecord result;
        result.kind = "wavescan";
        result.operatorName = "vega";
        result.dataFormat = "sca";
        result.data = "points";
        writer.post(result);
        writer.post(NewEvent{"vega", "logout", "third"});
        ASSERT_TRUE(writer.flush(std::chrono::seconds(10)));
        EXPECT_EQ(writer.headText().substr(0, 22), "Audit trail: event 3, ");
        EXPECT_TRUE(writer.state().online);
    }
    EXPECT_EQ(objectsInStore(), (std::vector<std::string>{"first", "result 1", "third"}));
}

// The store cannot be opened, then refuses writes: the work waits in memory, the state says so, and
// once the store takes work again everything arrives once, in order.
TEST_F(StoreWriterTest, RefusedWorkWaitsAndArrivesOnceWhenTheStoreIsBack) {
    canOpen = false;
    StoreWriter writer(opener(), listener(), std::chrono::milliseconds(10));
    for (int i = 0; i < 3; ++i)
        writer.post(NewEvent{"vega", "measurement", "offline " + std::to_string(i)});
    EXPECT_FALSE(writer.flush(std::chrono::milliseconds(100)));
    WriterState state = writer.state();
    EXPECT_FALSE(state.online);
    EXPECT_EQ(state.waiting, 3u);
    EXPECT_EQ(state.problem, "the store's folder cannot be reached");

    refuse = true;
    canOpen = true;
    writer.post(NewEvent{"vega", "measurement", "full disk"});
    EXPECT_FALSE(writer.flush(std::chrono::milliseconds(100)));
    EXPECT_EQ(writer.state().problem, "database or disk is full");
    EXPECT_EQ(writer.state().waiting, 4u);

    refuse = false;
    ASSERT_TRUE(writer.flush(std::chrono::seconds(10)));
    EXPECT_TRUE(writer.state().online);
    EXPECT_EQ(objectsInStore(),
              (std::vector<std::string>{"offline 0", "offline 1", "offline 2", "full disk"}));
    std::lock_guard guard(mutex);
    EXPECT_TRUE(states.back().online);
    EXPECT_EQ(states.back().waiting, 0u);
}

// The lab's server dies in the middle of a stream of results and comes back: everything posted
// arrives once, in its order, and the chain verifies.
TEST(StoreForwarding, AServerKilledMidStreamGetsEverythingOnceWhenItIsBack) {
    test::PrivateServer server;
    const std::string connection = server.newDatabase("lab");
    test::TempDir local;
    constexpr int kResults = 120;
    {
        StoreWriter writer([&connection] { return std::make_unique<PgStore>(connection, "bench-7"); },
                           nullptr, std::chrono::milliseconds(20),
                           outboxPathBeside(local.file("results.sqlite")));
        for (int i = 0; i < kResults; ++i) {
            if (i == kResults / 3) {
                // Some of it stored, some still on its way.
                while (writer.state().waiting > kResults / 3)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                server.kill();
            }
            ResultRecord result;
            result.kind = "fixed";
            result.sample = "sample " + std::to_string(i);
            result.data = "{\"row\": " + std::to_string(i) + "}";
            writer.post(result);
            writer.post(NewEvent{"vega", "document printed", "report " + std::to_string(i)});
            if (i == 2 * kResults / 3) {
                // The writer has met the dead server and keeps the rest waiting.
                for (int wait = 0; wait < 5000 && writer.state().online; ++wait)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                EXPECT_FALSE(writer.state().online);
                EXPECT_GT(writer.state().waiting, 0u);
                server.start();
            }
        }
        ASSERT_TRUE(writer.flush(std::chrono::seconds(60)));
        EXPECT_TRUE(writer.state().online);
    }
    PgStore store(connection, "check");
    // The server's row numbers may skip after a crash; the trail's order may not.
    std::vector<std::string> said;
    store.visitEvents({}, [&said](const AuditEvent &event) {
        const auto sample = event.details.find("\"sample\": ");
        said.push_back(event.kind == "measurement"
                           ? event.details.substr(sample, event.details.find(',', sample) - sample)
                           : event.object);
        return true;
    });
    ASSERT_EQ(said.size(), 2u * kResults);
    for (int i = 0; i < kResults; ++i) {
        EXPECT_EQ(said[2 * i], "\"sample\": \"sample " + std::to_string(i) + "\"");
        EXPECT_EQ(said[2 * i + 1], "report " + std::to_string(i));
    }
    const TrailCheck check = verifyTrail(store);
    EXPECT_TRUE(check.holds) << check.problem;
}

// The program ends while the server is away: its work stays in the outbox file, and the next
// program sends it, once.
TEST(StoreForwarding, WorkWaitingAtExitIsSentByTheNextProgram) {
    test::PrivateServer server;
    const std::string connection = server.newDatabase("lab");
    test::TempDir local;
    const std::string outbox = outboxPathBeside(local.file("results.sqlite"));
    auto opener = [&connection] { return std::make_unique<PgStore>(connection, "bench-7"); };
    server.kill();
    {
        StoreWriter writer(opener, nullptr, std::chrono::milliseconds(20), outbox);
        writer.post(NewEvent{"vega", "login", "first"});
        writer.post(NewEvent{"vega", "logout", "second"});
        EXPECT_FALSE(writer.flush(std::chrono::milliseconds(200)));
    }
    EXPECT_EQ(Outbox(outbox).count(), 2u);
    server.start();
    {
        StoreWriter writer(opener, nullptr, std::chrono::milliseconds(20), outbox);
        ASSERT_TRUE(writer.flush(std::chrono::seconds(20)));
        EXPECT_EQ(writer.state().waiting, 0u);
        EXPECT_EQ(writer.headText().substr(0, 22), "Audit trail: event 2, ");
    }
    EXPECT_EQ(Outbox(outbox).count(), 0u);
    PgStore store(connection, "check");
    const auto head = store.headEvent();
    ASSERT_TRUE(head);
    EXPECT_EQ(head->object, "second");
    EXPECT_EQ(head->workstation, "bench-7");
}

} // namespace
} // namespace spectavo::store
