#include "core/XALog.h"

#include "core/XACLocaleScope.h"
#include "core/XAString.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <unistd.h>

namespace {

std::atomic<int> logTargets{XALogTargetStandardError};
std::atomic<int> minimumLogLevel{2};

// The handler is swapped rarely and read on every notified line; a shared pointer copied under the lock lets the
// handler run without holding it, so a handler may itself log or replace the handler.
std::mutex handlerMutex;
std::shared_ptr<const XALogNotificationHandler> notificationHandler;

std::shared_ptr<const XALogNotificationHandler> currentHandler() {
    std::lock_guard lock(handlerMutex);
    return notificationHandler;
}

// Writes all bytes, resuming after partial writes and signals; other errors drop the rest, as the writers promise.
void writeAll(int fd, const std::string &text) {
    const char *bytes = text.data();
    size_t remaining = text.size();
    while (remaining > 0) {
        ssize_t written = ::write(fd, bytes, remaining);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        bytes += written;
        remaining -= static_cast<size_t>(written);
    }
}

// printf-style formatting into a string; nothing for a missing format or one the C library rejects.
std::optional<std::string> formatV(const char *format, va_list arguments) {
    if (!format) {
        return std::nullopt;
    }
    XACLocaleScope locale;
    va_list measuring;
    va_copy(measuring, arguments);
    int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length < 0) {
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int written = std::vsnprintf(text.data(), text.size(), format, arguments);
    if (written != length) {
        return std::nullopt;
    }
    text.resize(static_cast<size_t>(length));
    return text;
}

bool endsWithNewline(const char *format) {
    std::string_view view(format);
    return !view.empty() && view.back() == '\n';
}

void emitLine(int level, const std::string &line) {
    if (line.empty()) {
        return;
    }
    if (logTargets.load() & XALogTargetStandardError) {
        XAWriteToStderr(line);
    }
    if (logTargets.load() & XALogTargetNotification) {
        if (auto handler = currentHandler()) {
            (*handler)(level, xa_trimmed(line));
        }
    }
}

} // namespace

void XASetLogTargets(int mask) { logTargets.store(mask); }

int XALogTargets() { return logTargets.load(); }

void XASetVerboseLogging(bool verbose) { minimumLogLevel.store(verbose ? 0 : 2); }

void XASetMinimumLogLevel(int level) { minimumLogLevel.store(level); }

int XAMinimumLogLevel() { return minimumLogLevel.load(); }

void XASetLogNotificationHandler(XALogNotificationHandler handler) {
    auto replacement = handler ? std::make_shared<const XALogNotificationHandler>(std::move(handler)) : nullptr;
    std::lock_guard lock(handlerMutex);
    notificationHandler = std::move(replacement);
}

void XALog(int level, const char *format, ...) {
    if (level < XAMinimumLogLevel() || !format) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    std::optional<std::string> line = formatV(format, arguments);
    va_end(arguments);
    if (!line) {
        return;
    }
    // The newline test looks at the format, not the result: an empty argument still gives a (blank) line.
    if (!endsWithNewline(format)) {
        *line += '\n';
    }
    emitLine(level, *line);
}

void XALog(int level, const std::string &text) {
    if (level < XAMinimumLogLevel()) {
        return;
    }
    emitLine(level, text.empty() || text.back() != '\n' ? text + '\n' : text);
}

void XAWriteToFileDescriptor(int fd, const std::string &text) { writeAll(fd, text); }

void XAWriteToStdout(const std::string &text) { writeAll(STDOUT_FILENO, text); }

void XAWriteToStderr(const std::string &text) { writeAll(STDERR_FILENO, text); }

void XAPrintf(const char *format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::optional<std::string> text = formatV(format, arguments);
    va_end(arguments);
    XAWriteToStdout(text.value_or(""));
}

void XAPrintfError(const char *format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::optional<std::string> text = formatV(format, arguments);
    va_end(arguments);
    XAWriteToStderr(text.value_or(""));
}
