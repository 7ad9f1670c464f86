#import <Foundation/Foundation.h>

@interface Foo : NSObject
@end
@implementation Foo
@end

//--- by default [Foo new] is reported and alloc-init is not
void make(void) {
    Foo *a = ↓[Foo new];
    Foo *b = [[Foo alloc] init];
    (void)a; (void)b;
}

//--- preferring new reports alloc-init, but not initializers sent to super or self
| options: {"preferAllocInit": false}
@interface Bar : NSObject
@end
@implementation Bar
- (instancetype)init {
    self = [super init];
    return self;
}
- (instancetype)initAgain {
    return [self init];
}
@end
void makeOther(void) {
    Foo *a = ↓[[Foo alloc] init];
    Foo *b = [Foo new];
    (void)a; (void)b;
}
