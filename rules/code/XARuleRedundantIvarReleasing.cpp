// Releasing instance variables in -dealloc under ARC, where the compiler releases them itself. Experimental: which
// statements of a -dealloc count as redundant releases is not settled yet, so the rule selects those methods and
// reports nothing.

#include "engine/XARule.h"

struct XARuleRedundantIvarReleasing : XACursorRule<XARuleRedundantIvarReleasing> {
    static XAXMLString ruleName() { return XAXMLString("Redundant releasing of instance variables under ARC"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Under ARC, instance variables need not be released in "
                           "<objcmethod>-[NSObject dealloc]</objcmethod>, since that happens automatically.");
    }
    static std::vector<std::string> tags() { return {"Experimental"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Transitioning to ARC Release Notes",
                                              "https://developer.apple.com/library/archive/releasenotes/"
                                              "ObjectiveC/RN-TransitioningToARC/Introduction/Introduction.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl}; }

    // The rule is about the -dealloc methods of files compiled with ARC; none of their statements is reported yet.
    static XADiagnostics applyToCursor(CXCursor, int, XARuleContext &, const XACompilationInfo &) { return {}; }
};

TESSARY_REGISTER_RULE(XARuleRedundantIvarReleasing)
