/* SBApplication.h: a scriptable application, reached by bundle identifier, URL or process identifier. */
#import <Foundation/Foundation.h>
#import <ScriptingBridge/SBObject.h>

@protocol SBApplicationDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef int32_t AESendMode;
typedef int32_t SBLaunchFlags;

@interface SBApplication : SBObject <NSCoding>
- (nullable instancetype)initWithBundleIdentifier:(NSString *)ident;
- (nullable instancetype)initWithURL:(NSURL *)url;
- (nullable instancetype)initWithProcessIdentifier:(pid_t)pid;
+ (nullable __kindof SBApplication *)applicationWithBundleIdentifier:(NSString *)ident;
+ (nullable __kindof SBApplication *)applicationWithURL:(NSURL *)url;
+ (nullable __kindof SBApplication *)applicationWithProcessIdentifier:(pid_t)pid;
- (nullable Class)classForScriptingClass:(NSString *)className;
@property (readonly, getter=isRunning) BOOL running;
- (void)activate;
@property (nullable, strong) id<SBApplicationDelegate> delegate;
@property AESendMode sendMode;
@property long timeout;
@end

@protocol SBApplicationDelegate
- (nullable id)eventDidFail:(const void *)event withError:(NSError *)error;
@end

@interface SBElementArray : NSMutableArray
- (nullable id)objectWithName:(NSString *)name;
- (nullable id)objectWithID:(id)identifier;
- (nullable id)objectAtLocation:(id)location;
- (NSArray *)arrayByApplyingSelector:(SEL)selector;
- (NSArray *)arrayByApplyingSelector:(SEL)aSelector withObject:(id)argument;
- (nullable NSArray *)get;
@end

NS_ASSUME_NONNULL_END
