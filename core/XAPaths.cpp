#include "core/XAPaths.h"

#include "core/XAString.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

using namespace std::string_view_literals;

namespace {

// ---- String helpers ----

// Runs of "/" collapsed to one and a trailing "/" removed, except for the root itself.
std::string fixingSlashes(std::string_view path) {
    std::string fixed;
    fixed.reserve(path.size());
    for (const char c : path) {
        if (c == '/' && !fixed.empty() && fixed.back() == '/') {
            continue;
        }
        fixed += c;
    }
    if (fixed.size() > 1 && fixed.back() == '/') {
        fixed.pop_back();
    }
    return fixed;
}

// The position of the dot that starts the extension of the last component of a slash-fixed path. A dot that begins
// the component does not start an extension, and neither does the component "..".
std::optional<size_t> extensionDotPosition(const std::string &fixed) {
    const size_t slash = fixed.rfind('/');
    const size_t componentStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = fixed.rfind('.');
    if (dot == std::string::npos || dot <= componentStart) {
        return std::nullopt;
    }
    const bool isDotDot = fixed.size() - componentStart == 2 && fixed[componentStart] == '.';
    if (isDotDot) {
        return std::nullopt;
    }
    return dot;
}

std::string asciiLowercased(std::string_view s) {
    std::string lower(s);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// The home folder of the named user, or of the current user for an empty name, from the password database.
std::optional<std::string> passwordDatabaseHome(const std::string &userName) {
    long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    for (int attempt = 0; attempt < 6; ++attempt) {
        struct passwd entry {};
        struct passwd *found = nullptr;
        const int status = userName.empty()
                               ? ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found)
                               : ::getpwnam_r(userName.c_str(), &entry, buffer.data(), buffer.size(), &found);
        if (status == ERANGE) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != 0 || !found || !found->pw_dir || found->pw_dir[0] != '/') {
            return std::nullopt;
        }
        return fixingSlashes(found->pw_dir);
    }
    return std::nullopt;
}

std::string currentDirectoryOrRoot() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error || current.empty() ? std::string("/") : current.string();
}

// ---- System paths ----

std::mutex &developerDirectoryMutex() {
    static std::mutex mutex;
    return mutex;
}

std::optional<std::string> &developerDirectoryStorage() {
    static std::optional<std::string> directory;
    return directory;
}

// A folder that can serve as a boundary for system paths: absolute and not the root, standardised.
std::optional<std::string> usableFolder(const std::optional<std::string> &folder) {
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    std::string standardized = xa_stringByStandardizingPath(*folder);
    if (standardized.empty() || standardized[0] != '/' || standardized == "/") {
        return std::nullopt;
    }
    return standardized;
}

bool endsWithNonEmptyName(std::string_view component, std::string_view suffix) {
    return component.size() > suffix.size() && component.ends_with(suffix);
}

// True for a path in an SDK folder (name ending in ".sdk") or under ".../Platforms/<X>.platform/Developer/SDKs/";
// the components are lower-case.
bool liesInSDK(const std::vector<std::string> &components) {
    for (size_t i = 0; i < components.size(); ++i) {
        if (endsWithNonEmptyName(components[i], ".sdk")) {
            return true;
        }
        const bool platformSDKs = i > 0 && components[i - 1] == "platforms" &&
                                  endsWithNonEmptyName(components[i], ".platform") && i + 3 < components.size() &&
                                  components[i + 1] == "developer" && components[i + 2] == "sdks";
        if (platformSDKs) {
            return true;
        }
    }
    return false;
}

