/*
 * NSObjCRuntime.h: the foundations of Foundation: NSInteger and NSUInteger, NSNotFound, the comparison result,
 * the macros that declare enumerations (NS_ENUM, NS_OPTIONS), availability (API_AVAILABLE, NS_AVAILABLE_IOS...),
 * nullability regions, initialiser and ownership attributes, and NSLog.
 */
#ifndef _FOUNDATION_NSOBJCRUNTIME_H_
#define _FOUNDATION_NSOBJCRUNTIME_H_

#include <TargetConditionals.h>
#include <Availability.h>
#include <os/availability.h>
#include <CoreFoundation/CFAvailability.h>
#include <sys/types.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdbool.h>
#include <limits.h>
/* The system limits (NAME_MAX, PATH_MAX) that the C library adds to those of the compiler's <limits.h>. */
#include <sys/syslimits.h>
#include <objc/objc.h>
#include <objc/NSObjCRuntime.h>

#if defined(__cplusplus)
#define FOUNDATION_EXTERN extern "C"
#else
#define FOUNDATION_EXTERN extern
#endif
#define FOUNDATION_EXPORT FOUNDATION_EXTERN __attribute__((visibility("default")))
#define FOUNDATION_IMPORT FOUNDATION_EXTERN
#define FOUNDATION_STATIC_INLINE static __inline__
#define FOUNDATION_EXTERN_INLINE extern __inline__
#define NS_INLINE static __inline__ __attribute__((always_inline))

#define NS_BLOCKS_AVAILABLE 1
#define NS_NONATOMIC_IPHONEONLY nonatomic
#if TARGET_OS_IPHONE
#define NS_NONATOMIC_IOSONLY nonatomic
#else
#define NS_NONATOMIC_IOSONLY atomic
#endif

/* Formats and ownership */
#define NS_FORMAT_FUNCTION(F, A) __attribute__((format(__NSString__, F, A)))
#define NS_FORMAT_ARGUMENT(A) __attribute__((format_arg(A)))
#define NS_RETURNS_RETAINED __attribute__((ns_returns_retained))
#define NS_RETURNS_NOT_RETAINED __attribute__((ns_returns_not_retained))
#define NS_RETURNS_INNER_POINTER __attribute__((objc_returns_inner_pointer))
#define NS_RELEASES_ARGUMENT __attribute__((ns_consumed))
#define NS_CONSUMED __attribute__((ns_consumed))
#define NS_CONSUMES_SELF __attribute__((ns_consumes_self))
#define NS_REPLACES_RECEIVER __attribute__((ns_consumes_self)) NS_RETURNS_RETAINED
#define NS_VALID_UNTIL_END_OF_SCOPE __attribute__((objc_precise_lifetime))
#define NS_NO_TAIL_CALL __attribute__((not_tail_called))
#define NS_NOESCAPE __attribute__((noescape))
#define NS_WARN_UNUSED_RESULT __attribute__((warn_unused_result))
#if __has_feature(objc_arc)
#define NS_AUTOMATED_REFCOUNT_UNAVAILABLE                                                                            \
    __attribute__((unavailable("not available in automatic reference counting mode")))
#else
#define NS_AUTOMATED_REFCOUNT_UNAVAILABLE
#endif
#define NS_AUTOMATED_REFCOUNT_WEAK_UNAVAILABLE __attribute__((objc_arc_weak_reference_unavailable))

/* Classes, methods and properties */
#define NS_ROOT_CLASS __attribute__((objc_root_class))
#define NS_REQUIRES_SUPER __attribute__((objc_requires_super))
#define NS_DESIGNATED_INITIALIZER __attribute__((objc_designated_initializer))
#define NS_UNAVAILABLE __attribute__((unavailable))
#define NS_REQUIRES_NIL_TERMINATION __attribute__((sentinel(0, 1)))
#define NS_REQUIRES_PROPERTY_DEFINITIONS __attribute__((objc_requires_property_definitions))
#define NS_PROTOCOL_REQUIRES_EXPLICIT_IMPLEMENTATION __attribute__((objc_protocol_requires_explicit_implementation))
#define NS_DIRECT __attribute__((objc_direct))
#define NS_DIRECT_MEMBERS __attribute__((objc_direct_members))
#define NS_OBJC_FINAL __attribute__((objc_subclassing_restricted))
#define NS_UNAVAILABLE_IN_APP_EXTENSIONS NS_EXTENSION_UNAVAILABLE("")

