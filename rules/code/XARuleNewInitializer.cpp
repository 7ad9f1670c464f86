// Reports [Foo new] or, when the project prefers it the other way, [[Foo alloc] init].

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

struct XARuleNewInitializer : XACursorRule<XARuleNewInitializer> {
    static XAXMLString ruleName() { return XAXMLString("Shortcut initializer"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Some people prefer <code>[[NSObject alloc] init]</code> instead of <code>[NSObject "
                           "new]</code>, or vice versa.");
    }
    static std::vector<std::string> tags() { return {"Style"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Stack Overflow: Use of alloc init instead of new",
            "https://stackoverflow.com/questions/719877/use-of-alloc-init-instead-of-new")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName("preferAllocInit", "Prefer the alloc-init style",
                                                 "Warn about [NSObject new] instead of [[NSObject alloc] init].",
                                                 XAOptionValue(true), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr) { // the translation unit comes first
            return {};
        }
        const bool reported = boolForOption("preferAllocInit", context)
                                  ? XAMessageCallsMethod("NSObject", "new", false, cursor)
                                  : isAllocInit(cursor);
        if (!reported) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }

private:
    // [[Foo alloc] init], but not [super init] or [self init].
    static bool isAllocInit(CXCursor message) {
        constexpr int kSuperInClassMethod = 3, kSuperInInstanceMethod = 4;
        const int receiverKind = XAMessageReceiverKind(message);
        if (!XAMessageCallsMethod("NSObject", "init", true, message) || receiverKind == kSuperInClassMethod ||
            receiverKind == kSuperInInstanceMethod) {
            return false;
        }
        // The receiver [Foo alloc] comes wrapped in an implicit conversion.
        const CXCursor receiver = XAStripParensCastsAndUnexposed(XAExplicitMessageReceiver(message));
        return !XAIsSelfExpr(receiver) && XAMessageCallsMethod("NSObject", "alloc", false, receiver);
    }
};

TESSARY_REGISTER_RULE(XARuleNewInitializer)
