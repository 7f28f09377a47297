#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include "store/pgstore.h"
#include "store/schema.h"
#include "store/sqlitestore.h"
#include "support/pgserver.h"
#include "support/tempdir.h"

namespace spectavo::store {
namespace {

// One engine as the tests meet it: stores opened on the same database, and statements run behind
// the program's back.
class Engine {
public:
    virtual ~Engine() = default;
    virtual std::unique_ptr<ResultStore> open(const std::string &workstation) = 0;
    // The engine's own error message, empty when the statements went through.
    virtual std::string statement(const std::string &sql) = 0;
    // What someone with the rights to do it runs to be able to change the trail.
    virtual const char *disableTrailGuard() const = 0;
};

class SqliteEngine : public Engine {
public:
    std::unique_ptr<ResultStore> open(const std::string &workstation) override {
        return std::make_unique<SqliteStore>(path(), workstation);
    }
    std::string statement(const std::string &sql) override { return statementOn(path(), sql); }
    static std::string statementOn(const std::string &file, const std::string &sql) {
        sqlite3 *db = nullptr;
        sqlite3_open(file.c_str(), &db);
        char *message = nullptr;
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
        const std::string error = message ? message : "";
        sqlite3_free(message);
        sqlite3_close(db);
        return error;
    }
    const char *disableTrailGuard() const override { return "DROP TRIGGER audit_events_append_only_update"; }
    std::string path() const { return m_dir.file("results.sqlite"); }

private:
    test::TempDir m_dir;
};

// Each test process has its own server; each engine object its own database on it.
class PostgresEngine : public Engine {
public:
    PostgresEngine()
        : m_database("store" + std::to_string(++s_databases)),
          m_connection(server().newDatabase(m_database)) {}
    std::unique_ptr<ResultStore> open(const std::string &workstation) override {
        return std::make_unique<PgStore>(m_connection, workstation);
    }
    std::string statement(const std::string &sql) override { return server().statement(m_database, sql); }
    const char *disableTrailGuard() const override {
        return "ALTER TABLE audit_events DISABLE TRIGGER audit_events_append_only";
    }
    static test::PrivateServer &server() {
        static test::PrivateServer running;
        return running;
    }

private:
    static inline int s_databases = 0;
    std::string m_database;
    std::string m_connection;
};

class StoreEngineTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (GetParam() == "SQLite")
            engine = std::make_unique<SqliteEngine>();
        else
            engine = std::make_unique<PostgresEngine>();
    }

    std::unique_ptr<ResultStore> open(const std::string &workstation = "bench-1") {
        return engine->open(workstation);
    }
    std::string rawStatement(const std::string &sql) { return engine->statement(sql); }

    // Child processes append on their own connections, as other workstations' programs do.
    void appendInChild(const std::string &workstation, int count) {
        try {
            const auto store = open(workstation);
            for (int i = 0; i < count; ++i)
                store->appendEvent({"analyst", "measurement", workstation + " #" + std::to_string(i)});
        } catch (const StoreError &) {
            _exit(1);
        }
        _exit(0);
    }

    std::unique_ptr<Engine> engine;
};

INSTANTIATE_TEST_SUITE_P(BothEngines, StoreEngineTest, ::testing::Values("SQLite", "PostgreSQL"),
                         [](const ::testing::TestParamInfo<std::string> &engineName) {
                             return engineName.param;
                         });

TEST_P(StoreEngineTest, ANewStoreHasEveryMigrationOnceAndAnEmptyTrailThatHolds) {
    const int newest = migrations().back().version;
    {
        const auto store = open();
        EXPECT_EQ(store->schemaVersion(), newest);
        EXPECT_FALSE(store->headEvent());
        EXPECT_TRUE(verifyTrail(*store).holds);
    }
    const auto again = open();
    EXPECT_EQ(again->schemaVersion(), newest);
    EXPECT_NE(rawStatement("INSERT INTO schema_migrations VALUES (1, 'x', 'y')"), "")
        << "a migration is recorded once";
}

