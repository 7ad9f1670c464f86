#pragma once

// Run-time availability checks the compiler knows (`@available`, `__builtin_available`) and the code they guard: the
// stretches of a routine in which the platform is known to run at least a version.

#include "codemodel/XALibclang.h"
#include "project/XAProject.h"

#include <optional>
#include <string>
#include <vector>

// Source that runs only on a platform of at least `version`: byte offsets in one file, the end excluded.
struct XAAvailabilityGuardedRange {
    CXFile file = nullptr;
    unsigned start = 0;
    unsigned end = 0;
    std::string version;

    bool contains(CXFile otherFile, unsigned offset) const {
        return otherFile == file && start <= offset && offset < end;
    }
};

// The version an availability check asks for on the platform: "10.0" for `@available(iOS 10.0, *)` on iOS (also for
// the application-extension spellings); no value when the check names no version for the platform or the cursor is
// no such check.
std::optional<std::string> XAAvailabilityCheckVersion(CXCursor check, XAPlatform platform);

// The stretches of a routine that its availability checks guard: the first branch of `if (@available(...))` (the check
// alone or joined by &&), the else branch of `if (!@available(...))`, and the rest of the block after such an if
// whose first branch always leaves the block (return, break, continue, goto, @throw). The same holds for ?:.
std::vector<XAAvailabilityGuardedRange> XAAvailabilityGuardedRanges(CXCursor routine, XAPlatform platform);
