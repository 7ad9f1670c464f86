#pragma once

#include <functional>
#include <string>

// Process-wide logging and console output.
//
// XALog carries every diagnostic line of the system to standard error and, when asked, to one registered observer
// (the desktop application's log view). A line is exactly the formatted text: no time stamp, no prefix.
//
// Formatting is printf-style and checked by the compiler (-Wformat is part of -Wall): pass `s.c_str()` for "%s".
// Text that is already complete goes through the `const std::string &` overloads, whose percent signs are never
// interpreted. Formatting always uses the "C" locale, whatever locale the process has set.

// Levels in use. 0 and 2 matter only as thresholds: 2 drops debugging detail, 0 lets everything through.
constexpr int XALogLevelDebug = 1;
constexpr int XALogLevelWarning = 3;
constexpr int XALogLevelError = 4;
constexpr int XALogLevelFatal = 5;

// Bits of the target mask.
constexpr int XALogTargetStandardError = 1;
constexpr int XALogTargetNotification = 2;

// Names under which the desktop application publishes a logged line.
inline constexpr const char *XALogMessageNotificationName = "XALogMessageNotificationName";
inline constexpr const char *XALogMessageNotificationLogLevelKey = "XALogMessageNotificationLogLevelKey";
inline constexpr const char *XALogMessageNotificationMessageKey = "XALogMessageNotificationMessageKey";

// Receives each line that passes the threshold while the notification bit is set: the caller's level and the line
// trimmed of white space and newlines at both ends. Called synchronously on the logging thread, so the lines of one
// thread arrive in the order logged; a GUI hands them over to its own main thread.
using XALogNotificationHandler = std::function<void(int level, const std::string &trimmedMessage)>;

// Settings are atomic: a change is seen by every later XALog call on any thread. Defaults: targets 1, level 2.
void XASetLogTargets(int mask);
int XALogTargets();
void XASetVerboseLogging(bool verbose); // threshold 0 when verbose, else 2
void XASetMinimumLogLevel(int level);
int XAMinimumLogLevel();
// Replaces the observer; an empty function removes it.
void XASetLogNotificationHandler(XALogNotificationHandler handler);

// Logs one line when `level` reaches the threshold (arguments are not formatted otherwise). A newline is appended
// when the format does not end with one. Standard error receives the line in one write.
void XALog(int level, const char *format, ...) __attribute__((format(printf, 2, 3)));
// The same for a finished text: it acts as a format without placeholders.
void XALog(int level, const std::string &text);

// Writers for results; they add no newline, write the whole text to the file descriptor and ignore write errors.
void XAWriteToFileDescriptor(int fd, const std::string &text);
void XAWriteToStdout(const std::string &text);
void XAPrintf(const char *format, ...) __attribute__((format(printf, 1, 2)));
void XAPrintfError(const char *format, ...) __attribute__((format(printf, 1, 2)));
void XAWriteToStderr(const std::string &text);
