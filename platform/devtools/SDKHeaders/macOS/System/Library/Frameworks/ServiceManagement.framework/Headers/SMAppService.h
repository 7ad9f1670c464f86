/* SMAppService.h: the services of an application (login items, launch agents and daemons) as objects. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, SMAppServiceStatus) {
    SMAppServiceStatusNotRegistered,
    SMAppServiceStatusEnabled,
    SMAppServiceStatusRequiresApproval,
    SMAppServiceStatusNotFound,
} API_AVAILABLE(macos(13.0));

API_AVAILABLE(macos(13.0))
@interface SMAppService : NSObject
+ (instancetype)loginItemServiceWithIdentifier:(NSString *)identifier;
@property (class, readonly) SMAppService *mainAppService;
+ (instancetype)agentServiceWithPlistName:(NSString *)plistName;
+ (instancetype)daemonServiceWithPlistName:(NSString *)plistName;
- (BOOL)registerAndReturnError:(NSError **)error;
- (BOOL)unregisterAndReturnError:(NSError **)error;
- (void)unregisterWithCompletionHandler:(void (^)(NSError *_Nullable error))handler;
@property (readonly) SMAppServiceStatus status;
+ (SMAppServiceStatus)statusForLegacyURL:(NSURL *)url;
+ (void)openSystemSettingsLoginItems;
@end

NS_ASSUME_NONNULL_END
