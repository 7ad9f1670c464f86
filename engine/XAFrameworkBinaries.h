#pragma once

// The binaries a target links: its libraries and the executables inside its frameworks, for the rules that look into
// what a target ships (private API use, install names).

#include <functional>
#include <string>

class XARuleContext;

// Receives each binary: whether it is a dynamic library (a dylib or a framework's executable; false for a static
// library archive) and its path.
using XAFrameworkVisitor = std::function<void(bool isDylib, const std::string &path)>;

// Every library and framework the checked target's "Link Binary with Libraries" phases name, in phase and file order,
// then the frameworks other projects' targets build for those phases. Paths with build-setting references are
// resolved with the build-script environment; what does not exist, and system libraries that the build did not
// produce, are skipped. Frameworks are walked with XAVisitFrameworkBinaries.
void frameworkBinariesInBuildPhases(const XARuleContext &context, const XAFrameworkVisitor &visitor);

// Every file under the framework folder that is no symbolic link, not hidden, and has the extension "dylib" or none,
// each as a dynamic library. A folder that cannot be read is reported through the context and the walk goes on.
void XAVisitFrameworkBinaries(const std::string &frameworkPath, const XARuleContext &context,
                              const XAFrameworkVisitor &visitor);
