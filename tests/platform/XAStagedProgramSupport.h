#pragma once

// Helpers for tests that run the programs laid out under the build's output folder (the launcher, the Tessary
// executable, the developer-directory stand-in) as child processes with environments of their own.

#include "core/XAProcessInfo.h"
#include "core/XATask.h"
#include "core/XATemporaryFiles.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#ifndef TESSARY_STAGE_DIR
#error "TESSARY_STAGE_DIR must name the build's output folder"
#endif

namespace XAStagedPrograms {

using Environment = std::map<std::string, std::string>;

// The output folder with symbolic links resolved, as the programs see their own location.
inline std::string stageDir() { return std::filesystem::canonical(TESSARY_STAGE_DIR).string(); }
inline std::string developerDir() { return stageDir() + "/Developer"; }
inline std::string developerTool(const std::string &name) { return developerDir() + "/usr/bin/" + name; }
inline std::string launcherPath() { return stageDir() + "/bin/tessary"; }
inline std::string tessaryExecutablePath() { return stageDir() + "/libexec/Tessary"; }

// The test's own environment without anything that chooses a developer directory or stops Tessary early, and with
// a PATH that holds only the system folders.
inline Environment cleanEnvironment() {
    Environment environment = XAProcessEnvironment();
    for (const char *name : {"DEVELOPER_DIR", "TESSARY_APP_ACTIVE", "SDKROOT", "XCInjectBundle", "XCInjectBundleInto",
                             "DYLD_INSERT_LIBRARIES", "TESSARY_RESOURCES_DIR"}) {
        environment.erase(name);
    }
    environment["PATH"] = "/usr/bin:/bin";
    return environment;
}

inline XATaskResults run(const std::string &program, const std::vector<std::string> &arguments,
                         const Environment &environment) {
    return XATask::xa_execute(program, arguments, std::nullopt, std::nullopt,
                              [&environment](XATaskSetup &setup) { setup.environment = environment; });
}

inline std::string standardOutput(const XATaskResults &results) { return results.standardOutput.value_or(""); }
inline std::string standardError(const XATaskResults &results) { return results.standardError.value_or(""); }

// A folder in the temporary folder, removed with everything in it at the end of the test.
class TemporaryFolder {
public:
    TemporaryFolder() : path_(XATemporaryDirectoryPath("TessaryStagedTest-XXXXXXXX").value_or("")) {}
    ~TemporaryFolder() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const std::string &path() const { return path_; }

private:
    std::string path_;
};

// Writes a file (creating its folders) and makes it executable when asked.
inline void writeFile(const std::string &path, const std::string &contents, bool executable = false) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
    if (executable) {
        std::filesystem::permissions(path, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                               std::filesystem::perms::group_exec);
    }
}

// Copies a staged program into another folder; a copy (unlike a link) takes its location from where it lies.
inline void copyProgram(const std::string &source, const std::string &destination) {
    std::filesystem::create_directories(std::filesystem::path(destination).parent_path());
    std::filesystem::copy_file(source, destination, std::filesystem::copy_options::overwrite_existing);
}

} // namespace XAStagedPrograms
