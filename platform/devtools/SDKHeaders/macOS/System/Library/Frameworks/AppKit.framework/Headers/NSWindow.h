/* NSWindow.h: windows: content, frame, style, ordering, key and main status, sheets and the window delegate. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSResponder.h>
#import <AppKit/NSGraphics.h>
#import <AppKit/NSEvent.h>
#import <AppKit/NSAnimation.h>
#import <AppKit/NSAppearance.h>
#import <AppKit/NSUserInterfaceValidation.h>
#import <AppKit/NSUserInterfaceItemIdentification.h>

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
static const NSWindowLevel NSSubmenuWindowLevel = 3;
static const NSWindowLevel NSTornOffMenuWindowLevel = 3;
static const NSWindowLevel NSMainMenuWindowLevel = 24;
static const NSWindowLevel NSStatusWindowLevel = 25;
static const NSWindowLevel NSPopUpMenuWindowLevel = 101;
static const NSWindowLevel NSScreenSaverWindowLevel = 1000;
static const NSWindowLevel NSDockWindowLevel API_DEPRECATED("", macos(10.0, 10.13)) = 20;

static const NSWindowStyleMask NSBorderlessWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskBorderless", macos(10.0, 10.12)) = NSWindowStyleMaskBorderless;
static const NSWindowStyleMask NSTitledWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskTitled", macos(10.0, 10.12)) = NSWindowStyleMaskTitled;
static const NSWindowStyleMask NSClosableWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskClosable", macos(10.0, 10.12)) = NSWindowStyleMaskClosable;
static const NSWindowStyleMask NSMiniaturizableWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskMiniaturizable", macos(10.0, 10.12)) = NSWindowStyleMaskMiniaturizable;
static const NSWindowStyleMask NSResizableWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskResizable", macos(10.0, 10.12)) = NSWindowStyleMaskResizable;
static const NSWindowStyleMask NSTexturedBackgroundWindowMask API_DEPRECATED("", macos(10.0, 10.12)) = 1 << 8;
static const NSWindowStyleMask NSUnifiedTitleAndToolbarWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskUnifiedTitleAndToolbar", macos(10.0, 10.12)) = NSWindowStyleMaskUnifiedTitleAndToolbar;
static const NSWindowStyleMask NSFullScreenWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskFullScreen", macos(10.7, 10.12)) = NSWindowStyleMaskFullScreen;
static const NSWindowStyleMask NSFullSizeContentViewWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskFullSizeContentView", macos(10.10, 10.12)) = NSWindowStyleMaskFullSizeContentView;
static const NSWindowStyleMask NSUtilityWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskUtilityWindow", macos(10.0, 10.12)) = NSWindowStyleMaskUtilityWindow;
static const NSWindowStyleMask NSDocModalWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskDocModalWindow", macos(10.0, 10.12)) = NSWindowStyleMaskDocModalWindow;
static const NSWindowStyleMask NSNonactivatingPanelMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskNonactivatingPanel", macos(10.0, 10.12)) = NSWindowStyleMaskNonactivatingPanel;
static const NSWindowStyleMask NSHUDWindowMask API_DEPRECATED_WITH_REPLACEMENT("NSWindowStyleMaskHUDWindow", macos(10.6, 10.12)) = NSWindowStyleMaskHUDWindow;

typedef NS_ENUM(NSUInteger, NSWindowSharingType) {
    NSWindowSharingNone = 0,
    NSWindowSharingReadOnly = 1,
    NSWindowSharingReadWrite = 2
};

typedef NS_ENUM(NSUInteger, NSWindowBackingLocation) {
    NSWindowBackingLocationDefault = 0,
    NSWindowBackingLocationVideoMemory = 1,
    NSWindowBackingLocationMainMemory = 2
};

typedef int NSWindowDepth;

typedef NS_ENUM(NSUInteger, NSWindowButton) {
    NSWindowCloseButton,
    NSWindowMiniaturizeButton,
    NSWindowZoomButton,
    NSWindowToolbarButton,
    NSWindowDocumentIconButton,
    NSWindowDocumentVersionsButton API_AVAILABLE(macos(10.7)) = 6,
};

typedef NS_ENUM(NSInteger, NSWindowToolbarStyle) {
    NSWindowToolbarStyleAutomatic,
    NSWindowToolbarStyleExpanded,
    NSWindowToolbarStylePreference,
    NSWindowToolbarStyleUnified,
    NSWindowToolbarStyleUnifiedCompact
} API_AVAILABLE(macos(11.0));

typedef NS_OPTIONS(NSUInteger, NSWindowOcclusionState) {
    NSWindowOcclusionStateVisible = 1UL << 1,
} API_AVAILABLE(macos(10.9));

typedef NS_ENUM(NSInteger, NSWindowNumberListOptions) {
    NSWindowNumberListAllApplications = 1 << 0,
    NSWindowNumberListAllSpaces = 1 << 4
} API_AVAILABLE(macos(10.6));

typedef NS_ENUM(NSInteger, NSSelectionDirection) {
    NSDirectSelection = 0,
    NSSelectingNext,
    NSSelectingPrevious
};

typedef NS_ENUM(NSInteger, NSWindowUserTabbingPreference) {
    NSWindowUserTabbingPreferenceManual,
    NSWindowUserTabbingPreferenceAlways,
    NSWindowUserTabbingPreferenceInFullScreen,
} API_AVAILABLE(macos(10.12));

typedef NS_ENUM(NSInteger, NSTitlebarSeparatorStyle) {
    NSTitlebarSeparatorStyleAutomatic,
    NSTitlebarSeparatorStyleNone,
    NSTitlebarSeparatorStyleLine,
    NSTitlebarSeparatorStyleShadow
} API_AVAILABLE(macos(11.0));


/* The result of a modal session or sheet. */
typedef NSInteger NSModalResponse NS_TYPED_EXTENSIBLE_ENUM;
static const NSModalResponse NSModalResponseStop API_AVAILABLE(macos(10.9)) = (-1000);
static const NSModalResponse NSModalResponseAbort API_AVAILABLE(macos(10.9)) = (-1001);
static const NSModalResponse NSModalResponseContinue API_AVAILABLE(macos(10.9)) = (-1002);
static const NSModalResponse NSModalResponseOK API_AVAILABLE(macos(10.9)) = 1;
static const NSModalResponse NSModalResponseCancel API_AVAILABLE(macos(10.9)) = 0;

