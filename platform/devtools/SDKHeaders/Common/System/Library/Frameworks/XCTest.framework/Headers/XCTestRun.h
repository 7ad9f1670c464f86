/* XCTestRun.h: the record of one run of a test: timing, counts of failures and skipped tests. */
#import <Foundation/Foundation.h>
#import <XCTest/XCTestDefines.h>

@class XCTest;

NS_ASSUME_NONNULL_BEGIN

@interface XCTestRun : NSObject
+ (instancetype)testRunWithTest:(XCTest *)test;
- (instancetype)initWithTest:(XCTest *)test NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@property (readonly, strong) XCTest *test;
@property (readonly, copy, nullable) NSDate *startDate;
@property (readonly, copy, nullable) NSDate *stopDate;
@property (readonly) NSTimeInterval totalDuration;
@property (readonly) NSTimeInterval testDuration;
@property (readonly) NSUInteger testCaseCount;
@property (readonly) NSUInteger executionCount;
@property (readonly) NSUInteger skipCount;
@property (readonly) NSUInteger failureCount;
@property (readonly) NSUInteger unexpectedExceptionCount;
@property (readonly) NSUInteger totalFailureCount;
@property (readonly) BOOL hasSucceeded;
@property (readonly) BOOL hasBeenSkipped;
- (void)start;
- (void)stop;
@end

NS_ASSUME_NONNULL_END
