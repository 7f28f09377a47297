// The results store against the work it must not slow down, side by side in one run:
// - an event posted by the user-interface thread against a synchronous insert-and-commit;
// - a 9,101-point scan kept in the store against writing its .sca file;
// - verifying a trail against `sha256sum` over the same canonical bytes;
// - a filtered results listing (indices) against the same filter over every row.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <sqlite3.h>

#include "core/scan/wave/wavefile.h"
#include "ratioreporter.h"
#include "store/eventstamp.h"
#include "store/sqlitestore.h"
#include "store/storewriter.h"

namespace {

using namespace spectavo;

constexpr int kTrailEvents = 1000000;
constexpr int kResults = 100000;

std::filesystem::path scratch(const char *name) {
    return std::filesystem::temp_directory_path() / "spectavo-store-bench" / name;
}

scan::CWaveSpectrum wideSpectrum() {
    scan::CWaveSpectrum spectrum;
    spectrum.start = 190.0f;
    spectrum.end = 1100.0f;
    spectrum.step = 0.1f;
    spectrum.allocatePoints();
    for (std::size_t i = 0; i < spectrum.points().size(); ++i)
        spectrum.points()[i] = 0.5f + 0.0001f * static_cast<float>(i % 1000);
    spectrum.setSampleName("bench");
    return spectrum;
}

// A long trail written in one transaction (the chain as the store makes it), and its canonical bytes.
void prepareTrail(const std::string &path, const std::string &canonicalPath) {
    { store::SqliteStore create(path, "bench"); }
    sqlite3 *db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO audit_events VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", -1, &insert,
                       nullptr);
    std::ofstream canonical(canonicalPath, std::ios::binary);
    std::string previous = store::kGenesisHash;
    for (int i = 1; i <= kTrailEvents; ++i) {
        store::AuditEvent event{i,
                                store::uniqueId(),
                                "2026-12-11T09:00:00.000Z",
                                "vega",
                                "bench",
                                "measurement",
                                "result " + std::to_string(i),
                                R"({"sha256": "0123456789abcdef"})",
                                previous,
                                ""};
        event.hash = store::eventHash(event);
        canonical << store::canonicalEncoding(event);
        sqlite3_bind_int64(insert, 1, i);
        const std::string *texts[] = {&event.eventId,     &event.utc,          &event.user,
                                      &event.workstation, &event.kind,         &event.object,
                                      &event.details,     &event.previousHash, &event.hash};
        for (int t = 0; t < 9; ++t)
            sqlite3_bind_text(insert, t + 2, texts[t]->c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
        previous = event.hash;
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Many small results by a hundred operators, written in one transaction.
void prepareResults(const std::string &path) {
    { store::SqliteStore create(path, "bench"); }
    sqlite3 *db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (int i = 0; i < kResults; ++i) {
        const std::string sql =
            "INSERT INTO results (result_id, kind, state, sample, method, operator_name, "
            "workstation, instrument_model, instrument_serial, instrument_firmware, started_utc, "
            "ended_utc, utc_offset_minutes, data_format, data, sha256) VALUES ('" +
            std::to_string(i) + "', 'wavescan', 'complete', 's', 'm', 'operator " + std::to_string(i % 100) +
            "', 'w', 'UV-1900', 'A1', '2.10', '2026-12-11T09:00:" + std::to_string(10000 + i) +
            "Z', '', 0, 'sca', x'00', '')";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void PostEvent(benchmark::State &state) {
    store::StoreWriter writer(
        [] { return std::make_unique<store::SqliteStore>(scratch("post.sqlite"), "bench"); }, nullptr);
    for (auto _ : state)
        writer.post(store::NewEvent{"vega", "measurement", "result", "{}"});
    // After the timed loop: the writer's own work is not the user-interface thread's.
    writer.flush(std::chrono::minutes(5));
}

void AppendEventSynchronously(benchmark::State &state) {
    store::SqliteStore store(scratch("sync.sqlite"), "bench");
    for (auto _ : state)
        store.appendEvent({"vega", "measurement", "result", "{}"});
}

void KeepScanInStore(benchmark::State &state) {
    store::SqliteStore store(scratch("scans.sqlite"), "bench");
    const scan::CWaveSpectrum spectrum = wideSpectrum();
    for (auto _ : state) {
        store::ResultRecord result;
        result.kind = "wavescan";
        result.dataFormat = "sca";
        result.data = scan::spectrumFileText(spectrum);
        store.storeResult(result);
    }
}

void WriteScanFile(benchmark::State &state) {
    scan::CWaveSpectrum spectrum = wideSpectrum();
    const std::string path = scratch("scan.sca").string();
    for (auto _ : state)
        scan::writeSpectrumFile(spectrum, path, scan::MemoUse::LeaveSettings);
}

void VerifyTrail(benchmark::State &state) {
    store::SqliteStore store(scratch("trail.sqlite"), "bench");
    for (auto _ : state)
        if (!store::verifyTrail(store).holds)
            state.SkipWithError("the trail does not verify");
}

void Sha256sumCanonical(benchmark::State &state) {
    const std::string command = "sha256sum " + scratch("trail.canonical").string() + " > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("sha256sum failed");
}

void ListByOperator(benchmark::State &state) {
    store::SqliteStore store(scratch("results.sqlite"), "bench");
    for (auto _ : state) {
        int rows = 0;
        store.visitResults({.operatorName = "operator 42"}, [&rows](const store::ResultRecord &) {
            ++rows;
            return true;
        });
        benchmark::DoNotOptimize(rows);
    }
}

// The same filter with the index out of play: every row is read, each as the listing reads its rows.
void ListByOperatorFullScan(benchmark::State &state) {
    sqlite3 *db = nullptr;
    sqlite3_open(scratch("results.sqlite").c_str(), &db);
    sqlite3_stmt *query = nullptr;
    sqlite3_prepare_v2(
        db,
        "SELECT id, result_id, kind, state, sample, method, operator_name, workstation, "
        "instrument_model, instrument_serial, instrument_firmware, started_utc, ended_utc, "
        "utc_offset_minutes, data_format, sha256 FROM results NOT INDEXED WHERE operator_name = "
        "'operator 42' ORDER BY started_utc DESC, id DESC",
        -1, &query, nullptr);
    for (auto _ : state) {
        int rows = 0;
        while (sqlite3_step(query) == SQLITE_ROW) {
            std::string columns[16];
            for (int column = 0; column < 16; ++column)
                if (const auto *text = sqlite3_column_text(query, column))
                    columns[column] = reinterpret_cast<const char *>(text);
            benchmark::DoNotOptimize(columns);
            ++rows;
        }
        sqlite3_reset(query);
        benchmark::DoNotOptimize(rows);
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
}

BENCHMARK(PostEvent);
BENCHMARK(AppendEventSynchronously)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeepScanInStore)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteScanFile)->Unit(benchmark::kMillisecond);
BENCHMARK(VerifyTrail)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Sha256sumCanonical)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ListByOperator)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListByOperatorFullScan)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    std::filesystem::remove_all(scratch(""));
    std::filesystem::create_directories(scratch(""));
    // The scan writer keeps the memo in the settings: keep that out of the real configuration.
    setenv("SPECTAVO_PROGRAM_DIR", scratch("bin").c_str(), 1);
    std::printf("preparing a trail of %d events and %d results...\n", kTrailEvents, kResults);
    prepareTrail(scratch("trail.sqlite").string(), scratch("trail.canonical").string());
    prepareResults(scratch("results.sqlite").string());
    return spectavo::bench::runAndPrintRatios(
        argc, argv,
        {{"UI thread's cost of an event (target <= 0.02)", {"PostEvent", "AppendEventSynchronously"}},
         {"scan kept in the store against its file (target <= 2)", {"KeepScanInStore", "WriteScanFile"}},
         {"audit verify against sha256sum (target <= 2)", {"VerifyTrail", "Sha256sumCanonical"}},
         {"filtered listing against a full scan (target <= 0.05)",
          {"ListByOperator", "ListByOperatorFullScan"}}});
}
