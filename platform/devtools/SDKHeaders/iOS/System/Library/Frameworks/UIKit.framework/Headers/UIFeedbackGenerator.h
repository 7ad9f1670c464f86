/* UIFeedbackGenerator.h: haptic feedback: the generator base class, impacts, selection changes and notifications. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

@class UIView;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(10.0)) API_UNAVAILABLE(tvos)
@interface UIFeedbackGenerator : NSObject
- (void)prepare;
@end

typedef NS_ENUM(NSInteger, UIImpactFeedbackStyle) {
    UIImpactFeedbackStyleLight,
    UIImpactFeedbackStyleMedium,
    UIImpactFeedbackStyleHeavy,
    UIImpactFeedbackStyleSoft API_AVAILABLE(ios(13.0)),
    UIImpactFeedbackStyleRigid API_AVAILABLE(ios(13.0))
} API_AVAILABLE(ios(10.0)) API_UNAVAILABLE(tvos);

API_AVAILABLE(ios(10.0)) API_UNAVAILABLE(tvos)
@interface UIImpactFeedbackGenerator : UIFeedbackGenerator
- (instancetype)initWithStyle:(UIImpactFeedbackStyle)style;
- (void)impactOccurred;
- (void)impactOccurredWithIntensity:(CGFloat)intensity API_AVAILABLE(ios(13.0));
@end

API_AVAILABLE(ios(10.0)) API_UNAVAILABLE(tvos)
@interface UISelectionFeedbackGenerator : UIFeedbackGenerator
- (void)selectionChanged;
@end

typedef NS_ENUM(NSInteger, UINotificationFeedbackType) {
    UINotificationFeedbackTypeSuccess,
    UINotificationFeedbackTypeWarning,
    UINotificationFeedbackTypeError
} API_AVAILABLE(ios(10.0)) API_UNAVAILABLE(tvos);

API_AVAILABLE(ios(10.0)) API_UNAVAILABLE(tvos)
@interface UINotificationFeedbackGenerator : UIFeedbackGenerator
- (void)notificationOccurred:(UINotificationFeedbackType)notificationType;
@end

NS_ASSUME_NONNULL_END
