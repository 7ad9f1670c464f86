#pragma once

// Scratch folders and environment changes for tests of code that touches the file system and the environment.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

// A new empty folder, removed with everything in it at the end of the test.
class XAScratchFolder {
public:
    XAScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessary-test-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            path_ = pattern;
        }
        EXPECT_FALSE(path_.empty()) << "cannot create a scratch folder";
    }
    ~XAScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    XAScratchFolder(const XAScratchFolder &) = delete;
    XAScratchFolder &operator=(const XAScratchFolder &) = delete;

    const std::string &path() const { return path_; }
    std::string operator/(const std::string &relative) const { return path_ + "/" + relative; }

    // Writes a file below the folder, creating its parent folders; returns its path.
    std::string write(const std::string &relative, const std::string &contents) const {
        const std::filesystem::path file = std::filesystem::path(path_) / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << contents;
        return file.string();
    }

private:
    std::string path_;
};

// Sets (or with no value unsets) an environment variable and restores the earlier state at the end of the scope.
class XAScopedEnvironmentVariable {
public:
    XAScopedEnvironmentVariable(std::string name, const std::optional<std::string> &value) : name_(std::move(name)) {
        if (const char *old = std::getenv(name_.c_str())) {
            saved_ = old;
        }
        set(value);
    }
    ~XAScopedEnvironmentVariable() { set(saved_); }
    XAScopedEnvironmentVariable(const XAScopedEnvironmentVariable &) = delete;
    XAScopedEnvironmentVariable &operator=(const XAScopedEnvironmentVariable &) = delete;

private:
    void set(const std::optional<std::string> &value) {
        if (value) {
            ::setenv(name_.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }

    std::string name_;
    std::optional<std::string> saved_;
};
