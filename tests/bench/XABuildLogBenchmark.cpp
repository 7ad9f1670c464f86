#include "codemodel/XABuildLogParser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A dry-run log of one target with `stepCount` CompileC steps, each with a cd, two exports and a compiler line of
// about 2 KB, as Xcode prints for a large app.
std::string generateLog(int stepCount) {
    const std::string objects = "/tmp/Build/Tessary-ObjRoot/Big.build/Debug-iphonesimulator/Big.build/Objects-normal/"
                                "arm64/";
    std::string flags = "-x objective-c -target arm64-apple-ios17.0-simulator -fmessage-length=0 -std=gnu11 "
                        "-fobjc-arc -fmodules -gmodules -O0 -DDEBUG=1 -isysroot /Applications/Xcode.app/Contents/"
                        "Developer/Platforms/iPhoneSimulator.platform/Developer/SDKs/iPhoneSimulator17.0.sdk";
    for (int warning = 0; flags.size() < 1700; ++warning) {
        flags += " -Wwarning-flag-number-" + std::to_string(warning);
    }
    std::string log = "=== BUILD TARGET Big OF PROJECT Big WITH CONFIGURATION Debug ===\n\nCheck dependencies\n\n";
    for (int step = 0; step < stepCount; ++step) {
        const std::string name = "Source" + std::to_string(step);
        const std::string source = "/Users/dev/Big/Sources/Group\\ " + std::to_string(step % 50) + "/" + name + ".m";
        log += "CompileC " + objects + name + ".o " + source +
               " normal arm64 objective-c com.apple.compilers.llvm.clang.1_0.compiler\n"
               "    cd /Users/dev/Big\n    export LANG=en_US.US-ASCII\n    export PATH=\"/usr/bin:/bin\"\n"
               "    /Applications/Xcode.app/Contents/Developer/Toolchains/XcodeDefault.xctoolchain/usr/bin/clang " +
               flags + " -MMD -MT dependencies -MF " + objects + name + ".d -c " + source + " -o " + objects + name +
               ".o\n\n";
    }
    return log + "** BUILD SUCCEEDED **\n";
}

void BM_BuildLogIntoSteps(benchmark::State &state) {
    const std::string log = generateLog(static_cast<int>(state.range(0)));
    const XABuildLogProjectNames names{"Big", {"Big"}};
    for (auto _ : state) {
        XABuildStepsByTargetKey steps = XABuildLogParser::buildStepsByTargetKeyFromLog(log, names, {});
        if (steps["Big__Big"].size() != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("the log did not give one step per compiled file");
            return;
        }
        benchmark::DoNotOptimize(steps);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(log.size()));
    state.counters["bytes"] = static_cast<double>(log.size());
}

} // namespace

BENCHMARK(BM_BuildLogIntoSteps)->Arg(2000)->Unit(benchmark::kMillisecond);
