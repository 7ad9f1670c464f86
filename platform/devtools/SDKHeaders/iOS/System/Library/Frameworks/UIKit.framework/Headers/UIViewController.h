/*
 * UIViewController.h: view controllers: loading their view (from code, a nib or a storyboard), the appearance
 * callbacks, presentation, containment, segues, rotation and the status bar.
 */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIResponder.h>
#import <UIKit/UIApplication.h>
#import <UIKit/UITraitCollection.h>
#import <UIKit/UIAppearance.h>
#import <UIKit/UIGeometry.h>

@class UIView, UINavigationItem, UIBarButtonItem, UITabBarItem, UIStoryboard, UIStoryboardSegue, UINavigationController,
    UITabBarController, UISplitViewController, UIPresentationController;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIModalTransitionStyle) {
    UIModalTransitionStyleCoverVertical = 0,
    UIModalTransitionStyleFlipHorizontal,
    UIModalTransitionStyleCrossDissolve,
    UIModalTransitionStylePartialCurl,
};

typedef NS_ENUM(NSInteger, UIModalPresentationStyle) {
    UIModalPresentationFullScreen = 0,
    UIModalPresentationPageSheet,
    UIModalPresentationFormSheet,
    UIModalPresentationCurrentContext,
    UIModalPresentationCustom API_AVAILABLE(ios(7.0)),
    UIModalPresentationOverFullScreen API_AVAILABLE(ios(8.0)),
    UIModalPresentationOverCurrentContext API_AVAILABLE(ios(8.0)),
    UIModalPresentationPopover API_AVAILABLE(ios(8.0)),
    UIModalPresentationNone API_AVAILABLE(ios(7.0)) = -1,
    UIModalPresentationAutomatic API_AVAILABLE(ios(13.0)) = -2,
};

@interface UIViewController : UIResponder <NSCoding, UIAppearanceContainer, UITraitEnvironment>

- (instancetype)initWithNibName:(nullable NSString *)nibNameOrNil
                         bundle:(nullable NSBundle *)nibBundleOrNil NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@property (null_resettable, nonatomic, strong) UIView *view;
- (void)loadView;
- (void)loadViewIfNeeded API_AVAILABLE(ios(9.0));
@property (nullable, nonatomic, readonly, strong) UIView *viewIfLoaded API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, getter=isViewLoaded) BOOL viewLoaded API_AVAILABLE(ios(3.0));
- (void)viewDidLoad;
- (void)viewWillUnload API_DEPRECATED("", ios(5.0, 6.0));
- (void)viewDidUnload API_DEPRECATED("", ios(3.0, 6.0));

@property (nullable, nonatomic, readonly, copy) NSString *nibName;
@property (nullable, nonatomic, readonly, strong) NSBundle *nibBundle;
@property (nullable, nonatomic, readonly, strong) UIStoryboard *storyboard API_AVAILABLE(ios(5.0));

- (void)performSegueWithIdentifier:(NSString *)identifier sender:(nullable id)sender API_AVAILABLE(ios(5.0));
- (BOOL)shouldPerformSegueWithIdentifier:(NSString *)identifier sender:(nullable id)sender API_AVAILABLE(ios(6.0));
- (void)prepareForSegue:(UIStoryboardSegue *)segue sender:(nullable id)sender API_AVAILABLE(ios(5.0));
- (IBAction)unwindForSegue:(UIStoryboardSegue *)unwindSegue
    towardsViewController:(UIViewController *)subsequentVC API_AVAILABLE(ios(13.0));

- (void)viewWillAppear:(BOOL)animated;
- (void)viewIsAppearing:(BOOL)animated API_AVAILABLE(ios(13.0));
- (void)viewDidAppear:(BOOL)animated;
- (void)viewWillDisappear:(BOOL)animated;
- (void)viewDidDisappear:(BOOL)animated;
- (void)viewWillLayoutSubviews API_AVAILABLE(ios(5.0));
- (void)viewDidLayoutSubviews API_AVAILABLE(ios(5.0));
- (void)viewSafeAreaInsetsDidChange API_AVAILABLE(ios(11.0)) NS_REQUIRES_SUPER;
- (void)updateViewConstraints API_AVAILABLE(ios(6.0)) NS_REQUIRES_SUPER;

@property (nullable, nonatomic, copy) NSString *title;
- (void)didReceiveMemoryWarning;

@property (nullable, nonatomic, weak, readonly) UIViewController *parentViewController;
@property (nullable, nonatomic, readonly) UIViewController *presentedViewController API_AVAILABLE(ios(5.0));
@property (nullable, nonatomic, readonly) UIViewController *presentingViewController API_AVAILABLE(ios(5.0));
@property (nonatomic) BOOL definesPresentationContext API_AVAILABLE(ios(5.0));
@property (nonatomic) BOOL providesPresentationContextTransitionStyle API_AVAILABLE(ios(5.0));
@property (nonatomic, getter=isModalInPresentation) BOOL modalInPresentation API_AVAILABLE(ios(13.0));
@property (nonatomic, readonly, getter=isBeingPresented) BOOL beingPresented API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly, getter=isBeingDismissed) BOOL beingDismissed API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly, getter=isMovingToParentViewController) BOOL movingToParentViewController
    API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly, getter=isMovingFromParentViewController) BOOL movingFromParentViewController
    API_AVAILABLE(ios(5.0));

