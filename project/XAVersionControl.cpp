#include "project/XAVersionControl.h"

#include "core/XAPaths.h"

#include <filesystem>
#include <set>

namespace {

// The version-control markers among the folder's entries; none for a folder that cannot be listed.
std::set<std::string> markersInFolder(const std::string &folder) {
    static const std::set<std::string> markers = {".git", ".hg", ".bzr", ".fslckout", "_FOSSIL_", ".svn"};
    std::set<std::string> found;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (markers.contains(name)) {
            found.insert(std::move(name));
        }
    }
    return found;
}

// The system of a folder that holds a marker other than ".svn"; none otherwise.
XAVersionControlSystem rootMarkerSystem(const std::set<std::string> &markers) {
    if (markers.contains(".git")) {
        return XAVersionControlSystemGit;
    }
    if (markers.contains(".hg")) {
        return XAVersionControlSystemMercurial;
    }
    if (markers.contains(".bzr")) {
        return XAVersionControlSystemBazaar;
    }
    if (markers.contains(".fslckout") || markers.contains("_FOSSIL_")) {
        return XAVersionControlSystemFossil;
    }
    return XAVersionControlSystemNone;
}

} // namespace

XAVersionControlLocation XAVersionControlLocationOfFolder(const std::string &folder) {
    std::string current = xa_stringByStandardizingPath(folder);
    if (current.size() < 2) {
        return {};
    }
    XAVersionControlSystem candidate = XAVersionControlSystemNone;
    std::string previous;
    while (current.size() >= 2) {
        const std::set<std::string> markers = markersInFolder(current);
        if (XAVersionControlSystem system = rootMarkerSystem(markers); system != XAVersionControlSystemNone) {
            return {system, current};
        }
        if (markers.contains(".svn")) {
            candidate = XAVersionControlSystemSubversion;
        } else if (candidate == XAVersionControlSystemSubversion) {
            return {candidate, previous}; // the top of the run of ".svn" folders
        }
        previous = current;
        current = xa_stringByDeletingLastPathComponent(current);
    }
    return {candidate, std::nullopt};
}
