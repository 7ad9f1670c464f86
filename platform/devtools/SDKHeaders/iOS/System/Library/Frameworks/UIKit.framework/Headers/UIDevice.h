/* UIDevice.h: the current device: model, system version, idiom (phone, pad...) and orientation. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIDeviceOrientation) {
    UIDeviceOrientationUnknown,
    UIDeviceOrientationPortrait,
    UIDeviceOrientationPortraitUpsideDown,
    UIDeviceOrientationLandscapeLeft,
    UIDeviceOrientationLandscapeRight,
    UIDeviceOrientationFaceUp,
    UIDeviceOrientationFaceDown
};

typedef NS_ENUM(NSInteger, UIUserInterfaceIdiom) {
    UIUserInterfaceIdiomUnspecified = -1,
    UIUserInterfaceIdiomPhone API_AVAILABLE(ios(3.2)),
    UIUserInterfaceIdiomPad API_AVAILABLE(ios(3.2)),
    UIUserInterfaceIdiomTV API_AVAILABLE(ios(9.0)),
    UIUserInterfaceIdiomCarPlay API_AVAILABLE(ios(9.0)),
    UIUserInterfaceIdiomMac API_AVAILABLE(ios(14.0)) = 5,
    UIUserInterfaceIdiomVision API_AVAILABLE(ios(17.0)) = 6,
};

typedef NS_ENUM(NSInteger, UIDeviceBatteryState) {
    UIDeviceBatteryStateUnknown,
    UIDeviceBatteryStateUnplugged,
    UIDeviceBatteryStateCharging,
    UIDeviceBatteryStateFull,
} API_AVAILABLE(ios(3.0));

@interface UIDevice : NSObject
@property (class, nonatomic, readonly) UIDevice *currentDevice;
@property (nonatomic, readonly, strong) NSString *name;
@property (nonatomic, readonly, strong) NSString *model;
@property (nonatomic, readonly, strong) NSString *localizedModel;
@property (nonatomic, readonly, strong) NSString *systemName;
@property (nonatomic, readonly, strong) NSString *systemVersion;
@property (nonatomic, readonly) UIDeviceOrientation orientation;
@property (nullable, nonatomic, readonly, strong) NSUUID *identifierForVendor API_AVAILABLE(ios(6.0));
@property (nonatomic, readonly, getter=isGeneratingDeviceOrientationNotifications) BOOL generatesDeviceOrientationNotifications;
- (void)beginGeneratingDeviceOrientationNotifications;
- (void)endGeneratingDeviceOrientationNotifications;
@property (nonatomic, getter=isBatteryMonitoringEnabled) BOOL batteryMonitoringEnabled API_AVAILABLE(ios(3.0));
@property (nonatomic, readonly) UIDeviceBatteryState batteryState API_AVAILABLE(ios(3.0));
@property (nonatomic, readonly) float batteryLevel API_AVAILABLE(ios(3.0));
@property (nonatomic, readonly) UIUserInterfaceIdiom userInterfaceIdiom API_AVAILABLE(ios(3.2));
- (void)playInputClick API_AVAILABLE(ios(4.2));
@end

/* The idiom of the current device. */
#define UI_USER_INTERFACE_IDIOM() ([[UIDevice currentDevice] userInterfaceIdiom])

UIKIT_EXTERN NSNotificationName const UIDeviceOrientationDidChangeNotification;
UIKIT_EXTERN NSNotificationName const UIDeviceBatteryStateDidChangeNotification API_AVAILABLE(ios(3.0));

NS_ASSUME_NONNULL_END
