/*
 * NSUserScriptTask.h: running the user's own scripts (shell scripts, AppleScripts, Automator workflows) from the
 * Application Scripts folder, outside the application's sandbox.
 */
#import <Foundation/NSObject.h>

@class NSAppleEventDescriptor, NSArray<ObjectType>, NSDictionary<KeyType, ObjectType>, NSError, NSFileHandle,
    NSString, NSURL;

NS_ASSUME_NONNULL_BEGIN

typedef void (^NSUserScriptTaskCompletionHandler)(NSError *_Nullable error);
typedef void (^NSUserUnixTaskCompletionHandler)(NSError *_Nullable error);
typedef void (^NSUserAppleScriptTaskCompletionHandler)(NSAppleEventDescriptor *_Nullable result,
                                                         NSError *_Nullable error);
typedef void (^NSUserAutomatorTaskCompletionHandler)(id _Nullable result, NSError *_Nullable error);

API_AVAILABLE(macos(10.8))
@interface NSUserScriptTask : NSObject
- (nullable instancetype)initWithURL:(NSURL *)url error:(NSError **)error NS_DESIGNATED_INITIALIZER;
@property (readonly, copy) NSURL *scriptURL;
- (void)executeWithCompletionHandler:(nullable NSUserScriptTaskCompletionHandler)handler;
@end

API_AVAILABLE(macos(10.8))
@interface NSUserUnixTask : NSUserScriptTask
@property (nullable, retain) NSFileHandle *standardInput;
@property (nullable, retain) NSFileHandle *standardOutput;
@property (nullable, retain) NSFileHandle *standardError;
- (void)executeWithArguments:(nullable NSArray<NSString *> *)arguments
           completionHandler:(nullable NSUserUnixTaskCompletionHandler)handler;
@end

API_AVAILABLE(macos(10.8))
@interface NSUserAppleScriptTask : NSUserScriptTask
- (void)executeWithAppleEvent:(nullable NSAppleEventDescriptor *)event
            completionHandler:(nullable NSUserAppleScriptTaskCompletionHandler)handler;
@end

API_AVAILABLE(macos(10.8))
@interface NSUserAutomatorTask : NSUserScriptTask
@property (nullable, copy) NSDictionary<NSString *, id> *variables;
- (void)executeWithInput:(nullable id<NSSecureCoding>)input
       completionHandler:(nullable NSUserAutomatorTaskCompletionHandler)handler;
@end

NS_ASSUME_NONNULL_END
