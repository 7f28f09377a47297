// Saving a large document key by key rereads and rewrites the whole file for every key; a batch
// reads once and writes once. The ratio shows what a document save gains from the batch.

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/config/profilefile.h"
#include "ratioreporter.h"

namespace {

constexpr int kKeys = 5000;

std::string scratchFile(const char *name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void saveKeys(spectavo::ProfileStore &store) {
    for (int i = 0; i < kKeys; ++i)
        store.PutFloatAt("Extended", "Value", i, static_cast<float>(i) * 0.001f);
}

void KeyByKey(benchmark::State &state) {
    const std::string path = scratchFile("spectavo-bench-keys.ini");
    for (auto _ : state) {
        std::filesystem::remove(path);
        spectavo::ProfileFile file(path, false);
        saveKeys(file);
    }
    std::filesystem::remove(path);
}

void OneBatch(benchmark::State &state) {
    const std::string path = scratchFile("spectavo-bench-batch.ini");
    for (auto _ : state) {
        std::filesystem::remove(path);
        spectavo::ProfileFile::Batch batch(spectavo::ProfileFile(path, false));
        saveKeys(batch);
        benchmark::DoNotOptimize(batch.commit());
    }
    std::filesystem::remove(path);
}

void ReadAllKeysBack(benchmark::State &state) {
    const std::string path = scratchFile("spectavo-bench-read.ini");
    {
        spectavo::ProfileFile::Batch batch(spectavo::ProfileFile(path, false));
        saveKeys(batch);
    }
    for (auto _ : state) {
        spectavo::ProfileFile::Batch batch(spectavo::ProfileFile(path, false));
        float sum = 0;
        for (int i = 0; i < kKeys; ++i)
            sum += batch.GetFloatAt("Extended", "Value", i, "0");
        benchmark::DoNotOptimize(sum);
    }
    std::filesystem::remove(path);
}

BENCHMARK(KeyByKey)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(OneBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAllKeysBack)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return spectavo::bench::runAndPrintRatios(
        argc, argv, {{"save 5000 keys: key by key vs batch", {"KeyByKey", "OneBatch"}}});
}
