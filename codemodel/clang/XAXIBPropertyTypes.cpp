#include "codemodel/clang/XAXIBPropertyTypes.h"

#include "codemodel/clang/XATypeQueries.h"

namespace {

// The type at the end of a typedef chain. A chain cannot be circular, but its length is bounded all the same.
CXType typedefChainEnd(CXType type) {
    constexpr int kMaximumChainLength = 100;
    for (int step = 0; step < kMaximumChainLength; ++step) {
        const CXType underlying = XATypedefUnderlyingType(type);
        if (underlying.kind == type.kind && XALibclang::fn().clang_equalTypes(underlying, type)) {
            break;
        }
        type = underlying;
    }
    return type;
}

XAXIBTypeFacts factsOfType(CXType type) {
    XAXIBTypeFacts facts;
    facts.kind = type.kind;
    facts.spelling = XATypeSpelling(type).value_or("");
    if (XAIsPointerTypeKind(type.kind)) {
        const CXType pointee = XAPlainType(XALibclang::fn().clang_getPointeeType(type));
        facts.pointeeKind = pointee.kind;
        facts.pointeeSpelling = XATypeSpelling(pointee).value_or("");
    }
    return facts;
}

} // namespace

XAXIBPropertyType XAXIBPropertyTypeOfType(CXType type) {
    type = XAPlainType(type);
    XAXIBPropertyType propertyType;
    propertyType.type = factsOfType(type);
    propertyType.underlying = factsOfType(typedefChainEnd(type));
    propertyType.underlying.spelling = XATypeSpelling(XATypedefUnderlyingType(type)).value_or("");
    return propertyType;
}
