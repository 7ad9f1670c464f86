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

//--- without a deployment target nothing is reported
| project: {"deploymentTarget": ""}
BOOL hasX(NSString *s) {
    return [s containsString:@"x"];
}
