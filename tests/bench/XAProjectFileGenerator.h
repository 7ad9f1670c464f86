#pragma once

// Generates the text of a large, realistic `project.pbxproj` in memory, laid out as Xcode writes it: the
// UTF-8 header comment, sections with "Begin/End ... section" comments, 24-digit hexadecimal object
// identifiers followed by their /* name */ comments, one-line PBXBuildFile and PBXFileReference objects,
// groups, targets with build phases, and build configurations with full buildSettings dictionaries.
// Deterministic for a given size, so that benchmarks compare like with like.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace XAProjectFileGenerator {

class IdentifierSource {
public:
    std::string next() {
        char text[25];
        std::uint64_t high = step();
        std::uint64_t low = step();
        std::snprintf(text, sizeof text, "%08X%016llX", static_cast<unsigned>(high >> 32),
                      static_cast<unsigned long long>(low));
        return text;
    }

private:
    std::uint64_t step() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return state_;
    }
    std::uint64_t state_ = 0x5EED;
};

struct SourceFile {
    std::string fileRef;
    std::string buildFile;
    std::string name;
};

inline void appendBuildSettings(std::string &out, const std::string &configuration, int targetIndex) {
    const bool debug = configuration == "Debug";
    out += "\t\t\tbuildSettings = {\n";
    out += "\t\t\t\tALWAYS_SEARCH_USER_PATHS = NO;\n";
    out += "\t\t\t\tASSETCATALOG_COMPILER_APPICON_NAME = AppIcon;\n";
    out += "\t\t\t\tCLANG_ANALYZER_NONNULL = YES;\n";
    out += "\t\t\t\tCLANG_CXX_LANGUAGE_STANDARD = \"gnu++20\";\n";
    out += "\t\t\t\tCLANG_ENABLE_MODULES = YES;\n";
    out += "\t\t\t\tCLANG_ENABLE_OBJC_ARC = YES;\n";
    out += "\t\t\t\tCLANG_WARN_BLOCK_CAPTURE_AUTORELEASING = YES;\n";
    out += "\t\t\t\tCLANG_WARN_DOCUMENTATION_COMMENTS = YES;\n";
    out += "\t\t\t\tCLANG_WARN_UNGUARDED_AVAILABILITY = YES_AGGRESSIVE;\n";
    out += "\t\t\t\tCODE_SIGN_IDENTITY = \"iPhone Developer\";\n";
    out += "\t\t\t\tCOPY_PHASE_STRIP = NO;\n";
    out += std::string("\t\t\t\tDEBUG_INFORMATION_FORMAT = ") + (debug ? "dwarf" : "\"dwarf-with-dsym\"") + ";\n";
    out += "\t\t\t\tGCC_C_LANGUAGE_STANDARD = gnu11;\n";
    out += std::string("\t\t\t\tGCC_OPTIMIZATION_LEVEL = ") + (debug ? "0" : "s") + ";\n";
    out += "\t\t\t\tGCC_PREPROCESSOR_DEFINITIONS = (\n";
    out += std::string("\t\t\t\t\t\"") + (debug ? "DEBUG=1" : "NDEBUG=1") + "\",\n";
    out += "\t\t\t\t\t\"$(inherited)\",\n";
    out += "\t\t\t\t);\n";
    out += "\t\t\t\tGCC_WARN_64_TO_32_BIT_CONVERSION = YES;\n";
    out += "\t\t\t\tHEADER_SEARCH_PATHS = (\n\t\t\t\t\t\"$(inherited)\",\n\t\t\t\t\t\"$(SRCROOT)/Vendor/include\",\n"
           "\t\t\t\t);\n";
    out += "\t\t\t\tINFOPLIST_FILE = \"Target" + std::to_string(targetIndex) + "/Info.plist\";\n";
    out += "\t\t\t\tIPHONEOS_DEPLOYMENT_TARGET = 15.0;\n";
    out += "\t\t\t\tLD_RUNPATH_SEARCH_PATHS = \"$(inherited) @executable_path/Frameworks\";\n";
    out += "\t\t\t\tOTHER_LDFLAGS = (\n\t\t\t\t\t\"-ObjC\",\n\t\t\t\t\t\"-lz\",\n\t\t\t\t);\n";
    out += "\t\t\t\tPRODUCT_BUNDLE_IDENTIFIER = \"com.example.target" + std::to_string(targetIndex) + "\";\n";
    out += "\t\t\t\tPRODUCT_NAME = \"$(TARGET_NAME)\";\n";
    out += "\t\t\t\tSDKROOT = iphoneos;\n";
    out += "\t\t\t\tTARGETED_DEVICE_FAMILY = \"1,2\";\n";
    out += "\t\t\t};\n";
}

