// A hidden rule for developers: it logs every instance method that carries checker annotations, and reports nothing.
// It is not public, so it runs only when named.

#include "codemodel/clang/XAAnnotations.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XALog.h"
#include "engine/XARule.h"

struct XADebuggingRule : XACursorRule<XADebuggingRule> {
    static std::string ruleShortName() { return "Debugging"; }
    static XAXMLString ruleName() { return XAXMLString("DEBUGGING RULE"); }
    static XAXMLString ruleDescription() { return XAXMLString("USE FOR DEBUGGING YALL, PEACE"); }
    static bool isPublic() { return false; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInstanceMethodDecl) {
            return {};
        }
        const std::vector<std::string> annotations =
            XATessaryAnnotationsOfCursor(cursor).value_or(std::vector<std::string>());
        if (!annotations.empty()) {
            XALogCursor(cursor);
            std::string list;
            for (const std::string &annotation : annotations) {
                list += (list.empty() ? "" : ", ") + annotation;
            }
            XALog(XALogLevelDebug, "Annotations: (%s)", list.c_str());
        }
        return {};
    }
};

TESSARY_REGISTER_RULE(XADebuggingRule)
