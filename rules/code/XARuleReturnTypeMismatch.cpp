// Reports a return statement whose value's type differs from the result type of its function, method or block.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

struct XARuleReturnTypeMismatch : XACursorRule<XARuleReturnTypeMismatch> {
    static XAXMLString ruleName() { return XAXMLString("Return type mismatch"); }
    static XAXMLString ruleDescription() { return XAXMLString(""); }
    static std::vector<std::string> tags() { return {XARuleTagExperimental}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ReturnStmt}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ReturnStmt) { // the translation unit comes first
            return {};
        }
        CXCursor expression = XAChildAtIndex(cursor, 0);
        if (clang().clang_getCursorKind(expression) == CXCursor_UnexposedExpr) {
            expression = XAChildAtIndex(expression, 0);
        }
        const CXCursor routine = routineOfReturn(cursor);
        if (XAIsNullCursor(expression) || XAIsNullCursor(routine)) {
            return {};
        }
        const bool isBlock = clang().clang_getCursorKind(routine) == CXCursor_BlockExpr;
        // Under ARC locals and parameters are typed __strong; the qualifier is no mismatch.
        const CXType result =
            unqualified(isBlock ? blockResultType(routine) : clang().clang_getCursorResultType(routine));
        const CXType value = unqualified(XACursorType(expression));
        const CXType canonicalResult = clang().clang_getCanonicalType(result);
        const CXType canonicalValue = clang().clang_getCanonicalType(value);
        std::string valueText = typeText(value);
        if (const std::optional<CXCursor> receiverClass = relatedResultClass(expression)) {
            // The value has the type of its receiver's class, whatever the method declares.
            if (XAIsNullCursor(*receiverClass) || result.kind == CXType_ObjCId ||
                isObjectPointerToClass(canonicalResult, *receiverClass)) {
                return {};
            }
            valueText = "<code>" + xa_escapedForXML(XACursorSpelling(*receiverClass).value_or("")) + " *</code>";
        } else if (canonicalResult.kind == CXType_Invalid || canonicalValue.kind == CXType_Invalid ||
                   clang().clang_equalTypes(canonicalResult, canonicalValue) ||
                   isExempt(expression, result, value, canonicalResult, canonicalValue)) {
            return {};
        }
        const char *routineWord = isBlock                                                         ? "block"
                                  : clang().clang_getCursorKind(routine) == CXCursor_FunctionDecl ? "function"
                                                                                                  : "method";
        const std::string info = "Returning value of type " + valueText + " from " + routineWord +
                                 " whose return type is " + typeText(result);
        return {diagnosticWithCursor(cursor, XAXMLString(info), std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityError, XADiagnosticConfidenceMedium)};
    }

private:
    static const XALibclangFunctions &clang() { return XALibclang::fn(); }

    static CXType unqualified(CXType type) { return XAPlainType(clang().clang_getUnqualifiedType(XAPlainType(type))); }

    // An object pointer given id, nil for id or any pointer, an object pointer for id.
    static bool isExempt(CXCursor expression, CXType result, CXType value, CXType canonicalResult,
                         CXType canonicalValue) {
        const bool isNull = XAIsNullConstantExpr(expression);
        if (canonicalResult.kind == CXType_ObjCObjectPointer && value.kind == CXType_ObjCId) {
            return true;
        }
        if (result.kind == CXType_ObjCId && (isNull || canonicalValue.kind == CXType_ObjCObjectPointer)) {
            return true;
        }
        return isNull && XAIsPointerTypeKind(canonicalResult.kind);
    }

    // For a message whose result has the type of its receiver (alloc, new, the init family and methods returning
    // instancetype): the receiver's class, or the null cursor when that is not known. No value for other
    // expressions.
    static std::optional<CXCursor> relatedResultClass(CXCursor expression) {
        expression = XAStripParensCastsAndUnexposed(expression);
        if (expression.kind != CXCursor_ObjCMessageExpr) {
            return std::nullopt;
        }
        const CXCursor method = clang().clang_getCursorReferenced(expression);
        const int family = clang().clang_tessary_getObjCMethodFamily(method);
        const bool related = family == CXTessaryMethodFamily_Alloc || family == CXTessaryMethodFamily_Init ||
                             family == CXTessaryMethodFamily_New ||
                             XATypeSpelling(clang().clang_getCursorResultType(method)) == "instancetype";
        if (!related) {
            return std::nullopt;
        }
        const CXCursor receiverClass = XAMessageReceiverClassDecl(expression);
        return receiverClass.kind == CXCursor_ObjCInterfaceDecl ? receiverClass : clang().clang_getNullCursor();
    }

    static bool isObjectPointerToClass(CXType canonicalType, CXCursor classDecl) {
        if (canonicalType.kind != CXType_ObjCObjectPointer) {
            return false;
        }
        const CXCursor pointee = clang().clang_getTypeDeclaration(clang().clang_getPointeeType(canonicalType));
        return clang().clang_equalCursors(clang().clang_getCanonicalCursor(pointee),
                                          clang().clang_getCanonicalCursor(classDecl)) != 0;
    }

    // The innermost function, method or block whose body holds the return. Only cursors whose extent holds the
    // return are entered, so a block that is itself returned is not the routine.
    static CXCursor routineOfReturn(CXCursor returnStatement) {
        CXCursor routine = XAAncestorOfKinds(returnStatement, XAFunctionLikeKinds);
        if (XAIsNullCursor(routine)) {
            return routine;
        }
        const XACursorPosition start = XACursorExtentStart(returnStatement);
        const XACursorPosition end = XACursorExtentEnd(returnStatement);
        XAVisitChildren(routine, [&](CXCursor child) {
            const XACursorPosition childStart = XACursorExtentStart(child);
            const XACursorPosition childEnd = XACursorExtentEnd(child);
            const bool holdsReturn = childStart.file == start.file && childStart.offset <= start.offset &&
                                     end.offset <= childEnd.offset &&
                                     !clang().clang_equalCursors(child, returnStatement);
            if (!holdsReturn) {
                return CXChildVisit_Continue;
            }
            if (clang().clang_getCursorKind(child) == CXCursor_BlockExpr) {
                routine = child;
            }
            return CXChildVisit_Recurse;
        });
        return routine;
    }

    // libclang gives a block expression no result type; its function type has one.
    static CXType blockResultType(CXCursor block) {
        return clang().clang_getResultType(clang().clang_getPointeeType(clang().clang_getCursorType(block)));
    }

    // "<code>NSString *</code>", followed by the canonical spelling where it differs.
    static std::string typeText(CXType type) {
        const std::string spelling = XATypeSpelling(type).value_or("");
        const std::string canonical = XATypeSpelling(clang().clang_getCanonicalType(type)).value_or("");
        std::string text = "<code>" + xa_escapedForXML(spelling) + "</code>";
        if (canonical != spelling) {
            text += " (<code>" + xa_escapedForXML(canonical) + "</code>)";
        }
        return text;
    }
};

TESSARY_REGISTER_RULE(XARuleReturnTypeMismatch)
