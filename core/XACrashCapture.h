#pragma once

// Crash capture, started by both faces at launch. A crash (SIGSEGV, SIGBUS, SIGILL, SIGFPE or SIGABRT) writes a
// report "<bundle name without spaces>_<UTC time>.crash" with the signal, the version and a backtrace into the crash
// report folder, then lets the signal take its default action, so the process still ends as it would have. The
// handler does only async-signal-safe work: everything it needs is prepared when the capture starts.
//
// The folder stands in for the system's crash-log folder: $TESSARY_CRASH_REPORTS_DIR when set and not empty, else
// $XDG_STATE_HOME/tessary/CrashReports (default ~/.local/state/tessary/CrashReports). It is created only when a
// report is written.

#include <string>
#include <string_view>

// How crashes are captured: none yet, or through the crash report folder. (A capture library is not used.)
enum XACrashCaptureMechanism : int { XACrashCaptureMechanismNone = 0, XACrashCaptureMechanismSystemCrashLogs = 1 };

std::string XACrashReportsDirectoryPath();
// What the names of this application's reports begin with: the bundle name without its spaces, then "_".
std::string XACrashReportFileNamePrefix(std::string_view bundleName);

// Records the mechanism and, for the crash report folder, installs the handlers (again: the folder is read anew).
void XACrashCaptureStart(int mechanism);
// The mechanism recorded at launch; none until then.
int XACrashCaptureRecordedMechanism();
