#pragma once

// Categories of a class that reach a translation unit through modules. libclang's walk of a unit's top-level
// declarations never enters an imported module, so a framework's categories are found in its header files: each
// header of the class's own framework folder and of the folders of the modules the unit loaded, directly or through
// other modules, is searched for "@interface <class> (", and libclang gives the declaration at that place of the
// imported header.

#include <clang-c/Index.h>

#include <functional>
#include <set>
#include <string>

namespace xa_clangext {

// Calls back with each declaration the predicate accepts among the category declarations of the class's name in
// module headers, skipping those whose USR is in `seen`; the callback returns false to stop. True when it stopped.
bool forEachModuleCategoryNamed(CXCursor interface, const std::set<std::string> &seen,
                                const std::function<bool(CXCursor)> &accept,
                                const std::function<bool(CXCursor)> &callback);

} // namespace xa_clangext
