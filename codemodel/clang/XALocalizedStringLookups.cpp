#include "codemodel/clang/XALocalizedStringLookups.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XAPossibleStringValues.h"
#include "codemodel/clang/XASymbolIdentity.h"

#include <algorithm>

namespace {

bool isCallOfRoutine(const std::vector<std::string> &routineNames, CXCursor cursor) {
    if (routineNames.empty() || cursor.kind != CXCursor_CallExpr) {
        return false;
    }
    const std::optional<std::string> spelling = XACursorSpelling(cursor);
    return spelling && std::ranges::find(routineNames, *spelling) != routineNames.end();
}

// One lookup in the table per possible value of the key expression, in their order.
XALocalizedStringLookups lookupsOfPossibleKeys(CXCursor keyExpression, const std::optional<std::string> &table) {
    XALocalizedStringLookups lookups;
    for (const std::string &key : XAPossibleStringValues(keyExpression).value_or(std::set<std::string>{})) {
        lookups.push_back({key, table});
    }
    return lookups;
}

bool isEmpty(const std::optional<std::string> &text) { return !text || text->empty(); }

} // namespace

std::optional<XALocalizedStringLookups> findLocalizedStringCalls(const std::vector<std::string> &routineNames,
                                                                 CXCursor cursor) {
    if (isCallOfRoutine(routineNames, cursor)) {
        return lookupsOfPossibleKeys(XAChildAtIndex(cursor, 1), kXADefaultStringsTableName);
    }
    if (XAIsCallToFunction("CFBundleCopyLocalizedString", true, cursor)) {
        return XACFBundleLocalizedStringCallKeys(cursor);
    }
    if (XAMessageCallsMethod("NSBundle", "localizedStringForKey:value:table:", true, cursor)) {
        return XABundleLocalizedStringMessageKeys(cursor);
    }
    return std::nullopt;
}

std::optional<XALocalizedStringLookups> XACFBundleLocalizedStringCallKeys(CXCursor cursor) {
    // Children: the callee, then bundle, key, value and table.
    if (!XAIsMainBundleExpr(XAChildAtIndex(cursor, 1))) {
        return std::nullopt;
    }
    std::optional<std::string> key = XAStringLiteralValue(XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 2)));
    std::optional<std::string> table = XAStringLiteralValue(XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 4)));
    if (isEmpty(table)) {
        table = kXADefaultStringsTableName;
    }
    return XALocalizedStringLookups{{std::move(key), std::move(table)}};
}

std::optional<XALocalizedStringLookups> XABundleLocalizedStringMessageKeys(CXCursor cursor) {
    if (!XAIsMainBundleExpr(XAChildAtIndex(cursor, 0))) {
        return std::nullopt;
    }
    CXCursor keyExpression = XAMessageReceiver(cursor, 0);
    while (keyExpression.kind == CXCursor_ParenExpr) {
        keyExpression = XAChildAtIndex(keyExpression, 0);
    }
    std::optional<std::string> table = XAStringLiteralArgumentOfMessage(2, cursor);
    if (isEmpty(table)) {
        table = XAIsNullConstantExpr(XAStripParensCastsAndUnexposed(XAMessageReceiver(cursor, 2)))
                    ? std::optional<std::string>(kXADefaultStringsTableName)
                    : std::nullopt;
    }
    return lookupsOfPossibleKeys(keyExpression, table);
}
