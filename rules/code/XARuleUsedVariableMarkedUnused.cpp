// Reports a variable or parameter marked unused (__unused, __attribute__((unused))) that is used after all: once per
// declaration and run, on the declaration, naming the first use seen.

#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XATranslationUnitMemo.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "engine/XARuleContext.h"

struct XARuleUsedVariableMarkedUnused : XACursorRule<XARuleUsedVariableMarkedUnused> {
    static XAXMLString ruleName() { return XAXMLString("Using a variable marked unused"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when a variable is annotated with the \u201cunused\u201d attribute, but is actually "
                           "used. This rule does not warn about cases where a variable is marked unused via a pragma "
                           "directive.");
    }
    static std::vector<std::string> tags() { return {"Pedantic"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_DeclRefExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_DeclRefExpr) { // the translation unit comes first
            return {};
        }
        const CXCursor declaration = XALibclang::fn().clang_getCursorReferenced(cursor);
        const CXCursorKind declarationKind = XALibclang::fn().clang_getCursorKind(declaration);
        if ((declarationKind != CXCursor_VarDecl && declarationKind != CXCursor_ParmDecl) ||
            !isMarkedUnused(declaration)) {
            return {};
        }
        const std::optional<std::string> usePath = XACursorFilePath(cursor);
        if (!usePath || context.stateStore().addValueAndReturnWhetherItAlreadyExisted(
                            XACursorDebugDescription(declaration), ruleShortName() + "_warnedDeclarationsSet")) {
            return {};
        }
        const std::string info = "Used at least on line " + std::to_string(XACursorStartLocation(cursor)) +
                                 " of <filepath>" + xa_escapedForXML(*usePath) + "</filepath>";
        return {diagnosticWithCursor(declaration, XAXMLString(info), XACursorSpelling(declaration),
                                     XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern,
                                     XADiagnosticConfidenceHigh)};
    }

private:
    // One of the declaration's attributes is written "__unused" or "unused". The text comes from the attribute's
    // tokens; the answer is remembered for the unit, since every use of the variable asks. Text that is not valid
    // UTF-8 never matches.
    static bool isMarkedUnused(CXCursor declaration) {
        return XAMemoisedAnswer<bool>("variable marked unused", declaration, [declaration] {
            bool marked = false;
            XAEnumerateAttributes(declaration, [&marked](CXCursor attribute, unsigned, bool &stop) {
                const std::string text = attributeText(attribute);
                marked = text == "__unused" || text == "unused";
                stop = marked;
            });
            return marked;
        });
    }

    // The spellings of the tokens where the attribute is written: for "__unused" the macro's name, where the
    // attribute's own extent lies inside the macro's definition.
    static std::string attributeText(CXCursor attribute) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const XACursorPosition start = XACursorExtentStart(attribute);
        const XACursorPosition end = XACursorExtentEnd(attribute);
        if (!start.file || start.file != end.file) {
            return "";
        }
        const CXTranslationUnit unit = clang.clang_Cursor_getTranslationUnit(attribute);
        const CXSourceRange written =
            clang.clang_getRange(clang.clang_getLocationForOffset(unit, start.file, start.offset),
                                 clang.clang_getLocationForOffset(unit, end.file, end.offset));
        CXToken *tokens = nullptr;
        unsigned count = 0;
        clang.clang_tokenize(unit, written, &tokens, &count);
        std::string text;
        for (unsigned i = 0; i < count; ++i) {
            const XAClangToken token(tokens[i], unit);
            if (token.endOffset() <= end.offset) {
                text += token.spelling().value_or("");
            }
        }
        clang.clang_disposeTokens(unit, tokens, count);
        std::string storage;
        return XAValidUTF8(text, storage).data() == text.data() ? text : std::string();
    }
};

TESSARY_REGISTER_RULE(XARuleUsedVariableMarkedUnused)
