#include "core/XATask.h"

#include "core/XALog.h"
#include "core/XAProcessRegistry.h"
#include "core/XAString.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char **environ;

namespace {

constexpr size_t kChunkSize = 65536;
// The most a pipe holds by default settings (/proc/sys/fs/pipe-max-size): what is left after the child's exit is
// read up to this much, so a background process that keeps writing cannot hold the run.
constexpr size_t kLargestPipeBuffer = 1024 * 1024;

std::string errnoText(int error) {
    char buffer[256];
    return strerror_r(error, buffer, sizeof buffer); // the GNU variant, which returns the text
}

// Owns one file descriptor. close() is not retried on EINTR: Linux releases the descriptor even then.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd &operator=(UniqueFd &&other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

private:
    int fd_ = -1;
};

// Keeps our descriptors off 0, 1 and 2 (free when the process closed its standard streams), so that placing
// the child's ends onto 0, 1 and 2 can never overwrite another of them.
UniqueFd aboveStandardDescriptors(int fd) {
    if (fd < 0 || fd > STDERR_FILENO) {
        return UniqueFd(fd);
    }
    UniqueFd low(fd);
    return UniqueFd(::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1));
}

// Close-on-exec pipe; only the child's copies on 0, 1 and 2 survive its exec.
bool makePipe(UniqueFd &readEnd, UniqueFd &writeEnd) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return false;
    }
    readEnd = aboveStandardDescriptors(fds[0]);
    writeEnd = aboveStandardDescriptors(fds[1]);
    return readEnd.valid() && writeEnd.valid();
}

bool makeNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

// Output as valid UTF-8, invalid sequences replaced.
std::string decodeUTF8(std::string bytes) {
    std::string storage;
    return XAValidUTF8(bytes, storage).data() == bytes.data() ? std::move(bytes) : std::move(storage);
}

