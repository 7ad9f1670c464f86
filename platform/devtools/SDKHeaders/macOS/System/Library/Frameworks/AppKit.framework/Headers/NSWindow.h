/* NSWindow.h: windows: content, frame, style, ordering, key and main status, sheets and the window delegate. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSResponder.h>
#import <AppKit/NSGraphics.h>

@class NSView, NSViewController, NSWindowController, NSColor, NSImage, NSScreen, NSEvent, NSToolbar, NSButton;
@protocol NSWindowDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSWindowStyleMask) {
    NSWindowStyleMaskBorderless = 0,
    NSWindowStyleMaskTitled = 1 << 0,
    NSWindowStyleMaskClosable = 1 << 1,
    NSWindowStyleMaskMiniaturizable = 1 << 2,
    NSWindowStyleMaskResizable = 1 << 3,
    NSWindowStyleMaskUnifiedTitleAndToolbar = 1 << 12,
    NSWindowStyleMaskFullScreen API_AVAILABLE(macos(10.7)) = 1 << 14,
    NSWindowStyleMaskFullSizeContentView API_AVAILABLE(macos(10.10)) = 1 << 15,
    NSWindowStyleMaskUtilityWindow = 1 << 4,
    NSWindowStyleMaskDocModalWindow = 1 << 6,
    NSWindowStyleMaskNonactivatingPanel = 1 << 7,
    NSWindowStyleMaskHUDWindow API_AVAILABLE(macos(10.6)) = 1 << 13
};

typedef NS_ENUM(NSInteger, NSWindowTitleVisibility) {
    NSWindowTitleVisible = 0,
    NSWindowTitleHidden = 1,
} API_AVAILABLE(macos(10.10));

typedef NSInteger NSWindowLevel NS_TYPED_EXTENSIBLE_ENUM;
static const NSWindowLevel NSNormalWindowLevel = 0;
static const NSWindowLevel NSFloatingWindowLevel = 3;
static const NSWindowLevel NSModalPanelWindowLevel = 8;

/* The result of a modal session or sheet. */
typedef NSInteger NSModalResponse NS_TYPED_EXTENSIBLE_ENUM;
static const NSModalResponse NSModalResponseStop API_AVAILABLE(macos(10.9)) = (-1000);
static const NSModalResponse NSModalResponseAbort API_AVAILABLE(macos(10.9)) = (-1001);
static const NSModalResponse NSModalResponseContinue API_AVAILABLE(macos(10.9)) = (-1002);
static const NSModalResponse NSModalResponseOK API_AVAILABLE(macos(10.9)) = 1;
static const NSModalResponse NSModalResponseCancel API_AVAILABLE(macos(10.9)) = 0;

typedef NSString *NSWindowFrameAutosaveName NS_TYPED_EXTENSIBLE_ENUM;

@interface NSWindow : NSResponder

+ (instancetype)windowWithContentViewController:(NSViewController *)contentViewController API_AVAILABLE(macos(10.10));
- (instancetype)initWithContentRect:(NSRect)contentRect
                          styleMask:(NSWindowStyleMask)style
                            backing:(NSBackingStoreType)backingStoreType
                              defer:(BOOL)flag NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContentRect:(NSRect)contentRect
                          styleMask:(NSWindowStyleMask)style
                            backing:(NSBackingStoreType)backingStoreType
                              defer:(BOOL)flag
                             screen:(nullable NSScreen *)screen;
- (instancetype)initWithCoder:(NSCoder *)coder NS_UNAVAILABLE;

@property (copy) NSString *title;
@property (nullable, copy) NSString *subtitle API_AVAILABLE(macos(11.0));
@property NSWindowTitleVisibility titleVisibility API_AVAILABLE(macos(10.10));
@property BOOL titlebarAppearsTransparent API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSURL *representedURL API_AVAILABLE(macos(10.5));
@property (nullable, strong) __kindof NSView *contentView;
@property (nullable, strong) NSViewController *contentViewController API_AVAILABLE(macos(10.10));
@property (nullable, weak) id<NSWindowDelegate> delegate;
@property (nullable, weak) __kindof NSWindowController *windowController;
@property NSWindowStyleMask styleMask;
@property (readonly) NSRect frame;
- (void)setFrame:(NSRect)frameRect display:(BOOL)flag;
- (void)setFrame:(NSRect)frameRect display:(BOOL)displayFlag animate:(BOOL)animateFlag;
- (void)setFrameOrigin:(NSPoint)point;
- (void)setContentSize:(NSSize)size;
@property NSSize minSize;
@property NSSize maxSize;
@property NSSize contentMinSize;
@property NSSize contentMaxSize;
- (BOOL)setFrameAutosaveName:(NSWindowFrameAutosaveName)name;
@property (readonly, copy) NSWindowFrameAutosaveName frameAutosaveName;
- (void)center;
@property (nullable, copy) NSColor *backgroundColor;
@property CGFloat alphaValue;
@property (getter=isOpaque) BOOL opaque;
@property BOOL hasShadow;
@property BOOL releasedWhenClosed;
@property (getter=isMovableByWindowBackground) BOOL movableByWindowBackground;
@property NSWindowLevel level;
@property (nullable, readonly, strong) NSScreen *screen;
@property (readonly) CGFloat backingScaleFactor API_AVAILABLE(macos(10.7));
@property (nullable, strong) NSToolbar *toolbar;

