/* NSOperation.h: operations (units of work with dependencies, priorities and cancellation) and their queues. */
#import <Foundation/NSObject.h>
#import <Foundation/NSDate.h>
#include <dispatch/dispatch.h>

@class NSArray<ObjectType>, NSSet;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSOperationQueuePriority) {
    NSOperationQueuePriorityVeryLow = -8L,
    NSOperationQueuePriorityLow = -4L,
    NSOperationQueuePriorityNormal = 0,
    NSOperationQueuePriorityHigh = 4,
    NSOperationQueuePriorityVeryHigh = 8
};

API_AVAILABLE(macos(10.5), ios(2.0))
@interface NSOperation : NSObject

- (void)start;
- (void)main;
@property (readonly, getter=isCancelled) BOOL cancelled;
- (void)cancel;
@property (readonly, getter=isExecuting) BOOL executing;
@property (readonly, getter=isFinished) BOOL finished;
@property (readonly, getter=isConcurrent) BOOL concurrent;
@property (readonly, getter=isAsynchronous) BOOL asynchronous API_AVAILABLE(macos(10.8), ios(7.0));
@property (readonly, getter=isReady) BOOL ready;
- (void)addDependency:(NSOperation *)op;
- (void)removeDependency:(NSOperation *)op;
@property (readonly, copy) NSArray<NSOperation *> *dependencies;
@property NSOperationQueuePriority queuePriority;
#if defined(__BLOCKS__)
@property (nullable, copy) void (^completionBlock)(void) API_AVAILABLE(macos(10.6), ios(4.0));
#endif
- (void)waitUntilFinished API_AVAILABLE(macos(10.6), ios(4.0));
@property NSQualityOfService qualityOfService API_AVAILABLE(macos(10.10), ios(8.0));
@property (nullable, copy) NSString *name API_AVAILABLE(macos(10.10), ios(8.0));

@end

#if defined(__BLOCKS__)
API_AVAILABLE(macos(10.6), ios(4.0))
@interface NSBlockOperation : NSOperation
+ (instancetype)blockOperationWithBlock:(void (^)(void))block;
- (void)addExecutionBlock:(void (^)(void))block;
@property (readonly, copy) NSArray<void (^)(void)> *executionBlocks;
@end
#endif

API_AVAILABLE(macos(10.5), ios(2.0))
@interface NSInvocationOperation : NSOperation
- (nullable instancetype)initWithTarget:(id)target selector:(SEL)sel object:(nullable id)arg;
- (instancetype)initWithInvocation:(NSInvocation *)inv NS_DESIGNATED_INITIALIZER;
@property (readonly, retain) NSInvocation *invocation;
@property (nullable, readonly, retain) id result;
@end

static const NSInteger NSOperationQueueDefaultMaxConcurrentOperationCount = -1;

API_AVAILABLE(macos(10.5), ios(2.0))
@interface NSOperationQueue : NSObject

- (void)addOperation:(NSOperation *)op;
- (void)addOperations:(NSArray<NSOperation *> *)ops waitUntilFinished:(BOOL)wait API_AVAILABLE(macos(10.6), ios(4.0));
#if defined(__BLOCKS__)
- (void)addOperationWithBlock:(void (^)(void))block API_AVAILABLE(macos(10.6), ios(4.0));
- (void)addBarrierBlock:(void(NS_SWIFT_SENDABLE ^)(void))barrier API_AVAILABLE(macos(10.15), ios(13.0));
#endif
@property NSInteger maxConcurrentOperationCount;
@property (getter=isSuspended) BOOL suspended;
@property (nullable, copy) NSString *name API_AVAILABLE(macos(10.6), ios(4.0));
@property NSQualityOfService qualityOfService API_AVAILABLE(macos(10.10), ios(8.0));
@property (nullable, unsafe_unretained) dispatch_queue_t underlyingQueue API_AVAILABLE(macos(10.10), ios(8.0));
- (void)cancelAllOperations;
- (void)waitUntilAllOperationsAreFinished;
@property (class, readonly, strong, nullable) NSOperationQueue *currentQueue API_AVAILABLE(macos(10.6), ios(4.0));
@property (class, readonly, strong) NSOperationQueue *mainQueue API_AVAILABLE(macos(10.6), ios(4.0));
@property (readonly, copy) NSArray<__kindof NSOperation *> *operations
    API_DEPRECATED("access to operations is inherently a race condition", macos(10.5, API_TO_BE_DEPRECATED),
                   ios(2.0, API_TO_BE_DEPRECATED));
@property (readonly) NSUInteger operationCount
    API_DEPRECATED_WITH_REPLACEMENT("progress.completedUnitCount", macos(10.6, API_TO_BE_DEPRECATED),
                                    ios(4.0, API_TO_BE_DEPRECATED));

@end

NS_ASSUME_NONNULL_END
