#import <Foundation/Foundation.h>

@interface MyNumber : NSNumber
@end

//--- building an array from a nil-terminated list suggests a literal and warns about nil
NSArray *names(NSString *first) {
    return ↓[NSArray arrayWithObjects:first, @"b", nil];
// expect-info: +[NSArray arrayWithObjects:] is called. Consider using an Objective-C container literal expression instead.
// expect-info: NOTE: there is a crucial difference between the current implementation and the suggestion here: While a nil value
}

//--- dictionaries and an initializer of a collection
void build(NSString *key, id value) {
    (void)↓[NSDictionary dictionaryWithObject:value forKey:key];
// expect-info: +[NSDictionary dictionaryWithObject:forKey:] is called.
    (void)↓[[NSArray alloc] initWithObjects:value, nil];
// expect-info: NOTE:
}

//--- reading an element is reported once the deployment target has subscripts
| project: {"deploymentTarget": "5.0"}
id first(NSArray *array, NSMutableDictionary *table) {
    ↓[table setObject:@"v" forKey:@"k"];
// expect-info: -[NSMutableDictionary setObject:forKey:] is called. Consider using an Objective-C subscript expression instead.
    return ↓[array objectAtIndex:0];
// expect-info: -[NSArray objectAtIndex:] is called. Consider using an Objective-C subscript expression instead.
}

//--- an OS X target older than subscripts is not told to use them
| project: {"platform": "macosx", "deploymentTarget": "10.5"}
id firstOnOldMac(NSArray *array) { return [array objectAtIndex:0]; }

//--- an OS X target with subscripts is
| project: {"platform": "macosx", "deploymentTarget": "10.6"}
id firstOnMac(NSArray *array) { return ↓[array objectAtIndex:0]; }

//--- boxing a number, but not through a subclass of NSNumber
void numbers(void) {
    (void)↓[NSNumber numberWithInt:3];
// expect-info: +[NSNumber numberWithInt:] is called. Consider using Objective-C literal notation (or a boxed expression) instead.
    (void)↓[[NSNumber alloc] initWithUnsignedLongLong:3];
    (void)[MyNumber numberWithInt:3];
}

//--- a receiver typed id is not known to be a collection
id lookUp(id table) { return [table objectForKey:@"k"]; }

//--- a mutable collection is made the long way by default
void mutableCollections(void) {
    (void)[NSMutableArray array];
    (void)[NSMutableDictionary dictionary];
}

//--- a mutable collection is reported when literals are expected for those too
| options: {"expectLiteralSyntaxForMutableCollections": true}
void mutableLiterals(void) {
    (void)↓[NSMutableArray array];
// expect-info: +[NSArray array] is called.
}

//--- a C string in UTF-8 suggests a boxed C string
void strings(const char *text) {
    (void)↓[NSString stringWithCString:text encoding:NSUTF8StringEncoding];
// expect-info: +[NSString stringWithCString:encoding:] is called. Consider using an Objective-C boxed C string instead.
    (void)↓[[NSString alloc] initWithUTF8String:text];
    (void)[NSString stringWithCString:text encoding:NSASCIIStringEncoding];
}

//--- a format made only of %s is a boxed C string, a longer one is not
void formats(const char *text) {
    (void)↓[NSString stringWithFormat:@"%s", text];
// expect-info: The %s format specifier is used to make an NSString from an ASCII C string.
    (void)[NSString stringWithFormat:@"%s!", text];
}

//--- sends written inside a macro are not reported
#define MAKE_LIST(x) [NSArray arrayWithObject:(x)]
#define BOX(n) [NSNumber numberWithInt:(n)]
#define CSTRING(s) [NSString stringWithUTF8String:(s)]
void macros(void) {
    (void)MAKE_LIST(@"a");
    (void)BOX(2);
    (void)CSTRING("c");
}
