/* UIToolbar.h: a bar of bar button items, usually at the bottom of the screen. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIBarButtonItem.h>
#import <UIKit/UINavigationBar.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIToolbarPosition) {
    UIToolbarPositionAny = 0,
    UIToolbarPositionBottom = 1,
    UIToolbarPositionTop = 2,
} API_AVAILABLE(ios(5.0));

@interface UIToolbar : UIView
@property (nullable, nonatomic, copy) NSArray<UIBarButtonItem *> *items;
- (void)setItems:(nullable NSArray<UIBarButtonItem *> *)items animated:(BOOL)animated;
@property (nonatomic) UIBarStyle barStyle;
@end

NS_ASSUME_NONNULL_END
