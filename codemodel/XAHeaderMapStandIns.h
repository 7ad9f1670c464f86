#pragma once

// The header maps that a build log's compiler lines name but that no build wrote, written by the checker with the
// contents Xcode gives them, so that a project's own headers resolve as they do in Xcode: `#import "Header.h"` from
// any folder, and a framework's or library's own public and private headers as <ProductName/Header.h>, from its own
// sources and from every other target of the project.
//
// Which map a line names is told by its file name (Xcode names them after the target's PRODUCT_NAME, in the target's
// "<TARGET_NAME>.build" folder):
//
//   <Product>-own-target-headers.hmap  each header of the target's Headers phases by file name, and its public and
//                                      private headers also as <ProductName>/<Header>.h
//   <Product>-all-target-headers.hmap  the same over every target of the project
//   <Product>-project-headers.hmap     every header file of the project by file name
//   <Product>-generated-files.hmap     nothing to stand in for: a build that writes no files generates none
//   <Product>.hmap                     the single map of older builds: the own-target and project-header entries
//
// The target of a map is the target named by its folder ("App.build"), else the one whose product name begins the
// map's name, else the target the stand-ins were made for. Maps are written into the caches folder (one folder per
// project, one file per logged map) on first request and then handed out again; every new set of stand-ins (one per
// build) writes them afresh, so that they follow the project's headers. Values are absolute paths, also for a project
// opened through a relative path.
//
// Made from the project on one thread; afterwards standInForHeaderMap may be called from any thread.

#include "codemodel/XAHeaderMap.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>

class XAProject;

class XAHeaderMapStandIns {
public:
    // Reads the headers of every target and their product names in the build configuration (the resolved
    // PRODUCT_NAME, else the target's name). `defaultTargetName` names the target of maps that name none.
    XAHeaderMapStandIns(const XAProject &project, const std::string &buildConfigurationName,
                        std::optional<std::string> defaultTargetName);
    XAHeaderMapStandIns(const XAHeaderMapStandIns &) = delete;
    XAHeaderMapStandIns &operator=(const XAHeaderMapStandIns &) = delete;

    // The entries of the map the (absolute) logged path names; no value for a map of generated files.
    std::optional<XAHeaderMapEntries> entriesForHeaderMap(const std::string &loggedPath) const;
    // The path of the written stand-in for the logged map; no value when there is nothing to stand in for or the file
    // cannot be written (logged as an error).
    std::optional<std::string> standInForHeaderMap(const std::string &loggedPath);

    // Where the stand-ins of a project go: "HeaderMaps/<project name>-<digest of its folder>" in the caches folder.
    static std::string folderForProject(const XAProject &project);

private:
    struct TargetHeaders {
        std::string productName;
        XAHeaderMapEntries ownEntries;
    };

    const TargetHeaders *targetOfHeaderMap(const std::string &loggedPath, const std::string &productPrefix) const;

    std::map<std::string, TargetHeaders> targets_; // by target name
    std::optional<std::string> defaultTargetName_;
    XAHeaderMapEntries allTargetEntries_;
    XAHeaderMapEntries projectEntries_;
    std::string folder_;

    std::mutex mutex_;
    std::map<std::string, std::optional<std::string>> written_; // logged path -> stand-in
};
