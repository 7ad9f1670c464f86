#import <XCTest/XCTest.h>
#import "ViewController.h"

@interface TDViewControllerTests : XCTestCase
@end

@implementation TDViewControllerTests

- (void)testViewLoads {
    TDViewController *controller = [[TDViewController alloc] initWithNibName:@"MainView" bundle:nil];
    XCTAssertNotNil(controller.view);
}

@end
