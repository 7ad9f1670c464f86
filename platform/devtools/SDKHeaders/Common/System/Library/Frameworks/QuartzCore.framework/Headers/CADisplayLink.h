/* CADisplayLink.h: a timer synchronised with the refresh of the display. It retains its target. */
#import <QuartzCore/CABase.h>
#import <Foundation/NSObject.h>
#import <Foundation/NSRunLoop.h>

NS_ASSUME_NONNULL_BEGIN

typedef struct CAFrameRateRange {
    float minimum;
    float maximum;
    float preferred;
} CAFrameRateRange API_AVAILABLE(macos(12.0), ios(15.0));

API_AVAILABLE(macos(14.0), ios(3.1))
@interface CADisplayLink : NSObject
+ (CADisplayLink *)displayLinkWithTarget:(id)target selector:(SEL)sel;
- (void)addToRunLoop:(NSRunLoop *)runloop forMode:(NSRunLoopMode)mode;
- (void)removeFromRunLoop:(NSRunLoop *)runloop forMode:(NSRunLoopMode)mode;
- (void)invalidate;
@property (readonly, nonatomic) CFTimeInterval timestamp;
@property (readonly, nonatomic) CFTimeInterval duration;
@property (readonly, nonatomic) CFTimeInterval targetTimestamp API_AVAILABLE(ios(10.0));
@property (getter=isPaused, nonatomic) BOOL paused;
@property (nonatomic) NSInteger preferredFramesPerSecond API_AVAILABLE(ios(10.0));
@property (nonatomic) CAFrameRateRange preferredFrameRateRange API_AVAILABLE(ios(15.0));
@end

NS_ASSUME_NONNULL_END
