/* XCTestSuite.h: suites: named collections of tests run together. */
#import <Foundation/Foundation.h>
#import <XCTest/XCTestDefines.h>
#import <XCTest/XCTestBase.h>

NS_ASSUME_NONNULL_BEGIN

@interface XCTestSuite : XCTest
+ (instancetype)defaultTestSuite;
+ (instancetype)testSuiteForBundlePath:(NSString *)path;
+ (instancetype)testSuiteForTestCaseWithName:(NSString *)name;
+ (instancetype)testSuiteForTestCaseClass:(Class)testCaseClass;
+ (instancetype)testSuiteWithName:(NSString *)name;
- (instancetype)initWithName:(NSString *)name NS_DESIGNATED_INITIALIZER;
- (void)addTest:(XCTest *)test;
@property (readonly, copy) NSArray<__kindof XCTest *> *tests;
@end

NS_ASSUME_NONNULL_END
