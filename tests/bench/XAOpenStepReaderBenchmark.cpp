#include "XAProjectFileGenerator.h"

#include "core/XAOpenStepReader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Reads a generated ~10 MB project file; the figure that matters is bytes per second.
void BM_OpenStepReaderProjectFile(benchmark::State &state) {
    const std::string text = XAProjectFileGenerator::generate(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        XAError error;
        std::optional<XAValue> value =
            XAOpenStepReader::read(text, "project.pbxproj", XAOpenStepReadMode::PropertyList, &error);
        if (!value) {
            state.SkipWithError(error.message.c_str());
            return;
        }
        benchmark::DoNotOptimize(value);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.counters["bytes"] = static_cast<double>(text.size());
}

} // namespace

BENCHMARK(BM_OpenStepReaderProjectFile)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