/* Nullability regions */
#define NS_ASSUME_NONNULL_BEGIN _Pragma("clang assume_nonnull begin")
#define NS_ASSUME_NONNULL_END _Pragma("clang assume_nonnull end")
#define NS_HEADER_AUDIT_BEGIN(...) NS_ASSUME_NONNULL_BEGIN
#define NS_HEADER_AUDIT_END(...) NS_ASSUME_NONNULL_END

/* Swift import: the names and shapes Swift sees change nothing in Objective-C. */
#define NS_SWIFT_NAME(_name)
#define NS_SWIFT_UNAVAILABLE(_msg) __attribute__((availability(swift, unavailable, message = _msg)))
#define NS_SWIFT_UNAVAILABLE_FROM_ASYNC(_msg)
#define NS_REFINED_FOR_SWIFT
#define NS_REFINED_FOR_SWIFT_ASYNC(_index)
#define NS_SWIFT_NOTHROW
#define NS_SWIFT_ASYNC(_index)
#define NS_SWIFT_ASYNC_NAME(_name)
#define NS_SWIFT_ASYNC_THROWS_ON_FALSE(_index)
#define NS_SWIFT_DISABLE_ASYNC
#define NS_SWIFT_SENDABLE
#define NS_SWIFT_NONSENDABLE
#define NS_SWIFT_UI_ACTOR
#define NS_SWIFT_NONISOLATED
#define NS_SWIFT_BRIDGED_TYPEDEF
#define NS_NOTHROW

/* Enumerations */
#define NS_ENUM(...) CF_ENUM(__VA_ARGS__)
#define NS_OPTIONS(_type, _name) CF_OPTIONS(_type, _name)
#define NS_CLOSED_ENUM(_type, _name) CF_CLOSED_ENUM(_type, _name)
#define NS_STRING_ENUM _CF_TYPED_ENUM
#define NS_EXTENSIBLE_STRING_ENUM _CF_TYPED_EXTENSIBLE_ENUM
#define NS_TYPED_ENUM _CF_TYPED_ENUM
#define NS_TYPED_EXTENSIBLE_ENUM _CF_TYPED_EXTENSIBLE_ENUM
/* Error codes of a domain: NS_ERROR_ENUM(domain) { ... } or typedef NS_ERROR_ENUM(domain, name) { ... }. */
#define __NS_ERROR_ENUM_GET_MACRO(_1, _2, NAME, ...) NAME
#define __NS_NAMED_ERROR_ENUM(_domain, _name)                                                                        \
    enum __attribute__((ns_error_domain(_domain))) _name : NSInteger _name;                                          \
    enum _name : NSInteger
#define __NS_ANON_ERROR_ENUM(_domain) enum __attribute__((ns_error_domain(_domain))) : NSInteger
#define NS_ERROR_ENUM(...) __NS_ERROR_ENUM_GET_MACRO(__VA_ARGS__, __NS_NAMED_ERROR_ENUM, __NS_ANON_ERROR_ENUM, )(__VA_ARGS__)

/* Availability: versions in the underscore form (10_7, 5_0) or NA. */
#define NS_AVAILABLE(_mac, _ios) CF_AVAILABLE(_mac, _ios)
#define NS_AVAILABLE_MAC(_mac) CF_AVAILABLE_MAC(_mac)
#define NS_AVAILABLE_IOS(_ios) CF_AVAILABLE_IOS(_ios)
#define NS_DEPRECATED(_macIntro, _macDep, _iosIntro, _iosDep, ...)                                                   \
    CF_DEPRECATED(_macIntro, _macDep, _iosIntro, _iosDep, __VA_ARGS__)
#define NS_DEPRECATED_MAC(_macIntro, _macDep, ...) CF_DEPRECATED_MAC(_macIntro, _macDep, __VA_ARGS__)
#define NS_DEPRECATED_IOS(_iosIntro, _iosDep, ...) CF_DEPRECATED_IOS(_iosIntro, _iosDep, __VA_ARGS__)
#define NS_DEPRECATED_WITH_REPLACEMENT_MAC(_rep, _macIntroduced, _macDeprecated)                                     \
    __attribute__((availability(macos, introduced = _macIntroduced, deprecated = _macDeprecated,                      \
                                replacement = _rep)))
