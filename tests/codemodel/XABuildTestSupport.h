#pragma once

// The surroundings of the build driver's tests: a scratch folder holding the caches root ($XDG_CACHE_HOME, so that
// logs, products folders, module caches and precompiled headers never land beside the fixtures), the staged
// developer-directory stand-in as the active developer tools, the staged libclang, and a file into which the stand-in
// xcodebuild writes the argument line of every run.

#include "codemodel/XABuild.h"
#include "codemodel/XALibclangTestSupport.h"
#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"
#include "engine/config/XAConfiguration.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectModelTestSupport.h"
#include "project/XAProjectTarget.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

inline const std::string kXAExampleXcodeproj = TESSARY_SOURCE_DIR "/examples/TessaryDemo/TessaryDemo.xcodeproj";

// A configuration with the given application options laid over the defaults.
inline XAConfiguration XAConfigurationWithOptions(const std::map<std::string, XAOptionValue> &options) {
    XAConfiguration configuration;
    for (const auto &[name, value] : options) {
        const XAConfigurationOption *option = XAConfiguration::appOptionWithLongName(name);
        EXPECT_NE(option, nullptr) << name;
        if (option) {
            configuration.setValue(value, *option);
        }
    }
    return configuration;
}

// Path and modification time (in nanoseconds) of every entry under a folder: what a test compares to show that a
// folder was left alone.
inline std::map<std::string, long long> XAFolderSnapshot(const std::string &folder) {
    std::map<std::string, long long> snapshot;
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(folder, error);
         !error && entry != std::filesystem::recursive_directory_iterator(); entry.increment(error)) {
        std::error_code timeError;
        const auto time = std::filesystem::last_write_time(entry->path(), timeError);
        snapshot[entry->path().string()] = timeError ? -1 : static_cast<long long>(time.time_since_epoch().count());
    }
    return snapshot;
}

// Makes the staged stand-in the developer tools of the whole test process before any test runs, as the launcher does
// for Tessary: the process computes its developer directory once, so the first test to ask decides it for all.
class XAStagedDeveloperToolsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        const char *given = std::getenv("DEVELOPER_DIR");
        if (given != nullptr && *given != '\0') {
            return;
        }
        const char *path = std::getenv("PATH");
        ::setenv("DEVELOPER_DIR", kXAStagedDeveloperDir.c_str(), 1);
        ::setenv("PATH", (kXAStagedDeveloperDir + "/usr/bin:" + (path ? path : "/usr/bin:/bin")).c_str(), 1);
    }
};

class XABuildEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(XALoadStagedLibclang());
        cacheHome_.emplace("XDG_CACHE_HOME", scratch_ / "caches");
        invocationLog_.emplace("TESSARY_XCODEBUILD_INVOCATION_LOG", invocationLogPath());
        developerDir_.emplace("DEVELOPER_DIR", kXAStagedDeveloperDir);
        const char *path = std::getenv("PATH");
        path_.emplace("PATH", kXAStagedDeveloperDir + "/usr/bin:" + (path ? path : "/usr/bin:/bin"));
        XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
        if (environment.devDirRootPath() != xa_stringByStandardizingPath(kXAStagedDeveloperDir)) {
            GTEST_SKIP() << "the developer directory of this process was fixed before this test";
        }
        ASSERT_TRUE(environment.setUp()) << (environment.errors().empty() ? "" : environment.errors().back().message);
    }

    std::string invocationLogPath() const { return scratch_ / "xcodebuild-invocations.log"; }

    // The argument lines of the xcodebuild builds run so far (settings queries left out).
    std::vector<std::string> buildInvocations() const {
        std::vector<std::string> lines;
        std::ifstream log(invocationLogPath());
        for (std::string line; std::getline(log, line);) {
            if (line.ends_with(" build")) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    std::shared_ptr<XAProject> loadedProject(const std::string &xcodeprojPath) {
        auto project = XAProject::projectWithXcodeproj(xcodeprojPath);
        XAProgressRecorder recorder;
        EXPECT_TRUE(project->loadProject(recorder.handler()))
            << testing::PrintToString(recorder.texts(XAProgressMessageKindError));
        return project;
    }

    std::unique_ptr<XABuild> build(const std::shared_ptr<XAProject> &project, const std::string &targetName,
                                   const std::string &configurationName, XAConfiguration configuration = {}) {
        auto target = project->targetForName(targetName);
        auto buildConfiguration = project->buildConfigurationForName(configurationName);
        EXPECT_TRUE(target) << targetName;
        EXPECT_TRUE(buildConfiguration) << configurationName;
        return std::make_unique<XABuild>(project, target, buildConfiguration, std::move(configuration));
    }

    // Copies a fixture project folder into the scratch folder, for tests that change it; returns the copy's folder.
    std::string copiedFixture(const std::string &name) {
        const std::string destination = scratch_ / ("projects/" + name);
        std::filesystem::create_directories(destination);
        std::filesystem::copy(TESSARY_FIXTURES_DIR "/projects/" + name, destination,
                              std::filesystem::copy_options::recursive);
        return destination;
    }

    XAScratchFolder scratch_;

private:
    std::optional<XAScopedEnvironmentVariable> cacheHome_;
    std::optional<XAScopedEnvironmentVariable> invocationLog_;
    std::optional<XAScopedEnvironmentVariable> developerDir_;
    std::optional<XAScopedEnvironmentVariable> path_;
};
