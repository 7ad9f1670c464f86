#pragma once

// The per-file phase of a checking run: every source file to check is parsed with libclang and handed to the code
// rules (XACursorRuleDispatch), on a pool of workers as wide as the configured number of jobs. Each worker owns its
// libclang indexes; each file's translation unit, cursors and findings belong to the worker checking it until its
// results are merged, once per file, under one lock, and the unit then goes to a thread that only disposes of units,
// so that giving back its memory does not hold up the worker's next parse. The declarations of a precompiled header
// reach the rules once, through the first file (in list order) that uses it.
//
// Progress: kind 11 when a file starts and kind 14 when its results are merged, each with "num" (the file's place in
// the list), "total", "remaining" and "file" (its path in Xcode); a file that does not parse, has compiler errors or
// is cancelled during its walk ends without kind 14, and a file without compiler arguments is reported and never
// started. The phase changes nothing process-wide.

#include "codemodel/XACompilationInfo.h"
#include "engine/XACursorRuleDispatch.h"
#include "engine/XAOperationProgress.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What the phase found in all files.
struct XACursorRulePhaseResult {
    XADiagnostics diagnostics;
    std::vector<XADiagnosticSuppression> suppressions;
    std::uint64_t checkedStatements = 0;
};

class XACursorRulePhase {
public:
    using CompilationInfos = std::vector<std::shared_ptr<const XACompilationInfo>>;

    XACursorRulePhase(std::vector<const XARuleDescriptor *> codeRules, XARuleContext &context,
                      std::size_t numberOfJobs);

    // Tested before each file and at every cursor; a cancelled file's findings are dropped. May be null.
    void setCancellationFlag(const std::atomic<bool> *cancelled);
    // Names the compiler arguments when libclang cannot parse a file.
    void setVerbose(bool verbose) { dispatch_.setVerbose(verbose); }
    // The registry whose public rules in-code suppressions may name; the shared one unless set.
    void setRuleRegistry(const XARuleRegistry &registry) { dispatch_.setRuleRegistry(registry); }
    // Receives the number of files as its total and the finished ones as completed. May be null.
    void setProgress(XAOperationProgress *progress) { progress_ = progress; }
    // Times every rule call and logs a ranking of the rules at the end.
    void setProfiling(bool profiling) { profiling_ = profiling; }

    // Checks the files: with one job in list order, with more the largest first (XAFileCheckingOrder.h), each job
    // taking the next file when it is done with one. Translation units are disposed of on a thread of their own.
    // Call once per phase object.
    XACursorRulePhaseResult run(const CompilationInfos &infos, const XAProgressHandler &progress);

private:
    struct RunState;
    // Parses the file, after its start message; no value when the run is cancelled.
    std::optional<XAParsedFile> parseFile(RunState &state, std::size_t index, CXIndex libclangIndex) const;
    // Runs the rules on the parsed file and keeps its results; the unit stays in `parsed`.
    void finishFile(RunState &state, std::size_t index, XAParsedFile &parsed) const;
    void countFileFinished(RunState &state) const;

    XACursorRuleDispatch dispatch_;
    std::size_t numberOfJobs_;
    const std::atomic<bool> *cancelled_ = nullptr;
    XAOperationProgress *progress_ = nullptr;
    bool profiling_ = false;
};
