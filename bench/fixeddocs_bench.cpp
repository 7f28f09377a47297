// A fixed-wavelength document of 200 rows and 23 columns saved and loaded through one batch (one read,
// one write) against key by key (the file read and rewritten for every cell).

#include <filesystem>
#include <string>

#include "core/config/profilefile.h"
#include "core/fixed/fixeddocumentfile.h"
#include "ratioreporter.h"

namespace {

using namespace spectavo;

struct Document {
    fixed::FixedMethodRecord method;
    fixed::ReportTexts report{true};
    fixed::SampleTable standards{true};
    fixed::SampleTable samples;
    fixed::CurveSettings curve;

    Document() {
        method.count = 20;
        method.concentration = 0;
        for (fixed::SampleTable *table : {&standards, &samples}) {
            table->layoutFixedPoints(method, true, 2);
            for (int row = 0; row < fixed::SampleTable::kRows; ++row)
                table->writeMeasuredRow(row, table->defaultName(row),
                                        std::vector<float>(22, 0.1234f + static_cast<float>(row) * 0.001f),
                                        true);
        }
    }
    fixed::DocumentParts parts() {
        return {fixed::MethodKind::FixedPoints,
                &method,
                &report,
                &standards,
                &samples,
                &curve,
                [this](fixed::SampleTable &table, bool withNames) {
                    table.layoutFixedPoints(method, withNames, 2);
                }};
    }
};

std::string scratch(const char *name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void SaveKeyByKey(benchmark::State &state) {
    Document document;
    const std::string path = scratch("spectavo-bench-doc-keys.qua");
    for (auto _ : state) {
        std::filesystem::remove(path);
        ProfileFile file(path, false);
        fixed::saveDocument(document.parts(), file, false);
    }
    std::filesystem::remove(path);
}

void SaveBatch(benchmark::State &state) {
    Document document;
    const std::string path = scratch("spectavo-bench-doc-batch.qua");
    for (auto _ : state) {
        std::filesystem::remove(path);
        benchmark::DoNotOptimize(fixed::saveDocumentFile(document.parts(), path, false));
    }
    std::filesystem::remove(path);
}

void LoadKeyByKey(benchmark::State &state) {
    Document document;
    const std::string path = scratch("spectavo-bench-doc-load1.qua");
    fixed::saveDocumentFile(document.parts(), path, false);
    for (auto _ : state) {
        const ProfileFile file(path, false);
        benchmark::DoNotOptimize(fixed::loadDocument(document.parts(), file, false));
    }
    std::filesystem::remove(path);
}

void LoadBatch(benchmark::State &state) {
    Document document;
    const std::string path = scratch("spectavo-bench-doc-load2.qua");
    fixed::saveDocumentFile(document.parts(), path, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(fixed::loadDocumentFile(document.parts(), path, false));
    std::filesystem::remove(path);
}

BENCHMARK(SaveKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(SaveBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(LoadBatch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return spectavo::bench::runAndPrintRatios(
        argc, argv,
        {{"save 200 x 23 document: key by key vs batch (goal 100)", {"SaveKeyByKey", "SaveBatch"}},
         {"load 200 x 23 document: key by key vs batch (goal 100)", {"LoadKeyByKey", "LoadBatch"}}});
}
