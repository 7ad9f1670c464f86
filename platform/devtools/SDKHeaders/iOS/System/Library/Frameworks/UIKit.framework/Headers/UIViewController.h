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
#import <UIKit/UIView.h>
#import <UIKit/NSLayoutAnchor.h>

@class UIView, UINavigationItem, UIBarButtonItem, UITabBarItem, UIStoryboard, UIStoryboardSegue, UINavigationController,
    UITabBarController, UISplitViewController, UIPresentationController, UIPopoverPresentationController;
@protocol UIViewControllerTransitioningDelegate, UIViewControllerTransitionCoordinator;


NS_ASSUME_NONNULL_BEGIN

/* What a view controller's children and the objects they are presented in tell each other of size changes. */
@protocol UIContentContainer <NSObject>
@property (nonatomic, readonly) CGSize preferredContentSize API_AVAILABLE(ios(8.0));
- (void)preferredContentSizeDidChangeForChildContentContainer:(id<UIContentContainer>)container
    API_AVAILABLE(ios(8.0));
- (void)systemLayoutFittingSizeDidChangeForChildContentContainer:(id<UIContentContainer>)container
    API_AVAILABLE(ios(8.0));
- (CGSize)sizeForChildContentContainer:(id<UIContentContainer>)container
               withParentContainerSize:(CGSize)parentSize API_AVAILABLE(ios(8.0));
- (void)viewWillTransitionToSize:(CGSize)size
       withTransitionCoordinator:(id<UIViewControllerTransitionCoordinator>)coordinator API_AVAILABLE(ios(8.0));
- (void)willTransitionToTraitCollection:(UITraitCollection *)newCollection
              withTransitionCoordinator:(id<UIViewControllerTransitionCoordinator>)coordinator
    API_AVAILABLE(ios(8.0));
@end

/* The top and bottom layout guides of a view controller's view, from before the safe area. */
@protocol UILayoutSupport <NSObject>
@property (nonatomic, readonly) CGFloat length;
@property (readonly, strong) NSLayoutYAxisAnchor *topAnchor API_AVAILABLE(ios(9.0));
@property (readonly, strong) NSLayoutYAxisAnchor *bottomAnchor API_AVAILABLE(ios(9.0));
@property (readonly, strong) NSLayoutDimension *heightAnchor API_AVAILABLE(ios(9.0));
@end

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

@interface UIViewController : UIResponder <NSCoding, UIAppearanceContainer, UITraitEnvironment, UIContentContainer>

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

@property (nullable, nonatomic, weak) id<UIViewControllerTransitioningDelegate> transitioningDelegate
    API_AVAILABLE(ios(7.0));
@property (nonatomic) BOOL modalPresentationCapturesStatusBarAppearance API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly) UIStatusBarAnimation preferredStatusBarUpdateAnimation API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly, nullable) UIViewController *childViewControllerForStatusBarStyle
    API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly, nullable) UIViewController *childViewControllerForStatusBarHidden
    API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly, nullable) UIViewController *childViewControllerForHomeIndicatorAutoHidden
    API_AVAILABLE(ios(11.0));
@property (nonatomic, readonly) BOOL prefersHomeIndicatorAutoHidden API_AVAILABLE(ios(11.0));
- (void)setNeedsUpdateOfHomeIndicatorAutoHidden API_AVAILABLE(ios(11.0));
@property (nonatomic, readonly, strong) id<UILayoutSupport> topLayoutGuide
    API_DEPRECATED("Use view.safeAreaLayoutGuide.topAnchor instead", ios(7.0, 11.0));
@property (nonatomic, readonly, strong) id<UILayoutSupport> bottomLayoutGuide
    API_DEPRECATED("Use view.safeAreaLayoutGuide.bottomAnchor instead", ios(7.0, 11.0));
@property (nonatomic) BOOL viewRespectsSystemMinimumLayoutMargins API_AVAILABLE(ios(11.0));
@property (nonatomic, readonly) NSDirectionalEdgeInsets systemMinimumLayoutMargins API_AVAILABLE(ios(11.0));
@property (nonatomic) CGSize contentSizeForViewInPopover
    API_DEPRECATED("Use preferredContentSize instead", ios(3.2, 7.0));
@property (nonatomic, assign) BOOL wantsFullScreenLayout API_DEPRECATED("", ios(3.0, 7.0));
@property (nonatomic, readonly) UIInterfaceOrientation interfaceOrientation API_DEPRECATED("", ios(2.0, 8.0));
- (void)willRotateToInterfaceOrientation:(UIInterfaceOrientation)toInterfaceOrientation
                                duration:(NSTimeInterval)duration API_DEPRECATED("", ios(2.0, 8.0));
- (void)didRotateFromInterfaceOrientation:(UIInterfaceOrientation)fromInterfaceOrientation
    API_DEPRECATED("", ios(2.0, 8.0));
- (void)willAnimateRotationToInterfaceOrientation:(UIInterfaceOrientation)toInterfaceOrientation
                                         duration:(NSTimeInterval)duration API_DEPRECATED("", ios(3.0, 8.0));
+ (void)attemptRotationToDeviceOrientation API_DEPRECATED("", ios(5.0, 16.0));
- (BOOL)automaticallyForwardAppearanceAndRotationMethodsToChildViewControllers API_DEPRECATED("", ios(5.0, 6.0));
@property (nonatomic, readonly) BOOL shouldAutomaticallyForwardAppearanceMethods API_AVAILABLE(ios(6.0));
- (void)showViewController:(UIViewController *)vc sender:(nullable id)sender API_AVAILABLE(ios(8.0));
- (void)showDetailViewController:(UIViewController *)vc sender:(nullable id)sender API_AVAILABLE(ios(8.0));
- (nullable UIViewController *)targetViewControllerForAction:(SEL)action sender:(nullable id)sender
    API_AVAILABLE(ios(8.0));
- (void)setOverrideTraitCollection:(nullable UITraitCollection *)collection
            forChildViewController:(UIViewController *)childViewController API_AVAILABLE(ios(8.0));
- (nullable UITraitCollection *)overrideTraitCollectionForChildViewController:(UIViewController *)childViewController
    API_AVAILABLE(ios(8.0));
@property (nullable, nonatomic, readonly, strong) UISplitViewController *splitViewController API_AVAILABLE(ios(8.0));
@property (nullable, nonatomic, readonly) UIPopoverPresentationController *popoverPresentationController
    API_AVAILABLE(ios(8.0));
- (void)addKeyCommand:(UIKeyCommand *)keyCommand API_AVAILABLE(ios(9.0));
- (void)removeKeyCommand:(UIKeyCommand *)keyCommand API_AVAILABLE(ios(9.0));

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
                             options:(UIViewAnimationOptions)options
                          animations:(void (^__nullable)(void))animations
                          completion:(void (^__nullable)(BOOL finished))completion API_AVAILABLE(ios(5.0));
#endif
- (void)beginAppearanceTransition:(BOOL)isAppearing animated:(BOOL)animated API_AVAILABLE(ios(5.0));
- (void)endAppearanceTransition API_AVAILABLE(ios(5.0));
@end

UIKIT_EXTERN NSExceptionName const UIViewControllerHierarchyInconsistencyException API_AVAILABLE(ios(5.0));

NS_ASSUME_NONNULL_END
