/* UIMenuController.h: the editing menu (cut, copy, paste) and the custom items added to it. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

@class UIView, UIMenuItem;

NS_ASSUME_NONNULL_BEGIN

API_DEPRECATED("Use UIEditMenuInteraction instead.", ios(3.0, 16.0))
API_UNAVAILABLE(tvos, watchos)
@interface UIMenuController : NSObject
@property (class, nonatomic, readonly) UIMenuController *sharedMenuController;
@property (nonatomic, getter=isMenuVisible) BOOL menuVisible;
@property (nullable, nonatomic, copy) NSArray<UIMenuItem *> *menuItems API_AVAILABLE(ios(3.2));
- (void)showMenuFromView:(UIView *)targetView rect:(CGRect)targetRect API_AVAILABLE(ios(13.0));
- (void)hideMenu API_AVAILABLE(ios(13.0));
- (void)update;
@end

API_AVAILABLE(ios(3.2))
API_UNAVAILABLE(tvos, watchos)
@interface UIMenuItem : NSObject
- (instancetype)initWithTitle:(NSString *)title action:(SEL)action NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@property (nonatomic, copy) NSString *title;
@property (nonatomic) SEL action;
@end

NS_ASSUME_NONNULL_END