- (void)makeKeyAndOrderFront:(nullable id)sender;
- (void)orderFront:(nullable id)sender;
- (void)orderBack:(nullable id)sender;
- (void)orderOut:(nullable id)sender;
- (void)orderFrontRegardless;
- (void)makeKeyWindow;
- (void)makeMainWindow;
- (void)becomeKeyWindow;
- (void)resignKeyWindow;
@property (readonly, getter=isKeyWindow) BOOL keyWindow;
@property (readonly, getter=isMainWindow) BOOL mainWindow;
@property (readonly, getter=isVisible) BOOL visible;
@property (readonly, getter=isMiniaturized) BOOL miniaturized;
@property (readonly, getter=isZoomed) BOOL zoomed;
- (void)close;
- (void)performClose:(nullable id)sender;
- (void)miniaturize:(nullable id)sender;
- (void)deminiaturize:(nullable id)sender;
- (void)zoom:(nullable id)sender;
- (void)toggleFullScreen:(nullable id)sender API_AVAILABLE(macos(10.7));

- (BOOL)makeFirstResponder:(nullable NSResponder *)responder;
@property (nullable, readonly, weak) NSResponder *firstResponder;
@property (nullable, weak) NSView *initialFirstResponder;
- (void)sendEvent:(NSEvent *)event;
- (NSPoint)convertPointToScreen:(NSPoint)point API_AVAILABLE(macos(10.12));
- (NSPoint)convertPointFromScreen:(NSPoint)point API_AVAILABLE(macos(10.12));
- (NSRect)convertRectToScreen:(NSRect)rect API_AVAILABLE(macos(10.7));
- (NSRect)convertRectFromScreen:(NSRect)rect API_AVAILABLE(macos(10.7));

#if defined(__BLOCKS__)
- (void)beginSheet:(NSWindow *)sheetWindow
    completionHandler:(void (^_Nullable)(NSModalResponse returnCode))handler API_AVAILABLE(macos(10.9));
#endif
- (void)endSheet:(NSWindow *)sheetWindow API_AVAILABLE(macos(10.9));
- (void)endSheet:(NSWindow *)sheetWindow returnCode:(NSModalResponse)returnCode API_AVAILABLE(macos(10.9));
@property (nullable, readonly, strong) NSWindow *attachedSheet;
@property (readonly, getter=isSheet) BOOL sheet;
@property (nullable, readonly, strong) NSWindow *sheetParent API_AVAILABLE(macos(10.9));

- (nullable NSButton *)standardWindowButton:(NSInteger)b;

- (void)becomeMainWindow;
- (void)resignMainWindow;
@end

@protocol NSWindowDelegate <NSObject>
@optional
- (BOOL)windowShouldClose:(NSWindow *)sender;
- (NSSize)windowWillResize:(NSWindow *)sender toSize:(NSSize)frameSize;
- (void)windowDidResize:(NSNotification *)notification;
- (void)windowDidMove:(NSNotification *)notification;
- (void)windowDidBecomeKey:(NSNotification *)notification;
- (void)windowDidResignKey:(NSNotification *)notification;
- (void)windowDidBecomeMain:(NSNotification *)notification;
- (void)windowDidResignMain:(NSNotification *)notification;
- (void)windowWillClose:(NSNotification *)notification;
- (void)windowDidMiniaturize:(NSNotification *)notification;
- (void)windowDidDeminiaturize:(NSNotification *)notification;
- (void)windowDidEnterFullScreen:(NSNotification *)notification API_AVAILABLE(macos(10.7));
- (void)windowDidExitFullScreen:(NSNotification *)notification API_AVAILABLE(macos(10.7));
@end

APPKIT_EXTERN NSNotificationName NSWindowDidBecomeKeyNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidBecomeMainNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidResizeNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidResignKeyNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidResignMainNotification;
APPKIT_EXTERN NSNotificationName NSWindowWillCloseNotification;

NS_ASSUME_NONNULL_END