// Blocks SIGPIPE in this thread while standard input is fed, and discards a SIGPIPE that our own write to a child
// that stopped reading raised. Writing then fails with EPIPE instead of killing the process, and the process-wide
// disposition (which children inherit when it is "ignore") stays as it is.
class SigpipeSuppression {
public:
    SigpipeSuppression() {
        sigemptyset(&sigpipe_);
        sigaddset(&sigpipe_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &sigpipe_, &previousMask_);
        wasPending_ = isPending();
    }
    ~SigpipeSuppression() {
        if (!wasPending_ && isPending()) {
            const timespec noWait{0, 0};
            while (sigtimedwait(&sigpipe_, nullptr, &noWait) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    }
    SigpipeSuppression(const SigpipeSuppression &) = delete;
    SigpipeSuppression &operator=(const SigpipeSuppression &) = delete;

private:
    bool isPending() const {
        sigset_t pending;
        sigemptyset(&pending);
        return sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
    }

    sigset_t sigpipe_;
    sigset_t previousMask_;
    bool wasPending_ = false;
};

// A descriptor that becomes readable when the child exits, or -1 where the kernel has none. Called through
// syscall() because glibc 2.36 declares pidfd_open without C linkage for C++.
int openExitNotifier(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

struct RunningChild {
    pid_t pid = -1;
    UniqueFd input;  // our writing end of the child's standard input; invalid when no text is fed
    UniqueFd output; // our reading end of its standard output
    UniqueFd errors; // our reading end of its standard error
};

// What goes into one posix_spawn call; owns the C strings' storage.
struct SpawnRequest {
    std::string executable;
    bool searchPath = false;
    std::vector<std::string> argumentStrings;
    std::optional<std::vector<std::string>> environmentStrings;

    static std::vector<char *> pointers(const std::vector<std::string> &strings) {
        std::vector<char *> result;
        result.reserve(strings.size() + 1);
        for (const auto &string : strings) {
            result.push_back(const_cast<char *>(string.c_str()));
        }
        result.push_back(nullptr);
        return result;
    }
};

std::string launchFailure(const std::string &launchPath, const std::string &reason) {
    return "cannot launch " + launchPath + ": " + reason;
}

bool containsNul(const std::string &s) { return s.find('\0') != std::string::npos; }

// Refuses what the child could not receive as given: C strings end at NUL, and "=" splits a variable's name.
std::optional<std::string> invalidInput(const std::string &launchPath, const std::vector<std::string> &arguments,
                                        const XATaskSetup &setup) {
    if (containsNul(launchPath)) {
        return "the path contains a NUL character";
    }
    if (std::any_of(arguments.begin(), arguments.end(), containsNul)) {
        return "an argument contains a NUL character";
    }
    if (setup.environment) {
        for (const auto &[name, value] : *setup.environment) {
            if (name.empty() || name.find('=') != std::string::npos || containsNul(name) || containsNul(value)) {
                return "invalid environment variable '" + name + "'";
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> missingWorkingDirectory(const std::optional<std::string> &workingDirectory) {
    if (!workingDirectory) {
        return std::nullopt;
    }
    if (containsNul(*workingDirectory)) {
        return "the working directory contains a NUL character";
    }
    struct stat status;
    const int error = ::stat(workingDirectory->c_str(), &status) != 0 ? errno : S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    if (error != 0) {
        return "working directory " + *workingDirectory + ": " + errnoText(error);
    }
    return std::nullopt;
}

// A path with a slash is taken relative to this process's current directory (not the child's working directory);
// a bare name is looked up in this process's PATH.
std::optional<SpawnRequest> makeSpawnRequest(const std::string &launchPath, const std::vector<std::string> &arguments,
                                             const XATaskSetup &setup, std::string &failure) {
    SpawnRequest request;
    request.executable = launchPath;
    request.searchPath = launchPath.find('/') == std::string::npos;
    if (!request.searchPath && launchPath.front() != '/') {
        char *current = ::getcwd(nullptr, 0);
        if (!current) {
            failure = "cannot determine the current directory: " + errnoText(errno);
            return std::nullopt;
        }
        request.executable = std::string(current) + "/" + launchPath;
        std::free(current);
    }
    request.argumentStrings.reserve(arguments.size() + 1);
    request.argumentStrings.push_back(launchPath);
    request.argumentStrings.insert(request.argumentStrings.end(), arguments.begin(), arguments.end());
    if (setup.environment) {
        request.environmentStrings.emplace();
        for (const auto &[name, value] : *setup.environment) {
            request.environmentStrings->push_back(name + "=" + value);
        }
    }
    return request;
}

// File actions and attributes of one spawn, released with it.
class SpawnSettings {
public:
    SpawnSettings() {
        check(posix_spawn_file_actions_init(&actions_));
        check(posix_spawnattr_init(&attributes_));
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings &) = delete;
    SpawnSettings &operator=(const SpawnSettings &) = delete;

    // The child gets exactly the three standard streams, a clean signal mask (a caller may block signals to
    // handle them in one thread) and default actions for SIGTERM, by which it is terminated, and SIGPIPE.
    void configure(int input, int output, int errors, const std::optional<std::string> &workingDirectory) {
        check(posix_spawn_file_actions_adddup2(&actions_, input, STDIN_FILENO));
        check(posix_spawn_file_actions_adddup2(&actions_, output, STDOUT_FILENO));
        check(posix_spawn_file_actions_adddup2(&actions_, errors, STDERR_FILENO));
        if (workingDirectory) {
            check(posix_spawn_file_actions_addchdir_np(&actions_, workingDirectory->c_str()));
        }
        check(posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1));
        sigset_t signals;
        sigemptyset(&signals);
        check(posix_spawnattr_setsigmask(&attributes_, &signals));
        sigaddset(&signals, SIGTERM);
        sigaddset(&signals, SIGPIPE);
        check(posix_spawnattr_setsigdefault(&attributes_, &signals));
        check(posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF));
    }

    // Returns 0 or the error number; exec failures in the child are reported here too (glibc waits for the exec).
    int spawn(const SpawnRequest &request, pid_t &pid) {
        if (error_ != 0) {
            return error_;
        }
        const auto argv = SpawnRequest::pointers(request.argumentStrings);
        const auto envp =
            request.environmentStrings ? SpawnRequest::pointers(*request.environmentStrings) : std::vector<char *>();
        char *const *environment = request.environmentStrings ? envp.data() : environ;
        const auto launch = request.searchPath ? posix_spawnp : posix_spawn;
        return launch(&pid, request.executable.c_str(), &actions_, &attributes_, argv.data(), environment);
    }

private:
    void check(int result) {
        if (error_ == 0) {
            error_ = result;
        }
    }

    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
    int error_ = 0;
};

std::optional<RunningChild> launchChild(const std::string &launchPath, const std::vector<std::string> &arguments,
                                        const std::optional<std::string> &workingDirectory, bool feedsInput,
                                        const XATaskSetup &setup, std::string &failure) {
    auto refusal = invalidInput(launchPath, arguments, setup);
    if (!refusal) {
        refusal = missingWorkingDirectory(workingDirectory);
    }
    std::optional<SpawnRequest> request;
    if (!refusal) {
        request = makeSpawnRequest(launchPath, arguments, setup, failure);
    }
    if (!request) {
        failure = launchFailure(launchPath, refusal ? *refusal : failure);
        return std::nullopt;
    }
    RunningChild child;
    UniqueFd childInput, childOutput, childErrors;
    bool ready = makePipe(child.output, childOutput) && makePipe(child.errors, childErrors);
    if (ready && feedsInput) {
        ready = makePipe(childInput, child.input) && makeNonBlocking(child.input.get());
    } else if (ready) {
        // Without text to feed, the child reads an empty input rather than competing for the user's terminal.
        childInput = aboveStandardDescriptors(::open("/dev/null", O_RDONLY | O_CLOEXEC));
        ready = childInput.valid();
    }
    ready = ready && makeNonBlocking(child.output.get()) && makeNonBlocking(child.errors.get());
    if (!ready) {
        failure = launchFailure(launchPath, errnoText(errno));
        return std::nullopt;
    }
    SpawnSettings settings;
    settings.configure(childInput.get(), childOutput.get(), childErrors.get(), workingDirectory);
    if (const int error = settings.spawn(*request, child.pid); error != 0) {
        failure = launchFailure(launchPath, errnoText(error));
        return std::nullopt;
    }
    XAProcessRegistry::add(child.pid, launchPath);
    return child;
}

enum class PipeState { Open, Finished };

// Reads what is available now, up to `limit` bytes in whole chunks; Finished at end of file or on an error.
PipeState readAvailable(int fd, std::string &into, std::vector<char> &buffer, size_t limit) {
    for (size_t total = 0;;) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count > 0) {
            into.append(buffer.data(), static_cast<size_t>(count));
            total += static_cast<size_t>(count);
            if (total >= limit) {
                return PipeState::Open;
            }
        } else if (count == 0) {
            return PipeState::Finished;
        } else if (errno != EINTR) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? PipeState::Open : PipeState::Finished;
        }
    }
}

// Writes what the pipe takes now; Finished when all is written or the child no longer reads (EPIPE).
PipeState writeAvailable(int fd, const std::string &text, size_t &offset) {
    while (offset < text.size()) {
        const ssize_t count = ::write(fd, text.data() + offset, std::min(text.size() - offset, kChunkSize));
        if (count > 0) {
            offset += static_cast<size_t>(count);
        } else if (count < 0 && errno != EINTR) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? PipeState::Open : PipeState::Finished;
        }
    }
    return PipeState::Finished;
}

// Drains both outputs and feeds the input in one poll loop until both outputs reach end of file. When the child
// exits first (seen through its pidfd) whatever it wrote is already in the pipes: they are read empty and the run
// ends, even if a grandchild still holds them open.
void exchangeData(RunningChild &child, const std::optional<std::string> &input, std::string &output,
                  std::string &errors) {
    std::optional<SigpipeSuppression> sigpipeSuppression;
    if (child.input.valid()) {
        sigpipeSuppression.emplace();
    }
    UniqueFd exitNotifier(openExitNotifier(child.pid)); // invalid on kernels without pidfds: then EOF alone ends
    std::vector<char> buffer(kChunkSize);
    size_t inputOffset = 0;
    if (input && input->empty()) {
        child.input.reset();
    }
    bool exited = false;
    while ((child.output.valid() || child.errors.valid()) && !exited) {
        pollfd fds[4];
        nfds_t count = 0;
        UniqueFd *owners[4];
        for (UniqueFd *fd : {&child.output, &child.errors, &child.input, &exitNotifier}) {
            if (fd->valid()) {
                fds[count] = {fd->get(), static_cast<short>(fd == &child.input ? POLLOUT : POLLIN), 0};
                owners[count++] = fd;
            }
        }
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break; // closing our ends below makes the child see end of file or EPIPE, so it cannot hang on us
        }
        for (nfds_t i = 0; i < count; ++i) {
            UniqueFd &fd = *owners[i];
            if (fds[i].revents == 0) {
                continue;
            }
            PipeState state = PipeState::Open;
            if (&fd == &exitNotifier) {
                exited = true;
            } else if (&fd == &child.input) {
                state = writeAvailable(fd.get(), *input, inputOffset);
            } else {
                state = readAvailable(fd.get(), &fd == &child.output ? output : errors, buffer, kChunkSize);
            }
            if (state == PipeState::Finished) {
                fd.reset();
            }
        }
    }
    if (exited) {
        for (UniqueFd *fd : {&child.output, &child.errors}) {
            if (fd->valid()) {
                readAvailable(fd->get(), fd == &child.output ? output : errors, buffer, kLargestPipeBuffer);
            }
        }
    }
    child.input.reset();
    child.output.reset();
    child.errors.reset();
}

