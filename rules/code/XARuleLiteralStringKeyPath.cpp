// String literals written where a platform method expects a key or key path (key-value coding, key-value observing,
// bindings): a key path built from a selector, NSStringFromSelector(@selector(name)), lets the compiler catch typos
// and refactoring tools rename it; a literal does not. Literals with a collection operator ("@count") cannot be
// written that way, and receivers whose keys need not be declared properties are exempt: layers, animations and
// motion effects always, dictionaries for the key-value coding accessors, and collections for those when an option
// says so.

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "engine/XARule.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {
constexpr const char *kIgnoreCollectionsValueForKey = "ignoreCollectionsValueForKey";

// A method that takes keys or key paths, the 0-based indexes of those arguments, and whether the receiver exemptions
// of the key-value coding accessors apply to it.
struct XAKeyPathMethod {
    XAObjCMethod method;
    std::vector<unsigned> keyArgumentIndexes;
    bool hasAccessorExemptions = false;
};

// Receiver classes exempt for the accessor rows: under the empty name always, under an option's name when that
// boolean option is on.
const std::map<std::string, std::set<std::string>> &accessorExemptions() {
    static const std::map<std::string, std::set<std::string>> exemptions = {
        {"", {"NSDictionary"}}, {kIgnoreCollectionsValueForKey, {"NSArray", "NSSet", "NSOrderedSet"}}};
    return exemptions;
}

struct XAKeyPathMethodsOfClass {
    const char *className;
    // Each entry: "-selector" or "+selector", then the key argument indexes; a trailing "E" marks the accessor
    // exemptions.
    std::initializer_list<std::initializer_list<const char *>> methods;
};

XAKeyPathMethod makeKeyPathMethod(const char *className, std::initializer_list<const char *> entry) {
    auto field = entry.begin();
    const std::string signedSelector = *field++;
    XAKeyPathMethod method{
        XAObjCMethod::methodWithClassName(className, signedSelector.substr(1), signedSelector.front() == '-'),
        {},
        false};
    for (; field != entry.end(); ++field) {
        const std::string value = *field;
        if (value == "E") {
            method.hasAccessorExemptions = true;
        } else {
            method.keyArgumentIndexes.push_back(static_cast<unsigned>(std::stoul(value)));
        }
    }
    return method;
}

// The methods in the order in which they are tried; the first that a message sends decides.
const std::vector<XAKeyPathMethod> &keyPathMethods() {
    static const std::vector<XAKeyPathMethod> methods = [] {
        const std::initializer_list<XAKeyPathMethodsOfClass> table = {
            {"NSObject",
             {{"-observeValueForKeyPath:ofObject:change:context:", "0"},
              {"-addObserver:forKeyPath:options:context:", "1"},
              {"-removeObserver:forKeyPath:context:", "1"},
              {"-removeObserver:forKeyPath:", "1"},
              {"-willChangeValueForKey:", "0"},
              {"-didChangeValueForKey:", "0"},
              {"-willChange:valuesAtIndexes:forKey:", "2"},
              {"-didChange:valuesAtIndexes:forKey:", "2"},
              {"-willChangeValueForKey:withSetMutation:usingObjects:", "0"},
              {"-didChangeValueForKey:withSetMutation:usingObjects:", "0"},
              {"+keyPathsForValuesAffectingValueForKey:", "0"},
              {"+automaticallyNotifiesObserversForKey:", "0"}}},
            {"NSArray",
             {{"-addObserver:toObjectsAtIndexes:forKeyPath:options:context:", "2"},
              {"-removeObserver:fromObjectsAtIndexes:forKeyPath:context:", "2"},
              {"-removeObserver:fromObjectsAtIndexes:forKeyPath:", "2"},
              {"-addObserver:forKeyPath:options:context:", "1"},
              {"-removeObserver:forKeyPath:context:", "1"},
              {"-removeObserver:forKeyPath:", "1"}}},
            {"NSObject",
             {{"-valueForKey:", "0", "E"},
              {"-valueForKeyPath:", "0", "E"},
              {"-valueForUndefinedKey:", "0"},
              {"-mutableArrayValueForKey:", "0"},
              {"-mutableArrayValueForKeyPath:", "0"},
              {"-mutableSetValueForKey:", "0"},
              {"-mutableSetValueForKeyPath:", "0"},
              {"-mutableOrderedSetValueForKey:", "0"},
              {"-mutableOrderedSetValueForKeyPath:", "0"},
              {"-setValue:forKey:", "1", "E"},
              {"-setValue:forKeyPath:", "1", "E"},
              {"-setValue:forUndefinedKey:", "1"},
              {"-setNilValueForKey:", "0"},
              {"-validateValue:forKey:error:", "1"},
              {"-validateValue:forKeyPath:error:", "1"}}},
            {"NSArray", {{"-valueForKey:", "0", "E"}}},
            {"NSSet", {{"-valueForKey:", "0", "E"}}},
            {"NSOrderedSet", {{"-valueForKey:", "0", "E"}}},
            {"NSArray", {{"-setValue:forKey:", "1", "E"}}},
            {"NSSet", {{"-setValue:forKey:", "1", "E"}}},
            {"NSOrderedSet", {{"-setValue:forKey:", "1", "E"}}},
            {"NSObject", {{"-bind:toObject:withKeyPath:options:", "0", "2"}, {"+exposeBinding:", "0"}}},
            {"CAEmitterCell", {{"-shouldArchiveValueForKey:", "0"}, {"+defaultValueForKey:", "0"}}},
            {"NSExpression", {{"+expressionForKeyPath:", "0"}}},
            {"NSFetchedResultsController",
             {{"-initWithFetchRequest:managedObjectContext:sectionNameKeyPath:cacheName:", "2"}}},
            {"NSManagedObject", {{"-primitiveValueForKey:", "0"}, {"-willAccessValueForKey:", "0"}}},
            {"NSSortDescriptor",
             {{"+sortDescriptorWithKey:ascending:", "0"},
              {"+sortDescriptorWithKey:ascending:selector:", "0"},
              {"+sortDescriptorWithKey:ascending:comparator:", "0"},
              {"-initWithKey:ascending:", "0"},
              {"-initWithKey:ascending:selector:", "0"},
              {"-initWithKey:ascending:comparator:", "0"}}},
            {"NSTreeController",
             {{"-setLeafKeyPath:", "0"}, {"-setCountKeyPath:", "0"}, {"-setChildrenKeyPath:", "0"}}},
            {"NSRuleEditor",
             {{"-setRowTypeKeyPath:", "0"},
              {"-setSubrowsKeyPath:", "0"},
              {"-setCriteriaKeyPath:", "0"},
              {"-setDisplayValuesKeyPath:", "0"}}},
        };
        std::vector<XAKeyPathMethod> rows;
        for (const XAKeyPathMethodsOfClass &group : table) {
            for (std::initializer_list<const char *> entry : group.methods) {
                rows.push_back(makeKeyPathMethod(group.className, entry));
            }
        }
        return rows;
    }();
    return methods;
}

