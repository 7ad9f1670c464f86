/* UISplitViewController.h: a container of a primary (master) and a secondary (detail) view controller. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>

@class UIBarButtonItem, UIPopoverController;
@protocol UISplitViewControllerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UISplitViewControllerDisplayMode) {
    UISplitViewControllerDisplayModeAutomatic,
    UISplitViewControllerDisplayModeSecondaryOnly API_AVAILABLE(ios(14.0)),
    UISplitViewControllerDisplayModeOneBesideSecondary API_AVAILABLE(ios(14.0)),
    UISplitViewControllerDisplayModeOneOverSecondary API_AVAILABLE(ios(14.0)),
    UISplitViewControllerDisplayModeTwoBesideSecondary API_AVAILABLE(ios(14.0)),
    UISplitViewControllerDisplayModeTwoOverSecondary API_AVAILABLE(ios(14.0)),
    UISplitViewControllerDisplayModeTwoDisplaceSecondary API_AVAILABLE(ios(14.0)),
    UISplitViewControllerDisplayModePrimaryHidden API_DEPRECATED_WITH_REPLACEMENT(
        "UISplitViewControllerDisplayModeSecondaryOnly", ios(8.0, 14.0)) = 1,
    UISplitViewControllerDisplayModeAllVisible API_DEPRECATED_WITH_REPLACEMENT(
        "UISplitViewControllerDisplayModeOneBesideSecondary", ios(8.0, 14.0)) = 2,
    UISplitViewControllerDisplayModePrimaryOverlay API_DEPRECATED_WITH_REPLACEMENT(
        "UISplitViewControllerDisplayModeOneOverSecondary", ios(8.0, 14.0)) = 3,
} API_AVAILABLE(ios(8.0));

UIKIT_EXTERN CGFloat const UISplitViewControllerAutomaticDimension API_AVAILABLE(ios(8.0));

API_AVAILABLE(ios(3.2))
@interface UISplitViewController : UIViewController
- (instancetype)initWithNibName:(nullable NSString *)nibNameOrNil
                         bundle:(nullable NSBundle *)nibBundleOrNil NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nonatomic, copy) NSArray<__kindof UIViewController *> *viewControllers;
@property (nullable, nonatomic, weak) id<UISplitViewControllerDelegate> delegate;
@property (nonatomic) BOOL presentsWithGesture API_AVAILABLE(ios(5.1));
@property (nonatomic, readonly, getter=isCollapsed) BOOL collapsed API_AVAILABLE(ios(8.0));
@property (nonatomic) UISplitViewControllerDisplayMode preferredDisplayMode API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly) UISplitViewControllerDisplayMode displayMode API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly) UIBarButtonItem *displayModeButtonItem API_AVAILABLE(ios(8.0));
@property (nonatomic, assign) CGFloat preferredPrimaryColumnWidthFraction API_AVAILABLE(ios(8.0));
@property (nonatomic, assign) CGFloat minimumPrimaryColumnWidth API_AVAILABLE(ios(8.0));
@property (nonatomic, assign) CGFloat maximumPrimaryColumnWidth API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly) CGFloat primaryColumnWidth API_AVAILABLE(ios(8.0));
- (void)showViewController:(UIViewController *)vc sender:(nullable id)sender API_AVAILABLE(ios(8.0));
- (void)showDetailViewController:(UIViewController *)vc sender:(nullable id)sender API_AVAILABLE(ios(8.0));
@end

@protocol UISplitViewControllerDelegate <NSObject>
@optional
- (void)splitViewController:(UISplitViewController *)svc
    willChangeToDisplayMode:(UISplitViewControllerDisplayMode)displayMode API_AVAILABLE(ios(8.0));
- (UISplitViewControllerDisplayMode)targetDisplayModeForActionInSplitViewController:(UISplitViewController *)svc
    API_AVAILABLE(ios(8.0));
- (BOOL)splitViewController:(UISplitViewController *)splitViewController
    showViewController:(UIViewController *)vc
                sender:(nullable id)sender API_AVAILABLE(ios(8.0));
- (BOOL)splitViewController:(UISplitViewController *)splitViewController
    showDetailViewController:(UIViewController *)vc
                      sender:(nullable id)sender API_AVAILABLE(ios(8.0));
- (nullable UIViewController *)primaryViewControllerForCollapsingSplitViewController:
    (UISplitViewController *)splitViewController API_AVAILABLE(ios(8.0));
- (nullable UIViewController *)primaryViewControllerForExpandingSplitViewController:
    (UISplitViewController *)splitViewController API_AVAILABLE(ios(8.0));
- (BOOL)splitViewController:(UISplitViewController *)splitViewController
    collapseSecondaryViewController:(UIViewController *)secondaryViewController
          ontoPrimaryViewController:(UIViewController *)primaryViewController API_AVAILABLE(ios(8.0));
- (nullable UIViewController *)splitViewController:(UISplitViewController *)splitViewController
    separateSecondaryViewControllerFromPrimaryViewController:(UIViewController *)primaryViewController
    API_AVAILABLE(ios(8.0));
- (UIInterfaceOrientationMask)splitViewControllerSupportedInterfaceOrientations:
    (UISplitViewController *)splitViewController API_AVAILABLE(ios(7.0));
- (void)splitViewController:(UISplitViewController *)svc
     willHideViewController:(UIViewController *)aViewController
          withBarButtonItem:(UIBarButtonItem *)barButtonItem
       forPopoverController:(UIPopoverController *)pc API_DEPRECATED("", ios(2.0, 8.0));
- (void)splitViewController:(UISplitViewController *)svc
     willShowViewController:(UIViewController *)aViewController
    invalidatingBarButtonItem:(UIBarButtonItem *)barButtonItem API_DEPRECATED("", ios(2.0, 8.0));
- (BOOL)splitViewController:(UISplitViewController *)svc
    shouldHideViewController:(UIViewController *)vc
               inOrientation:(UIInterfaceOrientation)orientation API_DEPRECATED("", ios(5.0, 8.0));
@end

NS_ASSUME_NONNULL_END
