#pragma once

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

private:
    XAProgressMessageKind kind_;
    std::string message_;
    XADictionary userInfo_;
};

// Receives the messages of a long operation; may be called from several threads at once. An empty handler means
// nobody listens, and senders then build no message.
using XAProgressHandler = std::function<void(const XAProgressMessage &)>;
