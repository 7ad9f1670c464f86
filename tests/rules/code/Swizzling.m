#import <Foundation/Foundation.h>
#import <objc/runtime.h>

//--- each function that changes an implementation is reported
void swizzle(Class cls, SEL original, SEL replacement, IMP imp) {
    Method a = class_getInstanceMethod(cls, original);
    Method b = class_getInstanceMethod(cls, replacement);
    ↓method_exchangeImplementations(a, b);
    ↓method_setImplementation(a, imp);
    ↓class_replaceMethod(cls, original, imp, "v@:");
}

//--- adding a method, reading an implementation and taking a function's address are not
void inspect(Class cls, SEL name, IMP imp) {
    Method method = class_getInstanceMethod(cls, name);
    class_addMethod(cls, name, imp, "v@:");
    (void)method_getImplementation(method);
    IMP (*setter)(Method, IMP) = &method_setImplementation;
    (void)setter;
}
