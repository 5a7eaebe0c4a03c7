// Project files: saving to disk (temporary file, flush, rename) and opening.

#include "app/project_file.h"
#include "model/model_operations.h"

#include "model_fixtures.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace skarvion;

namespace {

void BM_ProjectSave(benchmark::State& state) {
    const ConfigurationModel model = skarvion::testing::FullyConfiguredModel();
    QTemporaryDir dir;
    const QString path = dir.filePath("site.SK2050");
    for (auto _ : state) {
        if (!WriteProjectFile(path, model).ok()) state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_ProjectSave)->Unit(benchmark::kMicrosecond);

void BM_ProjectOpen(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("site.SK2050");
    WriteProjectFile(path, skarvion::testing::FullyConfiguredModel());
    for (auto _ : state) {
        ConfigurationModel model = StartupModel();
        if (!ReadProjectFile(path, model).ok()) state.SkipWithError("the open failed");
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_ProjectOpen)->Unit(benchmark::kMicrosecond);

// The same checks and decoding without the file system.
void BM_ProjectParse(benchmark::State& state) {
    const QByteArray bytes = ProjectFileBytes(skarvion::testing::FullyConfiguredModel());
    for (auto _ : state) {
        ConfigurationModel model = StartupModel();
        benchmark::DoNotOptimize(ParseProjectFile(bytes, model));
    }
}
BENCHMARK(BM_ProjectParse)->Unit(benchmark::kMicrosecond);

} // namespace
