#include "codemodel/XAProjectBuildLogCache.h"

#include "project/XAProject.h"

XABuildLogCache XABuildCacheForProject(const std::string &projectName, const std::string &projectDiskRootPath) {
    return XABuildLogCache(projectName, projectDiskRootPath, std::nullopt, std::nullopt);
}

XABuildLogCache XABuildCacheForProject(const XAProject &project) {
    return XABuildCacheForProject(project.projectName(), project.projectDiskRootPath());
}

bool XAHasAnyCachedBuildLogInfo(const std::string &projectName, const std::string &projectDiskRootPath) {
    return XABuildCacheForProject(projectName, projectDiskRootPath).hasAnyDiskCacheForTheProject();
}

bool XAHasAnyCachedBuildLogInfo(const XAProject &project) {
    return XABuildCacheForProject(project).hasAnyDiskCacheForTheProject();
}

bool XAClearAllCachedBuildLogInfo(const std::string &projectName, const std::string &projectDiskRootPath,
                                  const XAProgressHandler &progress) {
    return XABuildCacheForProject(projectName, projectDiskRootPath).clearAllCachedBuildLogInfoWithProgress(progress);
}

bool XAClearAllCachedBuildLogInfo(const XAProject &project, const XAProgressHandler &progress) {
    return XABuildCacheForProject(project).clearAllCachedBuildLogInfoWithProgress(progress);
}