// A store made before a migration gets it at its next opening, and what it held stays.
TEST_P(StoreEngineTest, AnOlderStoreIsBroughtUpToDateKeepingItsTrail) {
    open()->appendEvent({"vega", "login", ""});
    ASSERT_EQ(rawStatement("DROP TABLE signatures; DROP TABLE accounts; "
                           "DELETE FROM schema_migrations WHERE version = 2"),
              "");
    const auto store = open();
    EXPECT_EQ(store->schemaVersion(), 2);
    EXPECT_TRUE(store->accounts().empty());
    EXPECT_EQ(store->headEvent()->sequence, 1);
    EXPECT_TRUE(verifyTrail(*store).holds);
}

TEST_P(StoreEngineTest, AppendedEventsFormAChainThatListsByFilter) {
    const auto opened = open();
    ResultStore &store = *opened;
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

TEST_P(StoreEngineTest, TheEngineRefusesToChangeOrRemoveEvents) {
    const auto opened = open();
    ResultStore &store = *opened;
    store.appendEvent({"vega", "login", ""});
    EXPECT_EQ(rawStatement("UPDATE audit_events SET user_name = 'mallory'"),
              "the audit trail is append-only");
    EXPECT_EQ(rawStatement("DELETE FROM audit_events"), "the audit trail is append-only");
    if (GetParam() == "PostgreSQL") {
        EXPECT_EQ(rawStatement("TRUNCATE audit_events"), "the audit trail is append-only");
    }
    EXPECT_EQ(store.headEvent()->user, "vega");
}

// Someone with the rights to drop the trigger rewrites an event: the chain says which, and an anchor
// recorded before says the anchored event is gone even when the whole chain is rewritten after it.
TEST_P(StoreEngineTest, ATamperedTrailFailsVerificationAtTheChangedEvent) {
    const auto opened = open();
    ResultStore &store = *opened;
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
    ASSERT_EQ(rawStatement(std::string(engine->disableTrailGuard()) +
                           "; UPDATE audit_events SET object = 'result X' WHERE sequence = 3"),
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

TEST_P(StoreEngineTest, AResultIsKeptWithItsContextAndItsMeasurementEvent) {
    const auto opened = open();
    ResultStore &store = *opened;
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

TEST_P(StoreEngineTest, ResultsListNewestFirstByFilterWithoutTheirData) {
    const auto opened = open();
    ResultStore &store = *opened;
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

// Eight programs append at once into one store: one order, no gaps, no event lost or doubled.
TEST_P(StoreEngineTest, ConcurrentProcessesAppendOneUnbrokenChain) {
    const auto store = open("bench-0");
    constexpr int kProcesses = 8;
    constexpr int kEach = 1000;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            appendInChild("bench-" + std::to_string(p + 1), kEach);
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const TrailCheck check = verifyTrail(*store);
    EXPECT_TRUE(check.holds) << check.problem;
    EXPECT_EQ(check.events, kProcesses * kEach);
    std::set<std::string> ids;
    store->visitEvents({}, [&ids](const AuditEvent &event) {
        ids.insert(event.eventId);
        return true;
    });
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kProcesses * kEach));
}

// Work forwarded again after a connection broke before its answer: the ids keep it once.
TEST_P(StoreEngineTest, AnEventOrResultSentTwiceIsStoredOnce) {
    const auto store = open();
    const NewEvent login{
        "vega", "login", "", "{}", "6f1c0d9e3b2a4f5e8d7c6b5a49382716", "2026-12-11T08:00:00.000Z"};
    const AuditEvent first = store->appendEvent(login);
    EXPECT_EQ(first.utc, "2026-12-11T08:00:00.000Z") << "the time it happened, not the time it arrived";
    EXPECT_EQ(first.eventId, login.eventId);
    const AuditEvent again = store->appendEvent(login);
    EXPECT_EQ(again.sequence, first.sequence);
    EXPECT_EQ(again.hash, first.hash);

    ResultRecord result;
    result.resultId = "0123456789abcdef0123456789abcdef";
    result.kind = "fixed";
    result.data = "{}";
    EXPECT_EQ(store->storeResult(result).id, store->storeResult(result).id);
    const TrailCheck check = verifyTrail(*store);
    EXPECT_TRUE(check.holds) << check.problem;
    EXPECT_EQ(check.events, 2);
}

// A name in an old file's Latin-1, a stray NUL: no text column of either engine takes such bytes,
// and a refused write would hold up everything behind it. They are kept as U+FFFD, hashed as kept.
TEST_P(StoreEngineTest, TextsThatAreNotUtf8AreKeptReadablyAndTheChainHolds) {
    const auto store = open();
    const AuditEvent event = store->appendEvent({"Jos\xe9", "document saved", std::string("a\0b", 3), "{}"});
    EXPECT_EQ(event.user, "Jos\uFFFD");
    ResultRecord result;
    result.kind = "fixed";
    result.sample = "Cr\xe8me";
    result.data = std::string("\xe9\0", 2);
    const ResultRecord stored = store->storeResult(result);
    const auto reread = store->result(stored.id);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->sample, "Cr\uFFFDme");
    EXPECT_EQ(reread->data, result.data) << "the data's own bytes are kept as they are";
    EXPECT_EQ(store->headEvent()->user, "");
    const TrailCheck check = verifyTrail(*store);
    EXPECT_TRUE(check.holds) << check.problem;
    std::vector<std::string> objects;
    store->visitEvents({}, [&objects](const AuditEvent &kept) {
        objects.push_back(kept.object);
        return true;
    });
    EXPECT_EQ(objects.front(), "a\uFFFDb");
}

// A trail longer than what is checked at a time: a change deep inside is still named, and the check
// stops there.
TEST(SqliteStoreTest, ALongTrailIsCheckedInOrderToItsFirstChangedEvent) {
    test::TempDir dir;
    SqliteStore store(dir.file("results.sqlite"), "bench-1");
    constexpr int kEvents = 5000;
    for (int i = 0; i < kEvents; ++i)
        store.appendEvent({"vega", "measurement", "result " + std::to_string(i)});
    TrailCheck check = verifyTrail(store, parseAnchor(anchorText(kEvents, store.headEvent()->hash)));
    EXPECT_TRUE(check.holds) << check.problem;
    EXPECT_EQ(check.events, kEvents);
    SqliteEngine::statementOn(dir.file("results.sqlite"),
                              "DROP TRIGGER audit_events_append_only_update;"
                              "UPDATE audit_events SET user_name = 'mallory' WHERE sequence = 4500");
    check = verifyTrail(store);
    EXPECT_FALSE(check.holds);
    EXPECT_EQ(check.problem, "event 4500: its contents do not match its hash");
    EXPECT_EQ(check.events, 4499);
}

// Accounts change but are never deleted nor renamed; signatures never change; each comes with its
// event in the same transaction.
TEST_P(StoreEngineTest, AccountsChangeWithTheirEventsAndSignaturesNeverChange) {
    const auto store = open();
    Account analyst{"ana", "Ana Vega", "Analyst", "active", "$argon2id$x", true, 0, ""};
    store->saveAccount(analyst, {"lab", "account added", "ana"});
    analyst.state = "locked";
    analyst.failedAttempts = 5;
    store->saveAccount(analyst, {"ana", "account locked", "ana"});
    const auto reread = store->account("ana");
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->state, "locked");
    EXPECT_EQ(reread->failedAttempts, 5);
    EXPECT_TRUE(reread->mustChangePassword);
    EXPECT_EQ(reread->createdUtc.size(), 24u);
    EXPECT_FALSE(store->account("bob"));
    EXPECT_EQ(store->accounts().size(), 1u);
    EXPECT_EQ(rawStatement("DELETE FROM accounts"), "an account is never deleted, only disabled");
    EXPECT_EQ(rawStatement("UPDATE accounts SET user_id = 'anna'"), "a user id is never changed");

    const Signature first = store->storeSignature(
        {0, "result 1", "abc", "ana", "Ana Vega", "Performed", "", ""}, {"ana", "signature", "result 1"});
    store->storeSignature({0, "result 1", "abc", "rev", "Rui Reis", "Reviewed", "checked", ""},
                          {"rev", "signature", "result 1"});
    const std::vector<Signature> signatures = store->signatures("result 1");
    ASSERT_EQ(signatures.size(), 2u);
    EXPECT_EQ(signatures[0].id, first.id);
    EXPECT_EQ(signatures[1].meaning, "Reviewed");
    EXPECT_EQ(signatures[1].comment, "checked");
    EXPECT_EQ(signatures[1].utc.size(), 24u);
    EXPECT_TRUE(store->signatures("result 2").empty());
    EXPECT_EQ(rawStatement("UPDATE signatures SET meaning = 'Approved'"), "a signature never changes");
    EXPECT_EQ(rawStatement("DELETE FROM signatures"), "a signature never changes");

    const TrailCheck check = verifyTrail(*store);
    EXPECT_TRUE(check.holds) << check.problem;
    EXPECT_EQ(check.events, 4);
}

// A program killed in the middle of its writes leaves a file that opens, and a trail that holds.
TEST(SqliteStoreTest, AProgramKilledWhileWritingLeavesATrailThatHolds) {
    test::TempDir dir;
    const std::string path = dir.file("results.sqlite");
    { SqliteStore create(path, "bench-1"); }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            SqliteStore store(path, "bench-1");
            for (int i = 0; i < 1000000; ++i)
                store.appendEvent({"analyst", "measurement", "#" + std::to_string(i)});
        } catch (const StoreError &) {
        }
        _exit(0);
    }
    usleep(300000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    SqliteStore store(path, "bench-1");
    const TrailCheck check = verifyTrail(store);
    EXPECT_TRUE(check.holds) << check.problem;
    EXPECT_GT(check.events, 0);
    EXPECT_EQ(store.appendEvent({"vega", "login", ""}).sequence, check.events + 1);
}

