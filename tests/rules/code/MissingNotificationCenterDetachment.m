| project: {"platform": "iphoneos", "deploymentTarget": "8.0"}
#import <Foundation/Foundation.h>

static NSString *const MyDataDidChangeNotification = @"MyDataDidChange";
static NSString *const MyDataWillChangeNotification = @"MyDataWillChange";

@interface Screen : NSObject {
    id _token;
}
@property (nonatomic, strong) NSObject *helper;
@end

//--- observing a literal name in -init and removing self from everything in -dealloc is clean
@implementation Screen
- (instancetype)init {
    self = [super init];
    [[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(refresh) name:@"Refresh" object:nil];
    return self;
}
- (void)refresh {
}
- (void)dealloc {
    [[NSNotificationCenter defaultCenter] removeObserver:self];
}
@end

//--- removing self for another literal name leaves the observation in place
@implementation Screen
- (instancetype)init {
    self = [super init];
    ↓[[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(refresh) name:@"Refresh" object:nil];
    return self;
}
- (void)refresh {
}
- (void)dealloc {
    [[NSNotificationCenter defaultCenter] removeObserver:self name:@"Reload" object:nil];
}
@end

//--- removing self with no name removes every observation
@implementation Screen
- (instancetype)init {
    self = [super init];
    [[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(refresh) name:@"Refresh" object:nil];
    return self;
}
- (void)refresh {
}
- (void)stop {
    [[NSNotificationCenter defaultCenter] removeObserver:self name:nil object:nil];
}
@end

//--- constant names match the same constant only
#import <UIKit/UIKit.h>
@implementation Screen
- (void)start {
    NSNotificationCenter *center = [NSNotificationCenter defaultCenter];
    [center addObserver:self selector:@selector(refresh) name:MyDataDidChangeNotification object:nil];
    [center addObserver:self selector:@selector(refresh) name:UIApplicationDidBecomeActiveNotification object:nil];
    ↓[center addObserver:self selector:@selector(refresh) name:MyDataWillChangeNotification object:nil];
}
- (void)refresh {
}
- (void)stop {
    NSNotificationCenter *center = [NSNotificationCenter defaultCenter];
    [center removeObserver:self name:MyDataDidChangeNotification object:nil];
    [center removeObserver:self name:UIApplicationDidBecomeActiveNotification object:nil];
    [center removeObserver:self name:MyDataDidChangeNotification object:nil];
}
@end

//--- a name in a variable or from a call is never recorded
NSString *currentNotificationName(void);
@implementation Screen
- (void)startWithName:(NSString *)name {
    NSNotificationCenter *center = [NSNotificationCenter defaultCenter];
    [center addObserver:self selector:@selector(refresh) name:name object:nil];
    [center addObserver:self selector:@selector(refresh) name:currentNotificationName() object:nil];
}
- (void)refresh {
}
@end

//--- an observer token kept in an instance variable and removed in another method is clean
@implementation Screen
- (void)start {
    _token = [[NSNotificationCenter defaultCenter] addObserverForName:@"Refresh"
                                                               object:nil
                                                                queue:nil
                                                           usingBlock:^(NSNotification *note) {}];
}
- (void)stop {
    [[NSNotificationCenter defaultCenter] removeObserver:_token];
}
@end

//--- an observer token kept in an instance variable and never removed is reported at the assignment
@implementation Screen
- (void)start {
    ↓_token = [[NSNotificationCenter defaultCenter] addObserverForName:@"Refresh"
                                                                object:nil
                                                                 queue:nil
                                                            usingBlock:^(NSNotification *note) {}];
}
@end

//--- an observer token in a local variable is not considered
@implementation Screen
- (void)start {
    id token;
    token = [[NSNotificationCenter defaultCenter] addObserverForName:@"Refresh"
                                                              object:nil
                                                               queue:nil
                                                          usingBlock:^(NSNotification *note) {}];
    (void)token;
}
@end

//--- an observing property is removed through its instance variable
@interface Panel : NSObject
@property (nonatomic, strong) NSObject *listener;
@end
@implementation Panel
- (void)start {
    [[NSNotificationCenter defaultCenter] addObserver:self.listener
                                             selector:@selector(description)
                                                 name:@"Refresh"
                                               object:nil];
}
- (void)dealloc {
    [[NSNotificationCenter defaultCenter] removeObserver:_listener];
}
@end

//--- a property of a class extension observing and never removed is reported
@interface Panel : NSObject
@end
@interface Panel ()
@property (nonatomic, strong) NSObject *listener;
@end
@implementation Panel {
    NSObject *_other;
}
- (void)start {
    NSNotificationCenter *center = [NSNotificationCenter defaultCenter];
    ↓[center addObserver:self.listener selector:@selector(description) name:@"Refresh" object:nil];
    ↓[center addObserver:_other selector:@selector(description) name:@"Refresh" object:nil];
}
@end

//--- other objects as observers and observations in class methods are ignored
@implementation Screen
+ (void)startObserving {
    [[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(class) name:@"Refresh" object:nil];
}
- (void)watchWith:(NSObject *)other {
    NSObject *local = [NSObject new];
    [[NSNotificationCenter defaultCenter] addObserver:other selector:@selector(description) name:@"A" object:nil];
    [[NSNotificationCenter defaultCenter] addObserver:local selector:@selector(description) name:@"A" object:nil];
}
@end

//--- another class's property as observer is ignored
@interface Owner : NSObject
@property (nonatomic, strong) NSObject *listener;
@end
@implementation Screen
- (void)watch:(Owner *)owner {
    [[NSNotificationCenter defaultCenter] addObserver:owner.listener selector:@selector(description) name:@"A" object:nil];
}
@end

//--- an iOS 9 project does not run the rule
| project: {"platform": "iphoneos", "deploymentTarget": "9.0"}
@implementation Screen
- (void)start {
    [[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(start) name:@"Refresh" object:nil];
}
@end

//--- an OS X 10.10 project runs the rule
| project: {"platform": "macosx", "deploymentTarget": "10.10"}
@interface Window : NSObject
@end
@implementation Window
- (void)start {
    ↓[[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(start) name:@"Refresh" object:nil];
}
@end
