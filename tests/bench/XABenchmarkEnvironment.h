#pragma once

// What the benchmarks that build and parse need: the stand-in developer directory and the libclang library that the
// build lays out beside the benchmark (<stage>/libexec/tessary-benchmarks, <stage>/Developer, <stage>/lib/tessary),
// set up as the launcher sets them up for Tessary; and a temporary folder holding a caches root of its own.

#include "codemodel/XALibclang.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "project/XADevEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

// Sets the tools and libclang up once; an error text when they cannot be set up.
inline std::optional<std::string> XASetUpToolsAndLibclang() {
    static const std::optional<std::string> failure = []() -> std::optional<std::string> {
        std::optional<std::string> executable = xa_executablePath();
        if (!executable) {
            return "the benchmark executable cannot be found";
        }
        const std::string stage =
            xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(*executable));
        const char *given = std::getenv("DEVELOPER_DIR");
        const std::string developerDir =
            given && *given ? std::string(given) : xa_stringByStandardizingPath(stage + "/Developer");
        const char *path = std::getenv("PATH");
        ::setenv("DEVELOPER_DIR", developerDir.c_str(), 1);
        ::setenv("PATH", (developerDir + "/usr/bin:" + (path ? path : "/usr/bin:/bin")).c_str(), 1);
        XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
        if (!environment.setUp()) {
            const std::string reason = environment.errors().empty() ? "" : environment.errors().back().message;
            return "the developer tools in " + developerDir + " cannot be set up (build tessary-devtools): " + reason;
        }
        XAError error;
        if (!XALibclang::load(stage + "/lib/tessary/libclang_llvm19_1.so", &error)) {
            return "libclang cannot be loaded (build tessary_clangext_llvm19): " + error.message;
        }
        return std::nullopt;
    }();
    return failure;
}

// A temporary folder named after the benchmark and the process, whose "caches" folder is the caches root while the
// object lives; removed with everything in it at the end.
class XABenchmarkFolder {
public:
    explicit XABenchmarkFolder(const std::string &name)
        : folder_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
        const char *previous = std::getenv("XDG_CACHE_HOME");
        previousCacheHome_ = previous ? std::optional<std::string>(previous) : std::nullopt;
        ::setenv("XDG_CACHE_HOME", (folder_ / "caches").c_str(), 1);
    }
    ~XABenchmarkFolder() {
        if (previousCacheHome_) {
            ::setenv("XDG_CACHE_HOME", previousCacheHome_->c_str(), 1);
        } else {
            ::unsetenv("XDG_CACHE_HOME");
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    XABenchmarkFolder(const XABenchmarkFolder &) = delete;
    XABenchmarkFolder &operator=(const XABenchmarkFolder &) = delete;

    const std::filesystem::path &path() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::optional<std::string> previousCacheHome_;
};