#define NS_ENUM_AVAILABLE(_mac, _ios) CF_ENUM_AVAILABLE(_mac, _ios)
#define NS_ENUM_AVAILABLE_MAC(_mac) CF_ENUM_AVAILABLE_MAC(_mac)
#define NS_ENUM_AVAILABLE_IOS(_ios) CF_ENUM_AVAILABLE_IOS(_ios)
#define NS_ENUM_DEPRECATED(_macIntro, _macDep, _iosIntro, _iosDep, ...)                                              \
    CF_ENUM_DEPRECATED(_macIntro, _macDep, _iosIntro, _iosDep, __VA_ARGS__)
#define NS_ENUM_DEPRECATED_MAC(_macIntro, _macDep, ...) CF_ENUM_DEPRECATED_MAC(_macIntro, _macDep, __VA_ARGS__)
#define NS_ENUM_DEPRECATED_IOS(_iosIntro, _iosDep, ...) CF_ENUM_DEPRECATED_IOS(_iosIntro, _iosDep, __VA_ARGS__)
#define NS_CLASS_AVAILABLE(_mac, _ios) __attribute__((visibility("default"))) NS_AVAILABLE(_mac, _ios)
#define NS_CLASS_AVAILABLE_MAC(_mac) __attribute__((visibility("default"))) NS_AVAILABLE_MAC(_mac)
#define NS_CLASS_AVAILABLE_IOS(_ios) __attribute__((visibility("default"))) NS_AVAILABLE_IOS(_ios)
#define NS_CLASS_DEPRECATED(_mac, _macDep, _ios, _iosDep, ...)                                                       \
    __attribute__((visibility("default"))) NS_DEPRECATED(_mac, _macDep, _ios, _iosDep, __VA_ARGS__)
#define NS_CLASS_DEPRECATED_MAC(_macIntro, _macDep, ...)                                                             \
    __attribute__((visibility("default"))) NS_DEPRECATED_MAC(_macIntro, _macDep, __VA_ARGS__)
#define NS_CLASS_DEPRECATED_IOS(_iosIntro, _iosDep, ...)                                                             \
    __attribute__((visibility("default"))) NS_DEPRECATED_IOS(_iosIntro, _iosDep, __VA_ARGS__)
#define NS_EXTENSION_UNAVAILABLE(_msg) __OS_EXTENSION_UNAVAILABLE(_msg)
#define NS_EXTENSION_UNAVAILABLE_MAC(_msg) __OSX_EXTENSION_UNAVAILABLE(_msg)
#define NS_EXTENSION_UNAVAILABLE_IOS(_msg) __IOS_EXTENSION_UNAVAILABLE(_msg)
#define NS_AVAILABLE_IPHONE(_ios) CF_AVAILABLE_IOS(_ios)
#define NS_DEPRECATED_IPHONE(_iosIntro, _iosDep) CF_DEPRECATED_IOS(_iosIntro, _iosDep, )

/* MIN, MAX and ABS evaluate their arguments once; __COUNTER__ keeps nested uses apart. */
#define __NSX_PASTE__(A, B) A##B
#if !defined(MIN)
#define __NSMIN_IMPL__(A, B, L)                                                                                      \
    ({                                                                                                               \
        __typeof__(A) __NSX_PASTE__(__a, L) = (A);                                                                    \
        __typeof__(B) __NSX_PASTE__(__b, L) = (B);                                                                    \
        (__NSX_PASTE__(__a, L) < __NSX_PASTE__(__b, L)) ? __NSX_PASTE__(__a, L) : __NSX_PASTE__(__b, L);              \
    })
#define MIN(A, B) __NSMIN_IMPL__(A, B, __COUNTER__)
#endif
#if !defined(MAX)
#define __NSMAX_IMPL__(A, B, L)                                                                                      \
    ({                                                                                                               \
        __typeof__(A) __NSX_PASTE__(__a, L) = (A);                                                                    \
        __typeof__(B) __NSX_PASTE__(__b, L) = (B);                                                                    \
        (__NSX_PASTE__(__a, L) < __NSX_PASTE__(__b, L)) ? __NSX_PASTE__(__b, L) : __NSX_PASTE__(__a, L);              \
    })
#define MAX(A, B) __NSMAX_IMPL__(A, B, __COUNTER__)
#endif
#if !defined(ABS)
#define __NSABS_IMPL__(A, L)                                                                                         \
    ({                                                                                                               \
        __typeof__(A) __NSX_PASTE__(__a, L) = (A);                                                                    \
        (__NSX_PASTE__(__a, L) < 0) ? -__NSX_PASTE__(__a, L) : __NSX_PASTE__(__a, L);                                 \
    })
