#import <UIKit/UIKit.h>
#import <objc/runtime.h>

static char kTagKey;

//--- attaching to an instance of a value-like class is reported, named by the class
void tag(NSNumber *number, NSString *name, NSDate *date, UIFont *font, UIColor *color, id value) {
    ↓objc_setAssociatedObject(number, &kTagKey, value, OBJC_ASSOCIATION_RETAIN_NONATOMIC); // expect: id=NSNumber
// expect-severity: 9
    ↓objc_setAssociatedObject(name, &kTagKey, value, OBJC_ASSOCIATION_RETAIN); // expect: id=NSString
    ↓objc_setAssociatedObject((date), &kTagKey, value, OBJC_ASSOCIATION_ASSIGN); // expect: id=NSDate
    ↓objc_setAssociatedObject(font, &kTagKey, value, OBJC_ASSOCIATION_RETAIN); // expect: id=UIFont
    ↓objc_setAssociatedObject(color, &kTagKey, value, OBJC_ASSOCIATION_COPY); // expect: id=UIColor
}

//--- the declared type counts, not a cast: an id cast to NSString is not reported
void tag(id object, id value) { objc_setAssociatedObject((NSString *)object, &kTagKey, value, OBJC_ASSOCIATION_RETAIN); }

//--- id, a subclass of a value-like class and an ordinary class are not reported
void tag(id object, NSMutableString *text, UIView *view, id value) {
    objc_setAssociatedObject(object, &kTagKey, value, OBJC_ASSOCIATION_RETAIN);
    objc_setAssociatedObject(text, &kTagKey, value, OBJC_ASSOCIATION_RETAIN);
    objc_setAssociatedObject(view, &kTagKey, value, OBJC_ASSOCIATION_RETAIN);
}

//--- a number cast to id is still a number
void tag(NSNumber *number, id value) {
    ↓objc_setAssociatedObject((id)number, &kTagKey, value, OBJC_ASSOCIATION_RETAIN); // expect: id=NSNumber
}
