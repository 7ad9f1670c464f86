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
};

// The platform marks the class and its state as new in macOS 10.13 and iOS 10 although the peripheral manager, older,
// derives from it; declared without availability here, so that the subclass does not warn below those versions.
@interface CBManager : NSObject
- (instancetype)init NS_UNAVAILABLE;
@property (nonatomic, assign, readonly) CBManagerState state;
@end

NS_ASSUME_NONNULL_END
