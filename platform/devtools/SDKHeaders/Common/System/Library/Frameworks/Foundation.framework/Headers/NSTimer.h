/* NSTimer.h: timers that fire on a run loop, once or repeatedly. A scheduled timer retains its target. */
#import <Foundation/NSObject.h>
#import <Foundation/NSDate.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSTimer : NSObject

+ (NSTimer *)timerWithTimeInterval:(NSTimeInterval)ti
                        invocation:(NSInvocation *)invocation
                           repeats:(BOOL)yesOrNo;
+ (NSTimer *)scheduledTimerWithTimeInterval:(NSTimeInterval)ti
                                 invocation:(NSInvocation *)invocation
                                    repeats:(BOOL)yesOrNo;
+ (NSTimer *)timerWithTimeInterval:(NSTimeInterval)ti
                            target:(id)aTarget
                          selector:(SEL)aSelector
                          userInfo:(nullable id)userInfo
                           repeats:(BOOL)yesOrNo;
+ (NSTimer *)scheduledTimerWithTimeInterval:(NSTimeInterval)ti
                                     target:(id)aTarget
                                   selector:(SEL)aSelector
                                   userInfo:(nullable id)userInfo
                                    repeats:(BOOL)yesOrNo;
#if defined(__BLOCKS__)
+ (NSTimer *)timerWithTimeInterval:(NSTimeInterval)interval
                           repeats:(BOOL)repeats
                             block:(void (^)(NSTimer *timer))block API_AVAILABLE(macos(10.12), ios(10.0));
+ (NSTimer *)scheduledTimerWithTimeInterval:(NSTimeInterval)interval
                                    repeats:(BOOL)repeats
                                      block:(void (^)(NSTimer *timer))block API_AVAILABLE(macos(10.12), ios(10.0));
- (instancetype)initWithFireDate:(NSDate *)date
                        interval:(NSTimeInterval)interval
                         repeats:(BOOL)repeats
                           block:(void (^)(NSTimer *timer))block API_AVAILABLE(macos(10.12), ios(10.0));
#endif
- (instancetype)initWithFireDate:(NSDate *)date
                        interval:(NSTimeInterval)ti
                          target:(id)t
                        selector:(SEL)s
                        userInfo:(nullable id)ui
                         repeats:(BOOL)rep NS_DESIGNATED_INITIALIZER;

- (void)fire;
@property (copy) NSDate *fireDate;
@property (readonly) NSTimeInterval timeInterval;
@property NSTimeInterval tolerance API_AVAILABLE(macos(10.9), ios(7.0));
- (void)invalidate;
@property (readonly, getter=isValid) BOOL valid;
@property (nullable, readonly, retain) id userInfo;

@end

NS_ASSUME_NONNULL_END
