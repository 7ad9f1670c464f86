/* CBManager.h: what the central and peripheral managers share: their state. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, CBManagerState) {
    CBManagerStateUnknown = 0,
    CBManagerStateResetting,
    CBManagerStateUnsupported,
    CBManagerStateUnauthorized,
    CBManagerStatePoweredOff,
    CBManagerStatePoweredOn,
} API_AVAILABLE(macos(10.13), ios(10.0));

API_AVAILABLE(macos(10.13), ios(10.0))
@interface CBManager : NSObject
- (instancetype)init NS_UNAVAILABLE;
@property (nonatomic, assign, readonly) CBManagerState state;
@end

NS_ASSUME_NONNULL_END