typedef NSString *NSWindowFrameAutosaveName NS_TYPED_EXTENSIBLE_ENUM;

@interface NSWindow : NSResponder <NSAnimatablePropertyContainer, NSAppearanceCustomization, NSUserInterfaceValidations, NSUserInterfaceItemIdentification>

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

- (nullable NSButton *)standardWindowButton:(NSWindowButton)b;

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
APPKIT_EXTERN NSNotificationName NSWindowDidExposeNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidMiniaturizeNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidMoveNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidUpdateNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidDeminiaturizeNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidChangeScreenNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidChangeScreenProfileNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidChangeBackingPropertiesNotification API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSNotificationName NSWindowDidChangeOcclusionStateNotification API_AVAILABLE(macos(10.9));
APPKIT_EXTERN NSNotificationName NSWindowWillBeginSheetNotification;
APPKIT_EXTERN NSNotificationName NSWindowDidEndSheetNotification;
APPKIT_EXTERN NSNotificationName NSWindowWillMiniaturizeNotification;
APPKIT_EXTERN NSNotificationName NSWindowWillMoveNotification;
APPKIT_EXTERN NSNotificationName NSWindowWillStartLiveResizeNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName NSWindowDidEndLiveResizeNotification API_AVAILABLE(macos(10.6));
APPKIT_EXTERN NSNotificationName NSWindowWillEnterFullScreenNotification API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSNotificationName NSWindowDidEnterFullScreenNotification API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSNotificationName NSWindowWillExitFullScreenNotification API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSNotificationName NSWindowDidExitFullScreenNotification API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSNotificationName NSWindowDidChangeEffectiveAppearanceNotification API_AVAILABLE(macos(10.14));

@class NSButton, NSText, NSEvent, NSGraphicsContext;

