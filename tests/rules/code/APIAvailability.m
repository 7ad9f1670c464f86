| project: {"platform": "iphoneos", "deploymentTarget": "6.0"}
#import <UIKit/UIKit.h>

//--- a method introduced after the deployment target is reported with both versions
BOOL hasX(NSString *s) {
    return ↓[s containsString:@"x"]; // expect: id=-[NSString containsString:]
}
// expect-info: only available since 8.0, but the minimum deployment target is 6.0

//--- a version equal to the deployment target is not reported
| project: {"deploymentTarget": "8.0"}
BOOL hasX(NSString *s) {
    return [s containsString:@"x"];
}

//--- a call of a newer function is reported once, not again for the function it names
BOOL bold(void) {
    return ↓UIAccessibilityIsBoldTextEnabled(); // expect: id=UIAccessibilityIsBoldTextEnabled
}

//--- the built-in table gives the row animation constant its version
| project: {"deploymentTarget": "4.3"}
void reload(UITableView *table, NSArray *paths) {
    [table reloadRowsAtIndexPaths:paths withRowAnimation:↓UITableViewRowAnimationAutomatic];
}
// expect-info: since 5.0, but the minimum deployment target is 4.3

//--- the row animation constant is not reported from its version on
| project: {"deploymentTarget": "5.0"}
void reload(UITableView *table, NSArray *paths) {
    [table reloadRowsAtIndexPaths:paths withRowAnimation:UITableViewRowAnimationAutomatic];
}

//--- exempt names are never reported, other constants of their enumerations are
| project: {"deploymentTarget": "4.3"}
void style(UILabel *label, NSMutableDictionary *attributes) {
    label.textAlignment = NSTextAlignmentCenter;
    label.textAlignment = NSTextAlignmentLeft;
    label.textAlignment = NSTextAlignmentRight;
    label.textAlignment = ↓NSTextAlignmentJustified; // expect: id=NSTextAlignmentJustified
    label.lineBreakMode = NSLineBreakByTruncatingTail;
    label.lineBreakMode = NSLineBreakByWordWrapping;
    attributes[NSFontAttributeName] = [UIFont systemFontOfSize:12];
    attributes[NSForegroundColorAttributeName] = [UIColor redColor];
    NSInteger position = UIToolbarPositionAny + UIToolbarPositionTop + UIToolbarPositionBottom;
    (void)position;
}

//--- a respondsToSelector: test of a method of that version anywhere in the routine clears the routine
BOOL hasX(NSString *s) {
    BOOL found = [s containsString:@"x"];
    if ([s respondsToSelector:@selector(containsString:)]) {
        found = YES;
    }
    return found;
}

//--- a respondsToSelector: test of an older method guards nothing
BOOL hasX(NSString *s) {
    if ([s respondsToSelector:@selector(length)]) {
        return ↓[s containsString:@"x"];
    }
    return NO;
}

//--- a respondsToSelector: test whose selector cannot be read counts as a guard
BOOL hasX(NSString *s, SEL test) {
    if ([s respondsToSelector:test]) {
        return [s containsString:@"x"];
    }
    return NO;
}

//--- a selector given as a string literal is read
BOOL hasX(NSString *s) {
    if ([s respondsToSelector:NSSelectorFromString(@"containsString:")]) {
        return [s containsString:@"x"];
    }
    return NO;
}

//--- NSClassFromString in a ?: condition is a guard
UIView *stack(void) {
    return NSClassFromString(@"UIStackView") ? [[UIStackView alloc] init] : nil;
}

//--- reading the system version is a guard
BOOL hasX(NSString *s) {
    if ([[[UIDevice currentDevice] systemVersion] floatValue] >= 8.0) {
        return [s containsString:@"x"];
    }
    return NO;
}

//--- comparing the Foundation version number is a guard
BOOL hasX(NSString *s) {
    if (NSFoundationVersionNumber > 1000) {
        return [s containsString:@"x"];
    }
    return NO;
}

//--- the address of a function of that version compared with NULL is a guard
BOOL bold(void) {
    if (&UIAccessibilityIsBoldTextEnabled != NULL) {
        return UIAccessibilityIsBoldTextEnabled();
    }
    return NO;
}

//--- [UIStackView class] guards APIs of its version or earlier
UIView *stack(NSString *s) {
    if ([UIStackView class]) {
        [s containsString:@"x"];
        return [[UIStackView alloc] init];
    }
    return nil;
}

//--- [NSString class] guards nothing
BOOL hasX(NSString *s) {
    if ([NSString class]) {
        return ↓[s containsString:@"x"];
    }
    return NO;
}

//--- with avoidFalsePositives off guards do not help
| options: {"avoidFalsePositives": false}
BOOL hasX(NSString *s) {
    if ([s respondsToSelector:@selector(containsString:)]) {
        return ↓[s containsString:@"x"];
    }
    return NO;
}

//--- parameter types and case labels are not reported by default
| project: {"deploymentTarget": "4.3"}
@interface Layout : NSObject
@end
@implementation Layout
- (void)arrange:(UIStackView *)stack animation:(UITableViewRowAnimation)animation {
    switch (animation) {
    case UITableViewRowAnimationAutomatic:
        break;
    default:
        break;
    }
}
@end

