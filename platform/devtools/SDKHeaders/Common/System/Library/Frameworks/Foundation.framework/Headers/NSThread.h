/* NSThread.h: threads: the current and main thread, creating and starting threads, and performing on them. */
#import <Foundation/NSObject.h>
#import <Foundation/NSDate.h>
#import <Foundation/NSNotification.h>

@class NSArray<ObjectType>, NSMutableDictionary, NSDate, NSNumber, NSString;

NS_ASSUME_NONNULL_BEGIN

@interface NSThread : NSObject

@property (class, readonly, strong) NSThread *currentThread;
+ (void)detachNewThreadSelector:(SEL)selector toTarget:(id)target withObject:(nullable id)argument;
#if defined(__BLOCKS__)
+ (void)detachNewThreadWithBlock:(void (^)(void))block API_AVAILABLE(macos(10.12), ios(10.0));
#endif
+ (BOOL)isMultiThreaded;
@property (readonly, retain) NSMutableDictionary *threadDictionary;
+ (void)sleepUntilDate:(NSDate *)date;
+ (void)sleepForTimeInterval:(NSTimeInterval)ti;
+ (void)exit;
@property (class, readonly, copy) NSArray<NSNumber *> *callStackReturnAddresses API_AVAILABLE(macos(10.5), ios(2.0));
@property (class, readonly, copy) NSArray<NSString *> *callStackSymbols API_AVAILABLE(macos(10.6), ios(4.0));
@property (nullable, copy) NSString *name API_AVAILABLE(macos(10.5), ios(2.0));
@property NSUInteger stackSize API_AVAILABLE(macos(10.5), ios(2.0));
@property NSQualityOfService qualityOfService API_AVAILABLE(macos(10.10), ios(8.0));
@property (readonly) BOOL isMainThread API_AVAILABLE(macos(10.5), ios(2.0));
@property (class, readonly) BOOL isMainThread API_AVAILABLE(macos(10.5), ios(2.0));
@property (class, readonly, strong) NSThread *mainThread API_AVAILABLE(macos(10.5), ios(2.0));

- (instancetype)init API_AVAILABLE(macos(10.5), ios(2.0)) NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithTarget:(id)target
                      selector:(SEL)selector
                        object:(nullable id)argument API_AVAILABLE(macos(10.5), ios(2.0));
#if defined(__BLOCKS__)
- (instancetype)initWithBlock:(void (^)(void))block API_AVAILABLE(macos(10.12), ios(10.0));
#endif

@property (readonly, getter=isExecuting) BOOL executing API_AVAILABLE(macos(10.5), ios(2.0));
@property (readonly, getter=isFinished) BOOL finished API_AVAILABLE(macos(10.5), ios(2.0));
@property (readonly, getter=isCancelled) BOOL cancelled API_AVAILABLE(macos(10.5), ios(2.0));
- (void)cancel API_AVAILABLE(macos(10.5), ios(2.0));
- (void)start API_AVAILABLE(macos(10.5), ios(2.0));
- (void)main API_AVAILABLE(macos(10.5), ios(2.0));

@end

FOUNDATION_EXPORT NSNotificationName const NSWillBecomeMultiThreadedNotification;
FOUNDATION_EXPORT NSNotificationName const NSDidBecomeSingleThreadedNotification;
FOUNDATION_EXPORT NSNotificationName const NSThreadWillExitNotification;

@interface NSObject (NSThreadPerformAdditions)
- (void)performSelectorOnMainThread:(SEL)aSelector
                         withObject:(nullable id)arg
                      waitUntilDone:(BOOL)wait
                              modes:(nullable NSArray<NSString *> *)array;
- (void)performSelectorOnMainThread:(SEL)aSelector withObject:(nullable id)arg waitUntilDone:(BOOL)wait;
- (void)performSelector:(SEL)aSelector
               onThread:(NSThread *)thr
             withObject:(nullable id)arg
          waitUntilDone:(BOOL)wait
                  modes:(nullable NSArray<NSString *> *)array API_AVAILABLE(macos(10.5), ios(2.0));
- (void)performSelector:(SEL)aSelector
               onThread:(NSThread *)thr
             withObject:(nullable id)arg
          waitUntilDone:(BOOL)wait API_AVAILABLE(macos(10.5), ios(2.0));
- (void)performSelectorInBackground:(SEL)aSelector withObject:(nullable id)arg API_AVAILABLE(macos(10.5), ios(2.0));
@end

NS_ASSUME_NONNULL_END