// A project text of at least `approximateBytes` bytes (a little more: the last target is completed).
inline std::string generate(std::size_t approximateBytes) {
    constexpr int kFilesPerGroup = 24;
    constexpr int kFilesPerTarget = 2400;
    IdentifierSource ids;
    std::string buildFiles, fileReferences, groups, nativeTargets, sourcesPhases, configurations, configurationLists;
    const std::string projectId = ids.next();
    const std::string mainGroupId = ids.next();
    std::vector<std::string> topGroups, targetIds;
    std::size_t fileCounter = 0;

    for (int target = 0;
         buildFiles.size() + fileReferences.size() + groups.size() + sourcesPhases.size() + configurations.size() <
         approximateBytes;
         ++target) {
        const std::string targetName = "Target" + std::to_string(target);
        std::vector<SourceFile> files;
        std::string groupChildren;
        for (int i = 0; i < kFilesPerTarget; ++i, ++fileCounter) {
            bool isHeader = i % 2 == 1;
            std::string base = (fileCounter % 11 == 0 ? "\"View Controller " : "XAClass") + std::to_string(fileCounter);
            bool quoted = base.front() == '"';
            std::string name = (quoted ? base.substr(1) : base) + (isHeader ? ".h" : ".m");
            std::string pathToken = quoted ? "\"" + name + "\"" : name;
            SourceFile file{ids.next(), ids.next(), name};
            fileReferences += "\t\t" + file.fileRef + " /* " + name +
                              " */ = {isa = PBXFileReference; fileEncoding = 4; lastKnownFileType = " +
                              (isHeader ? "sourcecode.c.h" : "sourcecode.c.objc") + "; path = " + pathToken +
                              "; sourceTree = \"<group>\"; };\n";
            if (!isHeader) {
                buildFiles += "\t\t" + file.buildFile + " /* " + name +
                              " in Sources */ = {isa = PBXBuildFile; fileRef = " + file.fileRef + " /* " + name +
                              " */; };\n";
                files.push_back(file);
            }
            groupChildren += "\t\t\t\t" + file.fileRef + " /* " + name + " */,\n";
            if ((i + 1) % kFilesPerGroup == 0) {
                std::string groupId = ids.next();
                std::string groupName = "Group" + std::to_string(fileCounter / kFilesPerGroup);
                groups += "\t\t" + groupId + " /* " + groupName +
                          " */ = {\n\t\t\tisa = PBXGroup;\n\t\t\tchildren = (\n" + groupChildren +
                          "\t\t\t);\n\t\t\tpath = " + groupName + ";\n\t\t\tsourceTree = \"<group>\";\n\t\t};\n";
                topGroups.push_back(groupId + " /* " + groupName + " */");
                groupChildren.clear();
            }
        }
        const std::string targetId = ids.next(), phaseId = ids.next(), listId = ids.next();
        const std::string debugId = ids.next(), releaseId = ids.next();
        targetIds.push_back(targetId + " /* " + targetName + " */");
        sourcesPhases += "\t\t" + phaseId +
                         " /* Sources */ = {\n\t\t\tisa = PBXSourcesBuildPhase;\n\t\t\t"
                         "buildActionMask = 2147483647;\n\t\t\tfiles = (\n";
        for (const SourceFile &file : files) {
            sourcesPhases += "\t\t\t\t" + file.buildFile + " /* " + file.name + " in Sources */,\n";
        }
        sourcesPhases += "\t\t\t);\n\t\t\trunOnlyForDeploymentPostprocessing = 0;\n\t\t};\n";
        nativeTargets +=
            "\t\t" + targetId + " /* " + targetName + " */ = {\n\t\t\tisa = PBXNativeTarget;\n" +
            "\t\t\tbuildConfigurationList = " + listId + " /* Build configuration list for PBXNativeTarget \"" +
            targetName + "\" */;\n\t\t\tbuildPhases = (\n\t\t\t\t" + phaseId +
            " /* Sources */,\n\t\t\t);\n\t\t\tbuildRules = (\n\t\t\t);\n\t\t\tdependencies = (\n\t\t\t);\n" +
            "\t\t\tname = " + targetName + ";\n\t\t\tproductName = " + targetName +
            ";\n\t\t\tproductType = \"com.apple.product-type.application\";\n\t\t};\n";
        for (const auto &[id, name] : {std::pair(debugId, "Debug"), std::pair(releaseId, "Release")}) {
            configurations += "\t\t" + id + " /* " + name + " */ = {\n\t\t\tisa = XCBuildConfiguration;\n";
            appendBuildSettings(configurations, name, target);
            configurations += std::string("\t\t\tname = ") + name + ";\n\t\t};\n";
        }
        configurationLists += "\t\t" + listId + " /* Build configuration list for PBXNativeTarget \"" + targetName +
                              "\" */ = {\n\t\t\tisa = XCConfigurationList;\n\t\t\tbuildConfigurations = (\n\t\t\t\t" +
                              debugId + " /* Debug */,\n\t\t\t\t" + releaseId +
                              " /* Release */,\n\t\t\t);\n\t\t\tdefaultConfigurationIsVisible = 0;\n\t\t\t"
                              "defaultConfigurationName = Release;\n\t\t};\n";
    }

    std::string mainGroup = "\t\t" + mainGroupId + " = {\n\t\t\tisa = PBXGroup;\n\t\t\tchildren = (\n";
    for (const std::string &group : topGroups) {
        mainGroup += "\t\t\t\t" + group + ",\n";
    }
    mainGroup += "\t\t\t);\n\t\t\tsourceTree = \"<group>\";\n\t\t};\n";
    std::string project =
        "\t\t" + projectId + " /* Project object */ = {\n\t\t\tisa = PBXProject;\n" +
        "\t\t\tattributes = {\n\t\t\t\tLastUpgradeCheck = 1500;\n\t\t\t\tORGANIZATIONNAME = \"Example "
        "Ltd.\";\n\t\t\t};\n\t\t\tcompatibilityVersion = \"Xcode 14.0\";\n\t\t\tdevelopmentRegion = "
        "en;\n\t\t\tknownRegions = (\n\t\t\t\ten,\n\t\t\t\tBase,\n\t\t\t);\n\t\t\tmainGroup = " +
        mainGroupId + ";\n\t\t\tprojectDirPath = \"\";\n\t\t\tprojectRoot = \"\";\n\t\t\ttargets = (\n";
    for (const std::string &target : targetIds) {
        project += "\t\t\t\t" + target + ",\n";
    }
    project += "\t\t\t);\n\t\t};\n";

    auto section = [](const std::string &isa, const std::string &body) {
        return "\n/* Begin " + isa + " section */\n" + body + "/* End " + isa + " section */\n";
    };
    return "// !$*UTF8*$!\n{\n\tarchiveVersion = 1;\n\tclasses = {\n\t};\n\tobjectVersion = 56;\n\tobjects = {\n" +
           section("PBXBuildFile", buildFiles) + section("PBXFileReference", fileReferences) +
           section("PBXGroup", mainGroup + groups) + section("PBXNativeTarget", nativeTargets) +
           section("PBXProject", project) + section("PBXSourcesBuildPhase", sourcesPhases) +
           section("XCBuildConfiguration", configurations) + section("XCConfigurationList", configurationLists) +
           "\t};\n\trootObject = " + projectId + " /* Project object */;\n}\n";
}

