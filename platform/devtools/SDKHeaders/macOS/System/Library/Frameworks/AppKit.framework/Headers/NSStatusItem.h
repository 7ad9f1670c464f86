/* NSStatusItem.h: status items: an item of the status bar with its button, menu, length and visibility. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSStatusBar.h>
#import <AppKit/NSButton.h>
#import <AppKit/NSMenu.h>

NS_ASSUME_NONNULL_BEGIN

@class NSStatusBarButton, NSImage, NSView, NSWindow, NSEvent;

typedef NSString *NSStatusItemAutosaveName NS_TYPED_EXTENSIBLE_ENUM;

typedef NS_OPTIONS(NSUInteger, NSStatusItemBehavior) {
    NSStatusItemBehaviorRemovalAllowed = (1 << 1),
    NSStatusItemBehaviorTerminationOnRemoval = (1 << 2),
} API_AVAILABLE(macos(10.12));

@interface NSStatusItem : NSObject
@property (readonly, weak) NSStatusBar *statusBar;
@property CGFloat length;
@property (nullable, strong) NSMenu *menu;
@property (nullable, readonly, strong) NSStatusBarButton *button API_AVAILABLE(macos(10.10));
@property NSStatusItemBehavior behavior API_AVAILABLE(macos(10.12));
@property (getter=isVisible) BOOL visible API_AVAILABLE(macos(10.12));
@property (null_resettable, copy) NSStatusItemAutosaveName autosaveName API_AVAILABLE(macos(10.12));
@end

@interface NSStatusItem (NSStatusItemDeprecated)
@property (nullable) SEL action API_DEPRECATED("Use the receiver's button.action instead", macos(10.0, 10.14));
@property (nullable) SEL doubleAction API_DEPRECATED("Use the receiver's button.doubleAction instead", macos(10.0, 10.14));
@property (nullable, weak) id target API_DEPRECATED("Use the receiver's button.target instead", macos(10.0, 10.14));
@property (nullable, copy) NSString *title API_DEPRECATED("Use the receiver's button.title instead", macos(10.0, 10.14));
@property (nullable, copy) NSAttributedString *attributedTitle API_DEPRECATED("Use the receiver's button.attributedTitle instead", macos(10.0, 10.14));
@property (nullable, strong) NSImage *image API_DEPRECATED("Use the receiver's button.image instead", macos(10.0, 10.14));
@property (nullable, strong) NSImage *alternateImage API_DEPRECATED("Use the receiver's button.alternateImage instead", macos(10.0, 10.14));
@property (getter=isEnabled) BOOL enabled API_DEPRECATED("Use the receiver's button.enabled instead", macos(10.0, 10.14));
@property BOOL highlightMode API_DEPRECATED("Use the receiver's button.cell.highlightsBy instead", macos(10.0, 10.14));
@property (nullable, copy) NSString *toolTip API_DEPRECATED("Use the receiver's button.toolTip instead", macos(10.0, 10.14));
@property (nullable, strong) NSView *view API_DEPRECATED("Use the standard button property instead", macos(10.0, 10.14));
- (void)popUpStatusItemMenu:(NSMenu *)menu API_DEPRECATED("Use the menu property instead", macos(10.0, 10.14));
- (void)drawStatusBarBackgroundInRect:(NSRect)rect withHighlight:(BOOL)highlight API_DEPRECATED("Use the standard button instead", macos(10.0, 10.14));
@end

API_AVAILABLE(macos(10.10))
@interface NSStatusBarButton : NSButton
@property BOOL appearsDisabled;
@end

NS_ASSUME_NONNULL_END
