// sdk-completion JOB OUTCOME: completes the SDK stand-in for one target of a build (XACompletionRun.h). Reads the job
// that the xcodebuild stand-in wrote, and writes the outcome it reads back. Exit status 0 when the outcome is written,
// 64 for wrong arguments, 65 for a job it cannot read, 73 when the outcome cannot be written.

#include "platform/devtools/completion/XACompletionRun.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: sdk-completion JOB OUTCOME\n";
        return 64;
    }
    std::ifstream input(argv[1], std::ios::binary);
    std::stringstream text;
    text << input.rdbuf();
    const std::optional<XACompletionJob> job = XACompletionJobFromText(text.str());
    if (!job) {
        std::cerr << "sdk-completion: cannot read the job " << argv[1] << "\n";
        return 65;
    }
    const XACompletionOutcome outcome = XARunCompletion(*job);
    std::ofstream output(argv[2], std::ios::binary | std::ios::trunc);
    output << XACompletionOutcomeText(outcome);
    if (!output) {
        std::cerr << "sdk-completion: cannot write " << argv[2] << "\n";
        return 73;
    }
    return 0;
}
