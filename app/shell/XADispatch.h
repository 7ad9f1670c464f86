#pragma once

// Where desktop work runs: the GUI thread owns every window and the state behind it; background work runs on Qt's
// global thread pool and hands its results back to the GUI thread.

#include <functional>
#include <string>

// Runs the block on the GUI thread's event loop, after the events already queued (also when called there).
void XADispatchToMain(std::function<void()> block);
// Runs the block on the GUI thread `seconds` from now.
void XADispatchToMainAfter(double seconds, std::function<void()> block);
// Runs the block on a thread of the global pool.
void XADispatchToGlobal(std::function<void()> block);

// Collapses bursts of calls into one call on the GUI thread: each call replaces the block pending under its
// identifier, which then runs once, `intervalSeconds` after the last call. An empty identifier or block does
// nothing. Call it on the GUI thread.
void xa_throttleWithIdentifier(const std::string &identifier, double intervalSeconds, std::function<void()> block);
