/* UIWindow.h: windows: the root of a view hierarchy, its root view controller, key status and scene. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>

@class UIScreen, UIViewController, UIWindowScene;

NS_ASSUME_NONNULL_BEGIN

typedef CGFloat UIWindowLevel NS_TYPED_EXTENSIBLE_ENUM;

UIKIT_EXTERN const UIWindowLevel UIWindowLevelNormal;
UIKIT_EXTERN const UIWindowLevel UIWindowLevelAlert;
UIKIT_EXTERN const UIWindowLevel UIWindowLevelStatusBar;

@interface UIWindow : UIView

- (instancetype)initWithWindowScene:(UIWindowScene *)windowScene API_AVAILABLE(ios(13.0));
@property (nullable, nonatomic, weak) UIWindowScene *windowScene API_AVAILABLE(ios(13.0));
@property (nonatomic, strong) UIScreen *screen API_AVAILABLE(ios(3.2));
@property (nonatomic) UIWindowLevel windowLevel;
@property (nonatomic, readonly, getter=isKeyWindow) BOOL keyWindow;
@property (nonatomic, readonly) BOOL canBecomeKeyWindow API_AVAILABLE(ios(15.0));
- (void)becomeKeyWindow;
- (void)resignKeyWindow;
- (void)makeKeyWindow;
- (void)makeKeyAndVisible;
@property (nullable, nonatomic, strong) UIViewController *rootViewController API_AVAILABLE(ios(4.0));
- (void)sendEvent:(UIEvent *)event;
- (CGPoint)convertPoint:(CGPoint)point toWindow:(nullable UIWindow *)window;
- (CGPoint)convertPoint:(CGPoint)point fromWindow:(nullable UIWindow *)window;
- (CGRect)convertRect:(CGRect)rect toWindow:(nullable UIWindow *)window;
- (CGRect)convertRect:(CGRect)rect fromWindow:(nullable UIWindow *)window;

@end

UIKIT_EXTERN NSNotificationName const UIWindowDidBecomeVisibleNotification;
UIKIT_EXTERN NSNotificationName const UIWindowDidBecomeHiddenNotification;
UIKIT_EXTERN NSNotificationName const UIWindowDidBecomeKeyNotification;
UIKIT_EXTERN NSNotificationName const UIWindowDidResignKeyNotification;
UIKIT_EXTERN NSNotificationName const UIKeyboardWillShowNotification;
UIKIT_EXTERN NSNotificationName const UIKeyboardDidShowNotification;
UIKIT_EXTERN NSNotificationName const UIKeyboardWillHideNotification;
UIKIT_EXTERN NSNotificationName const UIKeyboardDidHideNotification;
UIKIT_EXTERN NSNotificationName const UIKeyboardWillChangeFrameNotification API_AVAILABLE(ios(5.0));
UIKIT_EXTERN NSNotificationName const UIKeyboardDidChangeFrameNotification API_AVAILABLE(ios(5.0));
UIKIT_EXTERN NSString *const UIKeyboardIsLocalUserInfoKey API_AVAILABLE(ios(9.0));
UIKIT_EXTERN NSString *const UIKeyboardCenterBeginUserInfoKey API_DEPRECATED("", ios(2.0, 3.2));
UIKIT_EXTERN NSString *const UIKeyboardCenterEndUserInfoKey API_DEPRECATED("", ios(2.0, 3.2));
UIKIT_EXTERN NSString *const UIKeyboardBoundsUserInfoKey API_DEPRECATED("", ios(2.0, 3.2));
UIKIT_EXTERN NSString *const UIKeyboardFrameBeginUserInfoKey API_AVAILABLE(ios(3.2));
UIKIT_EXTERN NSString *const UIKeyboardFrameEndUserInfoKey API_AVAILABLE(ios(3.2));
UIKIT_EXTERN NSString *const UIKeyboardAnimationDurationUserInfoKey API_AVAILABLE(ios(3.0));
UIKIT_EXTERN NSString *const UIKeyboardAnimationCurveUserInfoKey API_AVAILABLE(ios(3.0));

NS_ASSUME_NONNULL_END
