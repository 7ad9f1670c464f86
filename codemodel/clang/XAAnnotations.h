#pragma once

// The texts of a declaration's annotate attributes, and those meant for the checker: texts that begin with the
// prefix "tessary:" (exact, case-sensitive). The text after the prefix is the annotation's payload; the in-code
// suppression reads "suppress:" and rule names from it, and the debugging rule logs every cursor that has one.

#include "codemodel/XALibclang.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr const char *XATessaryAnnotationPrefix = "tessary:";

// Whether the cursor carries annotate attributes; the checking run asks this of every cursor it visits before it
// reads any text.
bool XACursorHasAnnotations(CXCursor cursor);
// The annotation texts in source order; no value when there are none.
std::optional<std::vector<std::string>> XACursorAnnotations(CXCursor cursor);
// The payloads of the annotations that begin with the prefix, in order, empty payloads left out (so a cursor whose
// only annotation is "tessary:" gives an empty list); no value when the cursor has no annotations at all.
std::optional<std::vector<std::string>> XATessaryAnnotationsOfCursor(CXCursor cursor);