typedef NS_OPTIONS(NSUInteger, NSWindowCollectionBehavior) {
    NSWindowCollectionBehaviorDefault = 0,
    NSWindowCollectionBehaviorCanJoinAllSpaces = 1 << 0,
    NSWindowCollectionBehaviorMoveToActiveSpace = 1 << 1,
    NSWindowCollectionBehaviorManaged API_AVAILABLE(macos(10.6)) = 1 << 2,
    NSWindowCollectionBehaviorTransient API_AVAILABLE(macos(10.6)) = 1 << 3,
    NSWindowCollectionBehaviorStationary API_AVAILABLE(macos(10.6)) = 1 << 4,
    NSWindowCollectionBehaviorParticipatesInCycle API_AVAILABLE(macos(10.6)) = 1 << 5,
    NSWindowCollectionBehaviorIgnoresCycle API_AVAILABLE(macos(10.6)) = 1 << 6,
    NSWindowCollectionBehaviorFullScreenPrimary API_AVAILABLE(macos(10.7)) = 1 << 7,
    NSWindowCollectionBehaviorFullScreenAuxiliary API_AVAILABLE(macos(10.7)) = 1 << 8,
    NSWindowCollectionBehaviorFullScreenNone API_AVAILABLE(macos(10.7)) = 1 << 9,
    NSWindowCollectionBehaviorFullScreenAllowsTiling API_AVAILABLE(macos(10.11)) = 1 << 11,
    NSWindowCollectionBehaviorFullScreenDisallowsTiling API_AVAILABLE(macos(10.11)) = 1 << 12,
};

typedef NS_ENUM(NSInteger, NSWindowAnimationBehavior) {
    NSWindowAnimationBehaviorDefault = 0,
    NSWindowAnimationBehaviorNone = 2,
    NSWindowAnimationBehaviorDocumentWindow = 3,
    NSWindowAnimationBehaviorUtilityWindow = 4,
    NSWindowAnimationBehaviorAlertPanel = 5
} API_AVAILABLE(macos(10.7));

typedef NS_ENUM(NSInteger, NSWindowTabbingMode) {
    NSWindowTabbingModeAutomatic,
    NSWindowTabbingModePreferred,
    NSWindowTabbingModeDisallowed
} API_AVAILABLE(macos(10.12));

@interface NSWindow (NSWindowAdditions)
@property BOOL preventsApplicationTerminationWhenModal API_AVAILABLE(macos(10.6));
@property BOOL hidesOnDeactivate;
@property BOOL canHide;
@property BOOL ignoresMouseEvents;
@property BOOL acceptsMouseMovedEvents;
@property BOOL showsResizeIndicator;
@property (getter=isDocumentEdited) BOOL documentEdited;
@property NSWindowCollectionBehavior collectionBehavior API_AVAILABLE(macos(10.5));
@property NSWindowAnimationBehavior animationBehavior API_AVAILABLE(macos(10.7));
@property (readonly) NSInteger windowNumber;
@property (readonly, getter=isOnActiveSpace) BOOL onActiveSpace API_AVAILABLE(macos(10.6));
@property (nullable, copy) NSString *miniwindowTitle;
@property (nullable, strong) NSImage *miniwindowImage;
@property (nullable, weak) NSWindow *parentWindow;
@property (nullable, readonly, copy) NSArray<NSWindow *> *childWindows;
- (void)addChildWindow:(NSWindow *)childWin ordered:(NSWindowOrderingMode)place;
- (void)removeChildWindow:(NSWindow *)childWin;
- (void)orderWindow:(NSWindowOrderingMode)place relativeTo:(NSInteger)otherWin;
- (void)setFrame:(NSRect)frameRect display:(BOOL)displayFlag animate:(BOOL)animateFlag;
- (void)setFrameTopLeftPoint:(NSPoint)point;
- (NSPoint)cascadeTopLeftFromPoint:(NSPoint)topLeftPoint;
- (BOOL)setFrameUsingName:(NSWindowFrameAutosaveName)name;
- (BOOL)setFrameUsingName:(NSWindowFrameAutosaveName)name force:(BOOL)force;
- (void)saveFrameUsingName:(NSWindowFrameAutosaveName)name;
- (NSRect)frameRectForContentRect:(NSRect)contentRect;
- (NSRect)contentRectForFrameRect:(NSRect)frameRect;
+ (NSRect)frameRectForContentRect:(NSRect)cRect styleMask:(NSWindowStyleMask)style;
+ (NSRect)contentRectForFrameRect:(NSRect)fRect styleMask:(NSWindowStyleMask)style;
- (nullable NSText *)fieldEditor:(BOOL)createFlag forObject:(nullable id)object;
- (void)endEditingFor:(nullable id)object;
- (void)disableScreenUpdatesUntilFlush API_DEPRECATED("", macos(10.4, 10.14));
- (void)invalidateShadow;
- (void)display;
- (void)displayIfNeeded;
- (void)update;
- (void)setTitleWithRepresentedFilename:(NSString *)filename;
- (void)invalidateCursorRectsForView:(NSView *)view;
- (nullable NSEvent *)nextEventMatchingMask:(NSEventMask)mask;
- (nullable NSEvent *)nextEventMatchingMask:(NSEventMask)mask untilDate:(nullable NSDate *)expiration inMode:(NSRunLoopMode)mode dequeue:(BOOL)deqFlag;
- (void)postEvent:(NSEvent *)event atStart:(BOOL)flag;
- (void)selectNextKeyView:(nullable id)sender;
- (void)selectPreviousKeyView:(nullable id)sender;
- (void)recalculateKeyViewLoop;
@property BOOL autorecalculatesKeyViewLoop;
- (void)performMiniaturize:(nullable id)sender;
- (void)performZoom:(nullable id)sender;
@property (readonly) BOOL canBecomeKeyWindow;
@property (readonly) BOOL canBecomeMainWindow;
@property (readonly) BOOL worksWhenModal;
- (void)toggleToolbarShown:(nullable id)sender;
- (void)runToolbarCustomizationPalette:(nullable id)sender;
@property NSWindowTabbingMode tabbingMode API_AVAILABLE(macos(10.12));
@property (class) BOOL allowsAutomaticWindowTabbing API_AVAILABLE(macos(10.12));
@end

