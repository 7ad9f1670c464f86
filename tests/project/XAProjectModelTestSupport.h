#pragma once

// Small projects made in a scratch folder, canned `xcodebuild -showBuildSettings` output, and a recorder of progress
// messages, for the tests of the project model.

#include "core/XALogTestSupport.h"
#include "core/XAPathsTestSupport.h"
#include "core/XAProgressMessage.h"
#include "core/XAPropertyList.h"
#include "core/XAValue.h"
#include "project/XABuildSettingsOutput.h"
#include "project/XAProject.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

const std::string kIOSAppXcodeproj = TESSARY_FIXTURES_DIR "/projects/iOSApp/iOSApp.xcodeproj";
const std::string kMacAppXcodeproj = TESSARY_FIXTURES_DIR "/projects/MacApp/MacApp.xcodeproj";

// Collects progress messages; safe for handlers called from several threads.
class XAProgressRecorder {
public:
    XAProgressHandler handler() {
        return [this](const XAProgressMessage &message) {
            std::lock_guard lock(mutex_);
            messages_.push_back(message);
        };
    }
    std::vector<XAProgressMessage> messages() const {
        std::lock_guard lock(mutex_);
        return messages_;
    }
    // The texts of the messages of one kind, in the order sent.
    std::vector<std::string> texts(XAProgressMessageKind kind) const {
        std::vector<std::string> texts;
        for (const auto &message : messages()) {
            if (message.kind() == kind) {
                texts.push_back(message.message());
            }
        }
        return texts;
    }

private:
    mutable std::mutex mutex_;
    std::vector<XAProgressMessage> messages_;
};

// The text xcodebuild prints for `-showBuildSettings`, one block per target.
inline std::string XAShowBuildSettingsOutput(const std::vector<std::pair<std::string, XABuildSettings>> &targets) {
    std::string output = "Command line invocation:\n    /usr/bin/xcodebuild -showBuildSettings\n\n";
    for (const auto &[target, settings] : targets) {
        output += "Build settings for action clean and target " + target + ":\n";
        for (const auto &[key, value] : settings) {
            output += "    " + key + " = " + value + "\n";
        }
        output += "\n";
    }
    return output;
}

// A stand-in for xcodebuild that answers `-showBuildSettings` from prepared settings per configuration and target,
// and records how it was called.
class XAFakeXcodebuild {
public:
    // configuration -> target -> settings
    std::map<std::string, std::vector<std::pair<std::string, XABuildSettings>>> settings;
    // Configurations for which xcodebuild fails.
    std::map<std::string, int> failingConfigurations;
    std::chrono::milliseconds delay{0};

    XAXcodebuildRunner runner() {
        return [this](const std::optional<std::string> &directory, const std::vector<std::string> &arguments) {
            const int running = ++running_;
            {
                std::lock_guard lock(mutex_);
                calls_.push_back({directory, arguments});
                maximumConcurrency_ = std::max(maximumConcurrency_, running);
            }
            std::this_thread::sleep_for(delay);
            XATaskResults results;
            const std::string configuration = argumentAfter(arguments, "-configuration");
            if (auto failing = failingConfigurations.find(configuration); failing != failingConfigurations.end()) {
                results.exitStatus = failing->second;
                results.standardOutput = "partial output";
                results.standardError = "xcodebuild: error: broken";
            } else {
                auto found = settings.find(configuration);
                results.standardOutput = found == settings.end() ? "" : XAShowBuildSettingsOutput(found->second);
                results.standardError = "";
            }
            --running_;
            return results;
        };
    }

    struct Call {
        std::optional<std::string> directory;
        std::vector<std::string> arguments;
    };
    std::vector<Call> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    int maximumConcurrency() const {
        std::lock_guard lock(mutex_);
        return maximumConcurrency_;
    }

    static std::string argumentAfter(const std::vector<std::string> &arguments, const std::string &option) {
        for (std::size_t index = 0; index + 1 < arguments.size(); ++index) {
            if (arguments[index] == option) {
                return arguments[index + 1];
            }
        }
        return "";
    }

private:
    mutable std::mutex mutex_;
    std::vector<Call> calls_;
    std::atomic<int> running_{0};
    int maximumConcurrency_ = 0;
};

// Builds a project file object by object and writes it as `<name>.xcodeproj/project.pbxproj` into a folder.
class XATestProjectBuilder {
public:
    XADictionary objects;

    static XAValue list(const std::vector<std::string> &ids) {
        XAValue::Array array;
        for (const auto &id : ids) {
            array.emplace_back(id);
        }
        return XAValue(std::move(array));
    }

