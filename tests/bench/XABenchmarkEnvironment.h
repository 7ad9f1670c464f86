#pragma once

// What the benchmarks that build and parse need: the stand-in developer directory and the libclang library that the
// build lays out beside the benchmark (<stage>/libexec/tessary-benchmarks, <stage>/Developer, <stage>/lib/tessary),
// set up as the launcher sets them up for Tessary; and a temporary folder holding a caches root of its own.

#include "codemodel/XALibclang.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "project/XADevEnvironment.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

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

// "<stem>0.m" to "<stem><count - 1>.m".
inline std::vector<std::string> XANumberedSourceFileNames(const std::string &stem, int count) {
    std::vector<std::string> names;
    for (int index = 0; index < count; ++index) {
        names.push_back(stem + std::to_string(index) + ".m");
    }
    return names;
}

// The project file of one application target, "App", whose Sources phase compiles the files of the folder "Sources"
// (iOS 12, ARC); `projectAttributes` go into the project's attributes ("CLASSPREFIX = TQX;"). `headerNames` are
// files of the same folder that the project references without compiling them, so findings in them are kept.
// `targetSettingsFileName`, when given, names a `.xcconfig` file of the same folder that the target's configuration is
// based on.
inline std::string XASourcesOnlyProjectText(const std::vector<std::string> &fileNames,
                                            const std::string &projectAttributes = "",
                                            const std::vector<std::string> &headerNames = {},
                                            const std::string &targetSettingsFileName = "") {
    auto identifier = [](int kind, int index) {
        char text[25];
        std::snprintf(text, sizeof text, "%02X%022d", kind, index);
        return std::string(text);
    };
    std::string fileReferences, buildFiles, children, phaseFiles;
    for (int index = 0; index < static_cast<int>(fileNames.size()); ++index) {
        const std::string &name = fileNames[static_cast<std::size_t>(index)];
        fileReferences += "\t\t" + identifier(0xF1, index) +
                          " = {isa = PBXFileReference; lastKnownFileType = sourcecode.c.objc; path = " + name +
                          "; sourceTree = \"<group>\"; };\n";
        buildFiles += "\t\t" + identifier(0xB1, index) +
                      " = {isa = PBXBuildFile; fileRef = " + identifier(0xF1, index) + "; };\n";
        children += "\t\t\t\t" + identifier(0xF1, index) + ",\n";
        phaseFiles += "\t\t\t\t" + identifier(0xB1, index) + ",\n";
    }
    for (int index = 0; index < static_cast<int>(headerNames.size()); ++index) {
        fileReferences += "\t\t" + identifier(0xF2, index) +
                          " = {isa = PBXFileReference; lastKnownFileType = sourcecode.c.h; path = " +
                          headerNames[static_cast<std::size_t>(index)] + "; sourceTree = \"<group>\"; };\n";
        children += "\t\t\t\t" + identifier(0xF2, index) + ",\n";
    }
    std::string targetSettingsReference;
    if (!targetSettingsFileName.empty()) {
        fileReferences +=
            "\t\t" + identifier(0xF3, 0) +
            " = {isa = PBXFileReference; lastKnownFileType = text.xcconfig; path = " + targetSettingsFileName +
            "; sourceTree = \"<group>\"; };\n";
        children += "\t\t\t\t" + identifier(0xF3, 0) + ",\n";
        targetSettingsReference = " baseConfigurationReference = " + identifier(0xF3, 0) + ";";
    }
    const std::string configuration = "isa = XCBuildConfiguration; buildSettings = {CLANG_ENABLE_OBJC_ARC = YES; "
                                      "IPHONEOS_DEPLOYMENT_TARGET = 12.0; SDKROOT = iphoneos; PRODUCT_NAME = "
                                      "\"$(TARGET_NAME)\";};";
    return "// !$*UTF8*$!\n{\n\tarchiveVersion = 1;\n\tclasses = {\n\t};\n\tobjectVersion = 46;\n\tobjects = {\n" +
           fileReferences + buildFiles +
           "\t\tA0000000000000000000000A = {isa = PBXGroup; children = (A0000000000000000000000B,); sourceTree = "
           "\"<group>\"; };\n"
           "\t\tA0000000000000000000000B = {isa = PBXGroup; children = (\n" +
           children +
           "\t\t\t); path = Sources; sourceTree = \"<group>\"; };\n"
           "\t\tA0000000000000000000000C = {isa = PBXSourcesBuildPhase; buildActionMask = 2147483647; files = (\n" +
           phaseFiles +
           "\t\t\t); runOnlyForDeploymentPostprocessing = 0; };\n"
           "\t\tA0000000000000000000000D = {isa = PBXNativeTarget; buildConfigurationList = A0000000000000000000000F; "
           "buildPhases = (A0000000000000000000000C,); buildRules = (); dependencies = (); name = App; productName = "
           "App; productType = \"com.apple.product-type.application\"; };\n"
           "\t\tA0000000000000000000000E = {isa = PBXProject; attributes = {" +
           projectAttributes +
           "}; buildConfigurationList = A00000000000000000000010; "
           "compatibilityVersion = \"Xcode 3.2\"; developmentRegion = en; knownRegions = (en,); mainGroup = "
           "A0000000000000000000000A; targets = (A0000000000000000000000D,); };\n"
           "\t\tA0000000000000000000000F = {isa = XCConfigurationList; buildConfigurations = "
           "(A00000000000000000000011,); defaultConfigurationName = Debug; };\n"
           "\t\tA00000000000000000000010 = {isa = XCConfigurationList; buildConfigurations = "
           "(A00000000000000000000012,); defaultConfigurationName = Debug; };\n"
           "\t\tA00000000000000000000011 = {" +
           configuration + targetSettingsReference + " name = Debug; };\n\t\tA00000000000000000000012 = {" +
           configuration + " name = Debug; };\n\t};\n\trootObject = A0000000000000000000000E;\n}\n";
}
