| fixture: l10n-app
#import <Foundation/Foundation.h>

//--- a comment, also one made of adjacent literals, is enough (the fixture's own code has a use without one)
void f(void) {
    (void)NSLocalizedString(@"greeting", @"Title of the main window");
    (void)NSLocalizedStringFromTable(@"open", @"Menu", @"Open " @"file");
    (void)NSLocalizedStringFromTableInBundle(@"open", @"Menu", [NSBundle mainBundle], "Menu item");
    (void)NSLocalizedStringWithDefaultValue(@"greeting", nil, [NSBundle mainBundle], @"Hello", @"Greeting");
}
// expect-file: App/AppDelegate.m

//--- no comment, an empty or blank one, or one in a constant is reported
static NSString *const kComment = @"Greeting";
void f(void) {
    (void)↓NSLocalizedString(@"greeting", nil);
    (void)↓NSLocalizedString(@"greeting", @"");
    (void)↓NSLocalizedStringFromTable(@"open", @"Menu", @"   ");
    (void)↓NSLocalizedString(@"greeting", kComment);
    (void)↓NSLocalizedStringWithDefaultValue(@"greeting", nil, [NSBundle mainBundle], @"Hello", NULL);
}
// expect-file: App/AppDelegate.m

//--- a macro of the project that wraps NSLocalizedString is not looked into
#define AppString(key) NSLocalizedString(key, nil)
void f(void) { (void)AppString(@"greeting"); }
// expect-file: App/AppDelegate.m
