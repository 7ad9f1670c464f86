/* UIMenuController.h: the editing menu (cut, copy, paste) and the custom items added to it. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

@class UIView, UIMenuItem;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIMenuControllerArrowDirection) {
    UIMenuControllerArrowDefault,
    UIMenuControllerArrowUp API_AVAILABLE(ios(3.2)),
    UIMenuControllerArrowDown API_AVAILABLE(ios(3.2)),
    UIMenuControllerArrowLeft API_AVAILABLE(ios(3.2)),
    UIMenuControllerArrowRight API_AVAILABLE(ios(3.2)),
} API_UNAVAILABLE(tvos);

API_DEPRECATED("Use UIEditMenuInteraction instead.", ios(3.0, 16.0))
API_UNAVAILABLE(tvos, watchos)
@interface UIMenuController : NSObject
@property (class, nonatomic, readonly) UIMenuController *sharedMenuController;
@property (nonatomic, getter=isMenuVisible) BOOL menuVisible;
@property (nullable, nonatomic, copy) NSArray<UIMenuItem *> *menuItems API_AVAILABLE(ios(3.2));
- (void)showMenuFromView:(UIView *)targetView rect:(CGRect)targetRect API_AVAILABLE(ios(13.0));
- (void)hideMenu API_AVAILABLE(ios(13.0));
- (void)setMenuVisible:(BOOL)menuVisible animated:(BOOL)animated
    API_DEPRECATED("Use showMenuFromView:rect: or hideMenuFromView: instead.", ios(3.0, 13.0));
- (void)setTargetRect:(CGRect)targetRect inView:(UIView *)targetView
    API_DEPRECATED("Use showMenuFromView:rect: instead.", ios(3.0, 13.0));
- (void)hideMenuFromView:(UIView *)targetView API_AVAILABLE(ios(13.0));
@property (nonatomic) UIMenuControllerArrowDirection arrowDirection API_AVAILABLE(ios(3.2));
@property (nonatomic, readonly) CGRect menuFrame;
- (void)update;
@end

UIKIT_EXTERN NSNotificationName const UIMenuControllerWillShowMenuNotification API_UNAVAILABLE(tvos);
UIKIT_EXTERN NSNotificationName const UIMenuControllerDidShowMenuNotification API_UNAVAILABLE(tvos);
UIKIT_EXTERN NSNotificationName const UIMenuControllerWillHideMenuNotification API_UNAVAILABLE(tvos);
UIKIT_EXTERN NSNotificationName const UIMenuControllerDidHideMenuNotification API_UNAVAILABLE(tvos);
UIKIT_EXTERN NSNotificationName const UIMenuControllerMenuFrameDidChangeNotification API_UNAVAILABLE(tvos);

API_AVAILABLE(ios(3.2))
API_UNAVAILABLE(tvos, watchos)
@interface UIMenuItem : NSObject
- (instancetype)initWithTitle:(NSString *)title action:(SEL)action NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@property (nonatomic, copy) NSString *title;
@property (nonatomic) SEL action;
@end

NS_ASSUME_NONNULL_END
