/*
 * NSException.h: exceptions (programming errors), the handler of uncaught ones, and the assertion macros
 * (NSAssert, NSParameterAssert, NSCAssert...), which raise an exception through the current thread's assertion
 * handler unless NS_BLOCK_ASSERTIONS is defined.
 */
#import <Foundation/NSObject.h>
#import <Foundation/NSString.h>
#include <stdarg.h>

@class NSString, NSDictionary<KeyType, ObjectType>, NSArray<ObjectType>, NSNumber;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSExceptionName const NSGenericException;
FOUNDATION_EXPORT NSExceptionName const NSRangeException;
FOUNDATION_EXPORT NSExceptionName const NSInvalidArgumentException;
FOUNDATION_EXPORT NSExceptionName const NSInternalInconsistencyException;
FOUNDATION_EXPORT NSExceptionName const NSMallocException;
FOUNDATION_EXPORT NSExceptionName const NSObjectInaccessibleException;
FOUNDATION_EXPORT NSExceptionName const NSObjectNotAvailableException;
FOUNDATION_EXPORT NSExceptionName const NSDestinationInvalidException;
FOUNDATION_EXPORT NSExceptionName const NSPortTimeoutException;
FOUNDATION_EXPORT NSExceptionName const NSInvalidSendPortException;
FOUNDATION_EXPORT NSExceptionName const NSInvalidReceivePortException;
FOUNDATION_EXPORT NSExceptionName const NSPortSendException;
FOUNDATION_EXPORT NSExceptionName const NSPortReceiveException;

__attribute__((__objc_exception__))
@interface NSException : NSObject <NSCopying, NSSecureCoding>

+ (NSException *)exceptionWithName:(NSExceptionName)name
                            reason:(nullable NSString *)reason
                          userInfo:(nullable NSDictionary *)userInfo;
- (instancetype)initWithName:(NSExceptionName)aName
                      reason:(nullable NSString *)aReason
                    userInfo:(nullable NSDictionary *)aUserInfo NS_DESIGNATED_INITIALIZER;

@property (readonly, copy) NSExceptionName name;
@property (nullable, readonly, copy) NSString *reason;
@property (nullable, readonly, copy) NSDictionary *userInfo;
@property (readonly, copy) NSArray<NSNumber *> *callStackReturnAddresses API_AVAILABLE(macos(10.5), ios(2.0));
@property (readonly, copy) NSArray<NSString *> *callStackSymbols API_AVAILABLE(macos(10.6), ios(4.0));

- (void)raise __attribute__((noreturn));

@end

@interface NSException (NSExceptionRaisingConveniences)
+ (void)raise:(NSExceptionName)name format:(NSString *)format, ... NS_FORMAT_FUNCTION(2, 3) __attribute__((noreturn));
+ (void)raise:(NSExceptionName)name
       format:(NSString *)format
    arguments:(va_list)argList NS_FORMAT_FUNCTION(2, 0) __attribute__((noreturn));
@end

typedef void NSUncaughtExceptionHandler(NSException *exception);

FOUNDATION_EXPORT NSUncaughtExceptionHandler *_Nullable NSGetUncaughtExceptionHandler(void);
FOUNDATION_EXPORT void NSSetUncaughtExceptionHandler(NSUncaughtExceptionHandler *_Nullable handler);

/* The object that reports failed assertions of its thread. */
@interface NSAssertionHandler : NSObject

@property (class, readonly, strong) NSAssertionHandler *currentHandler;

- (void)handleFailureInMethod:(SEL)selector
                       object:(id)object
                         file:(NSString *)fileName
                   lineNumber:(NSInteger)line
                  description:(nullable NSString *)format, ... NS_FORMAT_FUNCTION(5, 6);
- (void)handleFailureInFunction:(NSString *)functionName
                           file:(NSString *)fileName
                     lineNumber:(NSInteger)line
                    description:(nullable NSString *)format, ... NS_FORMAT_FUNCTION(4, 5);

@end

FOUNDATION_EXPORT NSString *const NSAssertionHandlerKey API_AVAILABLE(macos(10.6), ios(4.0));

NS_ASSUME_NONNULL_END

