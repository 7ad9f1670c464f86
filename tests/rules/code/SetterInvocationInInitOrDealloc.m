#import <UIKit/UIKit.h>

@interface Person : NSObject
@property (nonatomic, copy) NSString *name;
@property (nonatomic, weak) id delegate;
@property (nonatomic) NSInteger count;
- (instancetype)initWithName:(NSString *)name;
@end

//--- dot syntax and a setter message in an init method are reported, a direct ivar write is not
@implementation Person
- (instancetype)initWithName:(NSString *)name {
    self = [super init];
    if (self) {
        ↓self.name = name; // expect: id=name
        ↓[self setName:name]; // expect: id=setName:
        _name = name;
    }
    return self;
}
@end

//--- a setter in -dealloc is reported
@implementation Person
- (void)dealloc {
    ↓self.delegate = nil; // expect: id=delegate
}
@end

//--- with applyToDealloc off, -dealloc is not checked but init methods still are
| options: {"applyToDealloc": false}
@implementation Person
- (instancetype)initWithName:(NSString *)name {
    self = [super init];
    ↓self.name = name; // expect: id=name
    return self;
}
- (void)dealloc {
    self.delegate = nil;
}
@end

//--- with applyToInit off, init methods are not checked but -dealloc still is
| options: {"applyToInit": false}
@implementation Person
- (instancetype)initWithName:(NSString *)name {
    self = [super init];
    self.name = name;
    return self;
}
- (void)dealloc {
    ↓[self setDelegate:nil]; // expect: id=setDelegate:
}
@end

//--- a setter call inside a block is not reported
@implementation Person
- (instancetype)initWithName:(NSString *)name {
    self = [super init];
    void (^later)(void) = ^{
        self.name = name;
    };
    later();
    return self;
}
@end

//--- compound assignments, getters, other receivers and other methods are not reported
@implementation Person
- (instancetype)initWithName:(NSString *)name {
    self = [super init];
    Person *other = [Person new];
    [other setName:name];
    other.name = name;
    NSString *current = [self name];
    current = self.name;
    self.count += 1;
    return self;
}
- (void)rename:(NSString *)name {
    self.name = name;
    [self setName:name];
}
@end

//--- an inherited framework setter is reported only when the ivar need not be found
@interface TitledController : UIViewController
@end
@implementation TitledController
- (instancetype)initWithNibName:(NSString *)nibName bundle:(NSBundle *)bundle {
    self = [super initWithNibName:nibName bundle:bundle];
    self.title = @"Hello";
    return self;
}
@end

//--- with onlyIfIvarAvailable off an inherited setter is reported
| options: {"onlyIfIvarAvailable": false}
@interface TitledController : UIViewController
@end
@implementation TitledController
- (instancetype)initWithNibName:(NSString *)nibName bundle:(NSBundle *)bundle {
    self = [super initWithNibName:nibName bundle:bundle];
    ↓self.title = @"Hello"; // expect: id=title
    ↓[self setTitle:@"Hello"]; // expect: id=setTitle:
    return self;
}
@end

//--- a custom setter that writes two ivars has no ivar of its own, one that writes one ivar has
@interface Range : NSObject {
    NSInteger _start;
    NSInteger _end;
}
@property (nonatomic) NSInteger length;
@property (nonatomic) NSInteger start;
- (void)setSpan:(NSInteger)span;
@end
@implementation Range
- (instancetype)init {
    self = [super init];
    self.length = 3;
    [self setLength:3];
    [self setSpan:4];
    ↓self.start = 1; // expect: id=start
    ↓[self setStart:1]; // expect: id=setStart:
    return self;
}
- (void)setLength:(NSInteger)length {
    _start = 0;
    _end = length;
}
- (void)setSpan:(NSInteger)span {
    _start = span;
    _end = span;
}
- (void)setStart:(NSInteger)start {
    _start = start;
}
@end

//--- a custom setter that writes one ivar, declared as a plain method, is reported
@interface Box : NSObject {
    NSInteger _width;
}
- (void)setWidth:(NSInteger)width;
@end
@implementation Box
- (instancetype)init {
    self = [super init];
    ↓[self setWidth:2]; // expect: id=setWidth:
    return self;
}
- (void)setWidth:(NSInteger)width {
    _width = width;
}
@end
