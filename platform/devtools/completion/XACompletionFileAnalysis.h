#pragma once

// What one parse of a source file shows about the SDK declarations it lacks: its compiler errors, read together with
// the tokens around them, become uses (XACompletionDeclarations.h), type needs, headers to provide, and clashes of
// completed declarations.
//
//   error                                                   gives
//   '<AppKit/NSFoo.h>' file not found                       an empty SDK header, when the SDK would provide it;
//                                                           else the file is blocked (missing project file or
//                                                           dependency)
//   cannot find protocol declaration for 'P'                a protocol
//   unknown type name 'X' / use of undeclared identifier    a class before `*` or `<` in Objective-C (a struct in C),
//                                                           a receiver class in `[X sel]`, a typedef elsewhere, a
//                                                           constant (object-typed by an SDK naming pattern, else an
//                                                           enumeration constant) for an SDK-like name
//   call to undeclared (library) function 'F'               a function (clang's own type for library functions)
//   no visible @interface for 'C' declares the selector     a method of C, or of its nearest SDK superclass
//   no known instance/class method for selector 'S'         a method sent to `id`, or a class method of the receiver
//   property 'p' not found on object of type 'T'            a getter (and a setter when assigned)
//   receiver type 'C' ... is a forward declaration          the class's @interface
//   initializing/assigning/sending/passing/returning ...    the type a completed function, constant or method needs
//   any error inside the generated header                   the declaration on that line clashes and is dropped
//   any error after a fatal one                             nothing but a missing header: clang skipped the
//                                                           includes after the fatal error

#include "platform/devtools/completion/XACompletionDeclarations.h"

#include <clang-c/Index.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The type a use needs for a completed symbol found at the use's place.
struct XACompletionTypeNeed {
    enum class Target { NameAtUse, MethodReturn, MethodParameter };
    Target target;
    std::string name; // the function or constant; the method's selector
    std::size_t parameterIndex = 0;
    std::string type;
};

// An Objective-C class as a parse sees it.
struct XAClassInParse {
    std::string superclass;
    bool sdk = false;           // declared in a system header of the SDK
    std::string importSpelling; // "AppKit/NSWindow.h" for a class of the SDK's frameworks
};

struct XAFileFindings {
    bool hasErrors = false;
    // The first missing header the SDK would not provide, and whether it looks like a dependency
    // (<Framework/Header.h>, Pods/, Carthage/) rather than a project file.
    std::optional<std::string> blockingHeader;
    bool blockedByDependency = false;
    std::vector<XACompletionUse> uses;
    std::vector<XACompletionTypeNeed> typeNeeds;
    std::set<std::string> clashes; // completed names to drop
    std::set<std::string> values;  // names that a use shows to be values, never types
    // Names used where an integer constant expression is required: enumeration constants, never other constants;
    // true for a bit-field's width, which must be small.
    std::map<std::string, bool> constantExpressions;
    // Modules of the project (its frameworks' module maps) whose build failed: declarations given with -include do not
    // reach a module's build, so the completion has their headers included as they are.
    std::set<std::string> unbuiltModules;
    // Names the project's own files declare (classes, protocols, functions, variables, typedefs, tags, enumeration
    // constants), and the names the SDK's headers declare, each with the header that declares it ("AppKit/NSView.h",
    // "sys/event.h"; empty for a header outside the SDK's folders).
    std::set<std::string> projectNames;
    std::map<std::string, std::string> sdkNames;
    std::map<std::string, XAClassInParse> classes; // the Objective-C classes the parse declares
    std::set<std::string> declaringFiles;          // the files whose declarations the parse read
};

struct XAFileAnalysisContext {
    bool objectiveC = false;
    std::string sdkRoot;              // the SDK the file is parsed against
    std::string completionHeaderPath; // the generated header, to tell its errors apart
    std::string completionHeaderText;
    // What a precompiled preamble that the parse was given declares (its parse's findings), which a visit of the
    // parse does not reach; null without one. Its classes are known to the parse's reading; its names are not
    // repeated in the parse's findings.
    const XAFileFindings *preamble = nullptr;
};

// Reads the parse: the names it declares, and (for a parse with errors) what the errors ask for.
XAFileFindings XAAnalyseTranslationUnit(CXTranslationUnit unit, const XAFileAnalysisContext &context);
