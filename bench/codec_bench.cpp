// The device image: encoding a model, decoding an image, the digest.

#include "app/image_digest.h"
#include "model/device_image.h"
#include "model/model_operations.h"

#include "model_fixtures.h"

#include <benchmark/benchmark.h>

using namespace skarvion;

namespace {

void BM_EncodeImage(benchmark::State& state) {
    const ConfigurationModel model = skarvion::testing::FullyConfiguredModel();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeImage(model));
}
BENCHMARK(BM_EncodeImage);

void BM_DecodeImage(benchmark::State& state) {
    const DeviceImage image = EncodeImage(skarvion::testing::FullyConfiguredModel());
    ConfigurationModel model = StartupModel();
    for (auto _ : state) {
        DecodeImage(image, model);
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_DecodeImage);

void BM_ImageDigest(benchmark::State& state) {
    const DeviceImage image = EncodeImage(skarvion::testing::FullyConfiguredModel());
    for (auto _ : state)
        benchmark::DoNotOptimize(ImageDigest(image));
    state.SetBytesProcessed(state.iterations() * DeviceImageSize);
}
BENCHMARK(BM_ImageDigest);

} // namespace