// The lab's set-up as the README gives it: the tables belong to the lab manager, the workstations'
// account may read and append. It stores, and it cannot switch the guard off.
TEST(PostgresRights, AnAccountThatMayOnlyAppendStoresAndCannotSwitchTheGuardOff) {
    test::PrivateServer server;
    ASSERT_EQ(server.statement("postgres", "CREATE ROLE labmanager LOGIN; CREATE ROLE bench LOGIN"), "");
    ASSERT_EQ(server.statement("postgres", "CREATE DATABASE spectavo OWNER labmanager"), "");
    const std::string manager = server.connection("spectavo") + " user=labmanager";
    const std::string bench = server.connection("spectavo") + " user=bench";
    { PgStore first(manager, "office"); }
    ASSERT_EQ(server.statement("spectavo", "REVOKE ALL ON SCHEMA public FROM PUBLIC;"
                                           "GRANT USAGE ON SCHEMA public TO bench;"
                                           "GRANT SELECT, INSERT, UPDATE ON audit_events, results, "
                                           "schema_migrations, accounts, signatures TO bench"),
              "");
    PgStore store(bench, "bench-7");
    store.appendEvent({"vega", "login", ""});
    ResultRecord result;
    result.kind = "fixed";
    result.data = "{}";
    EXPECT_EQ(store.storeResult(result).id, 1);
    EXPECT_TRUE(verifyTrail(store).holds);

    PgConnection asBench(bench);
    EXPECT_THROW(asBench.execute("ALTER TABLE audit_events DISABLE TRIGGER audit_events_append_only"),
                 StoreError);
    try {
        asBench.execute("TRUNCATE audit_events");
        ADD_FAILURE() << "the workstation's account emptied the trail";
    } catch (const StoreError &refused) {
        EXPECT_EQ(std::string(refused.what()), "permission denied for table audit_events");
    }
}

} // namespace
} // namespace spectavo::store
