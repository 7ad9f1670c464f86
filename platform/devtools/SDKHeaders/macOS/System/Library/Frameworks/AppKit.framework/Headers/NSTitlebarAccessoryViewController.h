/* NSTitlebarAccessoryViewController.h: view controllers whose view sits in a window's title bar. */
#import <AppKit/NSViewController.h>
#import <AppKit/NSLayoutConstraint.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.10))
@interface NSTitlebarAccessoryViewController : NSViewController <NSAnimationDelegate, NSAnimatablePropertyContainer>
@property NSLayoutAttribute layoutAttribute;
@property CGFloat fullScreenMinHeight;
@property BOOL isHidden API_AVAILABLE(macos(10.12));
@property BOOL automaticallyAdjustsSize API_AVAILABLE(macos(10.14));
- (void)viewWillAppear NS_REQUIRES_SUPER;
- (void)viewDidAppear NS_REQUIRES_SUPER;
- (void)viewDidDisappear NS_REQUIRES_SUPER;
@end

NS_ASSUME_NONNULL_END
