/* NSClipView.h: the view that clips and scrolls the document view of a scroll view. */
#import <AppKit/NSView.h>

@class NSColor, NSEvent;

NS_ASSUME_NONNULL_BEGIN

@interface NSClipView : NSView
@property (copy) NSColor *backgroundColor;
@property BOOL drawsBackground;
@property (nullable, strong) __kindof NSView *documentView;
@property (readonly) NSRect documentRect;
@property (readonly) NSRect documentVisibleRect;
- (BOOL)autoscroll:(NSEvent *)event;
- (void)scrollToPoint:(NSPoint)newOrigin;
@end

NS_ASSUME_NONNULL_END
