#import <Foundation/Foundation.h>

@interface Namer : NSObject
- (NSString *)name;
- (NSString *)nothing;
- (NSString *)anything:(id)value;
- (id)object;
@end

//--- a subclass's object returned from a method with another object type is reported
@implementation Namer
- (NSString *)name {
    NSMutableString *name = [NSMutableString string];
    ↓return name;
// expect-info: Returning value of type NSMutableString * from method whose return type is NSString *
}
- (NSString *)nothing { return nil; }
- (NSString *)anything:(id)value { return value; }
- (id)object { return [NSMutableString string]; }
@end

//--- an integer returned from a block of another result type is reported as from a block
void withBlock(void) {
    BOOL (^check)(void) = ^BOOL(void) {
        ↓return 1;
// expect-info: Returning value of type int from block whose return type is BOOL
    };
    (void)check;
}

//--- a returned block is no routine of its own
typedef int (^Counter)(void);
Counter makeCounter(void) {
    return ^int(void) { return 1; };
}

//--- a message of the init family, new, alloc or one returning instancetype has the receiver's type
@interface Theme : NSObject
+ (instancetype)themeNamed:(NSString *)name;
+ (Theme *)defaultTheme;
+ (Theme *)freshTheme;
+ (Theme *)namedTheme;
+ (Theme *)allocatedTheme;
- (NSString *)title;
@end
@implementation Theme
+ (instancetype)themeNamed:(NSString *)name { return [[self alloc] init]; }
+ (Theme *)defaultTheme { return [[Theme alloc] init]; }
+ (Theme *)freshTheme { return [Theme new]; }
+ (Theme *)namedTheme { return [Theme themeNamed:@"x"]; }
+ (Theme *)allocatedTheme { return [Theme alloc]; }
- (NSString *)title {
    ↓return [[NSMutableString alloc] init];
// expect-info: Returning value of type NSMutableString * from method whose return type is NSString *
}
@end
NSMutableArray *makeList(void) { return [NSMutableArray new]; }
