| project: {"platform": "iphoneos"}
#import <UIKit/UIKit.h>
#import <XCTest/XCTest.h>

@interface MyViewController : UIViewController
@end

//--- an override that never calls super is reported at the method
@implementation MyViewController
↓- (void)viewWillAppear:(BOOL)animated { // expect: id=-[MyViewController viewWillAppear:]
    self.title = @"Hello";
}
@end

//--- a call of super inside a branch or a block counts
@implementation MyViewController
- (void)viewWillAppear:(BOOL)animated {
    if (animated) {
        [super viewWillAppear:animated];
    }
}
- (void)viewDidAppear:(BOOL)animated {
    void (^later)(void) = ^{
        [super viewDidAppear:animated];
    };
    later();
}
@end

//--- calling super of another method does not count
@implementation MyViewController
↓- (void)viewDidLoad { // expect: id=-[MyViewController viewDidLoad]
    [super viewWillAppear:NO];
}
@end

//--- a view's layout methods are checked
@interface MyView : UIView
@end
@implementation MyView
↓- (void)layoutSubviews { // expect: id=-[MyView layoutSubviews]
}
- (void)updateConstraints {
    [super updateConstraints];
}
@end

//--- a test case's -setUp is checked, its -tearDown is not
@interface MyTests : XCTestCase
@end
@implementation MyTests
↓- (void)setUp { // expect: id=-[MyTests setUp]
}
- (void)tearDown {
}
@end

//--- only direct overrides: a subclass of a class that declares its own override is not checked
@interface BaseController : UIViewController
- (void)viewDidDisappear:(BOOL)animated;
@end
@implementation BaseController
- (void)viewDidDisappear:(BOOL)animated {
    [super viewDidDisappear:animated];
}
@end
@interface DerivedController : BaseController
@end
@implementation DerivedController
- (void)viewDidDisappear:(BOOL)animated {
}
@end

//--- other methods, declarations without a body and class methods are not checked
@interface OtherController : UIViewController
- (void)viewWillDisappear:(BOOL)animated;
+ (void)viewDidLoad;
@end
@implementation OtherController
- (void)refresh {
}
+ (void)viewDidLoad {
}
@end
