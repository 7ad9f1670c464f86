| project: {"configuration": "Release"}
#import <Foundation/Foundation.h>
#define LOG_FATAL(...) NSLog(__VA_ARGS__)

//--- a direct call in a method is reported
@interface Greeter : NSObject
@end
@implementation Greeter
- (void)greet { ↓NSLog(@"hello %@", self); }
@end

//--- three direct calls are three findings
void f(int n) {
    ↓NSLog(@"a");
    if (n) { ↓NSLog(@"b %d", n); }
    ↓NSLog(@"c");
}

//--- a call through a macro is allowed by default
void f(void) { LOG_FATAL(@"disk full"); }

//--- a call through a macro is reported when macros are not allowed
| options: {"allowMacros": false}
void f(void) {
    ↓LOG_FATAL(@"disk full");
    ↓NSLog(@"direct");
}

//--- NSLogv and functions of our own with a similar name are not
void MyLog(NSString *format, ...);
void f(NSString *format, va_list arguments) {
    NSLogv(format, arguments);
    MyLog(@"x");
}

//--- a debug build configuration takes no part
| project: {"configuration": "Debug"}
void f(void) { NSLog(@"debugging"); }
