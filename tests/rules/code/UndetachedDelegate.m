#import <UIKit/UIKit.h>

@interface Gauge : NSObject
@property (nonatomic, assign) id delegate;
@property (nonatomic, assign) id dataSource;
@property (nonatomic, assign) id fooDelegate;
@end

@interface MyController : NSObject {
    Gauge *_gauge;
}
@property (nonatomic, strong) Gauge *spare;
@end

//--- attaching by dot syntax and clearing in -dealloc is clean
@implementation MyController
- (void)setUp {
    _gauge.delegate = self;
}
- (void)dealloc {
    _gauge.delegate = nil;
}
@end

//--- an attachment never cleared is reported where it is made
@implementation MyController
- (void)setUp {
    ↓_gauge.delegate = self;
// expect-info: MyController attaches itself as a Gauge delegate, but does not detach in -[NSObject dealloc].
}
@end

//--- a setter message with nil in -dealloc clears a dot-syntax attachment, and the other way round
@implementation MyController
- (void)setUp {
    _gauge.delegate = self;
    [self.spare setDataSource:self];
}
- (void)dealloc {
    [_gauge setDelegate:nil];
    self.spare.dataSource = nil;
}
@end

//--- clearing the data source does not clear the delegate
@implementation MyController
- (void)setUp {
    ↓_gauge.delegate = self;
    _gauge.dataSource = self;
}
- (void)dealloc {
    _gauge.dataSource = nil;
}
@end

//--- a custom delegate setter is cleared only by its own name
@implementation MyController
- (void)setUp {
    ↓[_gauge setFooDelegate:self];
// expect-info: MyController attaches itself as a Gauge fooDelegate
    [self.spare setFooDelegate:self];
}
- (void)dealloc {
    _gauge.delegate = nil;
    self.spare.fooDelegate = nil;
}
@end

//--- nil assigned outside -dealloc does not clear
@implementation MyController
- (void)setUp {
    ↓_gauge.delegate = self;
}
- (void)tearDown {
    _gauge.delegate = nil;
}
@end

//--- a property attachment is cleared through its instance variable
@implementation MyController
- (void)setUp {
    self.spare.delegate = self;
}
- (void)dealloc {
    _spare.delegate = nil;
}
@end

//--- a weak delegate, a local, a parameter and another class's member are never considered
@interface Holder : NSObject
@property (nonatomic, strong) Gauge *gauge;
@end
@interface TableController : NSObject {
    UITableView *_table;
}
@end
@implementation TableController
- (void)setUpWith:(Gauge *)parameter holder:(Holder *)holder {
    _table.delegate = self;
    [_table setDataSource:self];
    Gauge *local = [Gauge new];
    local.delegate = self;
    parameter.delegate = self;
    holder.gauge.delegate = self;
}
@end

//--- two attachments of one member's delegate give one finding
@implementation MyController
- (void)setUp {
    ↓_gauge.delegate = self;
}
- (void)reset {
    [_gauge setDelegate:self];
}
@end

//--- a member of a class extension or of the implementation counts as the class's own
@interface MyController ()
@property (nonatomic, strong) Gauge *hidden;
@end
@implementation MyController {
    Gauge *_inner;
}
- (void)setUp {
    ↓self.hidden.delegate = self;
    ↓_inner.delegate = self;
}
@end

//--- a delegate set to another object is not an attachment of self
@implementation MyController
- (void)setUpWith:(id)other {
    _gauge.delegate = other;
}
@end
