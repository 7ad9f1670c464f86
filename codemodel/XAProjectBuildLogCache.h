#pragma once

// The project-wide operations on the build-log cache, used by the command-line "clearcaches" command and the desktop
// application's clear-caches action: a cache made for the project alone (no target, no build configuration, no
// options), whether it holds anything, and removing all of it with the project's products folders.
//
// They take the project's name and folder (XAProject's projectName() and projectDiskRootPath()); the overloads that
// take the project read those two.

#include "codemodel/XABuildLogCache.h"

#include <string>

class XAProject;

XABuildLogCache XABuildCacheForProject(const std::string &projectName, const std::string &projectDiskRootPath);
XABuildLogCache XABuildCacheForProject(const XAProject &project);

bool XAHasAnyCachedBuildLogInfo(const std::string &projectName, const std::string &projectDiskRootPath);
bool XAHasAnyCachedBuildLogInfo(const XAProject &project);

bool XAClearAllCachedBuildLogInfo(const std::string &projectName, const std::string &projectDiskRootPath,
                                  const XAProgressHandler &progress);
bool XAClearAllCachedBuildLogInfo(const XAProject &project, const XAProgressHandler &progress);
