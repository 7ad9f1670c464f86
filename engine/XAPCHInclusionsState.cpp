#include "engine/XAPCHInclusionsState.h"

#include "codemodel/XABuild.h"
#include "codemodel/clang/XAPrecompiledHeaderInclusions.h"

#include <mutex>

void pchInclusionsForTarget(const XARuleContext &context, XARuleStateStore &state) {
    XAStorePCHInclusionsOnce(context.build() ? context.build()->pchPaths() : std::vector<std::string>{}, state);
}

void XAStorePCHInclusionsOnce(const std::vector<std::string> &pchPaths, XARuleStateStore &state) {
    // The check and the store must be one step for all threads of all runs; this runs once per run, so one lock for
    // every context costs nothing.
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    if (state.copyOfObjectFromStateKey<bool>(kXAPCHInclusionsStoredStateKey).value_or(false)) {
        return;
    }
    const XAPCHInclusions inclusions = XAReadPCHInclusions(pchPaths);
    for (const auto &[folder, all] : inclusions.allByFolder) {
        state.addValuesFromSetToStateSet(all, XAAllPCHInclusionsStateKey(folder));
        const auto direct = inclusions.directByFolder.find(folder);
        state.addValuesFromSetToStateSet(direct != inclusions.directByFolder.end() ? direct->second
                                                                                   : std::set<std::string>{},
                                         XADirectPCHInclusionsStateKey(folder));
    }
    state.setObject(true, kXAPCHInclusionsStoredStateKey);
}
