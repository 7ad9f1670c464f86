#include "codemodel/clang/XADelegateAttachment.h"

#include "codemodel/clang/XASymbolPrefixes.h"

XADelegateAttachment::XADelegateAttachment(std::shared_ptr<const XAXIBOutlet> xibOutlet, std::string delegateSpelling)
    : xibOutlet_(std::move(xibOutlet)), delegateSpelling_(std::move(delegateSpelling)) {}

XADelegateAttachment::XADelegateAttachment(std::string delegateSpelling, CXCursor occurrenceCursor,
                                           CXCursor delegateCursor)
    : delegateSpelling_(std::move(delegateSpelling)), occurrence_(occurrenceCursor), delegate_(delegateCursor) {}

bool XADelegateAttachment::isDataSourceAttachment() const {
    return xa_isDataSourceGetterOrPropertyName(delegateSpelling_);
}

std::string XADelegateAttachment::description() const {
    return delegateSpelling_ + " " + occurrence_.debugDescription() + " " + delegate_.debugDescription();
}