@class NSTitlebarAccessoryViewController, NSUndoManager, NSDockTile, NSColorSpace, NSWindowTab, NSImage, NSButtonCell;


@interface NSWindow (NSWindowBreadth)
+ (nullable NSArray<NSNumber *> *)windowNumbersWithOptions:(NSWindowNumberListOptions)options API_AVAILABLE(macos(10.6));
+ (NSInteger)windowNumberAtPoint:(NSPoint)point belowWindowWithWindowNumber:(NSInteger)windowNumber API_AVAILABLE(macos(10.6));
+ (nullable NSButton *)standardWindowButton:(NSWindowButton)b forStyleMask:(NSWindowStyleMask)styleMask;
+ (CGFloat)minFrameWidthWithTitle:(NSString *)title styleMask:(NSWindowStyleMask)style;
@property (class) BOOL allowsAutomaticWindowTabbing API_AVAILABLE(macos(10.12));
@property (class, readonly) NSWindowUserTabbingPreference userTabbingPreference API_AVAILABLE(macos(10.12));
@property NSWindowToolbarStyle toolbarStyle API_AVAILABLE(macos(11.0));
@property NSTitlebarSeparatorStyle titlebarSeparatorStyle API_AVAILABLE(macos(11.0));
@property (readonly) NSWindowOcclusionState occlusionState API_AVAILABLE(macos(10.9));
@property (copy) NSString *subtitle API_AVAILABLE(macos(11.0));
@property NSWindowTitleVisibility titleVisibility API_AVAILABLE(macos(10.10));
@property BOOL titlebarAppearsTransparent API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSURL *representedURL API_AVAILABLE(macos(10.5));
@property (copy) NSString *representedFilename;
@property (readonly, strong) NSDockTile *dockTile API_AVAILABLE(macos(10.5));
@property (nullable, readonly, strong) NSUndoManager *undoManager;
@property (copy) NSArray<__kindof NSTitlebarAccessoryViewController *> *titlebarAccessoryViewControllers API_AVAILABLE(macos(10.10));
- (void)addTitlebarAccessoryViewController:(NSTitlebarAccessoryViewController *)childViewController API_AVAILABLE(macos(10.10));
- (void)insertTitlebarAccessoryViewController:(NSTitlebarAccessoryViewController *)childViewController atIndex:(NSInteger)index API_AVAILABLE(macos(10.10));
- (void)removeTitlebarAccessoryViewControllerAtIndex:(NSInteger)index API_AVAILABLE(macos(10.10));
@property (nullable, strong) NSViewController *contentViewController API_AVAILABLE(macos(10.10));
@property NSRect contentLayoutRect API_AVAILABLE(macos(10.10));
@property (nullable, readonly, weak) id contentLayoutGuide API_AVAILABLE(macos(10.10));
@property (readonly) CGFloat backingScaleFactor API_AVAILABLE(macos(10.7));
@property NSSize contentAspectRatio;
@property NSSize aspectRatio;
@property NSSize resizeIncrements;
@property NSSize contentResizeIncrements;
@property NSSize minFullScreenContentSize API_AVAILABLE(macos(10.11));
@property NSSize maxFullScreenContentSize API_AVAILABLE(macos(10.11));
@property (readonly) NSInteger orderedIndex;
@property (getter=isExcludedFromWindowsMenu) BOOL excludedFromWindowsMenu;
@property BOOL displaysWhenScreenProfileChanges;
@property BOOL preventsApplicationTerminationWhenModal API_AVAILABLE(macos(10.6));
@property BOOL canBecomeVisibleWithoutLogin API_AVAILABLE(macos(10.5));
@property (readonly, getter=isOnActiveSpace) BOOL onActiveSpace API_AVAILABLE(macos(10.6));
@property (readonly, getter=isSheet) BOOL sheet;
@property (readonly, getter=isModalPanel) BOOL modalPanel;
@property (readonly, getter=isFloatingPanel) BOOL floatingPanel;
@property (nullable, readonly, strong) NSWindow *sheetParent API_AVAILABLE(macos(10.9));
@property (readonly, copy) NSArray<__kindof NSWindow *> *sheets API_AVAILABLE(macos(10.9));
- (void)beginCriticalSheet:(NSWindow *)sheetWindow completionHandler:(void (^_Nullable)(NSModalResponse returnCode))handler API_AVAILABLE(macos(10.9));
@property (nullable, readonly, strong) NSScreen *deepestScreen;
- (NSRect)constrainFrameRect:(NSRect)frameRect toScreen:(nullable NSScreen *)screen;
@property (readonly) NSPoint mouseLocationOutsideOfEventStream;
- (void)setFrame:(NSRect)frameRect display:(BOOL)displayFlag animate:(BOOL)animateFlag;
- (NSTimeInterval)animationResizeTime:(NSRect)newFrame;
- (void)setFrameFromString:(NSString *)string;
- (void)saveFrameUsingName:(NSString *)name;
@property (readonly, copy) NSString *stringWithSavedFrame;
+ (void)removeFrameUsingName:(NSString *)name;
- (void)setIsVisible:(BOOL)flag API_DEPRECATED("", macos(10.0, 10.14));
- (void)setIsMiniaturized:(BOOL)flag API_DEPRECATED("", macos(10.0, 10.14));
- (void)setIsZoomed:(BOOL)flag API_DEPRECATED("", macos(10.0, 10.14));
- (void)disableCursorRects;
- (void)enableCursorRects;
- (void)discardCursorRects;
- (void)resetCursorRects;
@property (readonly) BOOL areCursorRectsEnabled;
- (void)disableFlushWindow API_DEPRECATED("", macos(10.0, 10.14));
- (void)enableFlushWindow API_DEPRECATED("", macos(10.0, 10.14));
- (void)flushWindow API_DEPRECATED("", macos(10.0, 10.14));
- (void)flushWindowIfNeeded API_DEPRECATED("", macos(10.0, 10.14));
@property BOOL viewsNeedDisplay;
@property BOOL autodisplay API_DEPRECATED("", macos(10.0, 10.14));
@property BOOL preservesContentDuringLiveResize;
@property (readonly) BOOL inLiveResize;
@property BOOL allowsToolTipsWhenApplicationIsInactive;
@property NSWindowBackingLocation preferredBackingLocation API_DEPRECATED("", macos(10.5, 10.14));
@property NSWindowSharingType sharingType;
@property NSWindowCollectionBehavior collectionBehavior API_AVAILABLE(macos(10.5));
@property NSWindowAnimationBehavior animationBehavior API_AVAILABLE(macos(10.7));
@property (getter=isMovable) BOOL movable API_AVAILABLE(macos(10.6));
@property BOOL allowsConcurrentViewDrawing API_AVAILABLE(macos(10.6));
@property (nullable, strong) NSColorSpace *colorSpace;
@property (nullable, copy) NSString *tabbingIdentifier API_AVAILABLE(macos(10.12));
@property (nullable, readonly, copy) NSArray<NSWindow *> *tabbedWindows API_AVAILABLE(macos(10.12));
- (void)addTabbedWindow:(NSWindow *)window ordered:(NSWindowOrderingMode)ordered API_AVAILABLE(macos(10.12));
- (void)mergeAllWindows:(nullable id)sender API_AVAILABLE(macos(10.12));
- (void)selectNextTab:(nullable id)sender API_AVAILABLE(macos(10.12));
- (void)selectPreviousTab:(nullable id)sender API_AVAILABLE(macos(10.12));
- (void)moveTabToNewWindow:(nullable id)sender API_AVAILABLE(macos(10.12));
- (void)toggleTabBar:(nullable id)sender API_AVAILABLE(macos(10.12));
- (void)toggleTabOverview:(nullable id)sender API_AVAILABLE(macos(10.13));
- (BOOL)tryToPerform:(SEL)action with:(nullable id)object;
- (nullable id)validRequestorForSendType:(nullable NSPasteboardType)sendType returnType:(nullable NSPasteboardType)returnType;
- (void)keyDown:(NSEvent *)event;
- (nullable NSEvent *)currentEvent;
- (void)trackEventsMatchingMask:(NSEventMask)mask timeout:(NSTimeInterval)timeout mode:(NSRunLoopMode)mode
                        handler:(void (NS_NOESCAPE ^)(NSEvent *_Nullable event, BOOL *stop))trackingHandler API_AVAILABLE(macos(10.10));
