#import <Foundation/Foundation.h>

@interface Thing : NSObject
@property (nonatomic) NSString *name;
@property (nonatomic) NSNumber *count;
@end

//--- strings compared by "==" or "!=" are reported with low confidence
BOOL sameText(NSString *a, NSString *b) { return ↓a == b || ↓a != b; }
// expect-info: perhaps you meant to use -isEqualToString:

//--- numbers compared by "==" or "<" are reported
BOOL numbers(NSNumber *a, NSNumber *b) {
    return ↓a == b ||
// expect-info: using the == operator — perhaps you meant to use -isEqual:
           ↓a < b;
// expect-info: using the &lt; operator — perhaps you meant to use -compare:
}

//--- objects of other classes compared by ">" are reported
BOOL things(Thing *a, Thing *b) { return ↓a > b; }
// expect-info: Comparing Thing *__strong to Thing *__strong using the &gt; operator

//--- nil and NULL are never reported
BOOL missing(NSString *a) { return a == nil || a != NULL || nil < a; }

//--- identity idioms are allowed with "==" and reported with "<"
BOOL identities(id value, NSDate *a, NSDate *b, Class c, Class d) {
    BOOL allowed = value == [NSNull null] || a == [a earlierDate:b] || [a laterDate:b] == b || c == d;
    return allowed || ↓value < [NSNull null] || ↓c < d;
}

//--- a setter compares the new value with the old one
@implementation Thing
- (void)setName:(NSString *)name {
    if (_name == name) {
        return;
    }
    _name = name;
}
- (BOOL)isShorterThan:(NSString *)other { return ↓_name < other; }
@end
