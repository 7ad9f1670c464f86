#include "platform/devtools/completion/XASDKHeaderNames.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// clang-format off
// Apple's SDK frameworks of macOS, iOS, tvOS, watchOS and visionOS that project code imports by name.
constexpr std::array kAppleFrameworks = {
    "AGL", "ARKit", "AVFAudio", "AVFoundation", "AVKit", "Accelerate", "Accessibility", "Accounts", "AdServices",
    "AdSupport", "AddressBook", "AddressBookUI", "AppKit", "AppTrackingTransparency", "AppleScriptKit",
    "AppleScriptObjC", "ApplicationServices", "AssetsLibrary", "AudioToolbox", "AudioUnit", "AuthenticationServices",
    "Automator", "BackgroundTasks", "BusinessChat", "CFNetwork", "CallKit", "Carbon", "CarPlay", "ClassKit",
    "CloudKit", "Cocoa", "Collaboration", "Combine", "Contacts", "ContactsUI", "CoreAudio", "CoreAudioKit",
    "CoreAudioTypes", "CoreBluetooth", "CoreData", "CoreFoundation", "CoreGraphics", "CoreHaptics", "CoreImage",
    "CoreLocation", "CoreMIDI", "CoreML", "CoreMedia", "CoreMediaIO", "CoreMotion", "CoreNFC", "CoreServices",
    "CoreSpotlight", "CoreTelephony", "CoreText", "CoreVideo", "CoreWLAN", "CryptoKit", "CryptoTokenKit",
    "DeviceCheck", "DiscRecording", "DiscRecordingUI", "DiskArbitration", "DriverKit", "EventKit", "EventKitUI",
    "ExceptionHandling", "ExternalAccessory", "FileProvider", "FileProviderUI", "FinderSync", "ForceFeedback",
    "Foundation", "GLKit", "GSS", "GameController", "GameKit", "GameplayKit", "HealthKit", "HomeKit", "Hypervisor",
    "ICADevices", "IOBluetooth", "IOBluetoothUI", "IOKit", "IOSurface", "IOUSBHost", "ImageCaptureCore", "ImageIO",
    "InputMethodKit", "InstallerPlugins", "Intents", "IntentsUI", "JavaScriptCore", "Kerberos", "Kernel",
    "LatentSemanticMapping", "LinkPresentation", "LocalAuthentication", "MapKit", "MediaAccessibility",
    "MediaLibrary", "MediaPlayer", "MediaToolbox", "MessageUI", "Messages", "Metal", "MetalKit",
    "MetalPerformanceShaders", "MobileCoreServices", "ModelIO", "MultipeerConnectivity", "NaturalLanguage",
    "NearbyInteraction", "Network", "NetworkExtension", "NotificationCenter", "OSAKit", "OSLog", "OpenAL",
    "OpenCL", "OpenDirectory", "OpenGL", "OpenGLES", "PDFKit", "PassKit", "PencilKit", "Photos", "PhotosUI",
    "PreferencePanes", "PushKit", "QTKit", "Quartz", "QuartzCore", "QuickLook", "QuickLookThumbnailing",
    "QuickLookUI", "RealityKit", "ReplayKit", "SafariServices", "SceneKit", "ScreenSaver", "ScreenCaptureKit",
    "ScriptingBridge", "Security", "SecurityFoundation", "SecurityInterface", "SensorKit", "ServiceManagement",
    "Social", "SoundAnalysis", "Speech", "SpriteKit", "StoreKit", "SwiftUI", "SyncServices", "SystemConfiguration",
    "SystemExtensions", "Twitter", "UIKit", "UniformTypeIdentifiers", "UserNotifications", "UserNotificationsUI",
    "VideoToolbox", "Vision", "VisionKit", "WatchConnectivity", "WatchKit", "WebKit", "WidgetKit", "XCTest",
    "iAd", "vecLib", "vImage"};

