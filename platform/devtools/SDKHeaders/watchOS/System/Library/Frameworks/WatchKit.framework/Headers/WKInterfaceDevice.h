/* WKInterfaceDevice.h: the watch the app runs on: its screen, system, battery and haptic engine. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <WatchKit/WKDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, WKInterfaceLayoutDirection) {
    WKInterfaceLayoutDirectionLeftToRight,
    WKInterfaceLayoutDirectionRightToLeft,
} API_AVAILABLE(watchos(2.1), ios(9.0));

typedef NS_ENUM(NSInteger, WKInterfaceDeviceWristLocation) {
    WKInterfaceDeviceWristLocationLeft,
    WKInterfaceDeviceWristLocationRight,
} API_AVAILABLE(watchos(3.0)) API_UNAVAILABLE(ios);

typedef NS_ENUM(NSInteger, WKInterfaceDeviceCrownOrientation) {
    WKInterfaceDeviceCrownOrientationLeft,
    WKInterfaceDeviceCrownOrientationRight,
} API_AVAILABLE(watchos(3.0)) API_UNAVAILABLE(ios);

typedef NS_ENUM(NSInteger, WKInterfaceDeviceBatteryState) {
    WKInterfaceDeviceBatteryStateUnknown,
    WKInterfaceDeviceBatteryStateUnplugged,
    WKInterfaceDeviceBatteryStateCharging,
    WKInterfaceDeviceBatteryStateFull,
} API_AVAILABLE(watchos(4.0)) API_UNAVAILABLE(ios);

typedef NS_ENUM(NSInteger, WKHapticType) {
    WKHapticTypeNotification,
    WKHapticTypeDirectionUp,
    WKHapticTypeDirectionDown,
    WKHapticTypeSuccess,
    WKHapticTypeFailure,
    WKHapticTypeRetry,
    WKHapticTypeStart,
    WKHapticTypeStop,
    WKHapticTypeClick,
    WKHapticTypeNavigationLeftAndRight API_AVAILABLE(watchos(6.0)),
    WKHapticTypeNavigationGenericManeuver API_AVAILABLE(watchos(6.0)),
} API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios);

API_AVAILABLE(watchos(2.0), ios(8.2))
@interface WKInterfaceDevice : NSObject

+ (WKInterfaceDevice *)currentDevice;

@property (nonatomic, readonly) CGRect screenBounds;
@property (nonatomic, readonly) CGFloat screenScale;
@property (nonatomic, readonly, copy) NSString *preferredContentSizeCategory;
@property (nonatomic, readonly) WKInterfaceLayoutDirection layoutDirection API_AVAILABLE(watchos(2.1));
@property (nonatomic, readonly) WKInterfaceDeviceWristLocation wristLocation API_AVAILABLE(watchos(3.0));
@property (nonatomic, readonly) WKInterfaceDeviceCrownOrientation crownOrientation API_AVAILABLE(watchos(3.0));

@property (nonatomic, readonly, copy) NSString *systemVersion API_AVAILABLE(watchos(2.0));
@property (nonatomic, readonly, copy) NSString *name API_AVAILABLE(watchos(2.0));
@property (nonatomic, readonly, copy) NSString *model API_AVAILABLE(watchos(2.0));
@property (nonatomic, readonly, copy) NSString *localizedModel API_AVAILABLE(watchos(2.0));
@property (nonatomic, readonly, copy) NSString *systemName API_AVAILABLE(watchos(2.0));
@property (nonatomic, readonly, nullable) NSUUID *identifierForVendor API_AVAILABLE(watchos(6.2));

@property (nonatomic, getter=isBatteryMonitoringEnabled) BOOL batteryMonitoringEnabled API_AVAILABLE(watchos(4.0));
@property (nonatomic, readonly) float batteryLevel API_AVAILABLE(watchos(4.0));
@property (nonatomic, readonly) WKInterfaceDeviceBatteryState batteryState API_AVAILABLE(watchos(4.0));

- (void)playHaptic:(WKHapticType)type API_AVAILABLE(watchos(2.0));

@end

NS_ASSUME_NONNULL_END