//--- parameter types and case labels are reported with avoidFalsePositives off
| project: {"deploymentTarget": "4.3"}
| options: {"avoidFalsePositives": false}
@interface Layout : NSObject
@end
@implementation Layout
- (void)arrange:(↓UIStackView *)stack animation:(UITableViewRowAnimation)animation {
    switch (animation) {
    case ↓UITableViewRowAnimationAutomatic:
        break;
    default:
        break;
    }
}
@end

//--- the condition of an if statement is never examined, that of a ?: expression is
| options: {"avoidFalsePositives": false}
BOOL hasX(NSString *s) {
    if ([s containsString:@"x"]) {
        return YES;
    }
    return ↓[s containsString:@"y"] ? YES : NO;
}

//--- an API unavailable in extensions keeps the version it was introduced in
| project: {"deploymentTarget": "9.0"}
void open(NSURL *url) {
    ↓[[UIApplication sharedApplication] openURL:url options:@{} completionHandler:nil];
}
// expect-info: since 10.0, but the minimum deployment target is 9.0

//--- availability for another platform only is not reported
void legacy(void) __attribute__((availability(macos, introduced = 10.12)));
void run(void) {
    legacy();
}

//--- declarations of the project with an iOS version are checked like the system's, their versions as written
void modern(void) __attribute__((availability(ios, introduced = 7)));
void patched(void) __attribute__((availability(ios, introduced = 7.1.2)));
void run(void) {
    ↓modern();
// expect-info: modern is only available since 7, but
    ↓patched();
// expect-info: patched is only available since 7.1.2, but
}

//--- a newer class used in a class method and a local declaration is reported
@interface Layout : NSObject
@end
@implementation Layout
+ (void)build {
    ↓UIStackView *stack = nil;
    (void)stack;
}
@end

//--- a call inside an @available check of its version is an Error nowhere; the same call beside it is reported
| project: {"deploymentTarget": "7.0"}
| options: {"avoidFalsePositives": false}
void open(NSURL *url) {
    UIApplication *app = [UIApplication sharedApplication];
    if (@available(iOS 10.0, *)) {
        [app openURL:url options:@{} completionHandler:nil];
    }
    if (__builtin_available(iOS 10, *)) {
        [app openURL:url options:@{} completionHandler:nil];
    }
    if (@available(iOS 10.0, *) && url != nil) {
        [app openURL:url options:@{} completionHandler:^(BOOL success) { (void)success; }];
    } else {
        ↓[app openURL:url options:@{} completionHandler:nil]; // expect: id=-[UIApplication openURL:options:completionHandler:]
    }
    ↓[app openURL:url options:@{} completionHandler:nil];
}

//--- an @available check of an older version guards only APIs of that version, and only on its own platform
| options: {"avoidFalsePositives": false}
void open(NSURL *url, NSString *s) {
    if (@available(iOS 8.0, *)) {
        [s containsString:@"x"];
        ↓[[UIApplication sharedApplication] openURL:url options:@{} completionHandler:nil];
    }
    if (@available(macOS 10.12, *)) {
        ↓[s containsString:@"x"];
    }
}

//--- the else branch of a negated check and the code after its early return are guarded
| options: {"avoidFalsePositives": false}
BOOL hasX(NSString *s) {
    if (!@available(iOS 8.0, *)) {
        ↓[s containsString:@"w"];
    } else {
        [s containsString:@"x"];
    }
    if (!@available(iOS 8.0, *)) {
        return NO;
    }
    return [s containsString:@"y"];
}

//--- a negated check whose branch goes on guards nothing after it
| options: {"avoidFalsePositives": false}
BOOL hasX(NSString *s) {
    if (!@available(iOS 8.0, *)) {
        NSLog(@"old");
    }
    return ↓[s containsString:@"y"];
}

//--- a method, function, class or category declared available from the API's version is not reported
| options: {"avoidFalsePositives": false}
@interface Finder : NSObject
- (BOOL)find:(NSString *)s API_AVAILABLE(ios(8.0));
- (BOOL)findOld:(NSString *)s;
@end
@implementation Finder
- (BOOL)find:(NSString *)s { return [s containsString:@"x"]; }
- (BOOL)findOld:(NSString *)s { return ↓[s containsString:@"x"]; }
@end
BOOL findIn(NSString *s) __attribute__((availability(ios, introduced = 8.0)));
BOOL findIn(NSString *s) { return [s containsString:@"x"]; }
BOOL findEarly(NSString *s) API_AVAILABLE(ios(7.0));
BOOL findEarly(NSString *s) { return ↓[s containsString:@"x"]; }
BOOL findOnMac(NSString *s) API_AVAILABLE(macos(10.10));
BOOL findOnMac(NSString *s) { return ↓[s containsString:@"x"]; }
API_AVAILABLE(ios(8.0))
@interface Searcher : NSObject
- (BOOL)search:(NSString *)s;
@end
@implementation Searcher
- (BOOL)search:(NSString *)s { return [s containsString:@"x"]; }
@end
API_AVAILABLE(ios(8.0))
@interface NSString (Searching)
- (BOOL)hasX;
@end
@implementation NSString (Searching)
- (BOOL)hasX { return [self containsString:@"x"]; }
@end

//--- without a deployment target nothing is reported
| project: {"deploymentTarget": ""}
BOOL hasX(NSString *s) {
    return [s containsString:@"x"];
}
