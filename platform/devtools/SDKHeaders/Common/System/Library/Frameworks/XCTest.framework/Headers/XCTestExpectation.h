/* XCTestExpectation.h: expectations: conditions that asynchronous work fulfils and tests wait for. */
#import <Foundation/Foundation.h>
#import <XCTest/XCTestDefines.h>

NS_ASSUME_NONNULL_BEGIN

@interface XCTestExpectation : NSObject
- (instancetype)initWithDescription:(NSString *)expectationDescription NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@property (copy) NSString *expectationDescription;
/* An inverted expectation fails when it is fulfilled. */
@property (getter=isInverted) BOOL inverted;
@property NSUInteger expectedFulfillmentCount;
@property BOOL assertForOverFulfill;
- (void)fulfill;
@end

#if defined(__BLOCKS__)
typedef BOOL (^XCTKVOExpectationHandler)(id observedObject, NSDictionary *change);
#endif

@interface XCTKVOExpectation : XCTestExpectation
- (instancetype)initWithKeyPath:(NSString *)keyPath
                         object:(id)object
                  expectedValue:(nullable id)expectedValue
                        options:(NSKeyValueObservingOptions)options NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithKeyPath:(NSString *)keyPath object:(id)object expectedValue:(nullable id)expectedValue;
- (instancetype)initWithKeyPath:(NSString *)keyPath object:(id)object;
@property (readonly, copy) NSString *keyPath;
@property (readonly, strong) id observedObject;
@property (readonly, strong, nullable) id expectedValue;
@property (readonly) NSKeyValueObservingOptions options;
#if defined(__BLOCKS__)
@property (nullable, copy) XCTKVOExpectationHandler handler;
#endif
@end

@interface XCTNSNotificationExpectation : XCTestExpectation
- (instancetype)initWithName:(NSNotificationName)notificationName object:(nullable id)object;
- (instancetype)initWithName:(NSNotificationName)notificationName;
@end

@interface XCTNSPredicateExpectation : XCTestExpectation
- (instancetype)initWithPredicate:(NSPredicate *)predicate object:(nullable id)object;
@end

NS_ASSUME_NONNULL_END
