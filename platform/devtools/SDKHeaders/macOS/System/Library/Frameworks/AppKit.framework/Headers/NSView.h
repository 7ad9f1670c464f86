/* NSView.h: views: geometry, hierarchy, drawing, layers, layout (autoresizing and Auto Layout) and tracking. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <QuartzCore/QuartzCore.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSGraphics.h>
#import <AppKit/NSDragging.h>
#import <AppKit/NSResponder.h>
#import <AppKit/NSGraphics.h>
#import <AppKit/NSLayoutConstraint.h>
#import <AppKit/NSLayoutAnchor.h>
#import <AppKit/NSAppearance.h>
#import <AppKit/NSUserInterfaceLayout.h>
#import <AppKit/NSAnimation.h>
#import <AppKit/NSUserInterfaceItemIdentification.h>

@class CIFilter, NSWindow, NSColor, NSImage, NSEvent, NSShadow, NSScreen, NSClipView, NSGraphicsContext, NSLayoutGuide;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSAutoresizingMaskOptions) {
    NSViewNotSizable = 0,
    NSViewMinXMargin = 1,
    NSViewWidthSizable = 2,
    NSViewMaxXMargin = 4,
    NSViewMinYMargin = 8,
    NSViewHeightSizable = 16,
    NSViewMaxYMargin = 32
};

typedef NS_ENUM(NSUInteger, NSBorderType) {
    NSNoBorder = 0,
    NSLineBorder = 1,
    NSBezelBorder = 2,
    NSGrooveBorder = 3
};

typedef NS_ENUM(NSInteger, NSViewLayerContentsPlacement) {
    NSViewLayerContentsPlacementScaleAxesIndependently = 0,
    NSViewLayerContentsPlacementScaleProportionallyToFit = 1,
    NSViewLayerContentsPlacementScaleProportionallyToFill = 2,
    NSViewLayerContentsPlacementCenter = 3,
    NSViewLayerContentsPlacementTop = 4,
    NSViewLayerContentsPlacementTopRight = 5,
    NSViewLayerContentsPlacementRight = 6,
    NSViewLayerContentsPlacementBottomRight = 7,
    NSViewLayerContentsPlacementBottom = 8,
    NSViewLayerContentsPlacementBottomLeft = 9,
    NSViewLayerContentsPlacementLeft = 10,
    NSViewLayerContentsPlacementTopLeft = 11
} API_AVAILABLE(macos(10.6));

typedef NS_ENUM(NSInteger, NSViewLayerContentsRedrawPolicy) {
    NSViewLayerContentsRedrawNever = 0,
    NSViewLayerContentsRedrawOnSetNeedsDisplay = 1,
    NSViewLayerContentsRedrawDuringViewResize = 2,
    NSViewLayerContentsRedrawBeforeViewResize = 3,
    NSViewLayerContentsRedrawCrossfade API_AVAILABLE(macos(10.9)) = 4
} API_AVAILABLE(macos(10.6));

@interface NSView : NSResponder <NSAnimatablePropertyContainer, NSUserInterfaceItemIdentification, NSDraggingDestination, NSAppearanceCustomization>

- (instancetype)initWithFrame:(NSRect)frameRect NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@property (nullable, readonly, unsafe_unretained) NSWindow *window;
@property (nullable, readonly, unsafe_unretained) NSView *superview;
@property (copy) NSArray<__kindof NSView *> *subviews;
- (BOOL)isDescendantOf:(NSView *)view;
- (void)addSubview:(NSView *)view;
- (void)addSubview:(NSView *)view positioned:(NSWindowOrderingMode)place relativeTo:(nullable NSView *)otherView;
- (void)removeFromSuperview;
- (void)replaceSubview:(NSView *)oldView with:(NSView *)newView;
- (void)viewWillMoveToWindow:(nullable NSWindow *)newWindow;
- (void)viewDidMoveToWindow;
- (void)viewWillMoveToSuperview:(nullable NSView *)newSuperview;
- (void)viewDidMoveToSuperview;
- (void)didAddSubview:(NSView *)subview;
- (void)willRemoveSubview:(NSView *)subview;
- (nullable __kindof NSView *)viewWithTag:(NSInteger)tag;
@property (readonly) NSInteger tag;

@property NSRect frame;
@property NSRect bounds;
- (void)setFrameOrigin:(NSPoint)newOrigin;
- (void)setFrameSize:(NSSize)newSize;
@property (getter=isHidden) BOOL hidden;
@property (readonly, getter=isHiddenOrHasHiddenAncestor) BOOL hiddenOrHasHiddenAncestor;
@property (readonly, getter=isFlipped) BOOL flipped;
@property BOOL autoresizesSubviews;
@property NSAutoresizingMaskOptions autoresizingMask;
@property CGFloat alphaValue;
@property CGFloat frameRotation;

- (NSPoint)convertPoint:(NSPoint)point fromView:(nullable NSView *)view;
- (NSPoint)convertPoint:(NSPoint)point toView:(nullable NSView *)view;
- (NSRect)convertRect:(NSRect)rect fromView:(nullable NSView *)view;
- (NSRect)convertRect:(NSRect)rect toView:(nullable NSView *)view;
- (nullable NSView *)hitTest:(NSPoint)point;

@property BOOL needsDisplay;
- (void)setNeedsDisplayInRect:(NSRect)invalidRect;
- (void)display;
- (void)displayIfNeeded;
- (void)drawRect:(NSRect)dirtyRect;
@property (readonly) NSRect visibleRect;
@property (readonly, getter=isOpaque) BOOL opaque;

@property BOOL wantsLayer API_AVAILABLE(macos(10.5));
@property (copy) NSArray<__kindof CIFilter *> *backgroundFilters API_AVAILABLE(macos(10.5));
@property (nullable, strong) CIFilter *compositingFilter API_AVAILABLE(macos(10.5));
@property (copy) NSArray<__kindof CIFilter *> *contentFilters API_AVAILABLE(macos(10.5));
@property (nullable, copy) NSShadow *shadow;
@property (nullable, strong) CALayer *layer API_AVAILABLE(macos(10.5));
- (CALayer *)makeBackingLayer API_AVAILABLE(macos(10.6));
@property (readonly) BOOL wantsUpdateLayer API_AVAILABLE(macos(10.8));
- (void)updateLayer API_AVAILABLE(macos(10.8));
@property NSViewLayerContentsRedrawPolicy layerContentsRedrawPolicy API_AVAILABLE(macos(10.6));

@property BOOL needsLayout API_AVAILABLE(macos(10.7));
- (void)layout API_AVAILABLE(macos(10.7));
- (void)layoutSubtreeIfNeeded API_AVAILABLE(macos(10.7));
@property BOOL translatesAutoresizingMaskIntoConstraints API_AVAILABLE(macos(10.7));
@property (readonly, copy) NSArray<__kindof NSLayoutConstraint *> *constraints API_AVAILABLE(macos(10.7));
- (void)addConstraint:(NSLayoutConstraint *)constraint API_AVAILABLE(macos(10.7));
- (void)addConstraints:(NSArray<NSLayoutConstraint *> *)constraints API_AVAILABLE(macos(10.7));
- (void)removeConstraint:(NSLayoutConstraint *)constraint API_AVAILABLE(macos(10.7));
- (void)removeConstraints:(NSArray<NSLayoutConstraint *> *)constraints API_AVAILABLE(macos(10.7));
@property BOOL needsUpdateConstraints API_AVAILABLE(macos(10.7));
- (void)updateConstraints API_AVAILABLE(macos(10.7)) NS_REQUIRES_SUPER;
@property (readonly) NSSize intrinsicContentSize API_AVAILABLE(macos(10.7));
- (void)invalidateIntrinsicContentSize API_AVAILABLE(macos(10.7));
@property (readonly) NSSize fittingSize API_AVAILABLE(macos(10.7));

@property (readonly, strong) NSLayoutXAxisAnchor *leadingAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutXAxisAnchor *trailingAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutXAxisAnchor *leftAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutXAxisAnchor *rightAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutYAxisAnchor *topAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutYAxisAnchor *bottomAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutDimension *widthAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutDimension *heightAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutXAxisAnchor *centerXAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutYAxisAnchor *centerYAnchor API_AVAILABLE(macos(10.11));

- (BOOL)acceptsFirstMouse:(nullable NSEvent *)event;
- (void)updateTrackingAreas API_AVAILABLE(macos(10.5));
- (void)scrollPoint:(NSPoint)point;
- (BOOL)scrollRectToVisible:(NSRect)rect;

- (BOOL)shouldDelayWindowOrderingForEvent:(NSEvent *)event;
- (void)discardCursorRects;
- (void)resetCursorRects;
- (NSLayoutPriority)contentHuggingPriorityForOrientation:(NSLayoutConstraintOrientation)orientation
    API_AVAILABLE(macos(10.7));
- (void)setContentHuggingPriority:(NSLayoutPriority)priority
                   forOrientation:(NSLayoutConstraintOrientation)orientation API_AVAILABLE(macos(10.7));
- (NSLayoutPriority)contentCompressionResistancePriorityForOrientation:(NSLayoutConstraintOrientation)orientation
    API_AVAILABLE(macos(10.7));
- (void)setContentCompressionResistancePriority:(NSLayoutPriority)priority
                                 forOrientation:(NSLayoutConstraintOrientation)orientation API_AVAILABLE(macos(10.7));
@end

@class NSTrackingArea, NSCursor, NSPasteboard, NSScrollView, NSBitmapImageRep;

@interface NSView (NSViewAdditions)
- (void)addTrackingArea:(NSTrackingArea *)trackingArea API_AVAILABLE(macos(10.5));
- (void)removeTrackingArea:(NSTrackingArea *)trackingArea API_AVAILABLE(macos(10.5));
@property (readonly, copy) NSArray<NSTrackingArea *> *trackingAreas API_AVAILABLE(macos(10.5));
- (void)updateTrackingAreas API_AVAILABLE(macos(10.5));
- (void)addCursorRect:(NSRect)rect cursor:(NSCursor *)object;
- (void)removeCursorRect:(NSRect)rect cursor:(NSCursor *)object;
- (void)discardCursorRects;
- (void)resetCursorRects;
- (void)registerForDraggedTypes:(NSArray<NSPasteboardType> *)newTypes;
- (void)unregisterDraggedTypes;
@property (readonly, copy) NSArray<NSPasteboardType> *registeredDraggedTypes;
- (NSDraggingSession *)beginDraggingSessionWithItems:(NSArray<NSDraggingItem *> *)items event:(NSEvent *)event source:(id<NSDraggingSource>)source API_AVAILABLE(macos(10.7));
- (BOOL)lockFocusIfCanDraw;
- (void)lockFocus;
- (void)unlockFocus;
- (BOOL)mouse:(NSPoint)point inRect:(NSRect)rect;
- (void)scrollPoint:(NSPoint)point;
- (BOOL)scrollRectToVisible:(NSRect)rect;
- (BOOL)autoscroll:(NSEvent *)event;
@property (nullable, readonly, strong) NSScrollView *enclosingScrollView;
- (nullable NSBitmapImageRep *)bitmapImageRepForCachingDisplayInRect:(NSRect)rect API_AVAILABLE(macos(10.4));
- (void)cacheDisplayInRect:(NSRect)rect toBitmapImageRep:(NSBitmapImageRep *)bitmapImageRep API_AVAILABLE(macos(10.4));
- (NSData *)dataWithPDFInsideRect:(NSRect)rect;
- (NSData *)dataWithEPSInsideRect:(NSRect)rect;
- (NSPoint)convertPointToBacking:(NSPoint)point API_AVAILABLE(macos(10.7));
- (NSPoint)convertPointFromBacking:(NSPoint)point API_AVAILABLE(macos(10.7));
- (NSRect)convertRectToBacking:(NSRect)rect API_AVAILABLE(macos(10.7));
- (NSRect)convertRectFromBacking:(NSRect)rect API_AVAILABLE(macos(10.7));
- (void)setBoundsOrigin:(NSPoint)newOrigin;
- (void)setBoundsSize:(NSSize)newSize;
- (void)translateOriginToPoint:(NSPoint)translation;
- (void)scaleUnitSquareToSize:(NSSize)newUnitSize;
- (void)rotateByAngle:(CGFloat)angle;
@property (nullable, copy) NSString *toolTip;
@property NSFocusRingType focusRingType;
@property (readonly) BOOL canDraw;
@property (readonly) BOOL needsPanelToBecomeKey;
@property (readonly) BOOL mouseDownCanMoveWindow;
@property (readonly) BOOL preservesContentDuringLiveResize;
@property (readonly) BOOL inLiveResize;
- (void)viewWillStartLiveResize;
- (void)viewDidEndLiveResize;
- (void)viewDidChangeBackingProperties API_AVAILABLE(macos(10.7));
- (void)viewDidChangeEffectiveAppearance API_AVAILABLE(macos(10.14));
- (BOOL)acceptsFirstMouse:(nullable NSEvent *)event;
- (void)setKeyboardFocusRingNeedsDisplayInRect:(NSRect)rect;
@property (nullable, assign) NSView *nextKeyView;
@property (nullable, readonly, assign) NSView *previousKeyView;
@property (nullable, readonly, assign) NSView *nextValidKeyView;
@end

typedef NSInteger NSTrackingRectTag;
typedef NSInteger NSToolTipTag;

@protocol NSViewToolTipOwner <NSObject>
- (NSString *)view:(NSView *)view stringForToolTip:(NSToolTipTag)tag point:(NSPoint)point userData:(nullable void *)data;
@end

typedef NSString *NSViewFullScreenModeOptionKey NS_TYPED_ENUM;
APPKIT_EXTERN NSViewFullScreenModeOptionKey const NSFullScreenModeAllScreens API_AVAILABLE(macos(10.5));
APPKIT_EXTERN NSViewFullScreenModeOptionKey const NSFullScreenModeSetting API_AVAILABLE(macos(10.5));
APPKIT_EXTERN NSViewFullScreenModeOptionKey const NSFullScreenModeWindowLevel API_AVAILABLE(macos(10.5));
APPKIT_EXTERN NSViewFullScreenModeOptionKey const NSFullScreenModeApplicationPresentationOptions API_AVAILABLE(macos(10.5));

APPKIT_EXTERN const CGFloat NSViewNoIntrinsicMetric API_AVAILABLE(macos(10.11));
APPKIT_EXTERN const CGFloat NSViewNoInstrinsicMetric API_DEPRECATED_WITH_REPLACEMENT("NSViewNoIntrinsicMetric", macos(10.7, 10.14));

@class NSMenu, NSTextInputContext, NSGestureRecognizer, NSLayoutGuide, NSPrintInfo;

@interface NSView (NSViewBreadth)
- (nullable NSView *)ancestorSharedWithView:(NSView *)view;
@property (nullable, readonly) NSView *opaqueAncestor;
- (void)sortSubviewsUsingFunction:(NSComparisonResult (NS_NOESCAPE *)(__kindof NSView *, __kindof NSView *, void *_Nullable))compare
                          context:(nullable void *)context;
- (void)resizeSubviewsWithOldSize:(NSSize)oldSize;
- (void)resizeWithOldSuperviewSize:(NSSize)oldSize;
@property BOOL postsFrameChangedNotifications;
@property BOOL postsBoundsChangedNotifications;
@property CGFloat boundsRotation;
@property (readonly) BOOL isRotatedFromBase;
@property (readonly) BOOL isRotatedOrScaledFromBase;
@property BOOL canDrawConcurrently API_AVAILABLE(macos(10.6));
@property (readonly) BOOL wantsDefaultClipping;
@property BOOL clipsToBounds API_AVAILABLE(macos(10.9));
- (NSSize)convertSize:(NSSize)size fromView:(nullable NSView *)view;
- (NSSize)convertSize:(NSSize)size toView:(nullable NSView *)view;
- (NSSize)convertSizeToBacking:(NSSize)size API_AVAILABLE(macos(10.7));
- (NSSize)convertSizeFromBacking:(NSSize)size API_AVAILABLE(macos(10.7));
- (NSPoint)convertPointToLayer:(NSPoint)point API_AVAILABLE(macos(10.7));
- (NSPoint)convertPointFromLayer:(NSPoint)point API_AVAILABLE(macos(10.7));
- (NSRect)convertRectToLayer:(NSRect)rect API_AVAILABLE(macos(10.7));
- (NSRect)convertRectFromLayer:(NSRect)rect API_AVAILABLE(macos(10.7));
- (NSPoint)convertPointToBase:(NSPoint)point API_DEPRECATED("", macos(10.5, 10.7));
- (NSPoint)convertPointFromBase:(NSPoint)point API_DEPRECATED("", macos(10.5, 10.7));
- (NSRect)convertRectToBase:(NSRect)rect API_DEPRECATED("", macos(10.5, 10.7));
- (NSRect)convertRectFromBase:(NSRect)rect API_DEPRECATED("", macos(10.5, 10.7));
- (NSSize)convertSizeToBase:(NSSize)size API_DEPRECATED("", macos(10.5, 10.7));
- (NSSize)convertSizeFromBase:(NSSize)size API_DEPRECATED("", macos(10.5, 10.7));
- (NSRect)centerScanRect:(NSRect)rect;
- (NSRect)backingAlignedRect:(NSRect)rect options:(NSAlignmentOptions)options API_AVAILABLE(macos(10.7));
- (void)setNeedsDisplay:(BOOL)flag;
- (void)displayRect:(NSRect)rect;
- (void)displayIfNeededInRect:(NSRect)rect;
- (void)displayRectIgnoringOpacity:(NSRect)rect;
- (void)displayIfNeededIgnoringOpacity;
- (void)displayRectIgnoringOpacity:(NSRect)rect inContext:(NSGraphicsContext *)context;
- (void)viewWillDraw;
- (BOOL)needsToDrawRect:(NSRect)rect;
- (void)getRectsBeingDrawn:(const NSRect *_Nullable *_Nullable)rects count:(nullable NSInteger *)count;
- (void)getRectsExposedDuringLiveResize:(NSRect[_Nonnull 4])exposedRects count:(NSInteger *)count;
@property (readonly) NSRect rectPreservedDuringLiveResize;
@property (readonly) BOOL inLiveResize;
@property (readonly) NSRect preparedContentRect API_AVAILABLE(macos(10.9));
- (void)prepareContentInRect:(NSRect)rect API_AVAILABLE(macos(10.9));
- (void)adjustPageWidthNew:(CGFloat *)newRight left:(CGFloat)oldLeft right:(CGFloat)oldRight limit:(CGFloat)rightLimit;
- (void)adjustPageHeightNew:(CGFloat *)newBottom top:(CGFloat)oldTop bottom:(CGFloat)oldBottom limit:(CGFloat)bottomLimit;
- (NSRect)adjustScroll:(NSRect)newVisible;
- (void)reflectScrolledClipView:(NSClipView *)clipView;
- (void)scrollRect:(NSRect)rect by:(NSSize)delta API_DEPRECATED("", macos(10.0, 10.14));
- (void)translateRectsNeedingDisplayInRect:(NSRect)clipRect by:(NSSize)delta;
@property BOOL acceptsTouchEvents API_DEPRECATED("", macos(10.6, 10.12.2));
@property BOOL wantsRestingTouches API_AVAILABLE(macos(10.6));
@property BOOL layerUsesCoreImageFilters API_AVAILABLE(macos(10.9));
@property NSViewLayerContentsPlacement layerContentsPlacement API_AVAILABLE(macos(10.6));
@property BOOL canDrawSubviewsIntoLayer API_AVAILABLE(macos(10.9));
@property CGFloat frameCenterRotation API_AVAILABLE(macos(10.5));
- (void)rotateByAngle:(CGFloat)angle;
- (nullable NSMenu *)menuForEvent:(NSEvent *)event;
+ (nullable NSMenu *)defaultMenu;
- (void)willOpenMenu:(NSMenu *)menu withEvent:(NSEvent *)event API_AVAILABLE(macos(10.11));
- (void)didCloseMenu:(NSMenu *)menu withEvent:(nullable NSEvent *)event API_AVAILABLE(macos(10.11));
- (NSTrackingRectTag)addTrackingRect:(NSRect)rect owner:(id)owner userData:(nullable void *)data assumeInside:(BOOL)flag;
- (void)removeTrackingRect:(NSTrackingRectTag)tag;
- (NSToolTipTag)addToolTipRect:(NSRect)rect owner:(id)owner userData:(nullable void *)data;
- (void)removeToolTip:(NSToolTipTag)tag;
- (void)removeAllToolTips;
- (BOOL)enterFullScreenMode:(NSScreen *)screen
                withOptions:(nullable NSDictionary<NSViewFullScreenModeOptionKey, id> *)options API_AVAILABLE(macos(10.5));
- (void)exitFullScreenModeWithOptions:(nullable NSDictionary<NSViewFullScreenModeOptionKey, id> *)options
    API_AVAILABLE(macos(10.5));
@property (readonly, getter=isInFullScreenMode) BOOL inFullScreenMode API_AVAILABLE(macos(10.5));
@property NSUserInterfaceLayoutDirection userInterfaceLayoutDirection API_AVAILABLE(macos(10.8));
@property (readonly) NSEdgeInsets safeAreaInsets API_AVAILABLE(macos(11.0));
@property NSEdgeInsets additionalSafeAreaInsets API_AVAILABLE(macos(11.0));
@property (readonly) NSRect safeAreaRect API_AVAILABLE(macos(11.0));
@property (readonly, strong) NSLayoutGuide *safeAreaLayoutGuide API_AVAILABLE(macos(11.0));
@property (readonly, strong) NSLayoutGuide *layoutMarginsGuide API_AVAILABLE(macos(11.0));
@property (readonly, strong) NSLayoutYAxisAnchor *firstBaselineAnchor API_AVAILABLE(macos(10.11));
@property (readonly, strong) NSLayoutYAxisAnchor *lastBaselineAnchor API_AVAILABLE(macos(10.11));
@property (readonly) NSEdgeInsets alignmentRectInsets API_AVAILABLE(macos(10.7));
- (NSRect)alignmentRectForFrame:(NSRect)frame API_AVAILABLE(macos(10.7));
- (NSRect)frameForAlignmentRect:(NSRect)alignmentRect API_AVAILABLE(macos(10.7));
@property (readonly) CGFloat baselineOffsetFromBottom API_AVAILABLE(macos(10.7));
@property (readonly) CGFloat firstBaselineOffsetFromTop API_AVAILABLE(macos(10.11));
@property (readonly) CGFloat lastBaselineOffsetFromBottom API_AVAILABLE(macos(10.11));
- (NSArray<NSLayoutConstraint *> *)constraintsAffectingLayoutForOrientation:(NSLayoutConstraintOrientation)orientation
    API_AVAILABLE(macos(10.7));
@property (readonly) BOOL hasAmbiguousLayout API_AVAILABLE(macos(10.7));
- (void)exerciseAmbiguityInLayout API_AVAILABLE(macos(10.7));
+ (BOOL)requiresConstraintBasedLayout API_AVAILABLE(macos(10.7));
- (void)updateConstraintsForSubtreeIfNeeded API_AVAILABLE(macos(10.7));
@property (readonly, copy) NSArray<NSLayoutGuide *> *layoutGuides API_AVAILABLE(macos(10.11));
- (void)addLayoutGuide:(NSLayoutGuide *)guide API_AVAILABLE(macos(10.11));
- (void)removeLayoutGuide:(NSLayoutGuide *)guide API_AVAILABLE(macos(10.11));
@property (copy) NSArray<__kindof NSGestureRecognizer *> *gestureRecognizers API_AVAILABLE(macos(10.10));
- (void)addGestureRecognizer:(NSGestureRecognizer *)gestureRecognizer API_AVAILABLE(macos(10.10));
- (void)removeGestureRecognizer:(NSGestureRecognizer *)gestureRecognizer API_AVAILABLE(macos(10.10));
@property (readonly, nullable, strong) NSTextInputContext *inputContext API_AVAILABLE(macos(10.6));
- (BOOL)dragFile:(NSString *)filename fromRect:(NSRect)rect slideBack:(BOOL)flag event:(NSEvent *)event
    API_DEPRECATED("", macos(10.0, 10.13));
- (void)dragImage:(NSImage *)image at:(NSPoint)viewLocation offset:(NSSize)initialOffset event:(NSEvent *)event
       pasteboard:(NSPasteboard *)pboard source:(id)sourceObj slideBack:(BOOL)slideFlag
    API_DEPRECATED("", macos(10.0, 10.7));
- (BOOL)dragPromisedFilesOfTypes:(NSArray<NSString *> *)typeArray fromRect:(NSRect)rect source:(id)sourceObject
                       slideBack:(BOOL)flag event:(NSEvent *)event API_DEPRECATED("", macos(10.0, 10.13));
- (void)print:(nullable id)sender;
- (BOOL)knowsPageRange:(NSRangePointer)range;
- (NSRect)rectForPage:(NSInteger)page;
- (NSPoint)locationOfPrintRect:(NSRect)rect;
@property (readonly, copy) NSString *printJobTitle;
- (void)beginDocument;
- (void)endDocument;
- (void)drawPageBorderWithSize:(NSSize)borderSize;
- (void)writePDFInsideRect:(NSRect)rect toPasteboard:(NSPasteboard *)pasteboard;
- (void)writeEPSInsideRect:(NSRect)rect toPasteboard:(NSPasteboard *)pasteboard;
- (void)showDefinitionForAttributedString:(nullable NSAttributedString *)attrString atPoint:(NSPoint)textBaselineOrigin
    API_AVAILABLE(macos(10.6));
- (void)drawFocusRingMask API_AVAILABLE(macos(10.7));
@property (readonly) NSRect focusRingMaskBounds API_AVAILABLE(macos(10.7));
- (void)noteFocusRingMaskChanged API_AVAILABLE(macos(10.7));
+ (NSFocusRingType)defaultFocusRingType;
- (void)setNeedsLayout:(BOOL)flag API_AVAILABLE(macos(10.7));
@end

APPKIT_EXTERN NSNotificationName NSViewFrameDidChangeNotification;
APPKIT_EXTERN NSNotificationName NSViewFocusDidChangeNotification API_DEPRECATED("", macos(10.0, 10.4));
APPKIT_EXTERN NSNotificationName NSViewBoundsDidChangeNotification;
APPKIT_EXTERN NSNotificationName NSViewGlobalFrameDidChangeNotification;
APPKIT_EXTERN NSNotificationName NSViewDidUpdateTrackingAreasNotification API_AVAILABLE(macos(10.5));

NS_ASSUME_NONNULL_END
