#include <atomic>

#include <gtest/gtest.h>

#include "store/sqlitestore.h"
#include "store/storewriter.h"
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

} // namespace
} // namespace spectavo::store
