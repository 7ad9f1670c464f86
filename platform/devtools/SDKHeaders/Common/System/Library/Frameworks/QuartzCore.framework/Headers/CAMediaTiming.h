/* CAMediaTiming.h: the timing of layers and animations: begin time, duration, speed, repetition, fill mode. */
#import <QuartzCore/CABase.h>
#import <Foundation/NSObject.h>
#import <Foundation/NSString.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *CAMediaTimingFillMode NS_TYPED_ENUM;

@protocol CAMediaTiming
@property CFTimeInterval beginTime;
@property CFTimeInterval duration;
@property float speed;
@property CFTimeInterval timeOffset;
@property float repeatCount;
@property CFTimeInterval repeatDuration;
@property BOOL autoreverses;
@property (copy) CAMediaTimingFillMode fillMode;
@end

CA_EXTERN CAMediaTimingFillMode const kCAFillModeForwards API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAMediaTimingFillMode const kCAFillModeBackwards API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAMediaTimingFillMode const kCAFillModeBoth API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAMediaTimingFillMode const kCAFillModeRemoved API_AVAILABLE(macos(10.5), ios(2.0));

NS_ASSUME_NONNULL_END
