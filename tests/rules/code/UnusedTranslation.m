| fixture: l10n-app
#import <UIKit/UIKit.h>

//--- each unused key is reported once, on the development region's file; InfoPlist and stringsdict entries never
void f(void);
// expect-file: en.lproj/Localizable.strings id=Localizable farewell
// expect-info: The localization string for farewell in the Localizable table seems to be unused.
// expect-file: en.lproj/Localizable.strings id=Localizable pair
// expect-file: Base.lproj/Menu.strings id=Menu farewell

//--- a key loaded from the Menu table counts as used there only
void f(void) { (void)NSLocalizedStringFromTable(@"farewell", @"Menu", @"Quits the app"); }
// expect-file: en.lproj/Localizable.strings id=Localizable farewell
// expect-file: en.lproj/Localizable.strings id=Localizable pair

//--- a key loaded through a listed routine counts; through another function of the project it does not
| options: {"localizedStringRoutines": ["AppString"]}
NSString *AppString(NSString *key);
NSString *OtherString(NSString *key);
void f(void) {
    (void)AppString(@"farewell");
    (void)OtherString(@"pair");
}
// expect-file: en.lproj/Localizable.strings id=Localizable pair
// expect-file: Base.lproj/Menu.strings id=Menu farewell

//--- a key loaded from a table named by a variable counts in no table
void f(NSString *table) { (void)NSLocalizedStringFromTable(@"farewell", table, @"Quits the app"); }
// expect-file: en.lproj/Localizable.strings id=Localizable farewell
// expect-file: en.lproj/Localizable.strings id=Localizable pair
// expect-file: Base.lproj/Menu.strings id=Menu farewell

//--- when code loads every key of every table, nothing is reported
void f(void) {
    (void)NSLocalizedString(@"farewell", @"Quits the app");
    (void)NSLocalizedString(@"pair", @"Files");
    (void)NSLocalizedStringFromTable(@"farewell", @"Menu", @"Quits the app");
}

//--- the object keys of a storyboard's tables are read by the storyboard, not by code
// Main.storyboard's French and German tables hold "<object ID>.<property>" keys only.
void f(void) {
    (void)NSLocalizedString(@"farewell", @"Quits the app");
    (void)NSLocalizedStringFromTable(@"farewell", @"Menu", @"Quits the app");
}
// expect-file: en.lproj/Localizable.strings id=Localizable pair
