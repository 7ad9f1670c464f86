#pragma once

// Signals of a command-line run. SIGINT, SIGTERM, SIGHUP and SIGQUIT terminate every child process Tessary started
// and end the process at once with 128 + the signal number (130 for SIGINT), without further output: the handler
// does only async-signal-safe work. SIGPIPE is ignored, so that a closed output stream drops output instead of
// killing the process.
void XACLIInstallSignalHandlers();