// The fixed system locations, tested on the lower-case standardised path.
bool isSystemLocation(const std::string &lower) {
    if (lower == "/") {
        return true;
    }
    if (lower == "/usr/local" || lower.starts_with("/usr/local/")) {
        return false;
    }
    if ((lower + "/").find("/xcode.app/contents/developer/") != std::string::npos) {
        return true;
    }
    const std::vector<std::string> components = xa_pathComponentsWithoutSlashes(lower);
    if (liesInSDK(components)) {
        return true;
    }
    const std::string &first = components.front();
    if (first == "usr" || first == "system" || first == "library") {
        return true;
    }
    return first == "applications" && components.size() >= 2 && components[1].starts_with("xcode") &&
           components[1].ends_with(".app");
}

// ---- File-system helpers ----

bool isValidUTF8WithoutNUL(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const XAUTF8Char ch = XADecodeUTF8(bytes, i);
        if (!ch.valid || ch.length == 0 || ch.codePoint == 0) {
            return false;
        }
        i += ch.length;
    }
    return true;
}

uint32_t readUnit(std::string_view bytes, size_t offset, size_t width, bool bigEndian) {
    uint32_t value = 0;
    for (size_t k = 0; k < width; ++k) {
        const auto byte = static_cast<uint8_t>(bytes[offset + (bigEndian ? k : width - 1 - k)]);
        value = (value << 8) | byte;
    }
    return value;
}

bool isValidUTF16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        return false;
    }
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const uint32_t unit = readUnit(bytes, i, 2, bigEndian);
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return false; // a low surrogate without its high one
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 2 >= bytes.size()) {
                return false;
            }
            const uint32_t next = readUnit(bytes, i + 2, 2, bigEndian);
            if (next < 0xDC00 || next > 0xDFFF) {
                return false;
            }
            i += 2;
        }
    }
    return true;
}

bool isValidUTF32(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 4 != 0) {
        return false;
    }
    for (size_t i = 0; i < bytes.size(); i += 4) {
        const uint32_t unit = readUnit(bytes, i, 4, bigEndian);
        if (unit > 0x10FFFF || (unit >= 0xD800 && unit <= 0xDFFF)) {
            return false;
        }
    }
    return true;
}

bool isTextInRecognisedEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE\x00\x00"sv) || bytes.starts_with("\x00\x00\xFE\xFF"sv)) {
        return isValidUTF32(bytes.substr(4), bytes[0] == '\0');
    }
    if (bytes.starts_with("\xFE\xFF") || bytes.starts_with("\xFF\xFE")) {
        return isValidUTF16(bytes.substr(2), bytes[0] == '\xFE');
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    return isValidUTF8WithoutNUL(bytes);
}

bool isPackageFolderName(std::string_view name) {
    static const std::array<std::string_view, 18> packageExtensions = {
        "app",        "appex", "bundle",     "docset",    "framework",   "kext",
        "mdimporter", "pkg",   "playground", "plugin",    "prefpane",    "qlgenerator",
        "rtfd",       "saver", "xcarchive",  "xcodeproj", "xcworkspace", "xpc"};
    const std::string extension = asciiLowercased(xa_pathExtension(name));
    return !extension.empty() &&
           std::find(packageExtensions.begin(), packageExtensions.end(), extension) != packageExtensions.end();
}

struct FolderEntry {
    std::string name;
    bool isFolder = false; // a real folder, not a link to one
};

// The entries of one folder in byte order of their names, or an error.
std::optional<std::vector<FolderEntry>> readFolder(const std::string &folder, XAError &error) {
    std::error_code code;
    std::filesystem::directory_iterator iterator(folder, code);
    std::vector<FolderEntry> entries;
    for (; !code && iterator != std::filesystem::directory_iterator(); iterator.increment(code)) {
        std::error_code typeCode;
        const bool isFolder = iterator->symlink_status(typeCode).type() == std::filesystem::file_type::directory;
        entries.push_back({iterator->path().filename().string(), isFolder});
    }
    if (code) {
        error = XAError("Cannot read the folder " + folder + ": " + code.message(), code.value());
        return std::nullopt;
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry &a, const FolderEntry &b) { return a.name < b.name; });
    return entries;
}