- (void)performWindowDragWithEvent:(NSEvent *)event API_AVAILABLE(macos(10.11));
- (void)selectKeyViewFollowingView:(NSView *)view;
- (void)selectKeyViewPrecedingView:(NSView *)view;
@property (readonly) NSSelectionDirection keyViewSelectionDirection;
@property (nullable, strong) NSButtonCell *defaultButtonCell;
- (void)disableKeyEquivalentForDefaultButtonCell;
- (void)enableKeyEquivalentForDefaultButtonCell;
- (NSPoint)convertBaseToScreen:(NSPoint)point API_DEPRECATED("", macos(10.0, 10.7));
- (NSPoint)convertScreenToBase:(NSPoint)point API_DEPRECATED("", macos(10.0, 10.7));
- (NSPoint)convertPointToBacking:(NSPoint)point API_AVAILABLE(macos(10.14));
- (NSPoint)convertPointFromBacking:(NSPoint)point API_AVAILABLE(macos(10.14));
- (NSRect)convertRectToBacking:(NSRect)rect API_AVAILABLE(macos(10.7));
- (NSRect)convertRectFromBacking:(NSRect)rect API_AVAILABLE(macos(10.7));
- (NSRect)backingAlignedRect:(NSRect)rect options:(NSAlignmentOptions)options API_AVAILABLE(macos(10.7));
- (void)setDynamicDepthLimit:(BOOL)flag;
- (nullable NSData *)dataWithEPSInsideRect:(NSRect)rect;
- (NSData *)dataWithPDFInsideRect:(NSRect)rect;
- (void)print:(nullable id)sender;
- (void)updateConstraintsIfNeeded API_AVAILABLE(macos(10.7));
- (void)layoutIfNeeded API_AVAILABLE(macos(10.7));
- (void)visualizeConstraints:(nullable NSArray<NSLayoutConstraint *> *)constraints API_AVAILABLE(macos(10.7));
- (void)setAnchorAttribute:(NSLayoutAttribute)attr forOrientation:(NSLayoutConstraintOrientation)orientation API_AVAILABLE(macos(10.7));
- (void)registerForDraggedTypes:(NSArray<NSPasteboardType> *)newTypes;
- (void)unregisterDraggedTypes;
- (void)dragImage:(NSImage *)image at:(NSPoint)baseLocation offset:(NSSize)initialOffset event:(NSEvent *)event pasteboard:(NSPasteboard *)pboard source:(id)sourceObj slideBack:(BOOL)slideFlag;
@property (readonly) BOOL hasDynamicDepthLimit;
@property NSWindowDepth depthLimit;
@end

NS_ASSUME_NONNULL_END