#if defined(__BLOCKS__)
- (void)presentViewController:(UIViewController *)viewControllerToPresent
                     animated:(BOOL)flag
                   completion:(void (^__nullable)(void))completion API_AVAILABLE(ios(5.0));
- (void)dismissViewControllerAnimated:(BOOL)flag completion:(void (^__nullable)(void))completion API_AVAILABLE(ios(5.0));
#endif
- (void)presentModalViewController:(UIViewController *)modalViewController
                          animated:(BOOL)animated API_DEPRECATED("", ios(2.0, 6.0));
- (void)dismissModalViewControllerAnimated:(BOOL)animated API_DEPRECATED("", ios(2.0, 6.0));

@property (nonatomic) UIModalTransitionStyle modalTransitionStyle API_AVAILABLE(ios(3.0));
@property (nonatomic) UIModalPresentationStyle modalPresentationStyle API_AVAILABLE(ios(3.2));
@property (nullable, nonatomic, strong, readonly) UIPresentationController *presentationController
    API_AVAILABLE(ios(8.0));

@property (nonatomic) UIRectEdge edgesForExtendedLayout API_AVAILABLE(ios(7.0));
@property (nonatomic) BOOL extendedLayoutIncludesOpaqueBars API_AVAILABLE(ios(7.0));
@property (nonatomic) BOOL automaticallyAdjustsScrollViewInsets
    API_DEPRECATED("Use UIScrollView's contentInsetAdjustmentBehavior instead", ios(7.0, 11.0));
@property (nonatomic) CGSize preferredContentSize API_AVAILABLE(ios(7.0));
@property (nonatomic) UIEdgeInsets additionalSafeAreaInsets API_AVAILABLE(ios(11.0));

@property (nonatomic, readonly) UIStatusBarStyle preferredStatusBarStyle API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly) BOOL prefersStatusBarHidden API_AVAILABLE(ios(7.0));
- (void)setNeedsStatusBarAppearanceUpdate API_AVAILABLE(ios(7.0));

@property (nonatomic, readonly) BOOL shouldAutorotate API_DEPRECATED("", ios(6.0, 16.0));
@property (nonatomic, readonly) UIInterfaceOrientationMask supportedInterfaceOrientations API_AVAILABLE(ios(6.0));
@property (nonatomic, readonly) UIInterfaceOrientation preferredInterfaceOrientationForPresentation
    API_AVAILABLE(ios(6.0));
- (BOOL)shouldAutorotateToInterfaceOrientation:(UIInterfaceOrientation)toInterfaceOrientation
    API_DEPRECATED("", ios(2.0, 6.0));

@property (nonatomic, getter=isEditing) BOOL editing;
- (void)setEditing:(BOOL)editing animated:(BOOL)animated;
@property (nonatomic, readonly) UIBarButtonItem *editButtonItem;

@property (nonatomic) UIUserInterfaceStyle overrideUserInterfaceStyle API_AVAILABLE(ios(13.0));

@end

@interface UIViewController (UIContainerViewControllerProtectedMethods)
@property (nonatomic, readonly) NSArray<__kindof UIViewController *> *childViewControllers API_AVAILABLE(ios(5.0));
- (void)addChildViewController:(UIViewController *)childController API_AVAILABLE(ios(5.0));
- (void)removeFromParentViewController API_AVAILABLE(ios(5.0));
- (void)willMoveToParentViewController:(nullable UIViewController *)parent API_AVAILABLE(ios(5.0));
- (void)didMoveToParentViewController:(nullable UIViewController *)parent API_AVAILABLE(ios(5.0));
#if defined(__BLOCKS__)
- (void)transitionFromViewController:(UIViewController *)fromViewController
                    toViewController:(UIViewController *)toViewController
                            duration:(NSTimeInterval)duration
                             options:(NSUInteger)options
                          animations:(void (^__nullable)(void))animations
                          completion:(void (^__nullable)(BOOL finished))completion API_AVAILABLE(ios(5.0));
#endif
- (void)beginAppearanceTransition:(BOOL)isAppearing animated:(BOOL)animated API_AVAILABLE(ios(5.0));
- (void)endAppearanceTransition API_AVAILABLE(ios(5.0));
@end

UIKIT_EXTERN NSExceptionName const UIViewControllerHierarchyInconsistencyException API_AVAILABLE(ios(5.0));

NS_ASSUME_NONNULL_END
