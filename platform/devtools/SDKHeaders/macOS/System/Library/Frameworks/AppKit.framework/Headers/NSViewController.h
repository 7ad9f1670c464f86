/* NSViewController.h: view controllers: loading a view from a nib or storyboard, lifecycle and presentation. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSResponder.h>
#import <AppKit/NSStoryboardSegue.h>
#import <AppKit/NSUserInterfaceItemIdentification.h>

@class NSView, NSStoryboard, NSWindow;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSNibName NS_TYPED_EXTENSIBLE_ENUM;

typedef NS_OPTIONS(NSUInteger, NSViewControllerTransitionOptions) {
    NSViewControllerTransitionNone = 0x0,
    NSViewControllerTransitionCrossfade = 0x1,
    NSViewControllerTransitionSlideUp = 0x10,
    NSViewControllerTransitionSlideDown = 0x20,
    NSViewControllerTransitionSlideLeft = 0x40,
    NSViewControllerTransitionSlideRight = 0x80,
    NSViewControllerTransitionSlideForward = 0x140,
    NSViewControllerTransitionSlideBackward = 0x180,
    NSViewControllerTransitionAllowUserInteraction = 0x1000,
} API_AVAILABLE(macos(10.10));

API_AVAILABLE(macos(10.5))
@interface NSViewController : NSResponder <NSSeguePerforming, NSUserInterfaceItemIdentification>

- (instancetype)initWithNibName:(nullable NSNibName)nibNameOrNil
                         bundle:(nullable NSBundle *)nibBundleOrNil NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@property (nullable, readonly, copy) NSNibName nibName;
@property (nullable, readonly, strong) NSBundle *nibBundle;
@property (nullable, strong) id representedObject;
@property (nullable, copy) NSString *title;
@property (strong) NSView *view;
- (void)loadView;
@property (readonly, getter=isViewLoaded) BOOL viewLoaded API_AVAILABLE(macos(10.10));
- (void)viewDidLoad API_AVAILABLE(macos(10.10));
- (void)viewWillAppear API_AVAILABLE(macos(10.10));
- (void)viewDidAppear API_AVAILABLE(macos(10.10));
- (void)viewWillDisappear API_AVAILABLE(macos(10.10));
- (void)viewDidDisappear API_AVAILABLE(macos(10.10));
- (void)viewWillLayout API_AVAILABLE(macos(10.10));
- (void)viewDidLayout API_AVAILABLE(macos(10.10));
- (void)updateViewConstraints API_AVAILABLE(macos(10.10));
@property NSSize preferredContentSize API_AVAILABLE(macos(10.10));

- (void)presentViewControllerAsSheet:(NSViewController *)viewController API_AVAILABLE(macos(10.10));
- (void)presentViewControllerAsModalWindow:(NSViewController *)viewController API_AVAILABLE(macos(10.10));
- (void)dismissViewController:(NSViewController *)viewController API_AVAILABLE(macos(10.10));
- (IBAction)dismissController:(nullable id)sender API_AVAILABLE(macos(10.10));
@property (nullable, readonly) NSArray<__kindof NSViewController *> *presentedViewControllers API_AVAILABLE(macos(10.10));
@property (nullable, readonly, unsafe_unretained) NSViewController *presentingViewController API_AVAILABLE(macos(10.10));

@property (nullable, readonly) NSViewController *parentViewController API_AVAILABLE(macos(10.10));
@property (copy) NSArray<__kindof NSViewController *> *childViewControllers API_AVAILABLE(macos(10.10));
- (void)addChildViewController:(NSViewController *)childViewController API_AVAILABLE(macos(10.10));
- (void)removeFromParentViewController API_AVAILABLE(macos(10.10));
- (void)insertChildViewController:(NSViewController *)childViewController
                          atIndex:(NSInteger)index API_AVAILABLE(macos(10.10));
- (void)removeChildViewControllerAtIndex:(NSInteger)index API_AVAILABLE(macos(10.10));
- (void)transitionFromViewController:(NSViewController *)fromViewController
                    toViewController:(NSViewController *)toViewController
                             options:(NSViewControllerTransitionOptions)options
                   completionHandler:(void (^_Nullable)(void))completion API_AVAILABLE(macos(10.10));

@property (nullable, readonly, strong) NSStoryboard *storyboard API_AVAILABLE(macos(10.10));

@end

NS_ASSUME_NONNULL_END