#define ABS(A) __NSABS_IMPL__(A, __COUNTER__)
#endif

FOUNDATION_EXPORT double NSFoundationVersionNumber;

#if TARGET_OS_OSX
#define NSFoundationVersionNumber10_8 945.00
#define NSFoundationVersionNumber10_9 1056
#define NSFoundationVersionNumber10_10 1151.16
#define NSFoundationVersionNumber10_11 1252
#define NSFoundationVersionNumber10_11_Max 1299
#endif
#if TARGET_OS_IPHONE
#define NSFoundationVersionNumber_iOS_6_0 993.00
#define NSFoundationVersionNumber_iOS_6_1 993.00
#define NSFoundationVersionNumber_iOS_7_0 1047.20
#define NSFoundationVersionNumber_iOS_7_1 1047.25
#define NSFoundationVersionNumber_iOS_8_0 1140.11
#define NSFoundationVersionNumber_iOS_8_1 1141.1
#define NSFoundationVersionNumber_iOS_8_2 1142.14
#define NSFoundationVersionNumber_iOS_8_3 1144.17
#define NSFoundationVersionNumber_iOS_8_4 1144.17
#define NSFoundationVersionNumber_iOS_8_x_Max 1199
#define NSFoundationVersionNumber_iOS_9_0 1240.1
#define NSFoundationVersionNumber_iOS_9_x_Max 1299
#endif

#if defined(__OBJC__)
@class NSString, Protocol;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSExceptionName NS_TYPED_EXTENSIBLE_ENUM;
typedef NSString *NSRunLoopMode NS_TYPED_EXTENSIBLE_ENUM;

FOUNDATION_EXPORT NSString *NSStringFromSelector(SEL aSelector);
FOUNDATION_EXPORT SEL NSSelectorFromString(NSString *aSelectorName);
FOUNDATION_EXPORT NSString *NSStringFromClass(Class aClass);
FOUNDATION_EXPORT Class _Nullable NSClassFromString(NSString *aClassName);
FOUNDATION_EXPORT NSString *NSStringFromProtocol(Protocol *proto) API_AVAILABLE(macos(10.5), ios(2.0));
FOUNDATION_EXPORT Protocol *_Nullable NSProtocolFromString(NSString *namestr) API_AVAILABLE(macos(10.5), ios(2.0));
FOUNDATION_EXPORT const char *NSGetSizeAndAlignment(const char *typePtr, NSUInteger *_Nullable sizep,
                                                    NSUInteger *_Nullable alignp);

/* Writes a message to the system log and standard error. */
FOUNDATION_EXPORT void NSLog(NSString *format, ...) NS_FORMAT_FUNCTION(1, 2) NS_NO_TAIL_CALL;
FOUNDATION_EXPORT void NSLogv(NSString *format, va_list args) NS_FORMAT_FUNCTION(1, 0) NS_NO_TAIL_CALL;

NS_ASSUME_NONNULL_END
#endif /* __OBJC__ */

typedef NS_ENUM(NSInteger, NSComparisonResult) {
    NSOrderedAscending = -1L,
    NSOrderedSame,
    NSOrderedDescending
};

#if defined(__OBJC__) && defined(__BLOCKS__)
typedef NSComparisonResult (^NSComparator)(id _Nonnull obj1, id _Nonnull obj2);
#endif

typedef NS_OPTIONS(NSUInteger, NSEnumerationOptions) {
    NSEnumerationConcurrent = (1UL << 0),
    NSEnumerationReverse = (1UL << 1),
};

typedef NS_OPTIONS(NSUInteger, NSSortOptions) {
    NSSortConcurrent = (1UL << 0),
    NSSortStable = (1UL << 4),
};

typedef NS_ENUM(NSInteger, NSQualityOfService) {
    NSQualityOfServiceUserInteractive = 0x21,
    NSQualityOfServiceUserInitiated = 0x19,
    NSQualityOfServiceUtility = 0x11,
    NSQualityOfServiceBackground = 0x09,
    NSQualityOfServiceDefault = -1
} API_AVAILABLE(macos(10.10), ios(8.0));

static const NSInteger NSNotFound = NSIntegerMax;

#endif /* _FOUNDATION_NSOBJCRUNTIME_H_ */
