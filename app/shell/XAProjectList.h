#pragma once

// A list of projects, most recent first, with an identifier and a maximum length, kept in a binary property list
// ("ProjectList-<identifier>.plist" in the per-user application-support folder). The desktop keeps one: the recent
// projects.
//
// Loading reads the file on a background thread into a list of its own, which replaces the entries on the GUI
// thread; every other change happens on the GUI thread too. A list file that exists but cannot be read is logged and
// prunes no cache file.

#include "app/shell/XAProjectReference.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class XAProjectList {
public:
    XAProjectList(std::string identifier, std::uint64_t maxLength);

    // The shared recent-projects list: identifier "recentProjects", at most 30 entries.
    static XAProjectList &recentProjectsList();

    const std::string &identifier() const { return identifier_; }
    void setIdentifier(std::string identifier) { identifier_ = std::move(identifier); }
    std::uint64_t maxLength() const { return maxLength_; }
    void setMaxLength(std::uint64_t maxLength) { maxLength_ = maxLength; }
    const std::vector<XAProjectReference> &projectReferences() const { return projectReferences_; }
    bool isLoadedFromDisk() const { return loadedFromDisk_; }

    std::string diskPath() const;
    // Reads the file (unless loaded and not forced) on a background thread and calls the completion on the GUI
    // thread once the entries are in place. Loading prunes the cache files no entry uses.
    void loadFromDiskForced(bool forced, std::function<void()> completion);
    std::vector<XADictionary> projectReferenceSerializableForms() const;
    void saveListToDisk() const;

    // Puts the project at the top (replacing an entry of the same path), keeps at most maxLength entries, caches
    // the icon and the bookmark and saves.
    void addProjectWithPath(const std::string &path, const QImage &icon);
    // Removes the entry (an index outside the list does nothing), prunes both caches and saves.
    void removeProjectAtIndex(std::uint64_t index);
    // Removes the first entry of the reference's path.
    void removeProject(const XAProjectReference &reference);

private:
    struct LoadResult {
        std::vector<XAProjectReference> references;
        bool prune = true;
    };
    static LoadResult readListFile(const std::string &path);

    std::string identifier_;
    std::uint64_t maxLength_;
    std::vector<XAProjectReference> projectReferences_;
    bool loadedFromDisk_ = false;
};
