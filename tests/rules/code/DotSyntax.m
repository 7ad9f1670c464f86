#import <UIKit/UIKit.h>

@interface Thing : NSObject
@property (nonatomic, copy) NSString *name;
- (NSString *)plainMethod;
- (void)setPlainValue:(int)value;
@end

//--- dot syntax that calls a method which is no property is reported with the method's name
NSString *plain(Thing *thing) {
    return ↓thing.plainMethod;
// expect-info: Dot syntax used for non-property accessor -[Thing plainMethod].
}

//--- a property read and written with brackets is reported
void brackets(Thing *thing) {
    (void)↓[thing name];
    ↓[thing setName:@"x"];
}

//--- dot syntax on a property, a class named as receiver, an id receiver and plain methods in brackets are not
void fine(Thing *thing, id anything, id<NSObject> described) {
    thing.name = thing.name;
    (void)[NSArray array];
    (void)[NSBundle mainBundle];
    (void)[anything name];
    (void)[described description];
    (void)[thing plainMethod];
    [thing setPlainValue:1];
}

//--- without the restriction to properties, any accessor-shaped method in brackets is reported
| options: {"onlyForProperties": false}
void anyAccessor(Thing *thing, UIResponder *responder) {
    (void)↓[thing plainMethod];
    ↓[thing setPlainValue:2];
    (void)thing.plainMethod;
    (void)[responder becomeFirstResponder];
}

//--- sends written inside a macro are not reported
#define NAME_OF(t) [(t) name]
NSString *macro(Thing *thing) { return NAME_OF(thing); }
