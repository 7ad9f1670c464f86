/* WKExtension.h: the shared extension object of a watchOS app and the delegate that follows its life cycle. */
#import <Foundation/Foundation.h>
#import <WatchKit/WKDefines.h>

@class WKInterfaceController;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, WKApplicationState) {
    WKApplicationStateActive,
    WKApplicationStateInactive,
    WKApplicationStateBackground,
} API_AVAILABLE(watchos(3.0)) API_UNAVAILABLE(ios);

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@protocol WKExtensionDelegate <NSObject>
@optional
- (void)applicationDidFinishLaunching;
- (void)applicationDidBecomeActive;
- (void)applicationWillResignActive;
- (void)applicationWillEnterForeground API_AVAILABLE(watchos(3.0));
- (void)applicationDidEnterBackground API_AVAILABLE(watchos(3.0));
- (void)handleUserActivity:(nullable NSDictionary *)userInfo;
- (void)deviceOrientationDidChange API_AVAILABLE(watchos(3.0));
@end

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@interface WKExtension : NSObject

+ (WKExtension *)sharedExtension;

- (void)openSystemURL:(NSURL *)url;

@property (nonatomic, weak, nullable) id<WKExtensionDelegate> delegate;
@property (nonatomic, readonly, nullable) WKInterfaceController *rootInterfaceController;
@property (nonatomic, readonly, nullable) WKInterfaceController *visibleInterfaceController
    API_AVAILABLE(watchos(4.0));
@property (nonatomic, readonly) WKApplicationState applicationState API_AVAILABLE(watchos(3.0));
@property (nonatomic, readonly, getter=isApplicationRunningInDock) BOOL applicationRunningInDock
    API_AVAILABLE(watchos(4.0));
@property (nonatomic, getter=isFrontmostTimeoutExtended) BOOL frontmostTimeoutExtended API_AVAILABLE(watchos(4.0));
@property (nonatomic, getter=isAutorotating) BOOL autorotating API_AVAILABLE(watchos(4.2));
@property (nonatomic, readonly, getter=isAutorotated) BOOL autorotated API_AVAILABLE(watchos(4.2));

@end

NS_ASSUME_NONNULL_END
