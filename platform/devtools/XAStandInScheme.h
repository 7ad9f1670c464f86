#pragma once

// Schemes as the xcodebuild stand-in reads them, and the workspaces and projects that hold them.
//
// A scheme is an XML file `<Name>.xcscheme` in `xcshareddata/xcschemes` (shared) or
// `xcuserdata/<user>.xcuserdatad/xcschemes` (the user's own) inside a `.xcworkspace` or `.xcodeproj` bundle. Of its
// contents the stand-in reads what a build needs: the build action's entries (each a BuildableReference naming a
// target by BlueprintIdentifier and BlueprintName, in a project given by ReferencedContainer) and the build
// configuration of the launch action. A workspace's projects come from its `contents.xcworkspacedata`.

#include <optional>
#include <string>
#include <vector>

struct XAStandInSchemeBuildEntry {
    std::string blueprintIdentifier; // the target's object identifier in its project; may be empty
    std::string blueprintName;       // the target's name
    std::string projectPath;         // absolute path of the `.xcodeproj` that holds the target
    bool buildForRunning = true;     // whether the "build" action builds the entry
};

struct XAStandInScheme {
    std::string name;
    std::string path; // the .xcscheme file; empty for a scheme made for a target of a project without schemes
    bool shared = true;
    std::vector<XAStandInSchemeBuildEntry> buildEntries; // in the scheme's order
    std::optional<std::string> launchConfiguration;      // LaunchAction's buildConfiguration
};

// Reads a scheme file. ReferencedContainer values ("container:App.xcodeproj", "group:...", "absolute:/...") are
// taken against `containerFolder`, the folder that holds the workspace or project the scheme belongs to. No value,
// with a message, when the file cannot be read or is not a scheme.
std::optional<XAStandInScheme> XAReadStandInScheme(const std::string &path, const std::string &containerFolder,
                                                   bool shared, std::string *errorMessage);

// The `.xcodeproj` bundles a workspace refers to (FileRef elements, also inside Group elements, whose location is
// "group:", "container:" or "absolute:"), as absolute standardised paths in document order, each once. References to
// other files are left out; references to projects that do not exist are reported in `warnings` and left out. No
// value, with a message, when the workspace's contents file cannot be read or parsed.
std::optional<std::vector<std::string>> XAWorkspaceProjectPaths(const std::string &xcworkspacePath,
                                                                std::vector<std::string> &warnings,
                                                                std::string *errorMessage);

// A workspace or a project in its role as the holder of schemes.
class XAStandInSchemeContainer {
public:
    // A workspace: its projects are read from its contents file (see XAWorkspaceProjectPaths).
    static std::optional<XAStandInSchemeContainer> workspace(const std::string &xcworkspacePath,
                                                             std::string *errorMessage);
    static XAStandInSchemeContainer project(const std::string &xcodeprojPath);

    bool isWorkspace() const { return isWorkspace_; }
    const std::string &path() const { return path_; }
    // The bundle's name without its extension.
    std::string name() const;
    // A workspace's projects; for a project, the project itself.
    const std::vector<std::string> &projectPaths() const { return projectPaths_; }
    // Problems met while reading the container that do not stop it from being used.
    const std::vector<std::string> &warnings() const { return warnings_; }

    // The schemes in the order xcodebuild lists them: the shared schemes of the container and then of its projects,
    // then the user's own in the same order; each group sorted by name, and every name once (the first wins). Scheme
    // files that cannot be read are reported in `warnings` and left out. When there is no scheme file at all, every
    // target of `targetNamesByProject` (project path, then target names) gets a scheme of its own name that builds
    // it, as Xcode makes them for projects without schemes.
    std::vector<XAStandInScheme>
    schemes(const std::string &userName,
            const std::vector<std::pair<std::string, std::vector<std::string>>> &targetNamesByProject,
            std::vector<std::string> &warnings) const;

private:
    XAStandInSchemeContainer() = default;

    bool isWorkspace_ = false;
    std::string path_;
    std::vector<std::string> projectPaths_;
    std::vector<std::string> warnings_;
};

// The name of the user whose schemes are read: USER when set, else the account's name.
std::string XAStandInUserName();
