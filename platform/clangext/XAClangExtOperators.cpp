// Operator codes of operator expressions and receiver kinds of Objective-C messages.

#include "TessaryClangExtensions.h"
#include "XAClangExtMethodFamily.h"
#include "XAClangExtSupport.h"

#include <algorithm>

using namespace xa_clangext;

namespace {

// The one place where libclang's operator numbers become ours. libclang numbers binary operators as clang does,
// from 1, with the three-way comparison "<=>" at 10; our codes have no "<=>", so from "<" on they are one lower.
static_assert(CXBinaryOperator_PtrMemD == 1 && CXBinaryOperator_Shr == 9 && CXBinaryOperator_Cmp == 10 &&
                  CXBinaryOperator_LT == 11 && CXBinaryOperator_Comma == 33,
              "libclang's binary operator numbering changed: revise tessaryBinaryOperator");
static_assert(CXUnaryOperator_PostInc == 1 && CXUnaryOperator_LNot == 10 && CXUnaryOperator_Extension == 13,
              "libclang's unary operator numbering changed: revise tessaryUnaryOperator");

int tessaryBinaryOperator(CXBinaryOperatorKind kind) {
    if (kind <= CXBinaryOperator_Invalid || kind > CXBinaryOperator_Comma || kind == CXBinaryOperator_Cmp) {
        return CXTessaryBinaryOperator_Invalid;
    }
    return kind < CXBinaryOperator_Cmp ? static_cast<int>(kind) : static_cast<int>(kind) - 1;
}

int tessaryUnaryOperator(CXUnaryOperatorKind kind) {
    // co_await, after __extension__, has no code of ours.
    if (kind <= CXUnaryOperator_Invalid || kind > CXUnaryOperator_Extension) {
        return CXTessaryUnaryOperator_Invalid;
    }
    return static_cast<int>(kind);
}

// True when the first child of a message is written in the receiver's place, right after the opening bracket.
// A send to super has no receiver child, so its first child, if any, is an argument written after a selector part.
// Counting does not tell them apart: libclang gives a message no argument count (clang_Cursor_getNumArguments is -1).
bool firstChildIsReceiver(CXCursor message, CXCursor firstChild) {
    const unsigned messageStart = extentOffsets(message).start;
    const unsigned childStart = extentOffsets(firstChild).start;
    if (childStart == messageStart) {
        // Both come from the same macro use, so positions say nothing; an instance receiver that libclang does not
        // count as a dynamic call can only be an allocation, [[Foo alloc] init...].
        CXCursor receiver = stripImplicitWrappers(firstChild);
        return receiver.kind == CXCursor_ObjCMessageExpr &&
               selectorFamily(spelling(receiver)) == CXTessaryMethodFamily_Alloc;
    }
    // The message's own tokens, not a range up to the child's extent: a child that a macro expands to (an argument
    // kPad of #define kPad 10) has its extent at the macro's definition, before the message.
    std::vector<Token> written = tokensOfCursor(message);
    written.erase(std::find_if(written.begin(), written.end(),
                               [childStart](const Token &token) { return token.startOffset >= childStart; }),
                  written.end());
    return written.size() == 1 && written.front().spelling == "[";
}

int superReceiverKind(CXCursor message) {
    // libclang gives a send to super the superclass type as receiver type: the class itself in a class method,
    // a pointer to it in an instance method.
    switch (canonicalType(clang_Cursor_getReceiverType(message)).kind) {
    case CXType_ObjCInterface:
    case CXType_ObjCObject:
        return CXTessaryMessageReceiver_SuperClass;
    case CXType_ObjCObjectPointer:
        return CXTessaryMessageReceiver_SuperInstance;
    default:
        break;
    }
    switch (clang_getCursorReferenced(message).kind) {
    case CXCursor_ObjCClassMethodDecl:
        return CXTessaryMessageReceiver_SuperClass;
    case CXCursor_ObjCInstanceMethodDecl:
        return CXTessaryMessageReceiver_SuperInstance;
    default:
        return CXTessaryMessageReceiver_None;
    }
}

} // namespace

extern "C" {

int clang_tessary_getBinaryOperatorKind(CXCursor binaryOperator) {
    if (binaryOperator.kind != CXCursor_BinaryOperator && binaryOperator.kind != CXCursor_CompoundAssignOperator) {
        return CXTessaryBinaryOperator_Invalid;
    }
    return tessaryBinaryOperator(clang_getCursorBinaryOperatorKind(binaryOperator));
}

int clang_tessary_getUnaryOperatorKind(CXCursor unaryOperator) {
    if (unaryOperator.kind != CXCursor_UnaryOperator) {
        return CXTessaryUnaryOperator_Invalid;
    }
    return tessaryUnaryOperator(clang_getCursorUnaryOperatorKind(unaryOperator));
}

int clang_tessary_getObjCMessageReceiverKind(CXCursor message) {
    if (message.kind != CXCursor_ObjCMessageExpr) {
        return CXTessaryMessageReceiver_None;
    }
    CXCursor firstChild = clang_getNullCursor();
    forEachChild(message, [&](CXCursor child) {
        firstChild = child;
        return false;
    });
    // A class receiver is visited as a reference to the class (or to a typedef of it).
    if (!isNull(firstChild) && clang_isReference(firstChild.kind)) {
        return CXTessaryMessageReceiver_Class;
    }
    // libclang counts every send to an instance as dynamic, except to a fresh allocation and to super.
    if (clang_Cursor_isDynamicCall(message)) {
        return CXTessaryMessageReceiver_Instance;
    }
    if (!isNull(firstChild) && clang_isExpression(firstChild.kind) && firstChildIsReceiver(message, firstChild)) {
        return CXTessaryMessageReceiver_Instance;
    }
    return superReceiverKind(message);
}

} // extern "C"