struct OpenFolder {
    std::string path;
    std::vector<FolderEntry> entries;
    size_t next = 0;
};

constexpr int kMaximumSymlinkHops = 40;

} // namespace

// ---- Components and extensions ----

std::vector<std::string> xa_pathComponents(std::string_view path) {
    const std::string fixed = fixingSlashes(path);
    std::vector<std::string> components;
    if (fixed.empty()) {
        return components;
    }
    if (fixed[0] == '/') {
        components.emplace_back("/");
    }
    size_t start = 0;
    while (start < fixed.size()) {
        size_t end = fixed.find('/', start);
        if (end == std::string::npos) {
            end = fixed.size();
        }
        if (end > start) {
            components.push_back(fixed.substr(start, end - start));
        }
        start = end + 1;
    }
    return components;
}

std::string xa_lastPathComponent(std::string_view path) {
    const std::string fixed = fixingSlashes(path);
    if (fixed == "/") {
        return fixed;
    }
    const size_t slash = fixed.rfind('/');
    return slash == std::string::npos ? fixed : fixed.substr(slash + 1);
}

std::string xa_stringByDeletingLastPathComponent(std::string_view path) {
    const std::string fixed = fixingSlashes(path);
    const size_t slash = fixed.rfind('/');
    if (slash == std::string::npos) {
        return "";
    }
    return slash == 0 ? std::string("/") : fixed.substr(0, slash);
}

std::string xa_stringByAppendingPathComponent(std::string_view path, std::string_view component) {
    if (path.empty()) {
        return fixingSlashes(component);
    }
    std::string joined(path);
    joined += '/';
    joined += component;
    return fixingSlashes(joined);
}

std::string xa_pathExtension(std::string_view path) {
    const std::string fixed = fixingSlashes(path);
    const std::optional<size_t> dot = extensionDotPosition(fixed);
    return dot ? fixed.substr(*dot + 1) : std::string();
}

std::string xa_stringByDeletingPathExtension(std::string_view path) {
    const std::string fixed = fixingSlashes(path);
    const std::optional<size_t> dot = extensionDotPosition(fixed);
    return dot ? fixed.substr(0, *dot) : fixed;
}

std::string xa_stringByAppendingPathExtension(std::string_view path, std::string_view extension) {
    const std::string fixed = fixingSlashes(path);
    if (extension.empty() || fixed.empty() || fixed == "/") {
        return fixed;
    }
    return fixed + "." + std::string(extension);
}

std::string xa_stringByDeletingAllPathExtensions(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() == '.') {
        result.pop_back();
    }
    for (int removed = 0; removed < 11 && !xa_pathExtension(result).empty(); ++removed) {
        result = xa_stringByDeletingPathExtension(result);
    }
    return result;
}

std::string xa_pathWithoutLeadingSlash(std::string_view path) {
    if (path.starts_with('/')) {
        path.remove_prefix(1);
    }
    return std::string(path);
}

std::vector<std::string> xa_pathComponentsWithoutSlashes(std::string_view path) {
    std::vector<std::string> components = xa_pathComponents(path);
    if (!components.empty() && components.front() == "/") {
        components.erase(components.begin());
    }
    return components;
}

std::vector<std::string> xa_commonPathComponentPrefixWithPath(std::string_view path, std::string_view otherPath) {
    const std::vector<std::string> mine = xa_pathComponentsWithoutSlashes(path);
    const std::vector<std::string> theirs = xa_pathComponentsWithoutSlashes(otherPath);
    const auto firstDifference = std::mismatch(mine.begin(), mine.end(), theirs.begin(), theirs.end());
    return std::vector<std::string>(mine.begin(), firstDifference.first);
}

// ---- Tilde, standardising, absolute paths ----

std::string XAHomeDirectoryPath() {
    const char *home = std::getenv("HOME");
    if (home && home[0] == '/') {
        return fixingSlashes(home);
    }
    return passwordDatabaseHome("").value_or("/");
}

