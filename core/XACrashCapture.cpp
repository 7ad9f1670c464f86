#include "core/XACrashCapture.h"

#include "core/XAAppVersion.h"
#include "core/XAPaths.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::array<int, 5> kCapturedSignals = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int kMaximumBacktraceDepth = 128;
constexpr size_t kAlternateStackSize = 64 * 1024;

// Prepared at start, read by the handler. The strings are never changed while a handler may run.
struct PreparedCapture {
    std::vector<std::string> foldersToCreate; // each ancestor of the report folder, outermost first
    std::string pathPrefix;                   // "<folder>/<name>_"
    std::string header;                       // process and version lines
};
PreparedCapture *gPrepared = nullptr;
int gMechanism = XACrashCaptureMechanismNone;

const char *signalName(int signalNumber) {
    switch (signalNumber) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

// ---- Async-signal-safe text building into a fixed buffer ----

struct SignalSafeText {
    char data[4096];
    size_t length = 0;

    void append(const char *text) { append(text, std::strlen(text)); }
    void append(const char *text, size_t count) {
        for (size_t index = 0; index < count && length + 1 < sizeof data; ++index) {
            data[length++] = text[index];
        }
        data[length] = '\0';
    }
    void appendNumber(long long value, int minimumDigits = 1) {
        char digits[24];
        int count = 0;
        const bool negative = value < 0;
        unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value) : value;
        do {
            digits[count++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0 || count < minimumDigits);
        if (negative) {
            append("-");
        }
        while (count > 0) {
            append(&digits[--count], 1);
        }
    }
};

// "YYYY-MM-DD-HHMMSS" in UTC, from the days-to-civil conversion (no locale, no time zone files, no locks).
void appendUTCTime(SignalSafeText &text, time_t seconds) {
    long long days = seconds / 86400;
    long long secondOfDay = seconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    text.appendNumber(year, 4);
    text.append("-");
    text.appendNumber(month, 2);
    text.append("-");
    text.appendNumber(day, 2);
    text.append("-");
    text.appendNumber(secondOfDay / 3600, 2);
    text.appendNumber(secondOfDay / 60 % 60, 2);
    text.appendNumber(secondOfDay % 60, 2);
}

void writeAll(int fd, const char *data, size_t length) {
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        data += written;
        length -= static_cast<size_t>(written);
    }
}

// A new report file; a second crash in the same second gets "-1", "-2" and so on rather than overwriting.
int createReportFile(const PreparedCapture &prepared) {
    for (const std::string &folder : prepared.foldersToCreate) {
        ::mkdir(folder.c_str(), 0700);
    }
    SignalSafeText stem;
    stem.append(prepared.pathPrefix.c_str());
    appendUTCTime(stem, ::time(nullptr));
    for (int attempt = 0; attempt < 100; ++attempt) {
        SignalSafeText path = stem;
        if (attempt > 0) {
            path.append("-");
            path.appendNumber(attempt);
        }
        path.append(".crash");
        const int fd = ::open(path.data, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void writeReport(int signalNumber) {
    const PreparedCapture *prepared = gPrepared;
    if (!prepared) {
        return;
    }
    const int fd = createReportFile(*prepared);
    if (fd < 0) {
        return;
    }
    SignalSafeText text;
    text.append(prepared->header.c_str());
    text.append("Signal: ");
    text.append(signalName(signalNumber));
    text.append(" (");
    text.appendNumber(signalNumber);
    text.append(")\nProcess: ");
    text.appendNumber(::getpid());
    text.append("\n\nBacktrace:\n");
    writeAll(fd, text.data, text.length);
    void *frames[kMaximumBacktraceDepth];
    const int depth = ::backtrace(frames, kMaximumBacktraceDepth);
    ::backtrace_symbols_fd(frames, depth, fd);
    ::close(fd);
}

void handleCrash(int signalNumber) {
    // Only the first crash is reported; a crash inside the report is left to the default action.
    static volatile sig_atomic_t reporting = 0;
    if (!reporting) {
        reporting = 1;
        writeReport(signalNumber);
    }
    struct sigaction defaultAction = {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    ::sigaction(signalNumber, &defaultAction, nullptr);
    ::raise(signalNumber);
}

PreparedCapture *prepareCapture() {
    auto *prepared = new PreparedCapture;
    const std::string folder = XACrashReportsDirectoryPath();
    std::string partial;
    for (const std::string &component : xa_pathComponents(folder)) {
        partial = partial.empty() ? component : xa_stringByAppendingPathComponent(partial, component);
        prepared->foldersToCreate.push_back(partial);
    }
    prepared->pathPrefix = xa_stringByAppendingPathComponent(folder, XACrashReportFileNamePrefix(XAApplicationName));
    prepared->header = std::string("Application: ") + XAApplicationName + "\nVersion: " + xa_version() +
                       "\nRevision: " + xa_versionControlRevision().value_or("unknown-revision") + "\n";
    return prepared;
}

// A stack of its own, so that a stack overflow can still be reported.
void installAlternateStack() {
    static void *stack = nullptr;
    if (stack) {
        return;
    }
    stack = std::malloc(kAlternateStackSize);
    stack_t alternate = {};
    alternate.ss_sp = stack;
    alternate.ss_size = kAlternateStackSize;
    ::sigaltstack(&alternate, nullptr);
}

std::string environmentFolder(const char *variable) {
    const char *value = std::getenv(variable);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

} // namespace

std::string XACrashReportsDirectoryPath() {
    const char *explicitFolder = std::getenv("TESSARY_CRASH_REPORTS_DIR");
    if (explicitFolder && *explicitFolder) {
        return explicitFolder;
    }
    std::string stateRoot = environmentFolder("XDG_STATE_HOME");
    if (stateRoot.empty()) {
        stateRoot = xa_stringByAppendingPathComponent(environmentFolder("HOME"), ".local/state");
    }
    return xa_stringByAppendingPathComponent(stateRoot, "tessary/CrashReports");
}

std::string XACrashReportFileNamePrefix(std::string_view bundleName) {
    std::string prefix;
    for (char character : bundleName) {
        if (character != ' ') {
            prefix += character;
        }
    }
    return prefix + "_";
}

void XACrashCaptureStart(int mechanism) {
    gMechanism = mechanism;
    if (mechanism != XACrashCaptureMechanismSystemCrashLogs) {
        return;
    }
    PreparedCapture *previous = gPrepared;
    gPrepared = prepareCapture();
    delete previous;
    // The first backtrace loads the unwinder; doing it here keeps memory allocation out of the handler.
    void *frame[1];
    ::backtrace(frame, 1);
    installAlternateStack();
    struct sigaction action = {};
    action.sa_handler = handleCrash;
    action.sa_flags = SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kCapturedSignals) {
        ::sigaction(signalNumber, &action, nullptr);
    }
}

int XACrashCaptureRecordedMechanism() { return gMechanism; }
