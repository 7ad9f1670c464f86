/* UITabBarController.h: tab bar controllers and tab bar items. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UIBarItem.h>
#import <UIKit/UITabBar.h>

@class UIView, UIImage, UITabBar;
@protocol UITabBarControllerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UITabBarSystemItem) {
    UITabBarSystemItemMore,
    UITabBarSystemItemFavorites,
    UITabBarSystemItemFeatured,
    UITabBarSystemItemTopRated,
    UITabBarSystemItemRecents,
    UITabBarSystemItemContacts,
    UITabBarSystemItemHistory,
    UITabBarSystemItemBookmarks,
    UITabBarSystemItemSearch,
    UITabBarSystemItemDownloads,
    UITabBarSystemItemMostRecent,
    UITabBarSystemItemMostViewed,
};

@interface UITabBarItem : UIBarItem
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithTitle:(nullable NSString *)title image:(nullable UIImage *)image tag:(NSInteger)tag;
- (instancetype)initWithTitle:(nullable NSString *)title
                        image:(nullable UIImage *)image
                selectedImage:(nullable UIImage *)selectedImage API_AVAILABLE(ios(7.0));
- (instancetype)initWithTabBarSystemItem:(UITabBarSystemItem)systemItem tag:(NSInteger)tag;
@property (nullable, nonatomic, strong) UIImage *selectedImage API_AVAILABLE(ios(7.0));
@property (nullable, nonatomic, copy) NSString *badgeValue;
@end

@interface UITabBarController : UIViewController
@property (nullable, nonatomic, copy) NSArray<__kindof UIViewController *> *viewControllers;
- (void)setViewControllers:(NSArray<__kindof UIViewController *> *_Nullable)viewControllers animated:(BOOL)animated;
@property (nullable, nonatomic, unsafe_unretained) __kindof UIViewController *selectedViewController;
@property (nonatomic) NSUInteger selectedIndex;
@property (nonatomic, readonly) UITabBar *tabBar API_AVAILABLE(ios(3.0));
@property (nullable, nonatomic, weak) id<UITabBarControllerDelegate> delegate;
@end

@protocol UITabBarControllerDelegate <NSObject>
@optional
- (BOOL)tabBarController:(UITabBarController *)tabBarController
    shouldSelectViewController:(UIViewController *)viewController API_AVAILABLE(ios(3.0));
- (void)tabBarController:(UITabBarController *)tabBarController
    didSelectViewController:(UIViewController *)viewController;
@end

@interface UIViewController (UITabBarControllerItem)
@property (null_resettable, nonatomic, strong) UITabBarItem *tabBarItem;
@property (nullable, nonatomic, readonly, strong) UITabBarController *tabBarController;
@end

NS_ASSUME_NONNULL_END