std::string xa_stringByExpandingTildeInPath(std::string_view path) {
    if (!path.starts_with('~')) {
        return std::string(path);
    }
    const size_t slash = path.find('/');
    const std::string userName(path.substr(1, slash == std::string_view::npos ? std::string_view::npos : slash - 1));
    const std::optional<std::string> home = userName.empty() ? XAHomeDirectoryPath() : passwordDatabaseHome(userName);
    if (!home) {
        return std::string(path);
    }
    const std::string_view rest = slash == std::string_view::npos ? std::string_view() : path.substr(slash);
    return fixingSlashes(*home + std::string(rest));
}

std::string xa_stringByStandardizingPath(std::string_view path) {
    const std::string expanded = xa_stringByExpandingTildeInPath(path);
    if (expanded.empty()) {
        return expanded;
    }
    const bool absolute = expanded[0] == '/';
    std::vector<std::string> kept;
    for (std::string &component : xa_pathComponentsWithoutSlashes(expanded)) {
        if (component == ".") {
            continue;
        }
        if (component == ".." && absolute) {
            if (!kept.empty()) {
                kept.pop_back();
            }
            continue;
        }
        kept.push_back(std::move(component));
    }
    if (kept.empty()) {
        return absolute ? "/" : ".";
    }
    std::string standardized;
    for (const std::string &component : kept) {
        if (absolute || !standardized.empty()) {
            standardized += '/';
        }
        standardized += component;
    }
    return standardized;
}

bool xa_isAbsolutePath(std::string_view path) { return xa_stringByExpandingTildeInPath(path).starts_with('/'); }

std::string xa_absoluteCLIPath(std::string_view path) {
    std::string expanded = xa_stringByExpandingTildeInPath(path);
    if (!expanded.starts_with('/')) {
        expanded = currentDirectoryOrRoot() + "/" + expanded;
    }
    return xa_stringByStandardizingPath(expanded);
}

