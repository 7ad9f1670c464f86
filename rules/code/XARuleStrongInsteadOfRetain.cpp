// The retain property attribute in files compiled with ARC, where strong means the same and is the idiom. A header's
// property is judged only while the implementation file of the same base name is compiled, under that file's ARC
// setting: a header included by files of both kinds belongs to its own implementation.

#include "codemodel/XACompilationInfo.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XAPaths.h"
#include "engine/XARule.h"

namespace {

// The file name without folder and extension.
std::string baseName(const std::string &path) { return xa_stringByDeletingPathExtension(xa_lastPathComponent(path)); }

} // namespace

struct XARuleStrongInsteadOfRetain : XACursorRule<XARuleStrongInsteadOfRetain> {
    static XAXMLString ruleName() { return XAXMLString("Usage of <code>retain</code> in ARC code"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("In files compiled with ARC, warns if the <code>retain</code> property attribute is used. "
                           "<code>strong</code> and <code>retain</code> are equivalent, the former being more "
                           "idiomatic under ARC.");
    }
    static std::vector<std::string> tags() { return {"Style"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Transitioning to ARC Release Notes: ARC Introduces New Lifetime Qualifiers",
            "https://developer.apple.com/library/archive/releasenotes/ObjectiveC/RN-TransitioningToARC/Introduction/"
            "Introduction.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCPropertyDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &,
                                       const XACompilationInfo &compilationInfo) {
        if (kind != CXCursor_ObjCPropertyDecl) {
            return {};
        }
        if (XACursorIsInHeaderFile(cursor) &&
            baseName(XACursorFilePath(cursor).value_or("")) != baseName(compilationInfo.filePath())) {
            return {};
        }
        if (!compilationInfo.isUsingARC()) {
            return {};
        }
        const unsigned attributes = XALibclang::fn().clang_Cursor_getObjCPropertyAttributes(cursor, 0);
        if (!(attributes & CXObjCPropertyAttr_retain)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, XACursorSpelling(cursor), XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }
};

TESSARY_REGISTER_RULE(XARuleStrongInsteadOfRetain)
