#import <Foundation/Foundation.h>

@interface Person : NSObject
@property (nonatomic, copy) NSString *name;
@end

NSString *fallback(NSString *value);

//--- an operand tested against nil and taken when it is not nil is reported, in every spelling of the test
void choose(NSString *x, NSString *y) {
    NSString *a = ↓x ? x : y;
    NSString *b = ↓x == nil ? y : x;
    NSString *c = ↓!x ? y : x;
    NSString *d = ↓(x != nil) ? (x) : y;
    (void)a, (void)b, (void)c, (void)d;
}

//--- a property read on both sides of the same object is reported
NSString *nameOf(Person *person) { return ↓person.name ? person.name : @"?"; }

//--- another value, a call and another object's property are not
void others(NSString *x, NSString *y, NSString *z, Person *a, Person *b) {
    NSString *e = x ? fallback(x) : y;
    NSString *f = x ? z : y;
    NSString *g = a.name ? b.name : z;
    NSString *h = x ? y : x;
    (void)e, (void)f, (void)g, (void)h;
}

//--- an expression written by a macro is not reported
#define OR_DEFAULT(v, d) ((v) ? (v) : (d))
NSString *defaulted(NSString *x) { return OR_DEFAULT(x, @"d"); }
