/*
 * XCTestCase.h: test cases: every method of a subclass whose name begins with "test" and that takes no arguments
 * is a test; setUp and tearDown run around each; expectations wait for asynchronous work; measure blocks time
 * code.
 */
#import <Foundation/Foundation.h>
#import <XCTest/XCTestDefines.h>
#import <XCTest/XCTestBase.h>

@class XCTestExpectation, XCTestSuite;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *XCTPerformanceMetric NS_TYPED_EXTENSIBLE_ENUM;
XCT_EXPORT XCTPerformanceMetric const XCTPerformanceMetric_WallClockTime;

#if defined(__BLOCKS__)
typedef void (^XCWaitCompletionHandler)(NSError *_Nullable error);
#endif

@interface XCTestCase : XCTest

+ (instancetype)testCaseWithInvocation:(nullable NSInvocation *)invocation;
- (instancetype)initWithInvocation:(nullable NSInvocation *)invocation;
+ (instancetype)testCaseWithSelector:(SEL)selector;
- (instancetype)initWithSelector:(SEL)selector;

@property (nullable, retain) NSInvocation *invocation;
- (void)invokeTest;

/* Whether the test goes on after an assertion fails (YES by default). */
@property BOOL continueAfterFailure;

@property (class, readonly, copy) NSArray<NSInvocation *> *testInvocations;
@property (class, readonly) XCTestSuite *defaultTestSuite;

+ (void)setUp;
+ (void)tearDown;

#if defined(__BLOCKS__)
- (void)addTeardownBlock:(void (^)(void))block API_AVAILABLE(macos(10.13), ios(11.0));

/* Performance measurement: the block runs several times and its mean time is compared with the baseline. */
- (void)measureBlock:(void(NS_NOESCAPE ^)(void))block;
- (void)measureMetrics:(NSArray<XCTPerformanceMetric> *)metrics
    automaticallyStartMeasuring:(BOOL)automaticallyStartMeasuring
                       forBlock:(void(NS_NOESCAPE ^)(void))block;
#endif
- (void)startMeasuring;
- (void)stopMeasuring;
@property (class, readonly, copy) NSArray<XCTPerformanceMetric> *defaultPerformanceMetrics;

/* Asynchronous tests */
- (XCTestExpectation *)expectationWithDescription:(NSString *)description;
- (XCTestExpectation *)keyValueObservingExpectationForObject:(id)objectToObserve
                                                     keyPath:(NSString *)keyPath
                                               expectedValue:(nullable id)expectedValue;
#if defined(__BLOCKS__)
typedef BOOL (^XCKeyValueObservingExpectationHandler)(id observedObject, NSDictionary *change);
- (XCTestExpectation *)keyValueObservingExpectationForObject:(id)objectToObserve
                                                     keyPath:(NSString *)keyPath
                                                     handler:(nullable XCKeyValueObservingExpectationHandler)handler;
#endif
- (XCTestExpectation *)expectationForNotification:(NSNotificationName)notificationName
                                           object:(nullable id)objectToObserve
                                          handler:(nullable BOOL (^)(NSNotification *notification))handler;
- (XCTestExpectation *)expectationForPredicate:(NSPredicate *)predicate
                           evaluatedWithObject:(nullable id)object
                                       handler:(nullable BOOL (^)(void))handler;
#if defined(__BLOCKS__)
- (void)waitForExpectationsWithTimeout:(NSTimeInterval)timeout handler:(nullable XCWaitCompletionHandler)handler;
#endif
- (void)waitForExpectations:(NSArray<XCTestExpectation *> *)expectations
                    timeout:(NSTimeInterval)seconds API_AVAILABLE(macos(10.13), ios(11.0));
- (void)waitForExpectations:(NSArray<XCTestExpectation *> *)expectations
                    timeout:(NSTimeInterval)seconds
               enforceOrder:(BOOL)enforceOrderOfFulfillment API_AVAILABLE(macos(10.13), ios(11.0));

@end

NS_ASSUME_NONNULL_END