bool XAPathIsInsideOrEqual(std::string_view path, std::string_view folder) {
    if (folder.empty()) {
        return false;
    }
    if (folder == "/") {
        return path.starts_with('/');
    }
    return path == folder || (path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/');
}

// ---- System paths ----

void XASetSystemPathDeveloperDirectory(std::optional<std::string> path) {
    const std::lock_guard lock(developerDirectoryMutex());
    developerDirectoryStorage() = std::move(path);
}

std::optional<std::string> XASystemPathDeveloperDirectory() {
    const std::lock_guard lock(developerDirectoryMutex());
    return developerDirectoryStorage();
}

bool xa_isSystemPath(std::string_view path, const XASystemPathContext &context) {
    if (!xa_isAbsolutePath(path)) {
        return false;
    }
    const std::string standardized = xa_stringByStandardizingPath(path);
    const std::optional<std::string> home = context.homeDirectory ? context.homeDirectory : XAHomeDirectoryPath();
    for (const std::optional<std::string> &exempt : {home, context.projectFolder, context.versionControlRoot}) {
        const std::optional<std::string> folder = usableFolder(exempt);
        if (folder && XAPathIsInsideOrEqual(standardized, *folder)) {
            return false;
        }
    }
    const std::optional<std::string> developer =
        usableFolder(context.developerDirectory ? context.developerDirectory : XASystemPathDeveloperDirectory());
    if (developer && XAPathIsInsideOrEqual(standardized, *developer)) {
        return true;
    }
    return isSystemLocation(asciiLowercased(standardized));
}

// ---- Relative paths and labels ----

std::string xa_relativePathFromPath(std::string_view path, std::string_view base) {
    const std::string standardBase = xa_stringByStandardizingPath(base);
    if (standardBase.empty() || standardBase == "/") {
        return std::string(path);
    }
    const std::string standardPath = xa_stringByStandardizingPath(path);
    const std::string name = xa_lastPathComponent(standardPath);
    const std::string folder = xa_stringByDeletingLastPathComponent(standardPath);
    if (folder == standardBase) {
        return name;
    }
    if (folder.starts_with(standardBase + "/")) {
        return standardPath.substr(standardBase.size() + 1);
    }
    const std::vector<std::string> baseComponents = xa_pathComponentsWithoutSlashes(standardBase);
    const std::vector<std::string> folderComponents = xa_pathComponentsWithoutSlashes(folder);
    const size_t shared = xa_commonPathComponentPrefixWithPath(standardBase, folder).size();
    std::string relative;
    for (size_t step = shared; step < baseComponents.size(); ++step) {
        relative = xa_stringByAppendingPathComponent(relative, "..");
    }
    for (size_t index = shared; index < folderComponents.size(); ++index) {
        relative = xa_stringByAppendingPathComponent(relative, folderComponents[index]);
    }
    return xa_stringByAppendingPathComponent(relative, name);
}

std::optional<std::string> xa_basenameConflictResolutionTextForPath(std::string_view path,
                                                                    const std::vector<std::string> &otherPaths) {
    const std::string own = xa_stringByStandardizingPath(path);
    const std::string name = xa_lastPathComponent(own);
    std::vector<std::string> otherFolders;
    for (const std::string &other : otherPaths) {
        const std::string standardOther = xa_stringByStandardizingPath(other);
        if (standardOther != own && xa_lastPathComponent(standardOther) == name) {
            otherFolders.push_back(xa_stringByDeletingLastPathComponent(standardOther));
        }
    }
    if (otherFolders.empty()) {
        return std::nullopt;
    }
    std::string ownFolder = xa_stringByDeletingLastPathComponent(own);
    for (int round = 0; round < 200; ++round) {
        const std::string label = xa_lastPathComponent(ownFolder);
        if (label.empty()) {
            return std::nullopt; // a relative path ran out of folders
        }
        const bool shared = std::any_of(otherFolders.begin(), otherFolders.end(), [&](const std::string &folder) {
            return xa_lastPathComponent(folder) == label;
        });
        if (!shared) {
            return label;
        }
        ownFolder = xa_stringByDeletingLastPathComponent(ownFolder);
        for (std::string &folder : otherFolders) {
            folder = xa_stringByDeletingLastPathComponent(folder);
        }
    }
    return std::nullopt;
}

// ---- File-system queries ----

bool xa_pathIsDirectory(const std::string &path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool xa_pathIsSymlink(const std::string &path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool xa_fileIsTextFile(const std::string &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false; // folders, devices and pipes are no text files, and reading a device might never end
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return !file.bad() && isTextInRecognisedEncoding(bytes);
}

std::optional<std::string> XAContentsOfFile(const std::string &path, XAError *error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        XASetError(error, "Cannot read " + path + ": " + std::strerror(errno), errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        XASetError(error, "Cannot read " + path + ": not a regular file", EISDIR);
        return std::nullopt;
    }
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) {
            break;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            const int code = errno;
            ::close(fd);
            XASetError(error, "Cannot read " + path + ": " + std::strerror(code), code);
            return std::nullopt;
        }
        contents.append(buffer, static_cast<size_t>(count));
    }
    ::close(fd);
    return contents;
}

bool XAWriteFileAtomically(const std::string &path, std::string_view contents, XAError *error, unsigned permissions) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        XASetError(error, "Cannot write " + path + ": " + std::strerror(errno), errno);
        return false;
    }
    int failure = ::fchmod(fd, static_cast<mode_t>(permissions)) == 0 ? 0 : errno;
    for (size_t offset = 0; failure == 0 && offset < contents.size();) {
        const ssize_t count = ::write(fd, contents.data() + offset, contents.size() - offset);
        if (count > 0) {
            offset += static_cast<size_t>(count);
        } else if (count == 0 || errno != EINTR) {
            failure = count == 0 ? EIO : errno;
        }
    }
    if (failure == 0 && ::fsync(fd) != 0) {
        failure = errno;
    }
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        ::unlink(temporary.c_str());
        XASetError(error, "Cannot write " + path + ": " + std::strerror(failure), failure);
        return false;
    }
    return true;
}