#if !defined(_NSAssertBody)
#define NSAssert(condition, desc, ...)                                                                               \
    do {                                                                                                             \
        __PRAGMA_PUSH_NO_EXTRA_ARG_WARNINGS                                                                          \
        if (__builtin_expect(!(condition), 0)) {                                                                     \
            NSString *__assert_file__ = [NSString stringWithUTF8String:__FILE__];                                    \
            __assert_file__ = __assert_file__ ? __assert_file__ : @"<Unknown File>";                                 \
            [[NSAssertionHandler currentHandler] handleFailureInMethod:_cmd                                           \
                                                                object:self                                          \
                                                                  file:__assert_file__                               \
                                                            lineNumber:__LINE__                                      \
                                                           description:(desc), ##__VA_ARGS__];                       \
        }                                                                                                            \
        __PRAGMA_POP_NO_EXTRA_ARG_WARNINGS                                                                           \
    } while (0)
#define NSCAssert(condition, desc, ...)                                                                              \
    do {                                                                                                             \
        __PRAGMA_PUSH_NO_EXTRA_ARG_WARNINGS                                                                          \
        if (__builtin_expect(!(condition), 0)) {                                                                     \
            NSString *__assert_fn__ = [NSString stringWithUTF8String:__PRETTY_FUNCTION__];                           \
            __assert_fn__ = __assert_fn__ ? __assert_fn__ : @"<Unknown Function>";                                   \
            NSString *__assert_file__ = [NSString stringWithUTF8String:__FILE__];                                    \
            __assert_file__ = __assert_file__ ? __assert_file__ : @"<Unknown File>";                                 \
            [[NSAssertionHandler currentHandler] handleFailureInFunction:__assert_fn__                                \
                                                                    file:__assert_file__                             \
                                                              lineNumber:__LINE__                                    \
                                                             description:(desc), ##__VA_ARGS__];                     \
        }                                                                                                            \
        __PRAGMA_POP_NO_EXTRA_ARG_WARNINGS                                                                           \
    } while (0)
#endif

/* Extra arguments to the description are allowed even when its format does not use them. */
#define __PRAGMA_PUSH_NO_EXTRA_ARG_WARNINGS                                                                          \
    _Pragma("clang diagnostic push") _Pragma("clang diagnostic ignored \"-Wformat-extra-args\"")
#define __PRAGMA_POP_NO_EXTRA_ARG_WARNINGS _Pragma("clang diagnostic pop")

#if defined(NS_BLOCK_ASSERTIONS)
#undef NSAssert
#undef NSCAssert
#define NSAssert(condition, desc, ...)                                                                               \
    do {                                                                                                             \
    } while (0)
#define NSCAssert(condition, desc, ...)                                                                              \
    do {                                                                                                             \
    } while (0)
#endif

#define NSAssert1(condition, desc, arg1) NSAssert((condition), (desc), (arg1))
#define NSAssert2(condition, desc, arg1, arg2) NSAssert((condition), (desc), (arg1), (arg2))
#define NSAssert3(condition, desc, arg1, arg2, arg3) NSAssert((condition), (desc), (arg1), (arg2), (arg3))
#define NSAssert4(condition, desc, arg1, arg2, arg3, arg4) NSAssert((condition), (desc), (arg1), (arg2), (arg3), (arg4))
#define NSAssert5(condition, desc, arg1, arg2, arg3, arg4, arg5)                                                     \
    NSAssert((condition), (desc), (arg1), (arg2), (arg3), (arg4), (arg5))
#define NSCAssert1(condition, desc, arg1) NSCAssert((condition), (desc), (arg1))
#define NSCAssert2(condition, desc, arg1, arg2) NSCAssert((condition), (desc), (arg1), (arg2))
#define NSCAssert3(condition, desc, arg1, arg2, arg3) NSCAssert((condition), (desc), (arg1), (arg2), (arg3))
#define NSCAssert4(condition, desc, arg1, arg2, arg3, arg4)                                                          \
    NSCAssert((condition), (desc), (arg1), (arg2), (arg3), (arg4))
#define NSCAssert5(condition, desc, arg1, arg2, arg3, arg4, arg5)                                                    \
    NSCAssert((condition), (desc), (arg1), (arg2), (arg3), (arg4), (arg5))

#define NSParameterAssert(condition) NSAssert((condition), @"Invalid parameter not satisfying: %@", @ #condition)
#define NSCParameterAssert(condition) NSCAssert((condition), @"Invalid parameter not satisfying: %@", @ #condition)