// Headers directly in usr/include: the C library, POSIX, BSD and Darwin headers, and the libraries the SDK ships.
constexpr std::array kSystemHeaders = {
    "Availability.h", "AvailabilityInternal.h", "AvailabilityMacros.h", "AssertMacros.h", "Block.h",
    "ConditionalMacros.h", "MacTypes.h", "TargetConditionals.h", "aio.h", "alloca.h", "ar.h", "asl.h", "assert.h",
    "bzlib.h", "complex.h", "compression.h", "copyfile.h", "cpio.h", "crt_externs.h", "ctype.h", "curses.h",
    "dirent.h", "dlfcn.h", "dns.h", "dns_sd.h", "err.h", "errno.h", "execinfo.h", "expat.h", "fcntl.h", "fenv.h",
    "fmtmsg.h", "fnmatch.h", "fstab.h", "fts.h", "ftw.h", "getopt.h", "glob.h", "grp.h", "histedit.h", "iconv.h",
    "ifaddrs.h", "inttypes.h", "iso646.h", "langinfo.h", "launch.h", "libgen.h", "libproc.h", "locale.h",
    "math.h", "membership.h", "memory.h", "monetary.h", "ncurses.h", "ndbm.h", "netdb.h", "nl_types.h", "nlist.h",
    "notify.h", "paths.h", "poll.h", "pthread.h", "pwd.h", "ranlib.h", "readpassphrase.h", "regex.h", "removefile.h",
    "resolv.h", "sandbox.h", "sched.h", "search.h", "semaphore.h", "setjmp.h", "signal.h", "spawn.h", "sqlite3.h",
    "stdio.h", "stdlib.h", "string.h", "strings.h", "sysdir.h", "sysexits.h", "syslog.h", "tar.h", "term.h",
    "termios.h", "time.h", "ttyent.h", "ucontext.h", "ulimit.h", "unistd.h", "util.h", "utime.h", "utmp.h",
    "utmpx.h", "uuid.h", "vis.h", "wchar.h", "wctype.h", "wordexp.h", "xlocale.h", "zconf.h", "zlib.h"};

// Folders of usr/include whose headers are all system headers.
constexpr std::array kSystemHeaderFolders = {
    "CommonCrypto", "architecture", "arpa", "bsm", "curl", "dispatch", "editline", "i386", "libkern", "libxml",
    "libxml2", "libxslt", "mach", "mach-o", "mach_debug", "machine", "malloc", "net", "netinet", "netinet6", "objc",
    "os", "pcap", "pthread", "readline", "security", "servers", "simd", "sys", "uuid", "xar", "xpc"};

// Prefixes of the lower-case C families of the SDK's libraries: the Objective-C runtime, libdispatch, libSystem's
// os_*, XPC, Mach, pthreads, the BSD and POSIX groups, and the libraries the SDK ships (sqlite3, libxml2, zlib).
constexpr std::array kSystemFunctionPrefixes = {
    "acl_", "adler32", "arc4random", "asl_", "backtrace", "block_", "class_", "compress", "copyfile", "crc32",
    "deflate", "dispatch_", "dladdr", "dlclose", "dlerror", "dlopen", "dlsym", "dns_", "dyld_", "fts_", "getifaddrs",
    "freeifaddrs", "getxattr", "setxattr", "removexattr", "listxattr", "gz", "host_", "if_", "imp_", "inet_",
    "inflate", "ivar_", "kevent", "kqueue", "launch_", "mach_", "malloc_", "method_", "nw_", "object_", "objc_",
    "os_", "posix_", "proc_", "property_", "protocol_", "pthread_", "sec_", "sel_", "sqlite3_", "sysctl", "sysdir_",
    "task_", "thread_", "uncompress", "uuid_", "vm_", "xml", "xpc_", "xslt", "zlib", "zError"};

