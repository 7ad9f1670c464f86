#import <Foundation/Foundation.h>

@interface Point : NSObject
@end

//--- -isEqual: without -hash is reported at the implementation
↓@implementation Point // expect: id=Point
- (BOOL)isEqual:(id)object {
    return self == object;
}
@end

//--- both methods, neither, or only -hash are not reported
@implementation Point
- (BOOL)isEqual:(id)object {
    return self == object;
}
- (NSUInteger)hash {
    return 1;
}
@end
@interface Plain : NSObject
@end
@implementation Plain
- (void)draw {
}
@end
@interface Hashed : NSObject
@end
@implementation Hashed
- (NSUInteger)hash {
    return 2;
}
@end

//--- -hash in a category implementation does not count
↓@implementation Point // expect: id=Point
- (BOOL)isEqual:(id)object {
    return self == object;
}
@end
@implementation Point (Hashing)
- (NSUInteger)hash {
    return 1;
}
@end

//--- a class method +hash does not count
↓@implementation Point // expect: id=Point
- (BOOL)isEqual:(id)object {
    return self == object;
}
+ (NSUInteger)hash {
    return 1;
}
@end
