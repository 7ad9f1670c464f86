/* UIBarCommon.h: what bars share: their styles, metrics and positions, and the delegate that places them. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIBarStyle) {
    UIBarStyleDefault = 0,
    UIBarStyleBlack = 1,
    UIBarStyleBlackOpaque API_DEPRECATED("Use UIBarStyleBlack instead.", ios(2.0, 13.0)) = 1,
    UIBarStyleBlackTranslucent API_DEPRECATED("Use UIBarStyleBlack and set the translucent property to YES instead.",
                                              ios(2.0, 13.0)) = 2,
};

typedef NS_ENUM(NSInteger, UIBarMetrics) {
    UIBarMetricsDefault,
    UIBarMetricsCompact,
    UIBarMetricsDefaultPrompt = 101,
    UIBarMetricsCompactPrompt,
    UIBarMetricsLandscapePhone API_DEPRECATED_WITH_REPLACEMENT("UIBarMetricsCompact", ios(5.0, 8.0)) =
        UIBarMetricsCompact,
    UIBarMetricsLandscapePhonePrompt API_DEPRECATED_WITH_REPLACEMENT("UIBarMetricsCompactPrompt", ios(7.0, 8.0)) =
        UIBarMetricsCompactPrompt,
};

typedef NS_ENUM(NSInteger, UIBarPosition) {
    UIBarPositionAny = 0,
    UIBarPositionBottom = 1,
    UIBarPositionTop = 2,
    UIBarPositionTopAttached = 3,
} API_AVAILABLE(ios(7.0));

// The toolbar positions of iOS 5, kept as their own enumeration: code that targets iOS 5 and 6 uses them.
typedef NS_ENUM(NSInteger, UIToolbarPosition) {
    UIToolbarPositionAny = 0,
    UIToolbarPositionBottom = 1,
    UIToolbarPositionTop = 2,
} API_AVAILABLE(ios(5.0));

@protocol UIBarPositioning <NSObject>
@property (nonatomic, readonly) UIBarPosition barPosition;
@end

@protocol UIBarPositioningDelegate <NSObject>
@optional
- (UIBarPosition)positionForBar:(id<UIBarPositioning>)bar;
@end

NS_ASSUME_NONNULL_END
