#include "engine/XACursorRulePhase.h"

#include "core/XABackgroundDisposal.h"
#include "core/XAParallelFor.h"
#include "engine/XAFileCheckingOrder.h"
#include "engine/XARuleSetProfiler.h"

#include <tbb/enumerable_thread_specific.h>
#include <tbb/task_arena.h>
#include <tbb/task_group.h>

#include <algorithm>
#include <mutex>
#include <set>

namespace {

// The two libclang indexes of one worker: one that leaves out the declarations of precompiled headers and one that
// keeps them (for the first file of each header). Made when first needed, disposed of with the worker's state.
class WorkerIndexes {
public:
    CXIndex index(bool includeDeclarationsFromPCH) {
        XAClangIndexOwner &index = includeDeclarationsFromPCH ? including_ : excluding_;
        if (!index) {
            index.reset(XALibclang::fn().clang_createIndex(includeDeclarationsFromPCH ? 0 : 1, 0));
        }
        return index.get();
    }

private:
    XAClangIndexOwner excluding_;
    XAClangIndexOwner including_;
};

// The compilation imports modules, which libclang builds into the shared module cache when first used.
bool usesModules(const XACompilationInfo &info) {
    const std::vector<std::string> &arguments = info.parsingCompilerArgs();
    return std::find(arguments.begin(), arguments.end(), "-fmodules") != arguments.end();
}

XADictionary fileUserInfo(std::size_t index, std::size_t total, std::int64_t remaining, const std::string &file) {
    return XADictionary{{"num", XAValue(static_cast<std::int64_t>(index))},
                        {"total", XAValue(static_cast<std::int64_t>(total))},
                        {"remaining", XAValue(remaining)},
                        {"file", XAValue(file)}};
}

template <typename T> void appendAll(std::vector<T> &all, std::vector<T> &&more) {
    all.insert(all.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

} // namespace

struct XACursorRulePhase::RunState {
    RunState(const CompilationInfos &infos, const XAProgressHandler &progress)
        : infos(infos), progress(progress), remaining(static_cast<std::int64_t>(infos.size())) {}

    const CompilationInfos &infos;
    const XAProgressHandler &progress;
    std::vector<std::size_t> queuedFiles;          // indexes of the files with compiler arguments, in list order
    std::vector<bool> includesDeclarationsFromPCH; // per file: it is the first user of its precompiled header
    std::atomic<std::int64_t> remaining;
    std::atomic<std::uint64_t> checkedStatements{0};
    // Per file, each written only by the task of its file and joined in list order at the end, so that the order of
    // the findings does not depend on the workers' timing.
    std::vector<XADiagnostics> diagnosticsByFile;
    std::vector<std::vector<XADiagnosticSuppression>> suppressionsByFile;
    std::mutex profilerLock;
    XACursorRulePhaseResult result;
    std::unique_ptr<XARuleSetProfiler> profiler;
};

XACursorRulePhase::XACursorRulePhase(std::vector<const XARuleDescriptor *> codeRules, XARuleContext &context,
                                     std::size_t numberOfJobs)
    : dispatch_(std::move(codeRules), context), numberOfJobs_(std::max<std::size_t>(numberOfJobs, 1)) {}

void XACursorRulePhase::setCancellationFlag(const std::atomic<bool> *cancelled) {
    cancelled_ = cancelled;
    dispatch_.setCancellationFlag(cancelled);
}

void XACursorRulePhase::countFileFinished(RunState &state) const {
    const std::int64_t remaining = --state.remaining;
    if (progress_) {
        progress_->setCompletedUnitCount(static_cast<std::int64_t>(state.infos.size()) - remaining);
    }
}

std::optional<XAParsedFile> XACursorRulePhase::parseFile(RunState &state, std::size_t index,
                                                         CXIndex libclangIndex) const {
    if (cancelled_ && cancelled_->load(std::memory_order_relaxed)) {
        return std::nullopt;
    }
    const XACompilationInfo &info = *state.infos[index];
    if (state.progress) {
        state.progress(XAProgressMessage(
            XAProgressMessageKindFileStarted, std::nullopt,
            fileUserInfo(index, state.infos.size(), state.remaining.load(), XAPathInXcodeOfCompilation(info))));
    }
    return dispatch_.parseFile(libclangIndex, info, state.progress);
}

void XACursorRulePhase::finishFile(RunState &state, std::size_t index, XAParsedFile &parsed) const {
    const XACompilationInfo &info = *state.infos[index];
    std::unique_ptr<XARuleSetProfiler> fileProfiler =
        state.profiler ? std::make_unique<XARuleSetProfiler>(dispatch_.rules()) : nullptr;
    XAFileCheckResult checked = dispatch_.checkParsedFile(parsed, info, state.progress, fileProfiler.get());
    state.checkedStatements += checked.checkedStatements;
    const bool cancelled = checked.cancelled || (cancelled_ && cancelled_->load(std::memory_order_relaxed));
    if (!checked.parsed || checked.hasCompilerErrors || cancelled) {
        countFileFinished(state);
        return;
    }
    state.diagnosticsByFile[index] = std::move(checked.diagnostics);
    state.suppressionsByFile[index] = std::move(checked.suppressions);
    if (state.profiler) {
        std::lock_guard lock(state.profilerLock);
        state.profiler->addDurationsFromProfiler(fileProfiler.get());
    }
    countFileFinished(state);
    if (state.progress) {
        state.progress(XAProgressMessage(
            XAProgressMessageKindFileFinished, std::nullopt,
            fileUserInfo(index, state.infos.size(), state.remaining.load(), XAPathInXcodeOfCompilation(info))));
    }
}

XACursorRulePhaseResult XACursorRulePhase::run(const CompilationInfos &infos, const XAProgressHandler &progress) {
    RunState state(infos, progress);
    if (profiling_) {
        state.profiler = std::make_unique<XARuleSetProfiler>(dispatch_.rules());
    }
    if (progress_) {
        progress_->setTotalUnitCount(static_cast<std::int64_t>(infos.size()));
        progress_->setCompletedUnitCount(0);
    }
    // Decided in list order before any file starts, so that which file brings a header's declarations to the rules
    // does not depend on the workers' timing.
    std::set<std::string> precompiledHeadersSeen;
    state.includesDeclarationsFromPCH.resize(infos.size());
    state.diagnosticsByFile.resize(infos.size());
    state.suppressionsByFile.resize(infos.size());
    for (std::size_t index = 0; index < infos.size(); ++index) {
        const XACompilationInfo &info = *infos[index];
        if (info.parsingCompilerArgs().empty()) {
            if (progress) {
                progress(
                    XAProgressMessage(XAProgressMessageKindError,
                                      "ERROR: Could not determine compiler arguments for file: " + info.filePath()));
            }
            continue;
        }
        state.includesDeclarationsFromPCH[index] =
            info.pchPath() && precompiledHeadersSeen.insert(*info.pchPath()).second;
        state.queuedFiles.push_back(index);
    }

    tbb::enumerable_thread_specific<WorkerIndexes> workerIndexes;
    // Parses in one process that build the same module at the same time can fail to build it ("could not build
    // module"), so with modules the first file is parsed alone and builds those that most files share; its rules
    // then run beside the other files. It has indexes of its own, as its unit may move to another worker.
    const bool firstParsedAlone =
        numberOfJobs_ > 1 && !state.queuedFiles.empty() && usesModules(*infos[state.queuedFiles.front()]);
    if (numberOfJobs_ > 1) {
        std::vector<std::uintmax_t> sizes(infos.size());
        for (std::size_t index : state.queuedFiles) {
            sizes[index] = XAFileSizeOrZero(infos[index]->filePath());
        }
        state.queuedFiles = XALargestFilesFirst(std::move(state.queuedFiles), sizes, firstParsedAlone ? 1 : 0);
    }
    WorkerIndexes firstFileIndexes;
    std::optional<XAParsedFile> firstParsed;
    // Declared after the indexes, so that every unit is disposed of before its index.
    XABackgroundDisposal<XATranslationUnitOwner> disposal(numberOfJobs_);
    // Each job takes the next file in the queue when it has finished its last one, so that all stay busy to the end.
    std::atomic<std::size_t> nextPosition{0};
    static const char start = 0;
    static const char end = 0;
    const auto checkFiles = [&] {
        XAHappensAfter(&start);
        for (std::size_t position = nextPosition++; position < state.queuedFiles.size(); position = nextPosition++) {
            const std::size_t index = state.queuedFiles[position];
            std::optional<XAParsedFile> parsed =
                position == 0 && firstParsedAlone
                    ? std::move(firstParsed)
                    : parseFile(state, index, workerIndexes.local().index(state.includesDeclarationsFromPCH[index]));
            if (parsed) {
                finishFile(state, index, *parsed);
                disposal.dispose(std::move(parsed->unit));
            }
        }
        XAHappensBefore(&end);
    };
    tbb::task_arena arena(static_cast<int>(numberOfJobs_));
    if (firstParsedAlone) {
        const std::size_t index = state.queuedFiles.front();
        firstParsed = parseFile(state, index, firstFileIndexes.index(state.includesDeclarationsFromPCH[index]));
    }
    XAHappensBefore(&start);
    arena.execute([&] {
        tbb::task_group jobs;
        for (std::size_t job = 0; job < numberOfJobs_; ++job) {
            jobs.run(checkFiles);
        }
        jobs.wait();
    });
    XAHappensAfter(&end);

    for (std::size_t index = 0; index < infos.size(); ++index) {
        appendAll(state.result.diagnostics, std::move(state.diagnosticsByFile[index]));
        appendAll(state.result.suppressions, std::move(state.suppressionsByFile[index]));
    }
    state.result.checkedStatements = state.checkedStatements.load();
    if (state.profiler) {
        state.profiler->logMeasurements();
    }
    return std::move(state.result);
}
