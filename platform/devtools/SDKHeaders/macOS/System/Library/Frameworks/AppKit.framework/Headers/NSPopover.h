/* NSPopover.h: popovers: content shown next to a view, with an arrow, and their delegate. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSResponder.h>
#import <AppKit/NSViewController.h>

NS_ASSUME_NONNULL_BEGIN

@class NSView, NSWindow, NSAppearance;
@protocol NSPopoverDelegate;

typedef NS_ENUM(NSInteger, NSPopoverAppearance) {
    NSPopoverAppearanceMinimal = 0,
    NSPopoverAppearanceHUD = 1
} API_DEPRECATED("Use NSAppearance instead", macos(10.7, 10.10));

typedef NS_ENUM(NSInteger, NSPopoverBehavior) {
    NSPopoverBehaviorApplicationDefined = 0,
    NSPopoverBehaviorTransient = 1,
    NSPopoverBehaviorSemitransient = 2
} API_AVAILABLE(macos(10.7));

API_AVAILABLE(macos(10.7))
@interface NSPopover : NSResponder
- (instancetype)init NS_DESIGNATED_INITIALIZER;
@property (nullable, weak) IBOutlet id<NSPopoverDelegate> delegate;
@property (nullable, strong) NSAppearance *appearance;
@property (readonly, strong) NSAppearance *effectiveAppearance API_AVAILABLE(macos(10.10));
@property NSPopoverBehavior behavior;
@property BOOL animates;
@property (nullable, strong) IBOutlet NSViewController *contentViewController;
@property NSSize contentSize;
@property (readonly, getter=isShown) BOOL shown;
@property (readonly, getter=isDetached) BOOL detached API_AVAILABLE(macos(10.10));
@property NSRect positioningRect;
- (void)showRelativeToRect:(NSRect)positioningRect ofView:(NSView *)positioningView preferredEdge:(NSRectEdge)preferredEdge;
- (IBAction)performClose:(nullable id)sender;
- (void)close;
@end

APPKIT_EXTERN NSNotificationName const NSPopoverWillShowNotification API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSNotificationName const NSPopoverDidShowNotification API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSNotificationName const NSPopoverWillCloseNotification API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSNotificationName const NSPopoverDidCloseNotification API_AVAILABLE(macos(10.7));

@protocol NSPopoverDelegate <NSObject>
@optional
- (BOOL)popoverShouldClose:(NSPopover *)popover;
- (BOOL)popoverShouldDetach:(NSPopover *)popover API_AVAILABLE(macos(10.10));
- (nullable NSWindow *)detachableWindowForPopover:(NSPopover *)popover;
- (void)popoverWillShow:(NSNotification *)notification;
- (void)popoverDidShow:(NSNotification *)notification;
- (void)popoverWillClose:(NSNotification *)notification;
- (void)popoverDidClose:(NSNotification *)notification;
@end

@interface NSViewController (NSPopoverPresentation)
- (void)presentViewController:(NSViewController *)viewController
      asPopoverRelativeToRect:(NSRect)positioningRect
                       ofView:(NSView *)positioningView
                preferredEdge:(NSRectEdge)preferredEdge
                     behavior:(NSPopoverBehavior)behavior API_AVAILABLE(macos(10.10));
@end

NS_ASSUME_NONNULL_END
