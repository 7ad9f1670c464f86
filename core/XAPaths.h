#pragma once

// Path arithmetic shared by the project model, the rules and the windows, and the few file-system queries that go
// with it: path components and extensions, tilde expansion and standardising, relative paths, system-path tests,
// directory walking and symbolic-link resolution.
//
// Paths are UTF-8 strings with "/" as separator. The string functions are pure (apart from tilde expansion, which
// reads the home folder) and safe on any thread. Standardising is lexical: "." and redundant slashes go, ".." takes
// away the component before it in an absolute path and stays in a relative one, and symbolic links are not looked at.
// A trailing slash is never part of a result (except for the root "/" itself).
//
// Functions that in an object-oriented design would be methods of a string, file manager or bundle take their
// receiver first or, for the shared file manager, none at all.

#include "core/XAError.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ---- Components and extensions ----

// The components of a path; an absolute path begins with the component "/". Empty components (from "//") and a
// trailing slash give none: "/a//b/" gives "/", "a", "b".
std::vector<std::string> xa_pathComponents(std::string_view path);
// The last component: "b" for "/a/b/", "/" for "/", "" for "".
std::string xa_lastPathComponent(std::string_view path);
// The path without its last component: "/a" for "/a/b", "/" for "/a" and "/", "" for "a".
std::string xa_stringByDeletingLastPathComponent(std::string_view path);
// The two joined by one "/", with redundant slashes removed ("" + "b" gives "b", "/" + "b" gives "/b").
std::string xa_stringByAppendingPathComponent(std::string_view path, std::string_view component);
// The extension of the last component without its dot; "" when there is none. A leading dot does not start an
// extension: ".profile" has none, "a.tar.gz" has "gz".
std::string xa_pathExtension(std::string_view path);
// The path without "." and its extension; unchanged when there is none.
std::string xa_stringByDeletingPathExtension(std::string_view path);
// The path with "." and the extension added to its last component; the path itself for an empty extension.
std::string xa_stringByAppendingPathExtension(std::string_view path, std::string_view extension);

// One trailing "." removed, then extensions removed one after the other, at most eleven: "archive.tar.gz." gives
// "archive".
std::string xa_stringByDeletingAllPathExtensions(std::string_view path);

// The path without one leading "/".
std::string xa_pathWithoutLeadingSlash(std::string_view path);
// The components of the path without the leading "/" of an absolute path.
std::vector<std::string> xa_pathComponentsWithoutSlashes(std::string_view path);
// The leading components (without slashes) that both paths share, up to the first difference.
std::vector<std::string> xa_commonPathComponentPrefixWithPath(std::string_view path, std::string_view otherPath);

// ---- Tilde, standardising, absolute paths ----

// The user's home folder: $HOME when it is an absolute path, else the password database's entry, else "/".
std::string XAHomeDirectoryPath();
// "~" and "~/..." become the home folder, "~name" and "~name/..." the home folder of that user; a path that does not
// begin with "~", or names an unknown user, is returned unchanged.
std::string xa_stringByExpandingTildeInPath(std::string_view path);
// Tilde expanded, empty and "." components removed, ".." resolved lexically in absolute paths (never above the root)
// and kept in relative ones. A relative path with nothing left is ".", and "" stays "".
std::string xa_stringByStandardizingPath(std::string_view path);
// True when the path, tilde expanded, begins with "/".
bool xa_isAbsolutePath(std::string_view path);
// The path made absolute against the process's current folder (when it is relative) and standardised. When the
// current folder cannot be determined (it was deleted), the root stands in for it.
std::string xa_absoluteCLIPath(std::string_view path);
// True when `path` equals `folder` or lies inside it, both compared as given (callers standardise).
bool XAPathIsInsideOrEqual(std::string_view path, std::string_view folder);

// ---- System paths ----

// What xa_isSystemPath needs to know besides the path. Empty optionals take the process-wide values: the developer
// folder set with XASetSystemPathDeveloperDirectory and the home folder of XAHomeDirectoryPath().
struct XASystemPathContext {
    std::optional<std::string> developerDirectory = std::nullopt;
    std::optional<std::string> homeDirectory = std::nullopt;
    std::optional<std::string> projectFolder = std::nullopt;
    std::optional<std::string> versionControlRoot = std::nullopt;
};

// The active developer folder whose contents count as system paths. Set by the build layer once the developer tools
// are known; thread-safe. No value (the default) means no developer folder.
void XASetSystemPathDeveloperDirectory(std::optional<std::string> path);
std::optional<std::string> XASystemPathDeveloperDirectory();

