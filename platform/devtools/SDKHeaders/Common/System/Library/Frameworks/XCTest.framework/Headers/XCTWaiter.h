/* XCTWaiter.h: waiting for expectations outside a test case's own waiting methods. */
#import <Foundation/Foundation.h>
#import <XCTest/XCTestDefines.h>
#import <XCTest/XCTestExpectation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, XCTWaiterResult) {
    XCTWaiterResultCompleted = 1,
    XCTWaiterResultTimedOut,
    XCTWaiterResultIncorrectOrder,
    XCTWaiterResultInvertedFulfillment,
    XCTWaiterResultInterrupted
};

@interface XCTWaiter : NSObject
+ (XCTWaiterResult)waitForExpectations:(NSArray<XCTestExpectation *> *)expectations timeout:(NSTimeInterval)seconds;
+ (XCTWaiterResult)waitForExpectations:(NSArray<XCTestExpectation *> *)expectations
                               timeout:(NSTimeInterval)seconds
                          enforceOrder:(BOOL)enforceOrderOfFulfillment;
- (XCTWaiterResult)waitForExpectations:(NSArray<XCTestExpectation *> *)expectations timeout:(NSTimeInterval)seconds;
@property (readonly, copy) NSArray<XCTestExpectation *> *fulfilledExpectations;
@end

NS_ASSUME_NONNULL_END
