#pragma once

// Which targets a build of the xcodebuild stand-in builds, and in which order: the targets asked for, each after
// the targets it depends on (a PBXTargetDependency of the same project, or of another project through a container
// proxy whose portal is the project's file reference to it), every target once.

#include "platform/devtools/XAStandInProject.h"
#include "platform/devtools/XAStandInScheme.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class XAProjectTarget;

// The projects of one build, each read once.
class XAStandInProjectSet {
public:
    explicit XAStandInProjectSet(std::string developerDirectory) : developerDirectory_(std::move(developerDirectory)) {}

    // The project of an `.xcodeproj` path (made absolute and standardised); null, with a message, when it cannot be
    // read.
    std::shared_ptr<const XAStandInProject> project(const std::string &xcodeprojPath, std::string *errorMessage);

private:
    std::string developerDirectory_;
    std::map<std::string, std::shared_ptr<const XAStandInProject>> projects_;
};

struct XABuildOrderTarget {
    std::shared_ptr<const XAStandInProject> project;
    std::shared_ptr<XAProjectTarget> target;
};

// The target of a project whose object identifier is `identifier` when one is given and known, else the first of
// that name; null when there is none.
std::shared_ptr<XAProjectTarget> XAStandInTargetNamed(const XAStandInProject &project, const std::string &name,
                                                      const std::string &identifier = std::string());

// The targets in the order they are built: for each target asked for, in order, first what it depends on (in the
// order of its dependencies), then the target itself; each target once. Dependencies that cannot be followed (an
// unknown target, a project that cannot be read) and dependency cycles are reported in `warnings` and left out.
std::vector<XABuildOrderTarget> XATargetsInDependencyOrder(const std::vector<XABuildOrderTarget> &requested,
                                                           XAStandInProjectSet &projects,
                                                           std::vector<std::string> &warnings);

// The framework and library targets that targets of `order` link without depending on them, found as Xcode finds
// implicit dependencies: a framework or library of a Frameworks phase whose name is the product of a target of the
// same project, of a project it references, or of a project of the workspace the build was given
// (`workspaceProjectPaths`). Each once, none of `order`.
std::vector<XABuildOrderTarget> XAImplicitLinkDependencies(const std::vector<XABuildOrderTarget> &order,
                                                                const std::vector<std::string> &workspaceProjectPaths,
                                                                XAStandInProjectSet &projects);

// The schemes of a workspace or project (XAStandInSchemeContainer::schemes), with the targets of its projects that
// can be read standing in for schemes when it has no scheme files. Projects that cannot be read are reported in
// `warnings`.
std::vector<XAStandInScheme> XAContainerSchemes(const XAStandInSchemeContainer &container,
                                                XAStandInProjectSet &projects, const std::string &userName,
                                                std::vector<std::string> &warnings);
