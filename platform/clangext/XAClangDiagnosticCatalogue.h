#pragma once

// The warning catalogue of the LLVM version a library is built for, generated at build time from its diagtool.

#include <cstddef>

namespace xa_clangext {

struct DiagnosticEntry {
    const char *name;  // the diagnostic's internal name, e.g. warn_unused_variable
    const char *flag;  // the flag that controls it without "-W"; empty when there is none
    char defaultLevel; // 'W', 'E' or 'R' when on by default (as warning, error or remark), 0 when off
};

struct DiagnosticGroupEntry {
    unsigned depth;   // 0 for a top-level group, one more per level below
    const char *flag; // without "-W"
};

struct DiagnosticCatalogue {
    const DiagnosticEntry *diagnostics;
    std::size_t diagnosticCount;
    const DiagnosticGroupEntry *groups; // in tree order: each group followed by its subgroups
    std::size_t groupCount;
    const char *const *defaultOnFlags; // sorted, each once: the flags of the warnings and errors on by default for
                                       // C and Objective-C code
    std::size_t defaultOnFlagCount;
};

const DiagnosticCatalogue &diagnosticCatalogue();

} // namespace xa_clangext
