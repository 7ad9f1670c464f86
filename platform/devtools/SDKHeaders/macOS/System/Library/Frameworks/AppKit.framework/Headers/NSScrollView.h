/* NSScrollView.h: scroll views: a document view seen through a clip view, with scrollers, rulers and magnification. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>
#import <AppKit/NSScroller.h>
#import <AppKit/NSClipView.h>

NS_ASSUME_NONNULL_BEGIN

@class NSColor, NSClipView, NSRulerView;

typedef NS_ENUM(NSInteger, NSScrollElasticity) {
    NSScrollElasticityAutomatic = 0,
    NSScrollElasticityNone = 1,
    NSScrollElasticityAllowed = 2,
} API_AVAILABLE(macos(10.7));

@interface NSScrollView : NSView
- (instancetype)initWithFrame:(NSRect)frameRect NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
+ (NSSize)frameSizeForContentSize:(NSSize)cSize horizontalScrollerClass:(nullable Class)horizontalScrollerClass verticalScrollerClass:(nullable Class)verticalScrollerClass borderType:(NSBorderType)type controlSize:(NSControlSize)controlSize scrollerStyle:(NSScrollerStyle)scrollerStyle API_AVAILABLE(macos(10.7));
+ (NSSize)contentSizeForFrameSize:(NSSize)fSize horizontalScrollerClass:(nullable Class)horizontalScrollerClass verticalScrollerClass:(nullable Class)verticalScrollerClass borderType:(NSBorderType)type controlSize:(NSControlSize)controlSize scrollerStyle:(NSScrollerStyle)scrollerStyle API_AVAILABLE(macos(10.7));
@property (readonly) NSRect documentVisibleRect;
@property (readonly) NSSize contentSize;
@property (nullable, strong) __kindof NSView *documentView;
@property (strong) NSClipView *contentView;
@property NSBorderType borderType;
@property (copy) NSColor *backgroundColor;
@property BOOL drawsBackground;
@property BOOL hasVerticalScroller;
@property BOOL hasHorizontalScroller;
@property (nullable, strong) NSScroller *verticalScroller;
@property (nullable, strong) NSScroller *horizontalScroller;
@property BOOL autohidesScrollers;
@property CGFloat horizontalLineScroll;
@property CGFloat verticalLineScroll;
@property CGFloat lineScroll;
@property CGFloat horizontalPageScroll;
@property CGFloat verticalPageScroll;
@property CGFloat pageScroll;
@property BOOL scrollsDynamically;
- (void)tile;
- (void)reflectScrolledClipView:(NSClipView *)cView;
@property NSScrollerStyle scrollerStyle API_AVAILABLE(macos(10.7));
@property NSScrollerKnobStyle scrollerKnobStyle API_AVAILABLE(macos(10.7));
@property NSScrollElasticity horizontalScrollElasticity API_AVAILABLE(macos(10.7));
@property NSScrollElasticity verticalScrollElasticity API_AVAILABLE(macos(10.7));
@property BOOL usesPredominantAxisScrolling API_AVAILABLE(macos(10.7));
@property BOOL allowsMagnification API_AVAILABLE(macos(10.8));
@property CGFloat magnification API_AVAILABLE(macos(10.8));
@property CGFloat maxMagnification API_AVAILABLE(macos(10.8));
@property CGFloat minMagnification API_AVAILABLE(macos(10.8));
- (void)magnifyToFitRect:(NSRect)rect API_AVAILABLE(macos(10.8));
- (void)setMagnification:(CGFloat)magnification centeredAtPoint:(NSPoint)point API_AVAILABLE(macos(10.8));
@property BOOL automaticallyAdjustsContentInsets API_AVAILABLE(macos(10.10));
@property NSEdgeInsets contentInsets API_AVAILABLE(macos(10.10));
@property NSEdgeInsets scrollerInsets API_AVAILABLE(macos(10.10));
@property BOOL hasVerticalRuler;
@property BOOL hasHorizontalRuler;
@property BOOL rulersVisible;
@property (nullable, strong) NSRulerView *verticalRulerView;
@property (nullable, strong) NSRulerView *horizontalRulerView;
@end

APPKIT_EXTERN NSNotificationName const NSScrollViewWillStartLiveMagnifyNotification API_AVAILABLE(macos(10.8));
APPKIT_EXTERN NSNotificationName const NSScrollViewDidEndLiveMagnifyNotification API_AVAILABLE(macos(10.8));
APPKIT_EXTERN NSNotificationName const NSScrollViewWillStartLiveScrollNotification API_AVAILABLE(macos(10.9));
APPKIT_EXTERN NSNotificationName const NSScrollViewDidLiveScrollNotification API_AVAILABLE(macos(10.9));
APPKIT_EXTERN NSNotificationName const NSScrollViewDidEndLiveScrollNotification API_AVAILABLE(macos(10.9));

NS_ASSUME_NONNULL_END
