#import <Foundation/Foundation.h>

typedef void (^Handler)(int result);

//--- block parameters written out in full are reported, those named by a typedef are not
@interface Worker : NSObject
- (void)runWith:(↓void (^)(int))block handler:(Handler)handler;
+ (void)runAll:(↓void (^)(void))block;
@end
void perform(↓void (^block)(void), Handler handler);

//--- a block-typed local variable counts only when not restricted to arguments
void locals(void) {
    void (^local)(void) = ^{};
    Handler named = ^(int result) { (void)result; };
    local();
    named(1);
}

//--- a block-typed variable is reported when variables count too
| options: {"onlyArguments": false}
void moreLocals(void) {
    ↓void (^local)(void) = ^{};
    Handler named = ^(int result) { (void)result; };
    local();
    named(1);
}
