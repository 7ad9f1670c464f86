// Resource files of the checked target whose contents are byte for byte equal, so that the product bundle carries the
// same data twice. Files inside folder references are taken one by one; asset catalogs are left alone.

#include "core/XAHashing.h"
#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <unordered_map>

namespace {

// One file that may duplicate another: where it is, where it lands in the bundle without its language folder, and
// its language.
class XADuplicateResourceFileRef {
public:
    XADuplicateResourceFileRef(const std::string &path, std::string resourceReferencePath,
                               std::optional<std::string> localeID, std::optional<std::string> info)
        : path_(xa_stringByStandardizingPath(path)), localeID_(std::move(localeID)), info_(std::move(info)),
          resourceReferencePath_(std::move(resourceReferencePath)) {}

    const std::string &path() const { return path_; }
    // No value for a file outside every language folder.
    const std::optional<std::string> &localeID() const { return localeID_; }
    // A note on the file for the diagnostic's text.
    const std::optional<std::string> &info() const { return info_; }
    // The path inside the bundle without language folders: the localised versions of one resource share it.
    const std::string &resourceReferencePath() const { return resourceReferencePath_; }

    // For logs.
    std::string description() const {
        char address[32];
        std::snprintf(address, sizeof address, "%p", static_cast<const void *>(this));
        const std::string defaultDescription = "<XADuplicateResourceFileRef: " + std::string(address) + ">";
        return defaultDescription + " -- (path '" + path_ + "', locale '" + localeID_.value_or("(null)") +
               "', resource ref path '" + resourceReferencePath_ + "')";
    }

private:
    std::string path_;
    std::optional<std::string> localeID_;
    std::optional<std::string> info_;
    std::string resourceReferencePath_;
};

// Content comparison of candidate files. Each file's digest is computed once; files of equal digests are compared
// byte for byte, each against the first file of its digest, so that many equal files cost one comparison each.
class XAResourceContentComparer {
public:
    bool contentsEqual(const std::string &path, const std::string &otherPath) {
        const FileKind kind = kindOf(path);
        if (kind != kindOf(otherPath) || kind == FileKind::Unreadable) {
            return false;
        }
        switch (kind) {
        case FileKind::Folder:
            return foldersEqual(path, otherPath);
        case FileKind::SymbolicLink:
            return linkTarget(path) == linkTarget(otherPath);
        default:
            return regularFilesEqual(path, otherPath);
        }
    }

private:
    enum class FileKind { Unreadable, Regular, Folder, SymbolicLink };

    // Looked up once per path: a large group of equal sizes compares every pair of its members.
    FileKind kindOf(const std::string &path) {
        auto found = kinds_.find(path);
        if (found == kinds_.end()) {
            found = kinds_.emplace(path, kindOfFileAt(path)).first;
        }
        return found->second;
    }

    static FileKind kindOfFileAt(const std::string &path) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0) {
            return FileKind::Unreadable;
        }
        if (S_ISLNK(status.st_mode)) {
            return FileKind::SymbolicLink;
        }
        return S_ISDIR(status.st_mode) ? FileKind::Folder : FileKind::Regular;
    }

    static std::optional<std::string> linkTarget(const std::string &path) {
        char target[4096];
        const ssize_t length = readlink(path.c_str(), target, sizeof target);
        return length < 0 ? std::nullopt : std::optional<std::string>(std::string(target, length));
    }

    static bool bytesEqual(const std::string &path, const std::string &otherPath) {
        std::ifstream first(path, std::ios::binary);
        std::ifstream second(otherPath, std::ios::binary);
        if (!first || !second) {
            return false;
        }
        char firstBuffer[64 * 1024];
        char secondBuffer[64 * 1024];
        while (true) {
            first.read(firstBuffer, sizeof firstBuffer);
            second.read(secondBuffer, sizeof secondBuffer);
            if (first.gcount() != second.gcount() ||
                !std::equal(firstBuffer, firstBuffer + first.gcount(), secondBuffer)) {
                return false;
            }
            if (first.gcount() == 0 || first.eof() || second.eof()) {
                return first.eof() == second.eof() && !first.bad() && !second.bad();
            }
        }
    }

    // Names and contents of two folders, recursively; symbolic links inside are compared, never followed.
    bool foldersEqual(const std::string &folder, const std::string &otherFolder) {
        const std::vector<std::string> names = entryNames(folder);
        if (!names.empty() && names.front().empty()) {
            return false;
        }
        if (names != entryNames(otherFolder)) {
            return false;
        }
        for (const std::string &name : names) {
            if (!contentsEqual(xa_stringByAppendingPathComponent(folder, name),
                               xa_stringByAppendingPathComponent(otherFolder, name))) {
                return false;
            }
        }
        return true;
    }

    // The folder's own entries in byte order; one empty name when it cannot be listed.
    static std::vector<std::string> entryNames(const std::string &folder) {
        std::vector<std::string> names;
        bool readable = true;
        xa_visitFilesAtRoot(
            folder, XADirectoryEnumerationSkipsSubdirectoryDescendants, true,
            [&](const std::string &path, bool &) { names.push_back(xa_lastPathComponent(path)); },
            [&](const std::string &, const XAError &) {
                readable = false;
                return false;
            });
        return readable ? names : std::vector<std::string>{""};
    }

    bool regularFilesEqual(const std::string &path, const std::string &otherPath) {
        const std::optional<std::string> &digest = digestOf(path);
        if (!digest || digest != digestOf(otherPath)) {
            return false;
        }
        if (equalsFirstOfDigest(path) && equalsFirstOfDigest(otherPath)) {
            return true;
        }
        return bytesEqual(path, otherPath);
    }

    const std::optional<std::string> &digestOf(const std::string &path) {
        auto found = digests_.find(path);
        if (found == digests_.end()) {
            found = digests_.emplace(path, xa_SHA256HashOfFileAtPath(path)).first;
            if (found->second) {
                firstPathsByDigest_.emplace(*found->second, path);
            }
        }
        return found->second;
    }

    bool equalsFirstOfDigest(const std::string &path) {
        auto found = equalsFirstOfDigest_.find(path);
        if (found == equalsFirstOfDigest_.end()) {
            const std::string &first = firstPathsByDigest_.at(*digestOf(path));
            found = equalsFirstOfDigest_.emplace(path, first == path || bytesEqual(path, first)).first;
        }
        return found->second;
    }

    std::unordered_map<std::string, FileKind> kinds_;
    std::unordered_map<std::string, std::optional<std::string>> digests_;
    std::unordered_map<std::string, std::string> firstPathsByDigest_;
    std::unordered_map<std::string, bool> equalsFirstOfDigest_;
};

