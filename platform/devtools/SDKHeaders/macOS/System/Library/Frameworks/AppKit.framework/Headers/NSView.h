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

@class CIFilter, NSWindow, NSColor, NSImage, NSEvent, NSShadow;

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

typedef NS_ENUM(NSInteger, NSViewLayerContentsRedrawPolicy) {
    NSViewLayerContentsRedrawNever = 0,
    NSViewLayerContentsRedrawOnSetNeedsDisplay = 1,
    NSViewLayerContentsRedrawDuringViewResize = 2,
    NSViewLayerContentsRedrawBeforeViewResize = 3,
    NSViewLayerContentsRedrawCrossfade API_AVAILABLE(macos(10.9)) = 4
} API_AVAILABLE(macos(10.6));

@interface NSView : NSResponder <NSAppearanceCustomization>

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

NS_ASSUME_NONNULL_END
