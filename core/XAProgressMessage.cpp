#include "core/XAProgressMessage.h"

#include <utility>

XAProgressMessage::XAProgressMessage(XAProgressMessageKind kind, std::optional<std::string> message,
                                     std::optional<XADictionary> userInfo)
    : kind_(kind), message_(std::move(message).value_or(std::string())),
      userInfo_(std::move(userInfo).value_or(XADictionary())) {}

bool XAProgressMessage::isError() const {
    return kind_ == XAProgressMessageKindError || kind_ == XAProgressMessageKindCompilerError;
}

bool XAProgressMessage::isWarning() const {
    return kind_ == XAProgressMessageKindWarning || kind_ == XAProgressMessageKindCompilerWarning;
}

XAProgressMessage XAProgressMessage::copyWithMessagePrefix(const std::string &prefix) const {
    return XAProgressMessage(kind_, prefix + ": " + message_, userInfo_);
}
