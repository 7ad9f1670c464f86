/* XCTestBase.h: XCTest, the abstract base of test cases and suites. */
#import <Foundation/Foundation.h>
#import <XCTest/XCTestDefines.h>

@class XCTestRun;

NS_ASSUME_NONNULL_BEGIN

@interface XCTest : NSObject
@property (readonly) NSUInteger testCaseCount;
@property (readonly, copy) NSString *name;
@property (readonly) Class testRunClass;
@property (readonly, nullable) XCTestRun *testRun;
- (void)performTest:(XCTestRun *)run;
- (void)runTest;
- (void)setUpWithError:(NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
- (void)setUp;
- (void)tearDown;
- (void)tearDownWithError:(NSError **)error API_AVAILABLE(macos(10.15), ios(13.0));
@end

NS_ASSUME_NONNULL_END