// The shape of a complete project: targets, each with its own group of source files (half implementation files in
// the Sources phase, half headers), and project- and target-level Debug and Release configurations.
struct ProjectShape {
    int targets = 50;
    int filesPerTarget = 100;
};

// The text of a complete project of that shape, as a loaded project needs it: a main group and a products group,
// one application target per group with its product reference, and a project-level configuration list, so that
// resolving build settings has configurations and targets to ask for.
inline std::string generateProject(const ProjectShape &shape) {
    constexpr int kFilesPerGroup = 25;
    IdentifierSource ids;
    std::string buildFiles, fileReferences, groups, nativeTargets, sourcesPhases, configurations, configurationLists;
    const std::string projectId = ids.next(), mainGroupId = ids.next(), productsGroupId = ids.next();
    std::vector<std::string> targetGroups, targetIds, productRefs;

    auto addConfigurationList = [&](const std::string &listId, const std::string &owner, int targetIndex) {
        std::string children;
        for (const char *name : {"Debug", "Release"}) {
            const std::string id = ids.next();
            configurations += "\t\t" + id + " /* " + name + " */ = {\n\t\t\tisa = XCBuildConfiguration;\n";
            if (targetIndex >= 0) {
                appendBuildSettings(configurations, name, targetIndex);
            } else {
                configurations += "\t\t\tbuildSettings = {\n\t\t\t\tCLANG_ENABLE_OBJC_ARC = YES;\n"
                                  "\t\t\t\tIPHONEOS_DEPLOYMENT_TARGET = 15.0;\n\t\t\t\tSDKROOT = iphoneos;\n\t\t\t};\n";
            }
            configurations += std::string("\t\t\tname = ") + name + ";\n\t\t};\n";
            children += "\t\t\t\t" + id + " /* " + name + " */,\n";
        }
        configurationLists += "\t\t" + listId + " /* Build configuration list for " + owner +
                              " */ = {\n\t\t\tisa = XCConfigurationList;\n\t\t\tbuildConfigurations = (\n" + children +
                              "\t\t\t);\n\t\t\tdefaultConfigurationIsVisible = 0;\n\t\t\t"
                              "defaultConfigurationName = Release;\n\t\t};\n";
    };

    for (int target = 0; target < shape.targets; ++target) {
        const std::string targetName = "Target" + std::to_string(target);
        const std::string groupId = ids.next(), phaseId = ids.next(), listId = ids.next(), targetId = ids.next();
        const std::string productId = ids.next();
        std::string groupChildren, phaseFiles, subgroupChildren;
        std::vector<std::string> subgroups;
        for (int i = 0; i < shape.filesPerTarget; ++i) {
            const bool isHeader = i % 2 == 1;
            const std::string name = targetName + "Class" + std::to_string(i / 2) + (isHeader ? ".h" : ".m");
            const std::string fileRef = ids.next();
            fileReferences += "\t\t" + fileRef + " /* " + name +
                              " */ = {isa = PBXFileReference; fileEncoding = 4; lastKnownFileType = " +
                              (isHeader ? "sourcecode.c.h" : "sourcecode.c.objc") + "; path = " + name +
                              "; sourceTree = \"<group>\"; };\n";
            if (!isHeader) {
                const std::string buildFile = ids.next();
                buildFiles += "\t\t" + buildFile + " /* " + name +
                              " in Sources */ = {isa = PBXBuildFile; fileRef = " + fileRef + " /* " + name +
                              " */; };\n";
                phaseFiles += "\t\t\t\t" + buildFile + " /* " + name + " in Sources */,\n";
            }
            subgroupChildren += "\t\t\t\t" + fileRef + " /* " + name + " */,\n";
            if ((i + 1) % kFilesPerGroup == 0 || i + 1 == shape.filesPerTarget) {
                const std::string subgroupId = ids.next();
                const std::string subgroupName = "Part" + std::to_string(subgroups.size());
                groups += "\t\t" + subgroupId + " /* " + subgroupName + " */ = {\n\t\t\tisa = PBXGroup;\n" +
                          "\t\t\tchildren = (\n" + subgroupChildren + "\t\t\t);\n\t\t\tpath = " + subgroupName +
                          ";\n\t\t\tsourceTree = \"<group>\";\n\t\t};\n";
                subgroups.push_back(subgroupId);
                groupChildren += "\t\t\t\t" + subgroupId + " /* " + subgroupName + " */,\n";
                subgroupChildren.clear();
            }
        }
        groups += "\t\t" + groupId + " /* " + targetName + " */ = {\n\t\t\tisa = PBXGroup;\n\t\t\tchildren = (\n" +
                  groupChildren + "\t\t\t);\n\t\t\tpath = " + targetName +
                  ";\n\t\t\tsourceTree = \"<group>\";\n\t\t};\n";
        targetGroups.push_back(groupId + " /* " + targetName + " */");
        fileReferences += "\t\t" + productId + " /* " + targetName +
                          ".app */ = {isa = PBXFileReference; explicitFileType = wrapper.application; "
                          "includeInIndex = 0; path = " +
                          targetName + ".app; sourceTree = BUILT_PRODUCTS_DIR; };\n";
        productRefs.push_back(productId + " /* " + targetName + ".app */");
        sourcesPhases += "\t\t" + phaseId +
                         " /* Sources */ = {\n\t\t\tisa = PBXSourcesBuildPhase;\n\t\t\t"
                         "buildActionMask = 2147483647;\n\t\t\tfiles = (\n" +
                         phaseFiles + "\t\t\t);\n\t\t\trunOnlyForDeploymentPostprocessing = 0;\n\t\t};\n";
        nativeTargets +=
            "\t\t" + targetId + " /* " + targetName + " */ = {\n\t\t\tisa = PBXNativeTarget;\n" +
            "\t\t\tbuildConfigurationList = " + listId + ";\n\t\t\tbuildPhases = (\n\t\t\t\t" + phaseId +
            " /* Sources */,\n\t\t\t);\n\t\t\tbuildRules = (\n\t\t\t);\n\t\t\tdependencies = (\n\t\t\t);\n" +
            "\t\t\tname = " + targetName + ";\n\t\t\tproductName = " + targetName +
            ";\n\t\t\tproductReference = " + productId + ";\n" +
            "\t\t\tproductType = \"com.apple.product-type.application\";\n\t\t};\n";
        targetIds.push_back(targetId + " /* " + targetName + " */");
        addConfigurationList(listId, "PBXNativeTarget \"" + targetName + "\"", target);
    }
    const std::string projectListId = ids.next();
    addConfigurationList(projectListId, "PBXProject", -1);

    auto childList = [](const std::vector<std::string> &children) {
        std::string text;
        for (const std::string &child : children) {
            text += "\t\t\t\t" + child + ",\n";
        }
        return text;
    };
    groups += "\t\t" + mainGroupId + " = {\n\t\t\tisa = PBXGroup;\n\t\t\tchildren = (\n" + childList(targetGroups) +
              "\t\t\t\t" + productsGroupId + " /* Products */,\n\t\t\t);\n\t\t\tsourceTree = \"<group>\";\n\t\t};\n";
    groups += "\t\t" + productsGroupId + " /* Products */ = {\n\t\t\tisa = PBXGroup;\n\t\t\tchildren = (\n" +
              childList(productRefs) + "\t\t\t);\n\t\t\tname = Products;\n\t\t\tsourceTree = \"<group>\";\n\t\t};\n";
    const std::string project =
        "\t\t" + projectId + " /* Project object */ = {\n\t\t\tisa = PBXProject;\n" +
        "\t\t\tattributes = {\n\t\t\t\tLastUpgradeCheck = 1500;\n\t\t\t\tORGANIZATIONNAME = \"Example Ltd.\";\n"
        "\t\t\t};\n\t\t\tbuildConfigurationList = " +
        projectListId + ";\n\t\t\tcompatibilityVersion = \"Xcode 3.2\";\n\t\t\tdevelopmentRegion = en;\n" +
        "\t\t\tknownRegions = (\n\t\t\t\ten,\n\t\t\t\tBase,\n\t\t\t);\n\t\t\tmainGroup = " + mainGroupId +
        ";\n\t\t\tproductRefGroup = " + productsGroupId + " /* Products */;\n\t\t\tprojectDirPath = \"\";\n" +
        "\t\t\tprojectRoot = \"\";\n\t\t\ttargets = (\n" + childList(targetIds) + "\t\t\t);\n\t\t};\n";

    auto section = [](const std::string &isa, const std::string &body) {
        return "\n/* Begin " + isa + " section */\n" + body + "/* End " + isa + " section */\n";
    };
    return "// !$*UTF8*$!\n{\n\tarchiveVersion = 1;\n\tclasses = {\n\t};\n\tobjectVersion = 46;\n\tobjects = {\n" +
           section("PBXBuildFile", buildFiles) + section("PBXFileReference", fileReferences) +
           section("PBXGroup", groups) + section("PBXNativeTarget", nativeTargets) + section("PBXProject", project) +
           section("PBXSourcesBuildPhase", sourcesPhases) + section("XCBuildConfiguration", configurations) +
           section("XCConfigurationList", configurationLists) + "\t};\n\trootObject = " + projectId +
           " /* Project object */;\n}\n";
}

} // namespace XAProjectFileGenerator
