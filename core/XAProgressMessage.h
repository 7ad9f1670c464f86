#pragma once

#include "core/XAColor.h"
#include "core/XAValue.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// What a progress message reports. The number is what is stored and compared; kinds outside the named ones are
// allowed and behave as plain information.
using XAProgressMessageKind = std::int64_t;

inline constexpr XAProgressMessageKind XAProgressMessageKindInfo = 1;
inline constexpr XAProgressMessageKind XAProgressMessageKindSuccess = 2;
inline constexpr XAProgressMessageKind XAProgressMessageKindError = 3;
inline constexpr XAProgressMessageKind XAProgressMessageKindWarning = 4;
inline constexpr XAProgressMessageKind XAProgressMessageKindDebug = 5;
inline constexpr XAProgressMessageKind XAProgressMessageKindOperationStarted = 6;
inline constexpr XAProgressMessageKind XAProgressMessageKindPreparationStep = 7;
inline constexpr XAProgressMessageKind XAProgressMessageKindPreparationFinished = 8;
inline constexpr XAProgressMessageKind XAProgressMessageKindBeforeCodePhase = 9;
inline constexpr XAProgressMessageKind XAProgressMessageKindAfterCodePhase = 10;
inline constexpr XAProgressMessageKind XAProgressMessageKindFileStarted = 11;
inline constexpr XAProgressMessageKind XAProgressMessageKindCompilerWarning = 12;
inline constexpr XAProgressMessageKind XAProgressMessageKindCompilerError = 13;
inline constexpr XAProgressMessageKind XAProgressMessageKindFileFinished = 14;

// One progress, warning or error report of a long operation. A message is a value: handing it on copies it, so no
// receiver can change what another one sees.
class XAProgressMessage {
public:
    // An absent text becomes the empty string and absent user info an empty dictionary.
    explicit XAProgressMessage(XAProgressMessageKind kind, std::optional<std::string> message = std::nullopt,
                               std::optional<XADictionary> userInfo = std::nullopt);

    XAProgressMessageKind kind() const { return kind_; }
    const std::string &message() const { return message_; }
    const XADictionary &userInfo() const { return userInfo_; }

    bool isError() const;
    bool isWarning() const;

    // The same kind and user info with the text "<prefix>: <text>".
    XAProgressMessage copyWithMessagePrefix(const std::string &prefix) const;

    // The line a log shows: for kinds 11 and 14 the per-file line made from the user info ("num", "total",
    // "remaining", "file"; the text is not used), for kinds 12 and 13 the compiler line naming the user info's
    // "file", "ERROR: <text>" for kind 3, and the text itself for every other kind.
    std::string logMessage() const;
    // Green for successes, red for errors, yellow for warnings, grey for debugging details; none for the rest.
    std::optional<XAColor> logMessageColor() const;

private:
    XAProgressMessageKind kind_;
    std::string message_;
    XADictionary userInfo_;
};

// Receives the messages of a long operation; may be called from several threads at once. An empty handler means
// nobody listens, and senders then build no message.
using XAProgressHandler = std::function<void(const XAProgressMessage &)>;

// A handler that passes on each message as its copyWithMessagePrefix; empty when `handler` is empty.
XAProgressHandler XAProgressHandlerWithMessagePrefix(const std::string &prefix, XAProgressHandler handler);
// A handler that passes on an error (kind 3) as a warning (kind 4) with the same text and user info, and every other
// message (compiler errors included) unchanged; empty when `handler` is empty. For failures that are not fatal.
XAProgressHandler XAProgressHandlerDowngradingErrors(XAProgressHandler handler);
// The one shared handler that logs each error message as "Error: <log line>" at the error level and ignores the
// rest: for operations nobody waits on whose errors must not vanish.
const XAProgressHandler &XAProgressHandlerLoggingErrors();
