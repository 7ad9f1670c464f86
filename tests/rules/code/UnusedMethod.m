#import <UIKit/UIKit.h>

//--- a private method nothing calls is reported at its definition
@interface Thing : NSObject
@end
@implementation Thing
↓- (void)unusedHelper { // expect: id=-[Thing unusedHelper]
}
↓+ (int)unusedCount { // expect: id=+[Thing unusedCount]
    return 0;
}
@end

//--- a message, dot syntax, @selector and NSSelectorFromString make methods used
@interface Thing : NSObject
@property (nonatomic) int size;
@end
@interface Thing ()
- (void)declaredInTheExtension;
@end
@implementation Thing
- (void)sent {
}
- (void)declaredInTheExtension {
}
- (int)size {
    return 1;
}
- (void)bySelector {
}
- (void)byLiteralName {
}
- (void)byVariableName {
}
- (void)run {
    [self sent];
    [self declaredInTheExtension];
    int s = self.size;
    (void)s;
    SEL a = @selector(bySelector);
    SEL b = NSSelectorFromString(@"byLiteralName");
    NSString *const name = @"byVariableName";
    SEL c = NSSelectorFromString(name);
    (void)a, (void)b, (void)c;
}
@end
@implementation NSObject (Runner)
- (void)go {
    [[Thing new] run];
}
@end
void start(void) { [[NSObject new] go]; }

//--- a method declared in an extension is reported at its definition
@interface Thing : NSObject
@end
@interface Thing ()
- (void)unusedDeclared;
@end
@implementation Thing
↓- (void)unusedDeclared { // expect: id=-[Thing unusedDeclared]
}
@end

//--- a getter whose setter is used, and the reverse, are not reported
@interface Thing : NSObject
@end
@implementation Thing
- (int)count {
    return 0;
}
- (void)setCount:(int)count {
}
- (NSString *)title {
    return nil;
}
- (void)setTitle:(NSString *)title {
}
- (int)width {
    return 0;
}
@end
void use(Thing *thing) {
    [thing setCount:1];
    (void)[thing title];
    [thing performSelector:@selector(setWidth:)];
}

//--- a selector sent to a superclass counts for its subclasses
@interface Base : NSObject
@end
@implementation Base
- (void)refresh {
}
@end
@interface Derived : Base
@end
@implementation Derived
- (void)refresh {
}
@end
void refreshAll(Base *base) { [base refresh]; }

//--- initializers, actions, keyed subscripts, observing customisations and framework overrides are never reported
@interface Screen : UIViewController
@end
@implementation Screen
- (instancetype)initWithSize:(int)size {
    return [super init];
}
- (IBAction)tapped:(id)sender {
}
- (id)objectForKeyedSubscript:(id)key {
    return nil;
}
- (void)setObject:(id)object forKeyedSubscript:(id)key {
}
+ (BOOL)automaticallyNotifiesObserversOfTitle {
    return NO;
}
+ (NSSet *)keyPathsForValuesAffectingTitle {
    return nil;
}
- (void)viewDidLoad {
    [super viewDidLoad];
}
- (void)dealloc {
}
@end

//--- a declaration without a body gives nothing
@interface Thing : NSObject
@end
@interface Thing ()
- (void)neverDefined;
@end
@implementation Thing
@end

//--- a method declared in a public header is not reported; one in a private header is
| file: Thing.h
@interface Thing : NSObject
- (void)publicMethod;
@end
| file: Thing+Private.h
#import "Thing.h"
@interface Thing ()
- (void)privateMethod;
@end
| file: Thing.m
#import "Thing+Private.h"
@implementation Thing
- (void)publicMethod {
}
↓- (void)privateMethod { // expect: id=-[Thing privateMethod]
}
@end

//--- a method defined in a category implementation is named after the extended class
@implementation NSString (Extras)
↓- (NSString *)shouted { // expect: id=-[NSString shouted]
    return self;
}
@end

//--- a setter used through dot syntax is used; a method nothing calls beside it is reported
@interface Job : NSObject
@property (nonatomic, readonly, getter=isCancelled) BOOL cancelled;
@end
@interface Job ()
@property (nonatomic, readwrite, getter=isCancelled) BOOL cancelled;
- (void)setProgress:(double)progress;
@end
@implementation Job
- (void)setCancelled:(BOOL)cancelled {
    _cancelled = cancelled;
}
- (void)setProgress:(double)progress {
    (void)progress;
}
- (void)cancel {
    self.cancelled = YES;
    self.progress = 1;
}
↓- (void)forgotten { // expect: id=-[Job forgotten]
}
@end
void run(Job *job) { [job cancel]; }

//--- overrides of a framework class's methods are called by the framework, also methods it declares privately
@interface UIView (PrivateLayout)
- (void)_updateLayoutConstraints;
@end
@interface Button : UIControl
@end
@implementation Button
- (void)setHighlighted:(BOOL)highlighted {
    [super setHighlighted:highlighted];
}
- (void)_updateLayoutConstraints {
}
- (void)layoutSubviews {
}
↓- (void)relayout { // expect: id=-[Button relayout]
}
@end

//--- a setter the property's attributes name is used through dot syntax; a method nothing calls beside it is reported
@interface Job : NSObject
@property (nonatomic, setter=markCancelled:) BOOL cancelled;
@end
@implementation Job
- (void)markCancelled:(BOOL)cancelled {
    _cancelled = cancelled;
}
↓- (void)forgotten { // expect: id=-[Job forgotten]
}
@end
void stop(Job *job) { job.cancelled = YES; }

//--- dot syntax on a protocol's property uses its accessors, whatever their names, for instances and classes
@protocol Cancellable <NSObject>
@property (nonatomic, getter=isCancelled) BOOL cancelled;
@property (class, nonatomic, getter=isVerbose) BOOL verbose;
@end
@interface Job : NSObject <Cancellable>
@end
static BOOL gVerbose;
@implementation Job {
    BOOL _flag;
}
- (BOOL)isCancelled {
    return _flag;
}
- (void)setCancelled:(BOOL)cancelled {
    _flag = cancelled;
}
+ (BOOL)isVerbose {
    return gVerbose;
}
+ (void)setVerbose:(BOOL)verbose {
    gVerbose = verbose;
}
@end
void stop(id<Cancellable> task) {
    task.cancelled = YES;
    Job.verbose = YES;
}
