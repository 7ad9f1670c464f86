#pragma once

#include "core/XAProgressMessage.h"
#include "project/XAProject.h"

#include <pugixml.hpp>

#include <string>
#include <vector>

// An Xcode workspace bundle (`.xcworkspace`): its display name, the files and folders it refers to, and its schemes.
// Nothing is read when it is made; each read reports its failures as error messages to the handler and leaves what it
// would have set unchanged. One object is read on one thread.
class XAWorkspace {
public:
    explicit XAWorkspace(std::string xcworkspacePath);

    const std::string &xcworkspacePath() const { return xcworkspacePath_; }
    // "Shop" for "Shop.xcworkspace"; "App (Project workspace)" for the workspace inside "App.xcodeproj".
    const std::string &workspaceName() const { return workspaceName_; }
    // The standardised absolute paths of the file references that exist, in document order, groups expanded in place.
    const std::vector<std::string> &fileReferencePaths() const { return fileReferencePaths_; }
    // In the order xcodebuild lists them, without duplicates.
    const std::vector<std::string> &schemeNames() const { return schemeNames_; }

    // Sets the display name, then reads "contents.xcworkspacedata" and its file references.
    bool readWorkspaceDataWithProgress(const XAProgressHandler &progress);
    // Collects the file references under the document's root element, the bundle's folder as the outer group.
    bool gatherInfoFromXMLDocument(const pugi::xml_document &document, const XAProgressHandler &progress);
    // The paths of the "FileRef" elements under `element`, "Group" elements expanded with their own path as the group
    // path. A location is "<kind>:<path>": "absolute" paths stand alone, "group" paths lie in the enclosing group,
    // "container" paths in the bundle's folder; other kinds ("developer:") name no file here and are skipped. A
    // location that is not two parts around one colon, and a file that does not exist, are reported and skipped.
    std::vector<std::string> fileRefPathsFromElement(const pugi::xml_node &element, const std::string &parentGroupPath,
                                                     const XAProgressHandler &progress) const;
    // Asks xcodebuild for the workspace's schemes (`-workspace <bundle> -list` in the bundle's folder).
    bool gatherSchemeNamesWithProgress(const XAProgressHandler &progress);

    // Replaces the shared developer environment as the runner of xcodebuild; an empty runner restores it.
    void setXcodebuildRunnerForTesting(XAXcodebuildRunner runner);

private:
    std::string containerFolder() const;

    std::string xcworkspacePath_;
    std::string workspaceName_;
    std::vector<std::string> fileReferencePaths_;
    std::vector<std::string> schemeNames_;
    XAXcodebuildRunner xcodebuildRunner_;
};
