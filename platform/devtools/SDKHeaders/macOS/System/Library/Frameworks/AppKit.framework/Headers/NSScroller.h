/* NSScroller.h: scrollers: the scroll bars of a scroll view. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSScrollerStyle) {
    NSScrollerStyleLegacy = 0,
    NSScrollerStyleOverlay
} API_AVAILABLE(macos(10.7));

typedef NS_ENUM(NSInteger, NSScrollerKnobStyle) {
    NSScrollerKnobStyleDefault = 0,
    NSScrollerKnobStyleDark = 1,
    NSScrollerKnobStyleLight = 2
} API_AVAILABLE(macos(10.7));

@interface NSScroller : NSControl
@property (class, readonly) NSScrollerStyle preferredScrollerStyle API_AVAILABLE(macos(10.7));
+ (CGFloat)scrollerWidthForControlSize:(NSControlSize)controlSize scrollerStyle:(NSScrollerStyle)scrollerStyle API_AVAILABLE(macos(10.7));
@property NSScrollerStyle scrollerStyle API_AVAILABLE(macos(10.7));
@property NSScrollerKnobStyle knobStyle API_AVAILABLE(macos(10.7));
@property CGFloat knobProportion;
@end

APPKIT_EXTERN NSNotificationName const NSPreferredScrollerStyleDidChangeNotification API_AVAILABLE(macos(10.7));

NS_ASSUME_NONNULL_END
