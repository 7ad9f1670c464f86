#pragma once

// The inclusion sets of a run's precompiled headers in the rules' shared state, stored by whichever inclusion rule
// asks first (XAPrecompiledHeaderInclusions.h has the keys).

#include "engine/XARuleContext.h"
#include "engine/XARuleStateStore.h"

// The state key that holds true once the sets are stored.
inline constexpr const char *kXAPCHInclusionsStoredStateKey = "pchInclusionsStored";

// Reads the precompiled headers of the context's build and adds, per folder, the set of all their inclusions and the
// set of their direct ones to the state; does nothing once the state says so. Concurrent callers wait, so the
// headers are read once per run (a header that cannot be loaded is not tried again).
void pchInclusionsForTarget(const XARuleContext &context, XARuleStateStore &state);
// The same for the saved precompiled headers at the paths.
void XAStorePCHInclusionsOnce(const std::vector<std::string> &pchPaths, XARuleStateStore &state);
