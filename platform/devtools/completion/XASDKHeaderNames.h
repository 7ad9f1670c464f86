#pragma once

// Which missing headers the SDK would provide. A header that an SDK of Apple's platforms holds but the SDK stand-in
// lacks is completed with an empty file; anything else (a project's own header, a generated "<Product>-Swift.h", a
// dependency that CocoaPods, Carthage or a submodule would install) stays a compiler error.
//
// SDK headers are those of Apple's frameworks (<AppKit/NSFoo.h>, from a list of framework names) and the system
// headers of usr/include (<syslog.h>, <sys/event.h>, <mach-o/dyld.h>, ...: the C library, POSIX, BSD and Mach
// headers, and the libraries the SDK ships, such as zlib and sqlite).

#include <optional>
#include <string>
#include <string_view>

// Where a missing SDK header goes, relative to the SDK's root: "System/Library/Frameworks/AppKit.framework/Headers/
// NSFoo.h" for <AppKit/NSFoo.h>, "usr/include/sys/event.h" for <sys/event.h>. No value for a header the SDK would
// not provide. `angled` tells <...> from "..." spellings: a quoted spelling is a system header only by its name.
std::optional<std::string> XASDKPathOfMissingHeader(std::string_view spelling, bool angled);

// Whether the name is one of Apple's SDK frameworks ("AppKit", "ServiceManagement").
bool XAIsAppleFrameworkName(std::string_view name);

// Whether a function or value name not declared anywhere is one the SDK would declare: a name spelled as the SDK's C
// interfaces are (an upper-case start: CFRelease, SSLHandshake), or a lower-case one of the C library, POSIX, BSD,
// Mach and the SDK's C families (dispatch_, objc_, os_log, sqlite3_, ...). A lower-case name outside them is the
// project's own, perhaps misspelt, and stays an error. Leading underscores are not part of the family.
bool XAIsSDKFunctionName(std::string_view name);
