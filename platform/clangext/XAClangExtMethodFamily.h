#pragma once

// Method families of Objective-C: the naming convention that tells ARC, and readers, which methods hand back an
// object the caller owns (alloc, copy, init, mutableCopy, new), plus the conventional selectors of manual reference
// counting.

#include <clang-c/Index.h>

#include <string_view>

namespace xa_clangext {

// The family a selector names, before the method's kind and result type are taken into account
// (CXTessaryMethodFamily).
int selectorFamily(std::string_view selector);

// The family of an Objective-C method declaration: an objc_method_family attribute decides; otherwise the selector's
// family, kept only when the method's kind and result type fit it.
int methodDeclFamily(CXCursor method);

} // namespace xa_clangext
