#include "core/XATemporaryFiles.h"

#include "core/XALog.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kAttempts = 100;
constexpr std::string_view kUniqueCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// Unpredictable bytes from the kernel, or from the standard library's device when the call is not available.
void fillRandom(unsigned char *bytes, size_t count) {
    size_t filled = 0;
    while (filled < count) {
        const ssize_t got = ::getrandom(bytes + filled, count - filled, 0);
        if (got <= 0) {
            break;
        }
        filled += static_cast<size_t>(got);
    }
    if (filled < count) {
        std::random_device device;
        for (; filled < count; ++filled) {
            bytes[filled] = static_cast<unsigned char>(device());
        }
    }
}

// The template's trailing run of "X" replaced by random letters and digits.
std::string uniqueName(const std::string &nameTemplate, size_t runStart) {
    std::string name = nameTemplate;
    std::string random(name.size() - runStart, '\0');
    fillRandom(reinterpret_cast<unsigned char *>(random.data()), random.size());
    for (size_t i = runStart; i < name.size(); ++i) {
        name[i] = kUniqueCharacters[static_cast<unsigned char>(random[i - runStart]) % kUniqueCharacters.size()];
    }
    return name;
}

// Tries unique names until `create` succeeds (true), fails for another reason than an existing item (false), or
// the attempts run out.
std::optional<std::string> createUnique(std::string_view nameTemplate,
                                        const std::function<bool(const char *)> &create) {
    const std::string directory = XATemporaryDirectory();
    const std::string path = (directory == "/" ? directory : directory + "/") + std::string(nameTemplate);
    const size_t templateStart = path.size() - nameTemplate.size();
    size_t runStart = path.size();
    while (runStart > templateStart && path[runStart - 1] == 'X') {
        --runStart;
    }
    const int attempts = runStart == path.size() ? 1 : kAttempts;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const std::string candidate = uniqueName(path, runStart);
        if (create(candidate.c_str())) {
            return candidate;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return std::nullopt;
}

} // namespace

std::string XATemporaryDirectory() {
    const char *tmpdir = std::getenv("TMPDIR");
    std::string directory = tmpdir && tmpdir[0] == '/' ? tmpdir : "/tmp";
    while (directory.size() > 1 && directory.back() == '/') {
        directory.pop_back();
    }
    return directory;
}

std::optional<std::string> XATemporaryFilePath(std::string_view nameTemplate) {
    std::optional<std::string> path = createUnique(nameTemplate, [](const char *candidate) {
        const int fd = ::open(candidate, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            return false;
        }
        ::close(fd);
        return true;
    });
    if (!path) {
        XALog(XALogLevelFatal, "FATAL: cannot create temporary file!");
    }
    return path;
}

std::optional<std::string> XATemporaryDirectoryPath(std::string_view nameTemplate) {
    std::optional<std::string> path =
        createUnique(nameTemplate, [](const char *candidate) { return ::mkdir(candidate, 0700) == 0; });
    if (!path) {
        XALog(XALogLevelFatal, "FATAL: cannot create temporary directory!");
    }
    return path;
}
