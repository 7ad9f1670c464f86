#import <Foundation/Foundation.h>

static NSInteger sCount;
static NSInteger sArray[4];
static id sShared;
NSInteger gTotal;

@interface Counter : NSObject
@end

//--- an increment and an assignment are two findings
@implementation Counter
- (void)bump {
    ↓sCount++;
    ↓sCount = 0;
}
@end

//--- compound assignments, prefix decrements and globals count too
@implementation Counter
- (void)bump {
    ↓sCount += 2;
    ↓--sCount;
    ↓gTotal = 3;
}
@end

//--- a static local variable counts like a file-scope static
@implementation Counter
- (void)bump {
    static int calls;
    ↓calls++;
}
@end

//--- the same writes in a class method are not reported
@implementation Counter
+ (void)reset {
    sCount++;
    sCount = 0;
}
@end

//--- a write inside dispatch_once is allowed, the same write outside is not
@implementation Counter
- (id)shared {
    static dispatch_once_t onceToken;
    dispatch_once(&onceToken, ^{
        sShared = [NSObject new];
    });
    ↓sShared = nil;
    return sShared;
}
@end

//--- a write inside a block that is not dispatch_once is reported
@implementation Counter
- (void)later {
    void (^block)(void) = ^{
        ↓sCount = 1;
    };
    block();
}
@end

//--- array elements, reads and local and instance variables are not reported
@interface Holder : NSObject {
    NSInteger _value;
}
@end
@implementation Holder
- (void)update:(NSInteger)i {
    sArray[i] = 1;
    NSInteger x = sCount;
    x = sCount + 1;
    x++;
    _value = x;
}
@end

//--- writes in functions are not reported
void resetCount(void) {
    sCount = 0;
}
