#include "platform/devtools/XAStandInScheme.h"

#include "core/XAPaths.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include <pwd.h>
#include <unistd.h>

namespace {

// The path a location such as "container:App.xcodeproj" stands for, against `folder`; no value for kinds that name
// no place in the file system ("developer:", "self:") or a malformed location.
std::optional<std::string> resolvedLocation(const std::string &location, const std::string &folder) {
    const std::size_t colon = location.find(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    const std::string kind = location.substr(0, colon);
    const std::string path = location.substr(colon + 1);
    if (kind == "absolute") {
        return path.empty() ? std::nullopt : std::optional(xa_stringByStandardizingPath(path));
    }
    if (kind == "container" || kind == "group") {
        if (xa_isAbsolutePath(path)) {
            return xa_stringByStandardizingPath(path);
        }
        return xa_stringByStandardizingPath(path.empty() ? folder : xa_stringByAppendingPathComponent(folder, path));
    }
    return std::nullopt;
}

bool attributeIsNo(const pugi::xml_attribute &attribute) { return attribute && std::string(attribute.value()) == "NO"; }

// The scheme files of one xcschemes folder, sorted by file name.
std::vector<std::string> schemeFilesIn(const std::string &folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->path().extension() == ".xcscheme" && entry->is_regular_file(error)) {
            files.push_back(entry->path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void collectProjectReferences(const pugi::xml_node &parent, const std::string &groupFolder,
                              const std::string &workspaceFolder, std::vector<std::string> &paths,
                              std::vector<std::string> &warnings) {
    for (const pugi::xml_node &element : parent.children()) {
        const std::string name = element.name();
        if (name != "Group" && name != "FileRef") {
            continue;
        }
        const std::string location = element.attribute("location").value();
        const bool containerKind = location.starts_with("container:");
        std::optional<std::string> path = resolvedLocation(location, containerKind ? workspaceFolder : groupFolder);
        if (!path) {
            continue;
        }
        if (name == "Group") {
            collectProjectReferences(element, *path, workspaceFolder, paths, warnings);
        } else if (xa_pathExtension(*path) == "xcodeproj") {
            std::error_code error;
            if (!std::filesystem::exists(*path + "/project.pbxproj", error)) {
                warnings.push_back("The project '" + *path + "' that the workspace refers to does not exist.");
            } else if (std::find(paths.begin(), paths.end(), *path) == paths.end()) {
                paths.push_back(*path);
            }
        }
    }
}

} // namespace

std::optional<XAStandInScheme> XAReadStandInScheme(const std::string &path, const std::string &containerFolder,
                                                   bool shared, std::string *errorMessage) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(path.c_str());
    const pugi::xml_node root = document.child("Scheme");
    if (!parsed || !root) {
        if (errorMessage) {
            *errorMessage = "The scheme file '" + path + "' cannot be read" +
                            (parsed ? std::string(": it holds no scheme.") : ": " + std::string(parsed.description()));
        }
        return std::nullopt;
    }
    XAStandInScheme scheme;
    scheme.name = xa_stringByDeletingPathExtension(xa_lastPathComponent(path));
    scheme.path = path;
    scheme.shared = shared;
    const pugi::xml_node entries = root.child("BuildAction").child("BuildActionEntries");
    for (const pugi::xml_node &entry : entries.children("BuildActionEntry")) {
        const pugi::xml_node reference = entry.child("BuildableReference");
        std::optional<std::string> projectPath =
            resolvedLocation(reference.attribute("ReferencedContainer").value(), containerFolder);
        if (!reference || !projectPath) {
            continue;
        }
        scheme.buildEntries.push_back({reference.attribute("BlueprintIdentifier").value(),
                                       reference.attribute("BlueprintName").value(), *projectPath,
                                       !attributeIsNo(entry.attribute("buildForRunning"))});
    }
    const pugi::xml_attribute launchConfiguration = root.child("LaunchAction").attribute("buildConfiguration");
    if (launchConfiguration && *launchConfiguration.value()) {
        scheme.launchConfiguration = launchConfiguration.value();
    }
    return scheme;
}

std::optional<std::vector<std::string>> XAWorkspaceProjectPaths(const std::string &xcworkspacePath,
                                                                std::vector<std::string> &warnings,
                                                                std::string *errorMessage) {
    const std::string contentsPath = xcworkspacePath + "/contents.xcworkspacedata";
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(contentsPath.c_str());
    if (!parsed) {
        if (errorMessage) {
            *errorMessage = "The workspace file '" + contentsPath + "' cannot be read: " + parsed.description();
        }
        return std::nullopt;
    }
    const std::string folder = xa_stringByDeletingLastPathComponent(xcworkspacePath);
    std::vector<std::string> paths;
    collectProjectReferences(document.document_element(), folder, folder, paths, warnings);
    return paths;
}

std::optional<XAStandInSchemeContainer> XAStandInSchemeContainer::workspace(const std::string &xcworkspacePath,
                                                                            std::string *errorMessage) {
    XAStandInSchemeContainer container;
    container.isWorkspace_ = true;
    container.path_ = xa_stringByStandardizingPath(xa_absoluteCLIPath(xcworkspacePath));
    std::optional<std::vector<std::string>> projects =
        XAWorkspaceProjectPaths(container.path_, container.warnings_, errorMessage);
    if (!projects) {
        return std::nullopt;
    }
    container.projectPaths_ = std::move(*projects);
    return container;
}

XAStandInSchemeContainer XAStandInSchemeContainer::project(const std::string &xcodeprojPath) {
    XAStandInSchemeContainer container;
    container.path_ = xa_stringByStandardizingPath(xa_absoluteCLIPath(xcodeprojPath));
    container.projectPaths_ = {container.path_};
    return container;
}

std::string XAStandInSchemeContainer::name() const {
    return xa_stringByDeletingPathExtension(xa_lastPathComponent(path_));
}

std::vector<XAStandInScheme> XAStandInSchemeContainer::schemes(
    const std::string &userName,
    const std::vector<std::pair<std::string, std::vector<std::string>>> &targetNamesByProject,
    std::vector<std::string> &warnings) const {
    std::vector<std::string> bundles;
    if (isWorkspace_) {
        bundles.push_back(path_);
    }
    bundles.insert(bundles.end(), projectPaths_.begin(), projectPaths_.end());

    std::vector<XAStandInScheme> schemes;
    std::set<std::string> names;
    bool anySchemeFile = false;
    for (const bool shared : {true, false}) {
        std::vector<XAStandInScheme> group;
        if (!shared && (userName.empty() || userName.find('/') != std::string::npos)) {
            break; // nobody's own schemes to read
        }
        for (const std::string &bundle : bundles) {
            const std::string folder = shared ? bundle + "/xcshareddata/xcschemes"
                                              : bundle + "/xcuserdata/" + userName + ".xcuserdatad/xcschemes";
            for (const std::string &file : schemeFilesIn(folder)) {
                anySchemeFile = true;
                std::string error;
                if (std::optional<XAStandInScheme> scheme =
                        XAReadStandInScheme(file, xa_stringByDeletingLastPathComponent(bundle), shared, &error)) {
                    group.push_back(std::move(*scheme));
                } else {
                    warnings.push_back(error);
                }
            }
        }
        std::stable_sort(group.begin(), group.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
        for (XAStandInScheme &scheme : group) {
            if (names.insert(scheme.name).second) {
                schemes.push_back(std::move(scheme));
            }
        }
    }
    if (anySchemeFile) {
        return schemes;
    }
    for (const auto &[projectPath, targetNames] : targetNamesByProject) {
        for (const std::string &targetName : targetNames) {
            if (names.insert(targetName).second) {
                XAStandInScheme scheme;
                scheme.name = targetName;
                scheme.buildEntries.push_back({"", targetName, projectPath, true});
                schemes.push_back(std::move(scheme));
            }
        }
    }
    return schemes;
}

std::string XAStandInUserName() {
    if (const char *user = std::getenv("USER"); user && *user) {
        return user;
    }
    const struct passwd *entry = ::getpwuid(::getuid());
    return entry && entry->pw_name ? entry->pw_name : "";
}
