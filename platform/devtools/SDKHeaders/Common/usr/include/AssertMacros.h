/*
 * AssertMacros.h: checks that jump to an exit label, or that only report, when a condition fails or an error code
 * is not zero: __Require, __Require_noErr, __Check, __Verify and their Quiet and Action forms. A failure is reported
 * through DEBUG_ASSERT_MESSAGE in debug builds (DEBUG_ASSERT_PRODUCTION_CODE 0) and silently otherwise.
 */
#ifndef __ASSERTMACROS__
#define __ASSERTMACROS__

#ifndef DEBUG_ASSERT_COMPONENT_NAME_STRING
#define DEBUG_ASSERT_COMPONENT_NAME_STRING ""
#endif

#ifndef DEBUG_ASSERT_PRODUCTION_CODE
#if defined(DEBUG)
#define DEBUG_ASSERT_PRODUCTION_CODE 0
#else
#define DEBUG_ASSERT_PRODUCTION_CODE 1
#endif
#endif

#ifndef DEBUG_ASSERT_MESSAGE
#include <stdio.h>
#define DEBUG_ASSERT_MESSAGE(name, assertion, label, message, file, line, value)                                    \
    fprintf(stderr, "AssertMacros: %s, %s file: %s, line: %d, value: %ld\n", assertion, (message) != 0 ? message : "", \
            file, line, (long)(value))
#endif

#define __ASSERT_MACROS_EXPECT(condition, expected) __builtin_expect((condition), (expected))

#if DEBUG_ASSERT_PRODUCTION_CODE
#define __ASSERT_MACROS_REPORT(assertion, message, value)
#else
#define __ASSERT_MACROS_REPORT(assertion, message, value)                                                           \
    DEBUG_ASSERT_MESSAGE(DEBUG_ASSERT_COMPONENT_NAME_STRING, assertion, 0, message, __FILE__, __LINE__, value)
#endif

#define __Check(assertion)                                                                                           \
    do {                                                                                                             \
        if (!__ASSERT_MACROS_EXPECT(!!(assertion), 1)) {                                                             \
            __ASSERT_MACROS_REPORT(#assertion, 0, 0);                                                                \
        }                                                                                                            \
    } while (0)
#define __Check_noErr(errorCode)                                                                                     \
    do {                                                                                                             \
        long __evalOnceErrorCode = (errorCode);                                                                      \
        if (__ASSERT_MACROS_EXPECT(__evalOnceErrorCode != 0, 0)) {                                                   \
            __ASSERT_MACROS_REPORT(#errorCode " == 0 ", 0, __evalOnceErrorCode);                                     \
        }                                                                                                            \
    } while (0)
#define __Check_String(assertion, message)                                                                           \
    do {                                                                                                             \
        if (!__ASSERT_MACROS_EXPECT(!!(assertion), 1)) {                                                             \
            __ASSERT_MACROS_REPORT(#assertion, message, 0);                                                          \
        }                                                                                                            \
    } while (0)
#define __Verify(assertion) __Check(assertion)
#define __Verify_noErr(errorCode) __Check_noErr(errorCode)

#define __Require(assertion, exceptionLabel)                                                                         \
    do {                                                                                                             \
        if (!__ASSERT_MACROS_EXPECT(!!(assertion), 1)) {                                                             \
            __ASSERT_MACROS_REPORT(#assertion, 0, 0);                                                                \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __Require_Action(assertion, exceptionLabel, action)                                                          \
    do {                                                                                                             \
        if (!__ASSERT_MACROS_EXPECT(!!(assertion), 1)) {                                                             \
            __ASSERT_MACROS_REPORT(#assertion, 0, 0);                                                                \
            { action; }                                                                                              \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __Require_Quiet(assertion, exceptionLabel)                                                                   \
    do {                                                                                                             \
        if (!__ASSERT_MACROS_EXPECT(!!(assertion), 1)) {                                                             \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __Require_Action_Quiet(assertion, exceptionLabel, action)                                                    \
    do {                                                                                                             \
        if (!__ASSERT_MACROS_EXPECT(!!(assertion), 1)) {                                                             \
            { action; }                                                                                              \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __Require_String(assertion, exceptionLabel, message)                                                         \
    do {                                                                                                             \
        if (!__ASSERT_MACROS_EXPECT(!!(assertion), 1)) {                                                             \
            __ASSERT_MACROS_REPORT(#assertion, message, 0);                                                          \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __Require_noErr(errorCode, exceptionLabel)                                                                   \
    do {                                                                                                             \
        long __evalOnceErrorCode = (errorCode);                                                                      \
        if (__ASSERT_MACROS_EXPECT(__evalOnceErrorCode != 0, 0)) {                                                   \
            __ASSERT_MACROS_REPORT(#errorCode " == 0 ", 0, __evalOnceErrorCode);                                     \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __Require_noErr_Action(errorCode, exceptionLabel, action)                                                    \
    do {                                                                                                             \
        long __evalOnceErrorCode = (errorCode);                                                                      \
        if (__ASSERT_MACROS_EXPECT(__evalOnceErrorCode != 0, 0)) {                                                   \
            __ASSERT_MACROS_REPORT(#errorCode " == 0 ", 0, __evalOnceErrorCode);                                     \
            { action; }                                                                                              \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __Require_noErr_Quiet(errorCode, exceptionLabel)                                                             \
    do {                                                                                                             \
        if (__ASSERT_MACROS_EXPECT((errorCode) != 0, 0)) {                                                           \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __Require_noErr_Action_Quiet(errorCode, exceptionLabel, action)                                              \
    do {                                                                                                             \
        if (__ASSERT_MACROS_EXPECT((errorCode) != 0, 0)) {                                                           \
            { action; }                                                                                              \
            goto exceptionLabel;                                                                                     \
        }                                                                                                            \
    } while (0)
#define __nCheck(assertion) __Check(!(assertion))
#define __nRequire(assertion, exceptionLabel) __Require(!(assertion), exceptionLabel)
#define __nRequire_Quiet(assertion, exceptionLabel) __Require_Quiet(!(assertion), exceptionLabel)

#endif /* __ASSERTMACROS__ */