constexpr std::array<std::string_view, 10> kCollectionOperators = {"@avg",
                                                                   "@count",
                                                                   "@max",
                                                                   "@min",
                                                                   "@sum",
                                                                   "@distinctUnionOfObjects",
                                                                   "@unionOfObjects",
                                                                   "@distinctUnionOfArrays",
                                                                   "@unionOfArrays",
                                                                   "@distinctUnionOfSets"};
} // namespace

struct XARuleLiteralStringKeyPath : XACursorRule<XARuleLiteralStringKeyPath> {
    static XAXMLString ruleName() { return XAXMLString("Literal string for key path"); }

    static XAXMLString ruleDescription() {
        return XAXMLString(
            "Warns when literal strings are used to specify key paths. Something like "
            "<codesymbol>NSStringFromSelector(@selector(foo))</codesymbol> is safer because it makes the compiler "
            "aware of the selector being specified: this helps find typos at compile time and allows automatic "
            "refactoring tools to make appropriate changes.");
    }

    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("NSHipster: Key-Value Observing",
                                              "https://nshipster.com/key-value-observing/")};
    }

    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kIgnoreCollectionsValueForKey, "Ignore -valueForKey: (etc) for collections",
            "Many collections implement these by invoking the selector on each item, and the items might be "
            "NSDictionaries.",
            XAOptionValue(true), XAOptionValueTypeBool)};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        // Assignments (obj.key = @"name") set values, they name no key: binary operators are never reported.
        if (kind != CXCursor_ObjCMessageExpr) {
            return {};
        }
        const XAKeyPathMethod *method = keyPathMethodSentBy(cursor);
        if (!method) {
            return {};
        }
        for (unsigned index : method->keyArgumentIndexes) {
            const CXCursor argument = XAStripParensCastsAndUnexposed(XAMessageReceiver(cursor, index));
            if (XAIsNullCursor(argument) || argument.kind != CXCursor_ObjCStringLiteral) {
                continue;
            }
            if (receiverIsExempt(cursor, *method, context)) {
                return {};
            }
            if (usesCollectionOperator(XAStringLiteralValue(argument).value_or(""))) {
                continue;
            }
            return {diagnosticWithCursor(argument, std::nullopt, std::nullopt, XADiagnosticImpactMaintainability,
                                         XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
        }
        return {};
    }

private:
    static const XAKeyPathMethod *keyPathMethodSentBy(CXCursor message) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const std::optional<std::string> usr =
            XAStringFromCXString(clang.clang_getCursorUSR(clang.clang_getCursorReferenced(message)));
        if (!usr || usr->empty()) {
            return nullptr;
        }
        const std::vector<XAKeyPathMethod> &methods = keyPathMethods();
        const auto found = std::find_if(methods.begin(), methods.end(),
                                        [&](const XAKeyPathMethod &method) { return method.method.usr() == *usr; });
        return found == methods.end() ? nullptr : &*found;
    }

    // The receiver's class or one of its superclasses is exempt for this method.
    static bool receiverIsExempt(CXCursor message, const XAKeyPathMethod &method, const XARuleContext &context) {
        std::set<std::string> exemptClasses = {"CALayer", "CAAnimation", "UIMotionEffect"};
        if (method.hasAccessorExemptions) {
            for (const auto &[optionName, classNames] : accessorExemptions()) {
                if (optionName.empty() || boolForOption(optionName, context)) {
                    exemptClasses.insert(classNames.begin(), classNames.end());
                }
            }
        }
        const CXCursor receiverClass = XAMessageReceiverClassDecl(message);
        std::vector<std::string> receiverClasses = XASuperclassNames(receiverClass);
        receiverClasses.push_back(XACursorSpelling(receiverClass).value_or(""));
        return std::any_of(receiverClasses.begin(), receiverClasses.end(),
                           [&](const std::string &name) { return exemptClasses.contains(name); });
    }

    static bool usesCollectionOperator(const std::string &keyPath) {
        return std::any_of(kCollectionOperators.begin(), kCollectionOperators.end(),
                           [&](std::string_view op) { return keyPath.find(op) != std::string::npos; });
    }
};

TESSARY_REGISTER_RULE(XARuleLiteralStringKeyPath)
