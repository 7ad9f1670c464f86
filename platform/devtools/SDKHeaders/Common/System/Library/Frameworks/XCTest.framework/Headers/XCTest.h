/* XCTest.h: the whole XCTest framework: test cases, suites, expectations and the assertion macros. */
#import <Foundation/Foundation.h>

#import <XCTest/XCTestDefines.h>
#import <XCTest/XCTestBase.h>
#import <XCTest/XCTestRun.h>
#import <XCTest/XCTestCase.h>
#import <XCTest/XCTestSuite.h>
#import <XCTest/XCTestExpectation.h>
#import <XCTest/XCTWaiter.h>
#import <XCTest/XCTestAssertions.h>
