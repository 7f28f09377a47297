#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include "store/sqlitestore.h"
#include "support/tempdir.h"

namespace spectavo::store {
namespace {

class SqliteStoreTest : public ::testing::Test {
protected:
    std::string path() const { return dir.file("results.sqlite"); }

    // Behind the program's back: a statement straight into the file. Returns SQLite's error, empty
    // when it went through.
    std::string rawStatement(const std::string &sql) const {
        sqlite3 *db = nullptr;
        sqlite3_open(path().c_str(), &db);
        char *message = nullptr;
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
        const std::string error = message ? message : "";
        sqlite3_free(message);
        sqlite3_close(db);
        return error;
    }

    // Child processes append on their own connections, as other workstations' programs do.
    static void appendInChild(const std::string &file, const std::string &workstation, int count) {
        try {
            SqliteStore store(file, workstation);
            for (int i = 0; i < count; ++i)
                store.appendEvent({"analyst", "measurement", workstation + " #" + std::to_string(i)});
        } catch (const StoreError &) {
            _exit(1);
        }
        _exit(0);
    }

    test::TempDir dir;
};

TEST_F(SqliteStoreTest, ANewStoreHasTheSchemaOnceAndAnEmptyTrailThatHolds) {
    {
        SqliteStore store(path(), "bench-1");
        EXPECT_EQ(store.schemaVersion(), 1);
        EXPECT_FALSE(store.headEvent());
        EXPECT_TRUE(verifyTrail(store).holds);
    }
    SqliteStore again(path(), "bench-1");
    EXPECT_EQ(again.schemaVersion(), 1);
    EXPECT_EQ(rawStatement("INSERT INTO schema_migrations VALUES (1, 'x', 'y')").substr(0, 6), "UNIQUE");
}

TEST_F(SqliteStoreTest, AppendedEventsFormAChainThatListsByFilter) {
    SqliteStore store(path(), "bench-1");
    const AuditEvent first = store.appendEvent({"vega", "login", ""});
    store.appendEvent({"vega", "setting changed", "Step3", R"({"old":"0.5","new":"1.0"})"});
    const AuditEvent third = store.appendEvent({"okafor", "login", "", ""});
    EXPECT_EQ(first.sequence, 1);
    EXPECT_EQ(first.previousHash, kGenesisHash);
    EXPECT_EQ(first.workstation, "bench-1");
    EXPECT_EQ(first.eventId.size(), 32u);
    EXPECT_EQ(third.details, "{}");
    EXPECT_EQ(store.headEvent()->hash, third.hash);

    auto sequences = [&store](const EventFilter &filter) {
        std::vector<std::int64_t> found;
        store.visitEvents(filter, [&found](const AuditEvent &event) {
            found.push_back(event.sequence);
            return true;
        });
        return found;
    };
    EXPECT_EQ(sequences({}), (std::vector<std::int64_t>{1, 2, 3}));
    EXPECT_EQ(sequences({.user = "vega"}), (std::vector<std::int64_t>{1, 2}));
    EXPECT_EQ(sequences({.kind = "login"}), (std::vector<std::int64_t>{1, 3}));
    EXPECT_EQ(sequences({.since = first.utc}), (std::vector<std::int64_t>{1, 2, 3}));
    EXPECT_EQ(sequences({.since = "9999"}), (std::vector<std::int64_t>{}));
    EXPECT_EQ(sequences({.until = "2000-01-01"}), (std::vector<std::int64_t>{}));
    EXPECT_EQ(sequences({.until = first.utc.substr(0, 10)}), (std::vector<std::int64_t>{1, 2, 3}))
        << "a day given as the end includes that day";

    const TrailCheck check = verifyTrail(store, parseAnchor(anchorText(2, store.headEvent()->previousHash)));
    EXPECT_TRUE(check.holds) << check.problem;
    EXPECT_EQ(check.events, 3);
}

TEST_F(SqliteStoreTest, TheEngineRefusesToChangeOrRemoveEvents) {
    SqliteStore store(path(), "bench-1");
    store.appendEvent({"vega", "login", ""});
    EXPECT_EQ(rawStatement("UPDATE audit_events SET user_name = 'mallory'"),
              "the audit trail is append-only");
    EXPECT_EQ(rawStatement("DELETE FROM audit_events"), "the audit trail is append-only");
    EXPECT_EQ(store.headEvent()->user, "vega");
}

// Someone with the rights to drop the trigger rewrites an event: the chain says which, and an anchor
// recorded before says the anchored event is gone even when the whole chain is rewritten after it.
TEST_F(SqliteStoreTest, ATamperedTrailFailsVerificationAtTheChangedEvent) {
    SqliteStore store(path(), "bench-1");
    for (int i = 0; i < 5; ++i)
        store.appendEvent({"vega", "measurement", "result " + std::to_string(i)});
    const std::string anchor = anchorText(3, [&store] {
        std::string hash;
        store.visitEvents({}, [&hash](const AuditEvent &event) {
            if (event.sequence == 3)
                hash = event.hash;
            return true;
        });
        return hash;
    }());
    ASSERT_EQ(rawStatement("DROP TRIGGER audit_events_append_only_update;"
                           "UPDATE audit_events SET object = 'result X' WHERE sequence = 3"),
              "");
    TrailCheck check = verifyTrail(store);
    EXPECT_FALSE(check.holds);
    EXPECT_EQ(check.problem, "event 3: its contents do not match its hash");

    // The forger recomputes every hash from event 3 on: the chain holds again, the anchor does not.
    std::vector<AuditEvent> events;
    store.visitEvents({}, [&events](const AuditEvent &event) {
        events.push_back(event);
        return true;
    });
    for (std::size_t i = 2; i < events.size(); ++i) {
        events[i].previousHash = events[i - 1].hash;
        events[i].hash = eventHash(events[i]);
        rawStatement("UPDATE audit_events SET previous_hash = '" + events[i].previousHash + "', hash = '" +
                     events[i].hash + "' WHERE sequence = " + std::to_string(events[i].sequence));
    }
    EXPECT_TRUE(verifyTrail(store).holds);
    check = verifyTrail(store, parseAnchor(anchor));
    EXPECT_FALSE(check.holds);
    EXPECT_EQ(check.problem, "event 3: it is not the anchored event");
}

ResultRecord scanResult(const std::string &started, const std::string &operatorName) {
    ResultRecord result;
    result.kind = "wavescan";
    result.sample = "holmium";
    result.method = "400-700 nm, 0.5 nm";
    result.operatorName = operatorName;
    result.instrumentModel = "UV-1900";
    result.instrumentSerial = "A1234";
    result.instrumentFirmware = "2.10";
    result.startedUtc = started;
    result.endedUtc = started;
    result.utcOffsetMinutes = 60;
    result.dataFormat = "sca";
    result.data = std::string("abc");
    return result;
}

TEST_F(SqliteStoreTest, AResultIsKeptWithItsContextAndItsMeasurementEvent) {
    SqliteStore store(path(), "bench-1");
    ResultRecord given = scanResult("2026-12-11T09:00:00.000Z", "vega");
    given.data = std::string("abc\0def\xff", 8);
    const ResultRecord stored = store.storeResult(given);
    EXPECT_EQ(stored.id, 1);
    EXPECT_EQ(stored.workstation, "bench-1");
    EXPECT_EQ(stored.resultId.size(), 32u);
    // sha256sum of the same eight bytes: printf 'abc\0def\377' | sha256sum
    EXPECT_EQ(stored.sha256, "692f33920a3962bc81249451334bd2564397bb7b010c80caaec90c6017082e4f");

    const auto reread = store.result(stored.id);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->data, given.data);
    EXPECT_EQ(reread->instrumentSerial, "A1234");
    EXPECT_EQ(reread->utcOffsetMinutes, 60);
    EXPECT_EQ(reread->sha256, stored.sha256);

