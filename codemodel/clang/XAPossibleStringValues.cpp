#include "codemodel/clang/XAPossibleStringValues.h"

#include "codemodel/XALibclang.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XAVariableDeclarations.h"
#include "core/XACollections.h"
#include "core/XAPaths.h"
#include "core/XAString.h"

#include <vector>

namespace {

constexpr int kInitialDepth = 5;
constexpr size_t kMaximumValues = 1000;

using XAStringSet = std::set<std::string>;
// How one of NSString's appending messages joins its receiver and its argument.
using XAAppend = std::string (*)(std::string_view receiver, std::string_view argument);

bool isNull(CXCursor cursor) { return XALibclang::fn().clang_Cursor_isNull(cursor); }

// The set, unless it holds more values than the search keeps.
XAPossibleStrings capped(XAStringSet values) {
    return values.size() > kMaximumValues ? std::nullopt : XAPossibleStrings(std::move(values));
}

// Whether the product of the sizes stays within the limit (checked before the product is formed).
bool productStaysWithinLimit(const std::vector<size_t> &sizes) {
    size_t product = 1;
    for (size_t size : sizes) {
        if (size != 0 && product > kMaximumValues / size) {
            return false;
        }
        product *= size;
    }
    return product <= kMaximumValues;
}

XAPossibleStrings valuesOfConstant(CXCursor declaration) {
    const std::optional<std::string> value = XAStringLiteralValue(XALastChild(declaration));
    return value ? XAPossibleStrings(XAStringSet{*value}) : std::nullopt;
}

// The values the enclosing function gives a local variable; not known when one of them is not (a null constant adds
// nothing) or when there is none.
XAPossibleStrings valuesOfLocalVariable(int depth, CXCursor reference, CXCursor declaration) {
    XAStringSet values;
    bool known = true;
    bool assigned = false;
    // The declaration's function: an expression reached through other cursors may not know its own.
    XAVisitValuesAssignedToVariable(reference, XAEnclosingFunctionOrMethod(declaration), [&](CXCursor value) {
        if (!known || XAIsNullConstantExpr(value)) {
            return;
        }
        const XAPossibleStrings valueStrings = XAPossibleStringValuesToDepth(depth - 1, value);
        known = valueStrings.has_value();
        assigned = true;
        if (valueStrings) {
            values.insert(valueStrings->begin(), valueStrings->end());
        }
    });
    return known && assigned ? capped(std::move(values)) : std::nullopt;
}

XAPossibleStrings valuesOfVariable(int depth, CXCursor reference) {
    const CXCursor declaration = XALibclang::fn().clang_getCursorReferenced(reference);
    if (XAVarDeclIsConst(declaration)) {
        return valuesOfConstant(declaration);
    }
    const bool isLocal =
        XALibclang::fn().clang_tessary_getVarDeclStorage(declaration) == CXTessaryVarDeclStorage_Automatic;
    return isLocal && depth > 0 ? valuesOfLocalVariable(depth, reference, declaration) : std::nullopt;
}

XAPossibleStrings valuesOfConditional(int depth, CXCursor conditional) {
    XAPossibleStrings values = XAPossibleStringValuesToDepth(depth, XAChildAtIndex(conditional, 1));
    if (!values) {
        return std::nullopt;
    }
    if (const XAPossibleStrings otherValues = XAPossibleStringValuesToDepth(depth, XAChildAtIndex(conditional, 2))) {
        values->insert(otherValues->begin(), otherValues->end());
    }
    return capped(std::move(*values));
}

XAPossibleStrings valuesOfCalledDefinition(int depth, CXCursor call) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor definition = clang.clang_getCursorDefinition(clang.clang_getCursorReferenced(call));
    return XAPossibleReturnStringValues(depth - 1, definition);
}

// Known, non-empty values of an expression; no value otherwise.
XAPossibleStrings nonEmptyValues(int depth, CXCursor expression) {
    XAPossibleStrings values = XAPossibleStringValuesToDepth(depth, expression);
    return values && !values->empty() ? values : std::nullopt;
}

// Receiver values combined with argument values by one of the appending messages.
XAPossibleStrings valuesOfAppendingMessage(int depth, CXCursor message, CXCursor receiver, XAAppend append) {
    const XAPossibleStrings receiverValues = nonEmptyValues(depth, receiver);
    const XAPossibleStrings argumentValues = nonEmptyValues(depth, XAMessageReceiver(message, 0));
    if (!receiverValues || !argumentValues ||
        !productStaysWithinLimit({receiverValues->size(), argumentValues->size()})) {
        return std::nullopt;
    }
    XAStringSet values;
    for (const std::string &receiverValue : *receiverValues) {
        for (const std::string &argumentValue : *argumentValues) {
            values.insert(append(receiverValue, argumentValue));
        }
    }
    return values;
}

