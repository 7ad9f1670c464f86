#include "XAProjectFileGenerator.h"

#include "project/XAPbxprojElement.h"
#include "project/XAPbxprojReader.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// Counts the build files reachable from the targets, so that the walk cannot be optimised away.
std::size_t countBuildFiles(const std::shared_ptr<const XAValue> &projectDict) {
    auto data = std::make_shared<XAProjectData>();
    data->projectDict = projectDict;
    XAPbxprojElement project;
    project.setProjectData(data);
    std::size_t count = 0;
    for (const auto &target :
         project.pbx_elementsOfClass<XAPbxprojElement>(project.pbx_projectRootObject()->get("targets"))) {
        for (const auto &phase :
             target->pbx_elementsOfClass<XAPbxprojElement>(target->pbx_ownObject()->get("buildPhases"))) {
            count += phase->pbx_elementsOfClass<XAPbxprojElement>(phase->pbx_ownObject()->get("files")).size();
        }
    }
    return count;
}

// Reads a generated ~10 MB project file from disk into the object graph and walks every target's build files.
void BM_ReadPbxprojFromDisk(benchmark::State &state) {
    const auto path =
        std::filesystem::temp_directory_path() / ("tessary-bench-" + std::to_string(::getpid()) + ".pbxproj");
    const std::string text = XAProjectFileGenerator::generate(static_cast<std::size_t>(state.range(0)));
    std::ofstream(path, std::ios::binary) << text;
    for (auto _ : state) {
        XAError error;
        auto projectDict = XAReadPbxproj(path, &error);
        if (!projectDict) {
            state.SkipWithError(error.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(countBuildFiles(projectDict));
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

} // namespace

BENCHMARK(BM_ReadPbxprojFromDisk)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
