// The Git repository's ignore rules held against what an Xcode project should, and should not, ignore: build folders,
// temporary and per-user editor files, and the files of CocoaPods, Carthage and AppCode where the project uses them.
// One finding per group of files whose ignore state differs from the expectation.

#include "core/XACollections.h"
#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAProject.h"

#include <filesystem>
#include <variant>

namespace {

constexpr const char *kWorkspaceIgnored = "workspaceIgnored";
constexpr const char *kCocoaPodsIgnored = "cocoaPodsIgnored";
constexpr const char *kCarthageBuildIgnored = "carthageBuildIgnored";
constexpr const char *kCarthageCheckoutsIgnored = "carthageCheckoutsIgnored";
constexpr const char *kAppCodeUserDataIgnored = "appCodeUserDataIgnored";

// Files that belong together, with the name shown (and used as the finding's identifier) and whether they should be
// ignored: the value of an option, or fixed.
struct XAIgnoreGroup {
    std::string name;
    std::vector<std::string> paths; // patterns relative to the project folder
    std::variant<const char *, bool> expectation;
};

// "build/*" is shown as the folder it stands for.
std::string displayedPattern(const std::string &pattern) {
    const std::string shown = pattern.ends_with("/*") ? pattern.substr(0, pattern.size() - 1) : pattern;
    return "<code>" + xa_escapedForXML(shown) + "</code>";
}

} // namespace

struct XARuleRecommendedVCSIgnores : XAProjectRule<XARuleRecommendedVCSIgnores> {
    static XAXMLString ruleName() { return XAXMLString("Recommended VCS ignores"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when files that are recommended to be ignored by the version control system are not "
                           "ignored, or when files that are recommended to stay under version control are ignored.");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.project() && context.project()->versionControlSystem() == XAVersionControlSystemGit;
    }
    static std::string applicationConditionDescription() { return "Applies to projects under Git version control."; }
    static std::vector<std::string> tags() { return {"Recommended", "VCS"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
                    "Stack Overflow: Git ignore file for Xcode projects",
                    "https://stackoverflow.com/questions/49478/git-ignore-file-for-xcode-projects"),
                XAExternalLink::linkWithTitle("CocoaPods Guides: Using CocoaPods",
                                              "https://guides.cocoapods.org/using/using-cocoapods.html"),
                XAExternalLink::linkWithTitle(
                    "Carthage Documentation: Artifacts",
                    "https://github.com/Carthage/Carthage/blob/master/Documentation/Artifacts.md#cartfileresolved")};
    }
    static std::vector<XARuleOption> options() {
        return {option(kWorkspaceIgnored, false, "Whether the Xcode workspace data should be ignored", std::nullopt),
                option(kCocoaPodsIgnored, false, "Whether CocoaPods data should be ignored",
                       "i.e. The Pods folder. Warns only if CocoaPods is used."),
                option(kCarthageBuildIgnored, true, "Whether Carthage/Build should be ignored",
                       "Warns only if Carthage is used."),
                option(kCarthageCheckoutsIgnored, false, "Whether Carthage/Checkouts should be ignored",
                       "Warns only if Carthage is used."),
                option(kAppCodeUserDataIgnored, true, "Whether user-specific AppCode data should be ignored",
                       "i.e. Specific files under the .idea folder. Warns only if this folder exists.")};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        const std::shared_ptr<XAVCSRepository> repository =
            context.project() ? context.project()->versionControlRepository() : nullptr;
        if (!repository) {
            return diagnostics;
        }
        const std::string projectFolder = context.project()->projectDiskRootPath();
        for (const XAIgnoreGroup &group : ignoreGroups(*context.project())) {
            const bool shouldBeIgnored = std::holds_alternative<bool>(group.expectation)
                                             ? std::get<bool>(group.expectation)
                                             : boolForOption(std::get<const char *>(group.expectation), context);
            std::vector<std::string> wrong;
            for (const std::string &pattern : group.paths) {
                const std::string path = xa_stringByStandardizingPath(projectFolder + "/" + pattern);
                if (repository->pathIsIgnored(path) != shouldBeIgnored) {
                    wrong.push_back(displayedPattern(pattern));
                }
            }
            if (!wrong.empty()) {
                diagnostics.push_back(diagnosticForGroup(group, shouldBeIgnored, wrong));
            }
        }
        return diagnostics;
    }

    static XARuleOption option(const char *name, bool defaultValue, const char *title,
                               std::optional<std::string> info) {
        return XARuleOption::ruleOptionWithName(name, title, std::move(info), XAOptionValue(defaultValue),
                                                XAOptionValueTypeBool);
    }

    // The groups that concern this project, in the order they are reported.
    static std::vector<XAIgnoreGroup> ignoreGroups(const XAProject &project) {
        const std::string xcodeprojName = xa_lastPathComponent(project.xcodeprojPath());
        std::vector<XAIgnoreGroup> groups = {
            {"The Xcode workspace data",
             {xcodeprojName + "/project.xcworkspace/contents.xcworkspacedata"},
             kWorkspaceIgnored},
            {"The Xcode build folder", {"build/*", "DerivedData/*"}, true},
            {"Temporary files", {".DS_Store", "*.swp"}, true},
            {"Xcode private settings files", {"*.mode1v3", "*.mode2v3", "*.perspectivev3"}, true},
            {"Xcode moved-aside files", {"*.moved-aside"}, true},
        };
        std::error_code error;
        if (std::filesystem::symlink_status(project.projectDiskRootPath() + "/.idea", error).type() !=
            std::filesystem::file_type::not_found) {
            groups.push_back({"User-specific AppCode data files",
                              {".idea/workspace.xml", ".idea/tasks.xml", ".idea/*.iws"},
                              kAppCodeUserDataIgnored});
        }
        if (project.usesCocoaPods()) {
            groups.push_back({"CocoaPods", {"Pods/*", "Pods/Manifest.lock"}, kCocoaPodsIgnored});
            groups.push_back({"CocoaPods podfile", {"Podfile"}, false});
            groups.push_back({"CocoaPods Podfile.lock", {"Podfile.lock"}, false});
        }
        if (project.usesCarthage()) {
            groups.push_back({"Carthage build folder", {"Carthage/Build/*"}, kCarthageBuildIgnored});
            groups.push_back({"Carthage checkouts folder", {"Carthage/Checkouts/*"}, kCarthageCheckoutsIgnored});
            groups.push_back({"Carthage cartfile", {"Cartfile"}, false});
            groups.push_back({"Carthage private cartfile", {"Cartfile.private"}, false});
            groups.push_back({"Carthage Cartfile.resolved", {"Cartfile.resolved"}, false});
        }
        return groups;
    }

    static XADiagnostic diagnosticForGroup(const XAIgnoreGroup &group, bool shouldBeIgnored,
                                           const std::vector<std::string> &listedPatterns) {
        const std::string info =
            shouldBeIgnored ? "<strong>" + group.name + "</strong> should be ignored in the version control system." +
                                  " The un-ignored paths are: " + xa_asUnorderedHTMLList(listedPatterns)
                            : "<strong>" + group.name +
                                  "</strong> should <strong>not</strong> be ignored in the version control system." +
                                  " The ignored paths are: " + xa_asUnorderedHTMLList(listedPatterns);
        return diagnosticWithFile(std::nullopt, XAXMLString(info), group.name, XADiagnosticImpactMaintainability,
                                  XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleRecommendedVCSIgnores)
