#pragma once

// The header files a target declares in its Headers build phases, with the visibility each build file gives its
// header: public and private headers are what a framework or library exports (copied into its Headers and
// PrivateHeaders folders, and reachable as <ProductName/Header.h>), project headers stay inside the target.

#include <memory>
#include <vector>

class XAProjectBuildPhase;
class XAProjectFile;
class XAProjectTarget;

enum class XAHeaderVisibility { Project, Private, Public };

struct XATargetHeader {
    std::shared_ptr<XAProjectFile> file;
    XAHeaderVisibility visibility = XAHeaderVisibility::Project;
};

// Whether the phase is a Headers phase ("PBXHeadersBuildPhase").
bool XAIsHeadersBuildPhase(const XAProjectBuildPhase &phase);
// The headers of a Headers phase in file order, each with the visibility its build file's "settings" give it
// ("ATTRIBUTES" holding "Public" or "Private"; neither: project). Build files that name no file of the project's tree
// are left out.
std::vector<XATargetHeader> XAHeadersOfBuildPhase(const XAProjectBuildPhase &phase);
// Those of all the target's Headers phases, in phase order.
std::vector<XATargetHeader> XATargetHeaders(const XAProjectTarget &target);