    std::string add(const std::string &id, XADictionary object) {
        objects.set(id, XAValue(std::move(object)));
        return id;
    }
    std::string fileReference(const std::string &id, const std::string &path, const std::string &type,
                              const std::string &sourceTree = "<group>") {
        return add(
            id, {{"isa", "PBXFileReference"}, {"lastKnownFileType", type}, {"path", path}, {"sourceTree", sourceTree}});
    }
    std::string group(const std::string &id, const std::vector<std::string> &children,
                      const std::optional<std::string> &path = std::nullopt) {
        XADictionary object{{"isa", "PBXGroup"}, {"children", list(children)}, {"sourceTree", "<group>"}};
        if (path) {
            object.set("path", *path);
        }
        return add(id, std::move(object));
    }
    std::string buildFile(const std::string &id, const std::string &fileRef) {
        return add(id, {{"isa", "PBXBuildFile"}, {"fileRef", fileRef}});
    }
    std::string phase(const std::string &id, const std::string &isa, const std::vector<std::string> &files) {
        return add(id, {{"isa", isa}, {"files", list(files)}});
    }
    std::string configuration(const std::string &id, const std::string &name, XADictionary settings = {}) {
        return add(id,
                   {{"isa", "XCBuildConfiguration"}, {"name", name}, {"buildSettings", XAValue(std::move(settings))}});
    }
    std::string configurationList(const std::string &id, const std::vector<std::string> &configurations,
                                  const std::string &defaultName = "Release") {
        return add(id, {{"isa", "XCConfigurationList"},
                        {"buildConfigurations", list(configurations)},
                        {"defaultConfigurationName", defaultName}});
    }
    std::string target(const std::string &id, const std::string &name, const std::string &productType,
                       const std::vector<std::string> &phases, const std::string &configurationListID) {
        return add(id, {{"isa", "PBXNativeTarget"},
                        {"name", name},
                        {"productName", name},
                        {"productType", productType},
                        {"buildPhases", list(phases)},
                        {"buildConfigurationList", configurationListID}});
    }
    // The project object; `extra` adds or replaces keys.
    std::string project(const std::string &mainGroup, const std::vector<std::string> &targets,
                        const std::string &configurationListID, XADictionary extra = {}) {
        XADictionary object{{"isa", "PBXProject"},
                            {"mainGroup", mainGroup},
                            {"targets", list(targets)},
                            {"buildConfigurationList", configurationListID},
                            {"compatibilityVersion", "Xcode 3.2"},
                            {"developmentRegion", "en"},
                            {"knownRegions", list({"en", "Base"})}};
        for (const auto &[key, value] : extra) {
            object.set(key, value);
        }
        return add(rootID, std::move(object));
    }

    // Writes the project file; returns the `.xcodeproj` path.
    std::string write(const XAScratchFolder &folder, const std::string &name, const std::string &objectVersion = "46") {
        XAValue file(XADictionary{{"archiveVersion", "1"},
                                  {"classes", XAValue(XADictionary{})},
                                  {"objectVersion", objectVersion},
                                  {"objects", XAValue(objects)},
                                  {"rootObject", rootID}});
        XAError error;
        auto text = XAOpenStepPropertyListData(file, &error);
        EXPECT_TRUE(text) << error.message;
        folder.write(name + ".xcodeproj/project.pbxproj", "// !$*UTF8*$!\n" + text.value_or(""));
        return folder / (name + ".xcodeproj");
    }

    const std::string rootID = "ROOT";
};

// A project with one target "App" (sources main.m, resources as given) and the configurations Debug and Release.
inline XATestProjectBuilder XAOneTargetProject(const std::vector<std::string> &resourceFileRefs = {},
                                               const std::vector<std::string> &extraGroupChildren = {}) {
    XATestProjectBuilder builder;
    builder.fileReference("F_MAIN", "main.m", "sourcecode.c.objc");
    std::vector<std::string> children = {"F_MAIN"};
    children.insert(children.end(), extraGroupChildren.begin(), extraGroupChildren.end());
    builder.group("G_MAIN", children);
    std::vector<std::string> resourceBuildFiles;
    for (std::size_t index = 0; index < resourceFileRefs.size(); ++index) {
        resourceBuildFiles.push_back(builder.buildFile("B_RES" + std::to_string(index), resourceFileRefs[index]));
    }
    builder.buildFile("B_MAIN", "F_MAIN");
    builder.phase("P_SRC", "PBXSourcesBuildPhase", {"B_MAIN"});
    builder.phase("P_RES", "PBXResourcesBuildPhase", resourceBuildFiles);
    builder.configurationList("L_APP",
                              {builder.configuration("C_APP_D", "Debug"), builder.configuration("C_APP_R", "Release")});
    builder.target("T_APP", "App", "com.apple.product-type.application", {"P_SRC", "P_RES"}, "L_APP");
    builder.configurationList("L_PROJ",
                              {builder.configuration("C_D", "Debug"), builder.configuration("C_R", "Release")});
    builder.project("G_MAIN", {"T_APP"}, "L_PROJ");
    return builder;
}
