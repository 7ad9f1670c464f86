/* UITabBar.h: the bar of tab bar items at the bottom of a tab bar controller, its appearance and delegate. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIBarCommon.h>
#import <UIKit/UIBarAppearance.h>

@class UITabBarItem, UIImage, UIColor;
@protocol UITabBarDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UITabBarItemPositioning) {
    UITabBarItemPositioningAutomatic,
    UITabBarItemPositioningFill,
    UITabBarItemPositioningCentered,
} API_AVAILABLE(ios(7.0));

API_AVAILABLE(ios(13.0))
@interface UITabBarAppearance : UIBarAppearance
@property (nonatomic, readwrite, assign) UITabBarItemPositioning stackedItemPositioning;
@property (nonatomic, readwrite, assign) CGFloat stackedItemSpacing;
@property (nonatomic, readwrite, assign) CGFloat stackedItemWidth;
@property (nonatomic, readwrite, copy, nullable) UIColor *selectionIndicatorTintColor;
@property (nonatomic, readwrite, strong, nullable) UIImage *selectionIndicatorImage;
@end

@interface UITabBar : UIView
@property (nullable, nonatomic, weak) id<UITabBarDelegate> delegate;
@property (nullable, nonatomic, copy) NSArray<UITabBarItem *> *items;
@property (nullable, nonatomic, weak) UITabBarItem *selectedItem;
- (void)setItems:(nullable NSArray<UITabBarItem *> *)items animated:(BOOL)animated;
- (void)beginCustomizingItems:(NSArray<UITabBarItem *> *)items API_UNAVAILABLE(tvos);
- (BOOL)endCustomizingAnimated:(BOOL)animated API_UNAVAILABLE(tvos);
@property (nonatomic, readonly, getter=isCustomizing) BOOL customizing API_UNAVAILABLE(tvos);
@property (null_resettable, nonatomic, strong) UIColor *tintColor API_AVAILABLE(ios(5.0));
@property (nullable, nonatomic, strong) UIColor *barTintColor API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, readwrite, copy) UIColor *unselectedItemTintColor API_AVAILABLE(ios(10.0))
    UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong) UIImage *backgroundImage API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong) UIImage *selectionIndicatorImage API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong) UIImage *shadowImage API_AVAILABLE(ios(6.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic) UITabBarItemPositioning itemPositioning API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic) CGFloat itemWidth API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic) CGFloat itemSpacing API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic) UIBarStyle barStyle API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic, getter=isTranslucent) BOOL translucent API_AVAILABLE(ios(7.0));
@property (nonatomic, readwrite, copy) UITabBarAppearance *standardAppearance API_AVAILABLE(ios(13.0))
    UI_APPEARANCE_SELECTOR;
@property (nonatomic, readwrite, copy, nullable) UITabBarAppearance *scrollEdgeAppearance API_AVAILABLE(ios(15.0))
    UI_APPEARANCE_SELECTOR;
@end

@protocol UITabBarDelegate <NSObject>
@optional
- (void)tabBar:(UITabBar *)tabBar didSelectItem:(UITabBarItem *)item;
- (void)tabBar:(UITabBar *)tabBar willBeginCustomizingItems:(NSArray<UITabBarItem *> *)items API_UNAVAILABLE(tvos);
- (void)tabBar:(UITabBar *)tabBar didBeginCustomizingItems:(NSArray<UITabBarItem *> *)items API_UNAVAILABLE(tvos);
- (void)tabBar:(UITabBar *)tabBar
    willEndCustomizingItems:(NSArray<UITabBarItem *> *)items
                    changed:(BOOL)changed API_UNAVAILABLE(tvos);
- (void)tabBar:(UITabBar *)tabBar
    didEndCustomizingItems:(NSArray<UITabBarItem *> *)items
                   changed:(BOOL)changed API_UNAVAILABLE(tvos);
@end

NS_ASSUME_NONNULL_END