    const auto event = store.headEvent();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->kind, "measurement");
    EXPECT_EQ(event->object, "result 1");
    EXPECT_EQ(event->user, "vega");
    EXPECT_NE(event->details.find("\"sha256\": \"" + stored.sha256 + "\""), std::string::npos);

    // Forwarded again, the same result stays one result with one event.
    EXPECT_EQ(store.storeResult(stored).id, 1);
    EXPECT_EQ(store.headEvent()->sequence, 1);
    EXPECT_EQ(rawStatement("UPDATE results SET sample = 'other'"), "a stored result never changes");
    EXPECT_EQ(rawStatement("DELETE FROM results"), "a stored result never changes");
    EXPECT_TRUE(verifyTrail(store).holds);
}

TEST_F(SqliteStoreTest, ResultsListNewestFirstByFilterWithoutTheirData) {
    SqliteStore store(path(), "bench-1");
    store.storeResult(scanResult("2026-12-10T08:00:00.000Z", "vega"));
    store.storeResult(scanResult("2026-12-11T08:00:00.000Z", "okafor"));
    ResultRecord curve = scanResult("2026-12-11T09:00:00.000Z", "vega");
    curve.kind = "timescan";
    store.storeResult(curve);
    auto ids = [&store](const ResultFilter &filter) {
        std::vector<std::int64_t> found;
        store.visitResults(filter, [&found](const ResultRecord &result) {
            EXPECT_TRUE(result.data.empty());
            found.push_back(result.id);
            return true;
        });
        return found;
    };
    EXPECT_EQ(ids({}), (std::vector<std::int64_t>{3, 2, 1}));
    EXPECT_EQ(ids({.operatorName = "vega"}), (std::vector<std::int64_t>{3, 1}));
    EXPECT_EQ(ids({.kind = "wavescan"}), (std::vector<std::int64_t>{2, 1}));
    EXPECT_EQ(ids({.since = "2026-12-11"}), (std::vector<std::int64_t>{3, 2}));
    EXPECT_EQ(ids({.until = "2026-12-10"}), (std::vector<std::int64_t>{1}));
}

// Eight programs append at once into one file: one order, no gaps, no event lost or doubled.
TEST_F(SqliteStoreTest, ConcurrentProcessesAppendOneUnbrokenChain) {
    SqliteStore store(path(), "bench-0");
    constexpr int kProcesses = 8;
    constexpr int kEach = 1000;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            appendInChild(path(), "bench-" + std::to_string(p + 1), kEach);
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const TrailCheck check = verifyTrail(store);
    EXPECT_TRUE(check.holds) << check.problem;
    EXPECT_EQ(check.events, kProcesses * kEach);
    std::set<std::string> ids;
    store.visitEvents({}, [&ids](const AuditEvent &event) {
        ids.insert(event.eventId);
        return true;
    });
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kProcesses * kEach));
}

// A program killed in the middle of its writes leaves a file that opens, and a trail that holds.
TEST_F(SqliteStoreTest, AProgramKilledWhileWritingLeavesATrailThatHolds) {
    { SqliteStore create(path(), "bench-1"); }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        appendInChild(path(), "bench-1", 1000000);
    usleep(300000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    SqliteStore store(path(), "bench-1");
    const TrailCheck check = verifyTrail(store);
    EXPECT_TRUE(check.holds) << check.problem;
    EXPECT_GT(check.events, 0);
    EXPECT_EQ(store.appendEvent({"vega", "login", ""}).sequence, check.events + 1);
}

} // namespace
} // namespace spectavo::store
