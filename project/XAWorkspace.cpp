#include "project/XAWorkspace.h"

#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XADevEnvironment.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

void sendError(const XAProgressHandler &progress, const std::string &message) {
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindError, message));
    }
}

std::string lowercasedKind(const std::string &kind) {
    std::string lowered = xa_trimmed(kind);
    std::ranges::transform(lowered, lowered.begin(), [](unsigned char c) { return std::tolower(c); });
    return lowered;
}

// The scheme lines of `xcodebuild -list`: those indented by eight blanks right after the "Schemes:" line.
std::vector<std::string> schemeNamesFromListOutput(const std::string &output) {
    std::vector<std::string> names;
    bool inSchemes = false;
    for (const std::string &line : xa_lines(output)) {
        if (!inSchemes) {
            inSchemes = lowercasedKind(line) == "schemes:";
        } else if (line.starts_with("        ")) {
            const std::string name = xa_trimmed(line);
            if (std::ranges::find(names, name) == names.end()) {
                names.push_back(name);
            }
        } else {
            break;
        }
    }
    return names;
}

} // namespace

XAWorkspace::XAWorkspace(std::string xcworkspacePath) : xcworkspacePath_(std::move(xcworkspacePath)) {}

void XAWorkspace::setXcodebuildRunnerForTesting(XAXcodebuildRunner runner) { xcodebuildRunner_ = std::move(runner); }

std::string XAWorkspace::containerFolder() const { return xa_stringByDeletingLastPathComponent(xcworkspacePath_); }

bool XAWorkspace::readWorkspaceDataWithProgress(const XAProgressHandler &progress) {
    if (xcworkspacePath_.empty()) {
        sendError(progress, "No path to xcworkspace given");
        return false;
    }
    const std::vector<std::string> components = xa_pathComponents(xcworkspacePath_);
    const std::string bundleName = xa_lastPathComponent(xcworkspacePath_);
    if (bundleName == "project.xcworkspace" && components.size() > 1) {
        workspaceName_ = xa_stringByDeletingPathExtension(components[components.size() - 2]) + " (Project workspace)";
    } else {
        workspaceName_ = xa_stringByDeletingPathExtension(bundleName);
    }
    XAError error;
    std::optional<std::string> data =
        XAContentsOfFile(xa_stringByAppendingPathComponent(xcworkspacePath_, "contents.xcworkspacedata"), &error);
    if (!data) {
        sendError(progress, "Could not read workspace data: " + error.message);
        return false;
    }
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(data->data(), data->size());
    if (!parsed) {
        sendError(progress, "Could not parse workspace data XML: " + std::string(parsed.description()));
        return false;
    }
    return gatherInfoFromXMLDocument(document, progress);
}

bool XAWorkspace::gatherInfoFromXMLDocument(const pugi::xml_document &document, const XAProgressHandler &progress) {
    fileReferencePaths_ = fileRefPathsFromElement(document.document_element(), containerFolder(), progress);
    return true;
}

std::vector<std::string> XAWorkspace::fileRefPathsFromElement(const pugi::xml_node &element,
                                                              const std::string &parentGroupPath,
                                                              const XAProgressHandler &progress) const {
    std::vector<std::string> paths;
    for (const pugi::xml_node &child : element.children()) {
        const std::string name = child.name();
        if (child.type() != pugi::node_element || (name != "Group" && name != "FileRef")) {
            continue;
        }
        const std::string location = child.attribute("location").value();
        const std::vector<std::string> parts = xa_componentsSeparatedByString(location, ":");
        if (parts.size() != 2) {
            sendError(progress, "Unknown workspace " + name + " location format: " + location);
            continue;
        }
        const std::string kind = lowercasedKind(parts[0]);
        std::string path;
        if (kind == "absolute") {
            path = parts[1];
        } else if (kind == "group") {
            path = xa_stringByAppendingPathComponent(parentGroupPath, parts[1]);
        } else if (kind == "container") {
            path = xa_stringByAppendingPathComponent(containerFolder(), parts[1]);
        }
        path = xa_stringByStandardizingPath(path);
        if (path.empty()) {
            continue;
        }
        if (name == "Group") {
            std::vector<std::string> grouped = fileRefPathsFromElement(child, path, progress);
            paths.insert(paths.end(), grouped.begin(), grouped.end());
        } else if (std::error_code ignored; std::filesystem::exists(path, ignored)) {
            paths.push_back(path);
        } else {
            sendError(progress, "Workspace FileRef not found on disk: " + path);
        }
    }
    return paths;
}

bool XAWorkspace::gatherSchemeNamesWithProgress(const XAProgressHandler &progress) {
    const std::vector<std::string> arguments = {"-workspace", xa_lastPathComponent(xcworkspacePath_), "-list"};
    const XATaskResults results =
        xcodebuildRunner_
            ? xcodebuildRunner_(containerFolder(), arguments)
            : XADevEnvironment::sharedEnvironment().resultsOfXcodebuildInDir(containerFolder(), arguments);
    if (results.exitStatus != 0) {
        sendError(progress, results.standardError.value_or(""));
        return false;
    }
    schemeNames_ = schemeNamesFromListOutput(results.standardOutput.value_or(""));
    return true;
}