using CandidateGroup = std::vector<const XADuplicateResourceFileRef *>;

} // namespace

struct XARuleDuplicateResource : XAProjectRule<XARuleDuplicateResource> {
    static XAXMLString ruleName() { return XAXMLString("Duplicate resource"); }
    static XAXMLString ruleDescription() { return XAXMLString("Warns if two resource files are equal."); }
    static std::vector<std::string> tags() { return {"Resources", "Recommended"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.projectTarget()) {
            return diagnostics;
        }
        const std::vector<XADuplicateResourceFileRef> candidates = candidatesOfTarget(*context.projectTarget());
        XAResourceContentComparer comparer;
        for (const auto &[size, group] : groupsBySize(candidates)) {
            if (size == 0) {
                continue; // empty files, which cost nothing twice
            }
            for (std::size_t i = 0; i < group.size(); ++i) {
                for (std::size_t j = i + 1; j < group.size(); ++j) {
                    if (areDuplicates(*group[i], *group[j], comparer)) {
                        diagnostics.push_back(diagnostic(*group[i], *group[j]));
                    }
                }
            }
        }
        return diagnostics;
    }

private:
    // The target's resource files, then every file and folder inside its folder references.
    static std::vector<XADuplicateResourceFileRef> candidatesOfTarget(const XAProjectTarget &target) {
        std::vector<XADuplicateResourceFileRef> candidates;
        for (const std::shared_ptr<XAProjectFile> &file : target.resourceFiles()) {
            if (!file->isAssetCatalog() && !file->isFolder() && file->pathOnDisk()) {
                candidates.emplace_back(*file->pathOnDisk(), file->resourceReferencePath().value_or(file->basename()),
                                        file->localeIdentifier(), std::nullopt);
            }
        }
        for (const std::shared_ptr<XAProjectFile> &folder : target.resourceFiles()) {
            if (!folder->isFolder() || !folder->pathOnDisk()) {
                continue;
            }
            const std::string &folderPath = *folder->pathOnDisk();
            const std::string folderReferencePath = folder->resourceReferencePath().value_or(folder->basename());
            // Symbolic links are not followed, so a link to a folder above cannot make the walk endless.
            xa_visitFilesAtRoot(folderPath, 0, true, [&](const std::string &path, bool &) {
                const std::string subPath = xa_relativePathFromPath(path, folderPath);
                candidates.emplace_back(folderPath + "/" + subPath, folderReferencePath + "/" + subPath,
                                        folder->localeIdentifier(), std::nullopt);
            });
        }
        return candidates;
    }

    // The candidates by size in bytes (symbolic links followed), groups and their members in candidate order.
    // Candidates whose size cannot be read take no part.
    static std::vector<std::pair<std::int64_t, CandidateGroup>>
    groupsBySize(const std::vector<XADuplicateResourceFileRef> &candidates) {
        std::vector<std::pair<std::int64_t, CandidateGroup>> groups;
        std::unordered_map<std::int64_t, std::size_t> groupIndexBySize;
        for (const XADuplicateResourceFileRef &candidate : candidates) {
            struct stat status {};
            if (stat(candidate.path().c_str(), &status) != 0) {
                continue;
            }
            const std::int64_t size = status.st_size;
            const auto [found, isNew] = groupIndexBySize.emplace(size, groups.size());
            if (isNew) {
                groups.emplace_back(size, CandidateGroup{});
            }
            groups[found->second].second.push_back(&candidate);
        }
        return groups;
    }

    static bool areDuplicates(const XADuplicateResourceFileRef &first, const XADuplicateResourceFileRef &second,
                              XAResourceContentComparer &comparer) {
        if (first.path() == second.path()) {
            return false; // one file reached twice
        }
        // Versions of one resource for different languages, or two files that land on one bundle path, are no
        // duplicates; only two copies for the same language are.
        if (first.resourceReferencePath() == second.resourceReferencePath() &&
            !(first.localeID() && second.localeID() && *first.localeID() == *second.localeID())) {
            return false;
        }
        return comparer.contentsEqual(first.path(), second.path());
    }

    static std::string noteText(const XADuplicateResourceFileRef &file) {
        return file.info() ? " (" + xa_escapedForXML(*file.info()) + ")" : "";
    }

    static XADiagnostic diagnostic(const XADuplicateResourceFileRef &first, const XADuplicateResourceFileRef &second) {
        return diagnosticWithFile(first.path(),
                                  XAXMLString("This file" + noteText(first) + " is equal to the file <filepath>" +
                                              xa_escapedForXML(second.path()) + "</filepath>" + noteText(second) + "."),
                                  second.path(), XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern,
                                  XADiagnosticConfidenceAbsolute);
    }
};

TESSARY_REGISTER_RULE(XARuleDuplicateResource)
