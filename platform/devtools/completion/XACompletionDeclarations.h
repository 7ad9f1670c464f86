#pragma once

// The declarations that complete the SDK stand-in for one target, derived from the target's own uses, and the header
// that holds them.
//
// Every declaration is of a name the SDK would provide and the project does not declare. Members are always declared
// as methods, never as properties (dot syntax finds methods as well): a property of an SDK class that a project
// subclass redeclares would stop the subclass's property from being synthesised. Members of an SDK class the SDK
// stand-in lacks are declared in its @interface; members missing from a class the SDK stand-in declares go into a
// category of it; selectors sent to `id` go into a protocol that nothing adopts, which is enough for clang to know
// them.
//
// The header is a system header (as the SDK's are), guards Objective-C declarations with __OBJC__ and C declarations
// with extern "C" for C++, and imports the SDK headers that declare the classes it extends.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct XACompletedMethod {
    std::string selector;
    bool classMethod = false;
    std::string returnType = "id";
    std::vector<std::string> parameterTypes; // one per selector piece; "id" where the use shows nothing

    std::string key() const { return (classMethod ? "+" : "-") + selector; }
};

struct XACompletedClass {
    int typeParameters = 0; // a generic class: `@interface X<__covariant T1, ...>`
    std::string superclass = "NSObject";
    std::string superclassImport; // the SDK header that declares the superclass
    std::map<std::string, XACompletedMethod> methods;
};

struct XACompletedCategory {
    std::string importSpelling; // the SDK header that declares the class, e.g. "AppKit/NSWindow.h"
    std::map<std::string, XACompletedMethod> methods;
};

// A struct's fields: a field with fields of its own is a struct itself (declared inline), else it has a type.
struct XACompletedStructFields {
    std::map<std::string, XACompletedStructFields> fields;
    std::string type = "long";
    bool pointer = false; // reached through `->`
};

struct XACompletedStruct {
    bool tag = false; // `struct name`, not a typedef's name
    bool objectiveC = false;
    XACompletedStructFields root;
};

// One declaration found in a use, before it is merged into a target's set.
struct XACompletionUse {
    enum class Kind { Class, Protocol, Typedef, Constant, EnumConstant, Function, Method, Header, Struct };
    Kind kind = Kind::Class;
    std::string name;                // the class, protocol, typedef, constant or function; the header's SDK path
    std::string type;                // a typedef's, constant's or function's (return) type; empty: by default
    bool objectiveC = false;         // used from Objective-C code: the declaration may use Objective-C types
    std::string receiverClass;       // a method's class, empty for a selector sent to `id`; a class's superclass
    bool receiverIsSDKClass = false; // the class is declared by the SDK stand-in (a category completes it)
    std::string receiverImport;      // the SDK header that declares the receiver's class, or the superclass
    std::optional<XACompletedMethod> method;
    int typeParameters = 0; // a class used with type arguments
    // A struct's fields by path ("origin.x", "next->value") with the type a leaf field's use shows; a struct's `type`
    // is "struct" for a tag (`struct ip_mreq`), empty for a typedef's name.
    std::vector<std::pair<std::string, std::string>> fields;
};

// The start of the tag of every struct the completion declares with a typedef (`typedef struct XASDKCompletion_Name
// {...} Name;`): never a name to complete.
inline constexpr const char *kCompletedStructTagPrefix = "XASDKCompletion_";

// How code includes an SDK header: "AppKit/NSFoo.h" for "System/Library/Frameworks/AppKit.framework/Headers/NSFoo.h",
// "sys/event.h" for "usr/include/sys/event.h".
std::string XASDKHeaderSpelling(const std::string &sdkPath);

class XACompletionDeclarations {
public:
    // Adds a use; false when it adds nothing new (the declaration is there already with the same types).
    bool add(const XACompletionUse &use);
    // Gives a completed function, constant or method the type that its use needs; false when nothing changed.
    bool refineType(const std::string &name, const std::string &type);
    bool refineMethodReturn(const std::string &selector, const std::string &type);
    bool refineMethodParameter(const std::string &selector, std::size_t index, const std::string &type);
    // Imports an SDK header of the stand-in ("AppKit/NSView.h") that declares a name a file uses without reaching it;
    // false when it is imported already.
    bool addImport(const std::string &spelling) { return imports_.insert(spelling).second; }
    // Makes a name that a use shows to be a value one: a completed typedef of it becomes a constant, and it is never
    // made a type again; false when nothing changed.
    bool markValue(const std::string &name);
    // Makes a name that a use shows to stand in an integer constant expression an enumeration constant, which it
    // stays whatever other uses show (of value 1 when it is a bit-field's width); false when nothing changed.
    bool markConstantExpression(const std::string &name, bool bitFieldWidth);
    // Removes a declaration that turned out to clash with one of the SDK or the project; it is never added again.
    // False when the name was dropped before.
    bool drop(const std::string &name);

    bool empty() const;
    // The SDK-relative paths of the headers to provide as empty files.
    const std::set<std::string> &headers() const { return headers_; }
    // The generated header's text.
    std::string headerText() const;
    // Every completed name ("NSFoo", "-[NSWindow foo:]", "<sys/event.h>"), for the record.
    std::vector<std::string> completedNames() const;

private:
    bool isDropped(const std::string &name) const { return dropped_.count(name) > 0; }
    bool addMethod(const XACompletionUse &use);
    bool addClass(const XACompletionUse &use);
    bool addStruct(const XACompletionUse &use);
    void appendStructs(std::string &text, bool objectiveC) const;
    void appendCDeclarations(std::string &text, bool objectiveC) const;
    void appendObjectiveCDeclarations(std::string &text) const;

    std::set<std::string> headers_;
    std::set<std::string> imports_;
    std::map<std::string, XACompletedClass> classes_;
    std::map<std::string, XACompletedCategory> categories_;
    std::map<std::string, XACompletedMethod> anyReceiverMethods_;
    std::set<std::string> protocols_;
    std::map<std::string, std::pair<std::string, bool>> typedefs_;  // name -> (type, Objective-C only)
    std::map<std::string, std::pair<std::string, bool>> constants_; // name -> (type, Objective-C only)
    std::map<std::string, std::pair<std::string, bool>> functions_; // name -> (return type, Objective-C only)
    std::map<std::string, std::string> libraryFunctions_;           // name -> full prototype
    std::set<std::string> enumConstants_;
    std::map<std::string, XACompletedStruct> structs_;
    std::set<std::string> values_;
    std::set<std::string> constantExpressions_;
    std::set<std::string> bitFieldWidths_;
    std::set<std::string> dropped_;
};
