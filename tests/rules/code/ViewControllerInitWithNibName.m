#import <UIKit/UIKit.h>

@interface MyController : UIViewController
@end

//--- a literal NIB name from another class's implementation is reported
@interface Presenter : NSObject
@end
@implementation MyController
@end
@implementation Presenter
- (UIViewController *)controller {
    return ↓[[MyController alloc] initWithNibName:@"Main" bundle:nil];
// expect-info: Instantiating MyController outside its implementation with literal NIB name Main
}
@end

//--- a NIB name with markup characters is escaped in the info
@implementation MyController
@end
UIViewController *makeOddController(void) {
    return ↓[[MyController alloc] initWithNibName:@"A&B<" bundle:nil];
// expect-info: literal NIB name A&amp;B&lt;
}

//--- the controller's own implementation chooses its NIB
@implementation MyController
+ (instancetype)controller {
    return [[MyController alloc] initWithNibName:@"Main" bundle:nil];
}
@end

//--- a category of the controller is not its own implementation
@implementation MyController
@end
@implementation MyController (Setup)
+ (instancetype)controller {
    return ↓[[MyController alloc] initWithNibName:@"Main" bundle:nil];
}
@end

//--- outside any implementation
@implementation MyController
@end
UIViewController *makeController(void) {
    return ↓[[MyController alloc] initWithNibName:(@"Main") bundle:nil];
}

//--- a message to super, a NIB name in a variable or nil, and a receiver typed id are not reported
@implementation MyController
- (instancetype)init {
    return [super initWithNibName:@"Main" bundle:nil];
}
@end
@interface Presenter : NSObject
@end
@implementation Presenter
- (void)makeWithName:(NSString *)name something:(id)something {
    (void)[[MyController alloc] initWithNibName:name bundle:nil];
    (void)[[MyController alloc] initWithNibName:nil bundle:nil];
    (void)[something initWithNibName:@"Main" bundle:nil];
}
@end