// ---- Directory walking ----

void xa_visitFilesAtRoot(const std::string &root, unsigned options, bool includingDirs, const XAFileVisitor &visitor,
                         const XAFileWalkErrorHandler &errorHandler) {
    const bool skipHidden = options & XADirectoryEnumerationSkipsHiddenFiles;
    const bool skipPackages = options & XADirectoryEnumerationSkipsPackageDescendants;
    const bool shallow = options & XADirectoryEnumerationSkipsSubdirectoryDescendants;
    const std::string rootPath = fixingSlashes(root);

    // Opens a folder onto the stack; false when the walk must end because of an error.
    std::vector<OpenFolder> stack;
    const auto open = [&](const std::string &folder) {
        XAError error;
        std::optional<std::vector<FolderEntry>> entries = readFolder(folder, error);
        if (entries) {
            stack.push_back({folder, std::move(*entries), 0});
            return true;
        }
        return !errorHandler || errorHandler(folder, error);
    };
    if (!open(rootPath)) {
        return;
    }
    while (!stack.empty()) {
        OpenFolder &current = stack.back();
        if (current.next == current.entries.size()) {
            stack.pop_back();
            continue;
        }
        const FolderEntry entry = current.entries[current.next++];
        if (skipHidden && entry.name.starts_with('.')) {
            continue;
        }
        const std::string entryPath = xa_stringByAppendingPathComponent(current.path, entry.name);
        if (!entry.isFolder || includingDirs) {
            bool stop = false;
            if (visitor) {
                visitor(entryPath, stop);
            }
            if (stop) {
                return;
            }
        }
        const bool enter = entry.isFolder && !shallow && !(skipPackages && isPackageFolderName(entry.name));
        if (enter && !open(entryPath)) {
            return;
        }
    }
}

// ---- Symbolic links ----

std::optional<std::string> stringByConditionallyResolvingSymlink(const std::string &path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return std::nullopt;
    }
    std::vector<char> buffer(static_cast<size_t>(std::max<off_t>(info.st_size, 255)) + 1);
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            const std::string target(buffer.data(), static_cast<size_t>(length));
            if (target.starts_with('/')) {
                return target;
            }
            const std::string folder = xa_stringByDeletingLastPathComponent(path);
            return xa_stringByStandardizingPath(xa_stringByAppendingPathComponent(folder, target));
        }
        buffer.resize(buffer.size() * 2); // the link changed since lstat and grew
    }
}

std::string stringByResolvingSymlink(const std::string &path) {
    return stringByConditionallyResolvingSymlink(path).value_or(path);
}

std::optional<std::string> stringByIterativelyResolvingSymlinkOrAlias(const std::string &path) {
    std::string current = path;
    for (int hops = 0; hops <= kMaximumSymlinkHops; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            return current;
        }
        std::optional<std::string> target = stringByConditionallyResolvingSymlink(current);
        if (!target) {
            return std::nullopt;
        }
        current = std::move(*target);
    }
    return std::nullopt; // a cycle of links
}

std::optional<std::string> stringByResolvingSymlinksAndAliases(const std::string &path) {
    const std::string standardized = xa_stringByStandardizingPath(path);
    if (!standardized.starts_with('/')) {
        return std::nullopt;
    }
    std::string resolved = "/";
    for (const std::string &component : xa_pathComponentsWithoutSlashes(standardized)) {
        std::optional<std::string> step =
            stringByIterativelyResolvingSymlinkOrAlias(xa_stringByAppendingPathComponent(resolved, component));
        if (!step) {
            return std::nullopt;
        }
        resolved = std::move(*step);
    }
    return resolved;
}
