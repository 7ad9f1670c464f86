/* NSProgressIndicator.h: bars and spinning wheels that show the progress of a task. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>
#import <AppKit/NSControl.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSProgressIndicatorStyle) {
    NSProgressIndicatorStyleBar = 0,
    NSProgressIndicatorStyleSpinning = 1
};

@interface NSProgressIndicator : NSView
@property (getter=isIndeterminate) BOOL indeterminate;
@property (getter=isBezeled) BOOL bezeled;
@property NSControlSize controlSize;
@property double doubleValue;
- (void)incrementBy:(double)delta;
@property double minValue;
@property double maxValue;
@property (nullable, strong) NSProgress *observedProgress API_AVAILABLE(macos(10.14));
@property BOOL usesThreadedAnimation;
- (void)startAnimation:(nullable id)sender;
- (void)stopAnimation:(nullable id)sender;
@property NSProgressIndicatorStyle style;
- (void)sizeToFit;
@property (getter=isDisplayedWhenStopped) BOOL displayedWhenStopped;
@end

NS_ASSUME_NONNULL_END
