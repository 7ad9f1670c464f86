/* UIScreen.h: screens: bounds, scale, brightness and the main screen. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UITraitCollection.h>

@class UIView;

NS_ASSUME_NONNULL_BEGIN

UIKIT_EXTERN NSNotificationName const UIScreenDidConnectNotification API_AVAILABLE(ios(3.2));
UIKIT_EXTERN NSNotificationName const UIScreenDidDisconnectNotification API_AVAILABLE(ios(3.2));
UIKIT_EXTERN NSNotificationName const UIScreenBrightnessDidChangeNotification API_AVAILABLE(ios(5.0));

@interface UIScreen : NSObject <UITraitEnvironment>
@property (class, nonatomic, readonly) NSArray<UIScreen *> *screens
    API_DEPRECATED("Use UIApplication.shared.openSessions to find open sessions with scenes from other screens",
                   ios(3.2, API_TO_BE_DEPRECATED));
@property (class, nonatomic, readonly) UIScreen *mainScreen
    API_DEPRECATED("Use a UIScreen instance found through context instead: i.e, view.window.windowScene.screen",
                   ios(2.0, API_TO_BE_DEPRECATED));
@property (nonatomic, readonly) CGRect bounds;
@property (nonatomic, readonly) CGFloat scale API_AVAILABLE(ios(4.0));
@property (nonatomic, readonly) CGRect nativeBounds API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly) CGFloat nativeScale API_AVAILABLE(ios(8.0));
@property (nonatomic) CGFloat brightness API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) NSInteger maximumFramesPerSecond API_AVAILABLE(ios(10.3));
@property (nonatomic, readonly) CGFloat currentEDRHeadroom API_AVAILABLE(ios(16.0)) API_UNAVAILABLE(tvos);
@property (nonatomic, readonly) CGFloat potentialEDRHeadroom API_AVAILABLE(ios(16.0)) API_UNAVAILABLE(tvos);
@property (nonatomic, readonly) CGRect applicationFrame API_DEPRECATED("Use -[UIScreen bounds]", ios(2.0, 9.0));
- (UIView *)snapshotViewAfterScreenUpdates:(BOOL)afterUpdates API_AVAILABLE(ios(7.0));
@end

NS_ASSUME_NONNULL_END