// Every prefix followed by every format filled with every choice of one value per further argument.
XAPossibleStrings valuesOfFormatMessage(int depth, CXCursor message, const XAPossibleStrings &prefixes) {
    if (!prefixes || prefixes->empty()) {
        return std::nullopt;
    }
    std::vector<std::vector<std::string>> argumentValues;
    for (CXCursor argument = XAMessageReceiver(message, 0); !isNull(argument);
         argument = XAMessageReceiver(message, argumentValues.size())) {
        const XAPossibleStrings values = nonEmptyValues(depth, argument);
        if (!values) {
            return std::nullopt;
        }
        argumentValues.emplace_back(values->begin(), values->end());
    }
    if (argumentValues.empty()) {
        return std::nullopt;
    }
    const std::vector<std::string> formats = argumentValues.front();
    argumentValues.erase(argumentValues.begin());
    std::vector<size_t> sizes = {prefixes->size(), formats.size()};
    for (const std::vector<std::string> &values : argumentValues) {
        sizes.push_back(values.size());
    }
    if (!productStaysWithinLimit(sizes)) {
        return std::nullopt;
    }
    XAStringSet values;
    for (const std::vector<std::string> &choice : xa_permutationsOfValuesInArrays(argumentValues)) {
        for (const std::string &format : formats) {
            const std::optional<std::string> formatted = xa_safeStringWithFormat(format, choice);
            if (!formatted) {
                return std::nullopt;
            }
            for (const std::string &prefix : *prefixes) {
                values.insert(prefix + *formatted);
            }
        }
    }
    return values;
}

XAPossibleStrings valuesOfStringMessage(int depth, CXCursor message) {
    const CXCursor receiver = XAChildAtIndex(message, 0);
    if (isNull(receiver)) {
        return std::nullopt;
    }
    static const std::pair<const char *, XAAppend> kAppendingMessages[] = {
        {"stringByAppendingString:",
         [](std::string_view receiver, std::string_view argument) { return std::string(receiver).append(argument); }},
        {"stringByAppendingPathComponent:", xa_stringByAppendingPathComponent},
        {"stringByAppendingPathExtension:", xa_stringByAppendingPathExtension},
    };
    for (const auto &[selector, append] : kAppendingMessages) {
        if (XAMessageCallsMethod("NSString", selector, true, message)) {
            return valuesOfAppendingMessage(depth, message, receiver, append);
        }
    }
    if (XAMessageCallsMethod("NSString", "stringWithFormat:", false, message)) {
        return valuesOfFormatMessage(depth, message, XAStringSet{""});
    }
    if (XAMessageCallsMethod("NSString", "stringByAppendingFormat:", true, message)) {
        return valuesOfFormatMessage(depth, message, XAPossibleStringValuesToDepth(depth, receiver));
    }
    return std::nullopt;
}

} // namespace

XAPossibleStrings XAPossibleStringValues(CXCursor cursor) {
    return XAPossibleStringValuesToDepth(kInitialDepth, cursor);
}

XAPossibleStrings XAPossibleStringValuesToDepth(int depth, CXCursor cursor) {
    cursor = XAStripParensCastsAndUnexposed(cursor);
    switch (cursor.kind) {
    case CXCursor_DeclRefExpr:
        return valuesOfVariable(depth, cursor);
    case CXCursor_ConditionalOperator:
        return valuesOfConditional(depth, cursor);
    case CXCursor_ObjCStringLiteral: {
        const std::optional<std::string> value = XAStringLiteralValue(cursor);
        return value ? XAPossibleStrings(XAStringSet{*value}) : std::nullopt;
    }
    case CXCursor_ObjCMessageExpr:
        if (XACursorSpelling(XAMessageReceiverClassDecl(cursor)) == "NSString") {
            return valuesOfStringMessage(depth, cursor);
        }
        [[fallthrough]];
    case CXCursor_CallExpr:
        return depth > 0 ? valuesOfCalledDefinition(depth, cursor) : std::nullopt;
    default:
        return std::nullopt;
    }
}

XAPossibleStrings XAPossibleReturnStringValues(int depth, CXCursor definition) {
    const CXCursor body = XAFirstChildOfKind(definition, CXCursor_CompoundStmt, CXChildVisit_Continue);
    if (isNull(body)) {
        return std::nullopt;
    }
    XAStringSet values;
    XAVisitChildren(body, [&](CXCursor descendant) {
        if (descendant.kind == CXCursor_ReturnStmt) {
            if (const XAPossibleStrings returned =
                    XAPossibleStringValuesToDepth(depth, XAChildAtIndex(descendant, 0))) {
                values.insert(returned->begin(), returned->end());
            }
        }
        return CXChildVisit_Recurse;
    });
    return capped(std::move(values));
}

XAPossibleStrings XAPossibleStringValuesOfStringMessage(CXCursor message) {
    return valuesOfStringMessage(kInitialDepth, message);
}
