// `self` used inside a block literal handed to a framework API that keeps the block for as long as the object that
// `self` keeps: a retain cycle that the compiler's own retain-cycle warning does not know about. The APIs are listed
// in a small table.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

#include <algorithm>
#include <cctype>
#include <variant>

namespace {

// One API of the table: a method or a function, the 0-based indexes of its block arguments, and an info of its own
// (none: the default info).
struct BlockAPI {
    std::variant<XAObjCMethod, std::string> api;
    std::vector<unsigned> blockArgumentIndexes;
    std::optional<std::string> info;

    bool isMethod() const { return std::holds_alternative<XAObjCMethod>(api); }
};

// The methods first, then the functions; the first row a call uses decides.
const std::vector<BlockAPI> &blockAPITable() {
    static const std::vector<BlockAPI> table = {
        {XAObjCMethod::methodWithClassName("NSNotificationCenter", "addObserverForName:object:queue:usingBlock:", true),
         {3},
         std::nullopt},
        {std::string("CFRunLoopObserverCreateWithHandler"), {4}, std::nullopt},
    };
    return table;
}

// How many bytes around a `self` are read to tell the `self` of a typeof from a captured one.
constexpr unsigned kTypeofWindow = 20;

} // namespace

struct XARuleBlockAPIRetainCycle : XACursorRule<XARuleBlockAPIRetainCycle> {
    static XAXMLString ruleName() { return XAXMLString("Retain cycle in block API usage"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns when <code>self</code> is referenced in a block used in a place where it is known to cause a "
            "retain cycle.</p><p>The compiler's <code>-Warc-retain-cycles</code> warning detects retain cycles in "
            "general; this rule covers only specific system framework APIs that the compiler warning misses.</p>");
    }
    static std::optional<XAXMLString> ruleWarning() {
        return XAXMLString("Review the code this rule reports carefully before changing it: retain cycles and object "
                           "lifetimes are delicate and need the full context to judge. The rule may produce false "
                           "positives.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {
            XAExternalLink::linkWithTitle("Black Pixel Blog: Capturing Myself",
                                          "https://blackpixel.com/writing/2014/03/capturing-myself.html"),
            XAExternalLink::linkWithTitle("Big Nerd Ranch: Notifications part 3 \u2014 Gotchas",
                                          "https://bignerdranch.com/blog/notifications-part-3-gotchas/"),
            XAExternalLink::linkWithTitle(
                "Sealed Abstract: NSNotificationCenter with blocks considered harmful",
                "http://sealedabstract.com/code/nsnotificationcenter-with-blocks-considered-harmful/"),
        };
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_CallExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr && kind != CXCursor_CallExpr) {
            return {};
        }
        const BlockAPI *row = rowUsedBy(cursor, kind);
        if (!row) {
            return {};
        }
        const std::string info =
            row->info.value_or(std::string("Referencing self in blocks passed to this ") +
                               (row->isMethod() ? "method" : "function") + " causes a retain cycle.");
        XADiagnostics diagnostics;
        for (const unsigned index : row->blockArgumentIndexes) {
            const CXCursor argument = XAStripParensCastsAndUnexposed(
                row->isMethod() ? XAMessageReceiver(cursor, index) : XAChildAtIndex(cursor, index + 1));
            if (argument.kind == CXCursor_BlockExpr) {
                reportSelfUses(argument, info, diagnostics);
            }
        }
        return diagnostics;
    }

private:
    static const BlockAPI *rowUsedBy(CXCursor cursor, int kind) {
        for (const BlockAPI &row : blockAPITable()) {
            if (const XAObjCMethod *method = std::get_if<XAObjCMethod>(&row.api)) {
                if (method->matchesMessageExpr(cursor)) {
                    return &row;
                }
            } else if (kind == CXCursor_CallExpr && XAIsCallToFunction(std::get<std::string>(row.api), true, cursor)) {
                return &row;
            }
        }
        return nullptr;
    }

    // Every `self` directly in the block, not in blocks nested in it.
    static void reportSelfUses(CXCursor block, const std::string &info, XADiagnostics &diagnostics) {
        XAVisitChildren(block, [&](CXCursor descendant) {
            if (descendant.kind == CXCursor_BlockExpr || descendant.kind == CXCursor_LambdaExpr) {
                return CXChildVisit_Continue;
            }
            if (descendant.kind != CXCursor_ObjCSelfExpr) {
                return CXChildVisit_Recurse;
            }
            if (isNearTypeofSelf(descendant)) {
                return CXChildVisit_Continue;
            }
            diagnostics.push_back(diagnosticWithCursor(descendant, XAXMLString(info), std::nullopt,
                                                       XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                                       XADiagnosticConfidenceMedium));
            return CXChildVisit_Recurse;
        });
    }

    // Whether the text around the `self` holds "typeof(self)" in any spelling of typeof (typeof, __typeof,
    // __typeof__), white space ignored: the `self` of a weak-self declaration's type, and the `self` that initialises
    // it when the variable's name is short.
    static bool isNearTypeofSelf(CXCursor self) {
        const XACursorPosition start = XACursorExtentStart(self);
        const XACursorPosition end = XACursorExtentEnd(self);
        const std::optional<std::string> path = XACursorFilePath(self);
        if (!path) {
            return false;
        }
        const unsigned from = start.offset > kTypeofWindow ? start.offset - kTypeofWindow : 0;
        std::string text = XASourceTextInFileRange(*path, from, end.offset + kTypeofWindow).value_or("");
        text.erase(std::remove_if(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; }),
                   text.end());
        return text.find("typeof(self)") != std::string::npos || text.find("typeof__(self)") != std::string::npos;
    }
};

TESSARY_REGISTER_RULE(XARuleBlockAPIRetainCycle)