// True for system and toolchain locations that rules leave alone. A relative path is never one, nor a path under the
// home folder, the project folder or its version-control root, whatever else holds. Otherwise a path is a system path
// when it lies under the developer folder, in an SDK (a folder whose name ends in ".sdk", or anything under
// ".../Platforms/<name>.platform/Developer/SDKs/"), is the root itself, or lies under /usr (not /usr/local), /System,
// /Library, an Xcode application in /Applications or any ".../Xcode.app/Contents/Developer/". Paths are standardised;
// the named system folders are compared without regard to case, as on a Mac. A home, project or version-control
// folder that is the root itself is ignored, as it would exempt everything.
bool xa_isSystemPath(std::string_view path, const XASystemPathContext &context = {});

// ---- Relative paths and labels ----

// The path of `path` relative to the folder `base`, with ".." steps where needed: "/a/b/c/f.m" relative to "/a/b" is
// "c/f.m", "/a/x/f.m" relative to "/a/b" is "../x/f.m". When the base is "/" or empty, `path` is returned as given.
std::string xa_relativePathFromPath(std::string_view path, std::string_view base);

// The shortest parent-folder name that tells `path` apart from the other paths with the same last component: "A" for
// "/p/A/x.m" among "/p/B/x.m". No value when no other path (other than `path` itself) has the same last component, or
// when no folder name tells them apart within 200 levels.
std::optional<std::string> xa_basenameConflictResolutionTextForPath(std::string_view path,
                                                                    const std::vector<std::string> &otherPaths);

// ---- File-system queries ----

// True when something exists at the path (links followed) and it is a folder.
bool xa_pathIsDirectory(const std::string &path);
// True when the item itself (not its target) is a symbolic link.
bool xa_pathIsSymlink(const std::string &path);
// True when the file reads as text in an encoding recognised from its bytes: UTF-8 (with or without byte-order mark)
// without NUL characters, or UTF-16 or UTF-32 with a byte-order mark. False for folders, missing and binary files.
bool xa_fileIsTextFile(const std::string &path);

// The whole contents of a regular file (links followed); an error naming the file and the reason otherwise.
std::optional<std::string> XAContentsOfFile(const std::string &path, XAError *error);
// Replaces the file at `path` as one step: the contents go to a new file in the same folder, which is flushed to
// disk and then renamed over `path`, so readers see the old or the new contents, never a part. The folder must exist.
// On failure the old file is untouched, the new one removed, and the error names the file and the reason.
bool XAWriteFileAtomically(const std::string &path, std::string_view contents, XAError *error,
                           unsigned permissions = 0644);

// ---- Directory walking ----

// Options of the walk; the values are bit flags.
enum XADirectoryEnumerationOptions : unsigned {
    XADirectoryEnumerationSkipsSubdirectoryDescendants = 1u << 0, // only the root's own entries
    XADirectoryEnumerationSkipsPackageDescendants = 1u << 1,      // do not enter bundles (.app, .framework, ...)
    XADirectoryEnumerationSkipsHiddenFiles = 1u << 2, // names beginning with "." are neither visited nor entered
};

using XAFileVisitor = std::function<void(const std::string &path, bool &stop)>;
// Receives the path that could not be read and the error; true continues the walk.
using XAFileWalkErrorHandler = std::function<bool(const std::string &path, const XAError &error)>;

// Walks the tree under `root` (the root itself not included), folder by folder in pre-order with the names of each
// folder in byte order. Symbolic links are visited as files and never followed. Folders are visited only when
// `includingDirs` is true, but are entered either way. The walk ends when the visitor sets `stop`, or when the error
// handler answers false to a folder that cannot be read; without a handler errors are skipped.
void xa_visitFilesAtRoot(const std::string &root, unsigned options, bool includingDirs, const XAFileVisitor &visitor,
                         const XAFileWalkErrorHandler &errorHandler = nullptr);

// ---- Symbolic links ----
//
// Linux has no Finder aliases, so only symbolic links are resolved; the functions keep their names so that callers
// read the same on every platform.

// The link's target, made absolute against the link's folder and standardised when it is relative; no value when the
// path is no symbolic link.
std::optional<std::string> stringByConditionallyResolvingSymlink(const std::string &path);
// The link's target, or the path itself when it is no symbolic link.
std::string stringByResolvingSymlink(const std::string &path);
// Follows symbolic links from the path until it reaches a folder or another kind of file, and returns that path. No
// value when something on the way does not exist, or after 40 links (a cycle).
std::optional<std::string> stringByIterativelyResolvingSymlinkOrAlias(const std::string &path);
// Resolves every component of the standardised absolute path from the root down; no value for a relative path or when
// a component cannot be resolved.
std::optional<std::string> stringByResolvingSymlinksAndAliases(const std::string &path);
