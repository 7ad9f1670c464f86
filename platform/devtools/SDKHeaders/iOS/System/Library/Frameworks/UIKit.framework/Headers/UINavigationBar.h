/* UINavigationBar.h: navigation bars and their items: titles, back buttons and bar button items. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIBarButtonItem.h>
#import <UIKit/UIBarCommon.h>
#import <UIKit/UIBarAppearance.h>

@class UINavigationItem, UIColor, UIImage, UISearchController;
@protocol UINavigationBarDelegate;

NS_ASSUME_NONNULL_BEGIN


typedef NS_ENUM(NSInteger, UINavigationItemLargeTitleDisplayMode) {
    UINavigationItemLargeTitleDisplayModeAutomatic,
    UINavigationItemLargeTitleDisplayModeAlways,
    UINavigationItemLargeTitleDisplayModeNever,
} API_AVAILABLE(ios(11.0));

@interface UINavigationBar : UIView <NSCoding, UIBarPositioning>
@property (nonatomic) UIBarStyle barStyle;
@property (nullable, nonatomic, weak) id<UINavigationBarDelegate> delegate;
@property (nonatomic, assign, getter=isTranslucent) BOOL translucent API_AVAILABLE(ios(3.0));
@property (nonatomic) BOOL prefersLargeTitles API_AVAILABLE(ios(11.0));
@property (nullable, nonatomic, readonly, strong) UINavigationItem *topItem;
@property (nullable, nonatomic, readonly, strong) UINavigationItem *backItem;
@property (nullable, nonatomic, copy) NSArray<UINavigationItem *> *items;
- (void)pushNavigationItem:(UINavigationItem *)item animated:(BOOL)animated;
- (nullable UINavigationItem *)popNavigationItemAnimated:(BOOL)animated;
@property (null_resettable, nonatomic, strong) UIColor *tintColor;
@property (nullable, nonatomic, strong) UIColor *barTintColor API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, copy) NSDictionary<NSAttributedStringKey, id> *titleTextAttributes
    API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, copy) NSDictionary<NSAttributedStringKey, id> *largeTitleTextAttributes
    API_AVAILABLE(ios(11.0)) UI_APPEARANCE_SELECTOR;
- (void)setItems:(nullable NSArray<UINavigationItem *> *)items animated:(BOOL)animated;
- (void)setBackgroundImage:(nullable UIImage *)backgroundImage
            forBarPosition:(UIBarPosition)barPosition
                barMetrics:(UIBarMetrics)barMetrics API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
- (nullable UIImage *)backgroundImageForBarPosition:(UIBarPosition)barPosition
                                         barMetrics:(UIBarMetrics)barMetrics API_AVAILABLE(ios(7.0))
    UI_APPEARANCE_SELECTOR;
- (void)setBackgroundImage:(nullable UIImage *)backgroundImage
             forBarMetrics:(UIBarMetrics)barMetrics API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
- (nullable UIImage *)backgroundImageForBarMetrics:(UIBarMetrics)barMetrics API_AVAILABLE(ios(5.0))
    UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong) UIImage *shadowImage API_AVAILABLE(ios(6.0)) UI_APPEARANCE_SELECTOR;
- (void)setTitleVerticalPositionAdjustment:(CGFloat)adjustment
                             forBarMetrics:(UIBarMetrics)barMetrics API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong) UIImage *backIndicatorImage API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nullable, nonatomic, strong)
    UIImage *backIndicatorTransitionMaskImage API_AVAILABLE(ios(7.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic, readwrite, copy) UINavigationBarAppearance *standardAppearance API_AVAILABLE(ios(13.0))
    UI_APPEARANCE_SELECTOR;
@property (nonatomic, readwrite, copy, nullable)
    UINavigationBarAppearance *compactAppearance API_AVAILABLE(ios(13.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic, readwrite, copy, nullable)
    UINavigationBarAppearance *scrollEdgeAppearance API_AVAILABLE(ios(13.0)) UI_APPEARANCE_SELECTOR;
@end

@protocol UINavigationBarDelegate <UIBarPositioningDelegate>
@optional
- (BOOL)navigationBar:(UINavigationBar *)navigationBar shouldPushItem:(UINavigationItem *)item;
- (BOOL)navigationBar:(UINavigationBar *)navigationBar shouldPopItem:(UINavigationItem *)item;
- (void)navigationBar:(UINavigationBar *)navigationBar didPushItem:(UINavigationItem *)item;
- (void)navigationBar:(UINavigationBar *)navigationBar didPopItem:(UINavigationItem *)item;
@end

@interface UINavigationItem : NSObject <NSCoding>
- (instancetype)initWithTitle:(NSString *)title NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, nonatomic, copy) NSString *title;
@property (nullable, nonatomic, strong) UIView *titleView;
@property (nullable, nonatomic, copy) NSString *prompt;
@property (nullable, nonatomic, strong) UIBarButtonItem *backBarButtonItem;
@property (nullable, nonatomic, copy) NSString *backButtonTitle API_AVAILABLE(ios(11.0));
@property (nonatomic, assign) BOOL hidesBackButton;
- (void)setHidesBackButton:(BOOL)hidesBackButton animated:(BOOL)animated;
@property (nullable, nonatomic, copy) NSArray<UIBarButtonItem *> *leftBarButtonItems API_AVAILABLE(ios(5.0));
@property (nullable, nonatomic, copy) NSArray<UIBarButtonItem *> *rightBarButtonItems API_AVAILABLE(ios(5.0));
@property (nullable, nonatomic, strong) UIBarButtonItem *leftBarButtonItem;
@property (nullable, nonatomic, strong) UIBarButtonItem *rightBarButtonItem;
- (void)setLeftBarButtonItem:(nullable UIBarButtonItem *)item animated:(BOOL)animated;
- (void)setRightBarButtonItem:(nullable UIBarButtonItem *)item animated:(BOOL)animated;
- (void)setLeftBarButtonItems:(nullable NSArray<UIBarButtonItem *> *)items animated:(BOOL)animated
    API_AVAILABLE(ios(5.0));
- (void)setRightBarButtonItems:(nullable NSArray<UIBarButtonItem *> *)items animated:(BOOL)animated
    API_AVAILABLE(ios(5.0));
@property (nonatomic) BOOL leftItemsSupplementBackButton API_AVAILABLE(ios(5.0));
@property (nonatomic) UINavigationItemLargeTitleDisplayMode largeTitleDisplayMode API_AVAILABLE(ios(11.0));
@property (nonatomic, retain, nullable) UISearchController *searchController API_AVAILABLE(ios(11.0));
@property (nonatomic) BOOL hidesSearchBarWhenScrolling API_AVAILABLE(ios(11.0));
@property (nonatomic, readwrite, copy, nullable) UINavigationBarAppearance *standardAppearance API_AVAILABLE(ios(13.0));
@property (nonatomic, readwrite, copy, nullable) UINavigationBarAppearance *compactAppearance API_AVAILABLE(ios(13.0));
@property (nonatomic, readwrite, copy, nullable)
    UINavigationBarAppearance *scrollEdgeAppearance API_AVAILABLE(ios(13.0));
@end

NS_ASSUME_NONNULL_END
