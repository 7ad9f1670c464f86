#import <Foundation/Foundation.h>

//--- a method without a prefix in a category of a system class is reported, instance and class methods alike
@implementation NSString (Trimming)
↓- (NSString *)trimmed { // expect: id=-[NSString trimmed]
    return self;
}
↓+ (NSString *)blank { // expect: id=+[NSString blank]
    return @"";
}
@end

//--- lower-case prefixes with an underscore, +load and setters are not reported
@implementation NSString (Prefixed)
- (NSString *)abc_x {
    return self;
}
- (NSString *)tqx_trimmed {
    return self;
}
+ (void)load {
}
- (void)setFoo:(id)foo {
}
@end

//--- setters are reported when they are not ignored
| options: {"ignoreSetters": false}
@implementation NSString (Setting)
↓- (void)setFoo:(id)foo { // expect: id=-[NSString setFoo:]
}
@end

//--- the project's class prefix in lower case with an underscore is allowed
| project: {"classPrefix": "TQ"}
@implementation NSString (Project)
- (NSString *)tq_trimmed {
    return self;
}
↓- (NSString *)TQ_trimmed { // expect: id=-[NSString TQ_trimmed]
    return self;
}
@end

//--- configured prefixes are allowed, compared case-sensitively
| options: {"prefixes": ["Q"]}
@implementation NSString (Configured)
- (NSString *)Qtrimmed {
    return self;
}
↓- (NSString *)qtrimmed { // expect: id=-[NSString qtrimmed]
    return self;
}
@end

//--- a category of the project's own class is never reported
@interface Thing : NSObject
@end
@implementation Thing
@end
@implementation Thing (Trimming)
- (NSString *)trimmed {
    return @"";
}
@end