// Lower-case functions of the C library, POSIX and BSD that projects call and that have no family prefix.
constexpr std::array kSystemFunctions = {
    "accept", "access", "atexit", "basename", "bind", "chdir", "chmod", "chown", "close", "closedir", "connect",
    "daemon", "dirname", "dup", "dup2", "execv", "execve", "execvp", "fchmod", "fcntl", "fdopen", "fileno", "flock",
    "fork", "freeaddrinfo", "fstat", "fsync", "ftruncate", "gai_strerror", "getaddrinfo", "getcwd", "getegid",
    "getenv", "geteuid", "getgid", "gethostbyname", "gethostname", "getloadavg", "getnameinfo", "getopt",
    "getpeername", "getpid", "getppid", "getpwnam", "getpwuid", "getrlimit", "getrusage", "getsockname",
    "getsockopt", "gettimeofday", "getuid", "glob", "globfree", "htonl", "htons", "ioctl", "isatty", "kill",
    "killpg", "link", "listen", "localtime_r", "lseek", "lstat", "mkdir", "mkdtemp", "mkstemp", "mktemp", "mlock",
    "mmap", "mprotect", "munmap", "nanosleep", "ntohl", "ntohs", "open", "opendir", "openpty", "pipe", "poll",
    "read", "readdir", "readlink", "realpath", "recv", "recvfrom", "recvmsg", "rename", "rmdir", "sched_yield",
    "select", "send", "sendmsg", "sendto", "setenv", "setgid", "setlocale", "setpgid", "setrlimit", "setsid",
    "setsockopt", "setuid", "shutdown", "sigaction", "sigaddset", "sigemptyset", "signal", "sigprocmask", "sleep",
    "socket", "socketpair", "stat", "statfs", "strlcat", "strlcpy", "strsep", "symlink", "sync", "syslog",
    "tcgetattr", "tcsetattr", "timegm", "truncate", "ttyname", "umask", "uname", "unlink", "unsetenv", "usleep",
    "utimes", "wait", "waitpid", "write", "writev"};
// clang-format on

bool contains(const auto &list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

bool isSafeRelativePath(std::string_view path) {
    return !path.empty() && path.front() != '/' && path.find("..") == std::string_view::npos &&
           path.find("//") == std::string_view::npos && path.back() != '/';
}

} // namespace

bool XAIsAppleFrameworkName(std::string_view name) { return contains(kAppleFrameworks, name); }

std::optional<std::string> XASDKPathOfMissingHeader(std::string_view spelling, bool angled) {
    if (!isSafeRelativePath(spelling)) {
        return std::nullopt;
    }
    const std::size_t slash = spelling.find('/');
    if (slash == std::string_view::npos) {
        return contains(kSystemHeaders, spelling) ? std::optional<std::string>("usr/include/" + std::string(spelling))
                                                  : std::nullopt;
    }
    const std::string_view first = spelling.substr(0, slash);
    if (contains(kSystemHeaderFolders, first)) {
        return "usr/include/" + std::string(spelling);
    }
    // A framework header is only ever found through <Framework/Header.h>; a quoted spelling of that form names a
    // project folder.
    if (angled && XAIsAppleFrameworkName(first)) {
        return "System/Library/Frameworks/" + std::string(first) + ".framework/Headers/" +
               std::string(spelling.substr(slash + 1));
    }
    return std::nullopt;
}

bool XAIsSDKFunctionName(std::string_view name) {
    while (!name.empty() && name.front() == '_') {
        name.remove_prefix(1);
    }
    if (name.empty() || !std::isalpha(static_cast<unsigned char>(name.front()))) {
        return false;
    }
    if (std::isupper(static_cast<unsigned char>(name.front()))) {
        return true;
    }
    return contains(kSystemFunctions, name) ||
           std::any_of(kSystemFunctionPrefixes.begin(), kSystemFunctionPrefixes.end(),
                       [name](std::string_view prefix) { return name.starts_with(prefix); });
}
