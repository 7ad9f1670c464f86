#include "core/XAProgressMessage.h"

#include "core/XALog.h"

#include <utility>

namespace {

std::string userInfoText(const XADictionary &userInfo, std::string_view key) {
    const XAValue *value = userInfo.get(key);
    return value && value->string() ? *value->string() : "(null)";
}

std::string userInfoNumber(const XADictionary &userInfo, std::string_view key) {
    const XAValue *value = userInfo.get(key);
    return std::to_string(value && value->integer() ? *value->integer() : 0);
}

std::string perFileLine(const char *action, const XADictionary &userInfo) {
    return std::string(action) + " #" + userInfoNumber(userInfo, "num") + "/" + userInfoNumber(userInfo, "total") +
           " (" + userInfoNumber(userInfo, "remaining") + " remaining): " + userInfoText(userInfo, "file") + "\n";
}

} // namespace

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

std::string XAProgressMessage::logMessage() const {
    switch (kind_) {
    case XAProgressMessageKindFileStarted:
        return perFileLine("Checking file", userInfo_);
    case XAProgressMessageKindFileFinished:
        return perFileLine("    File DONE", userInfo_);
    case XAProgressMessageKindCompilerError:
        return "COMPILER ERROR when parsing file " + userInfoText(userInfo_, "file") + ": " + message_ + "\n";
    case XAProgressMessageKindCompilerWarning:
        return "COMPILER WARNING when parsing file " + userInfoText(userInfo_, "file") + ": " + message_ + "\n";
    case XAProgressMessageKindError:
        return "ERROR: " + message_;
    default:
        return message_;
    }
}

std::optional<XAColor> XAProgressMessage::logMessageColor() const {
    switch (kind_) {
    case XAProgressMessageKindSuccess:
        return XAColor::greenColor();
    case XAProgressMessageKindError:
    case XAProgressMessageKindCompilerError:
        return XAColor::redColor();
    case XAProgressMessageKindWarning:
    case XAProgressMessageKindCompilerWarning:
        return XAColor::yellowColor();
    case XAProgressMessageKindDebug:
        return XAColor::grayColor();
    default:
        return std::nullopt;
    }
}

XAProgressHandler XAProgressHandlerWithMessagePrefix(const std::string &prefix, XAProgressHandler handler) {
    if (!handler) {
        return nullptr;
    }
    return [prefix, handler = std::move(handler)](const XAProgressMessage &message) {
        handler(message.copyWithMessagePrefix(prefix));
    };
}

XAProgressHandler XAProgressHandlerDowngradingErrors(XAProgressHandler handler) {
    if (!handler) {
        return nullptr;
    }
    return [handler = std::move(handler)](const XAProgressMessage &message) {
        if (message.kind() == XAProgressMessageKindError) {
            handler(XAProgressMessage(XAProgressMessageKindWarning, message.message(), message.userInfo()));
        } else {
            handler(message);
        }
    };
}

const XAProgressHandler &XAProgressHandlerLoggingErrors() {
    static const XAProgressHandler handler = [](const XAProgressMessage &message) {
        // An error's log line begins with its own "ERROR: ", which would repeat the prefix; compiler errors keep
        // theirs, which says more.
        if (message.kind() == XAProgressMessageKindError) {
            XALog(XALogLevelError, "Error: %s", message.message().c_str());
        } else if (message.isError()) {
            XALog(XALogLevelError, "%s", message.logMessage().c_str());
        }
    };
    return handler;
}