// Waits for the exit without reaping, takes the child out of the registry, then reaps it, so that no termination
// request can ever reach a reused pid. A child killed by a signal gets 128 plus the signal number, like shells.
bool waitForExit(pid_t pid, const std::string &launchPath, int &exitStatus, std::string &failure) {
    siginfo_t info{};
    int result;
    while ((result = ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT)) != 0 && errno == EINTR) {
    }
    const int waitError = result == 0 ? 0 : errno;
    XAProcessRegistry::removeBeforeReaping(pid);
    int status = 0;
    pid_t reaped = -1;
    if (waitError == 0) {
        while ((reaped = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
        }
    }
    if (reaped != pid) {
        failure = "cannot observe the exit of " + launchPath + ": " + errnoText(waitError != 0 ? waitError : errno);
        return false;
    }
    exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
}

} // namespace

void XATaskSetup::xa_addEnvironmentVariablesFromDictionary(const std::map<std::string, std::string> &variables) {
    if (!environment) {
        environment.emplace();
    }
    for (const auto &[name, value] : variables) {
        (*environment)[name] = value;
    }
}

std::optional<std::string> XATask::xa_stdoutOf(const std::string &launchPath, const std::vector<std::string> &arguments,
                                               const std::optional<std::string> &workingDirectory,
                                               const std::optional<std::string> &standardInput,
                                               std::string *standardError, const XATaskSetupFunction &setup,
                                               int *exitStatus, XAError *error) {
    XATaskSetup taskSetup;
    if (setup) {
        setup(taskSetup);
    }
    std::string failure;
    std::string output, errors;
    int status = 0;
    auto child = launchChild(launchPath, arguments, workingDirectory, standardInput.has_value(), taskSetup, failure);
    bool succeeded = child.has_value();
    if (succeeded) {
        exchangeData(*child, standardInput, output, errors);
        succeeded = waitForExit(child->pid, launchPath, status, failure);
    }
    if (!succeeded) {
        XALog(XALogLevelFatal, "Exception while executing '%s': %s", launchPath.c_str(), failure.c_str());
        XASetError(error, failure);
        return std::nullopt;
    }
    if (standardError) {
        *standardError = decodeUTF8(std::move(errors));
    }
    if (exitStatus) {
        *exitStatus = status;
    }
    return decodeUTF8(std::move(output));
}

XATaskResults XATask::xa_execute(const std::string &launchPath, const std::vector<std::string> &arguments,
                                 const std::optional<std::string> &workingDirectory,
                                 const std::optional<std::string> &standardInput, const XATaskSetupFunction &setup) {
    XATaskResults results;
    std::string errors;
    XAError error;
    results.standardOutput = xa_stdoutOf(launchPath, arguments, workingDirectory, standardInput, &errors, setup,
                                         &results.exitStatus, &error);
    if (!results.standardOutput) {
        results.exitStatus = 127;
        results.error = std::move(error);
        return results;
    }
    results.standardError = std::move(errors);
    return results;
}

XATaskResults XATask::xa_execute(const std::string &launchPath, const std::vector<std::string> &arguments) {
    return xa_execute(launchPath, arguments, std::nullopt, std::nullopt, nullptr);
}

void XATask::xa_terminateAllRunningTasks() { XAProcessRegistry::terminateAll(); }

void XATask::xa_terminateAllRunningTasksForExecutable(const std::string &executableName) {
    XAProcessRegistry::terminateAllForExecutable(executableName);
}

void XATask::terminateAllRunningTasksFromSignalHandler() noexcept {
    XAProcessRegistry::terminateAllFromSignalHandler();
}
