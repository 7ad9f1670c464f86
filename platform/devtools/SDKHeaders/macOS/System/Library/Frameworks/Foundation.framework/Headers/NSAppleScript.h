/* NSAppleScript.h: AppleScript scripts: compiling and running their source, and the keys of their errors. */
#import <Foundation/NSObject.h>

@class NSAppleEventDescriptor, NSDictionary<KeyType, ObjectType>, NSString, NSURL;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSString *const NSAppleScriptErrorMessage;
FOUNDATION_EXPORT NSString *const NSAppleScriptErrorNumber;
FOUNDATION_EXPORT NSString *const NSAppleScriptErrorAppName;
FOUNDATION_EXPORT NSString *const NSAppleScriptErrorBriefMessage;
FOUNDATION_EXPORT NSString *const NSAppleScriptErrorRange;

@interface NSAppleScript : NSObject <NSCopying>
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url
                                         error:(NSDictionary<NSString *, id> *_Nullable *_Nullable)errorInfo
    NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithSource:(NSString *)source NS_DESIGNATED_INITIALIZER;
@property (nullable, readonly, copy) NSString *source;
@property (readonly, getter=isCompiled) BOOL compiled;
- (BOOL)compileAndReturnError:(NSDictionary<NSString *, id> *_Nullable *_Nullable)errorInfo;
- (NSAppleEventDescriptor *)executeAndReturnError:(NSDictionary<NSString *, id> *_Nullable *_Nullable)errorInfo;
- (NSAppleEventDescriptor *)executeAppleEvent:(NSAppleEventDescriptor *)event
                                        error:(NSDictionary<NSString *, id> *_Nullable *_Nullable)errorInfo;
@end

NS_ASSUME_NONNULL_END
