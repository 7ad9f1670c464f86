| project: {"platform": "macosx", "deploymentTarget": "10.9"}
#import <Foundation/Foundation.h>

//--- OS X availability is read from the macos entries
BOOL hasX(NSString *s) {
    return ↓[s containsString:@"x"]; // expect: id=-[NSString containsString:]
}
// expect-info: since 10.10, but the minimum deployment target is 10.9

//--- the OS X version equal to the deployment target is not reported
| project: {"deploymentTarget": "10.10"}
BOOL hasX(NSString *s) {
    return [s containsString:@"x"];
}

//--- availability given only for iOS is not reported in an OS X target
void touchOnly(void) __attribute__((availability(ios, introduced = 9.0)));
void macOnly(void) __attribute__((availability(macosx, introduced = 10.12)));
void run(void) {
    touchOnly();
    ↓macOnly();
}
