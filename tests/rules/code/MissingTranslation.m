| fixture: l10n-app
#import <UIKit/UIKit.h>

//--- a key only in the development region's table is missing in the other languages, once per language
void f(void) {
    (void)NSLocalizedString(@"farewell", @"Leaving the app");
    (void)NSLocalizedString(@"farewell", @"Leaving the app, again");
}
// expect-file: fr.lproj/Localizable.strings id=farewell
// expect-info: The French translation for farewell is missing
// expect-file: de.lproj/Localizable.strings id=farewell
// expect-info: The German translation for farewell is missing

//--- keys that every language has, and a table that only the base localisation has, are found
void f(void) {
    (void)NSLocalizedString(@"greeting", @"Start screen");
    (void)NSLocalizedStringFromTable(@"open", @"Menu", @"Opens a file");
    (void)[[NSBundle mainBundle] localizedStringForKey:@"count" value:@"" table:nil];
}

//--- a table without any file is missing in every language, without a file
void f(void) { (void)NSLocalizedStringFromTable(@"intro", @"Help", @"Help text"); }
// expect-nofile: id=intro
// expect-info: The French translation for intro is missing: no string resource files found for the table Help.
// expect-nofile: id=intro
// expect-info: The German translation for intro is missing: no string resource files found for the table Help.

//--- a table that a String Catalog holds is not looked up in the folders, and a folder of no language is no translation
// The target's Onboarding.xcstrings holds the table Onboarding; mul.lproj holds Settings.storyboard's catalog.
void f(void) {
    (void)NSLocalizedStringFromTable(@"intro", @"Onboarding", @"First screen");
    (void)NSLocalizedString(@"farewell", @"Leaving the app");
}
// expect-file: fr.lproj/Localizable.strings id=farewell
// expect-file: de.lproj/Localizable.strings id=farewell

//--- a plural entry is found in the stringsdict file; a language without one has no file of the table
void f(void) { (void)NSLocalizedStringFromTable(@"files", @"Plurals", @"Number of files"); }
// expect-nofile: id=files
// expect-info: The German translation for files is missing: no string resource files found

//--- a key that the stringsdict files lack is reported on the most specific one
void f(void) { (void)NSLocalizedStringFromTable(@"folders", @"Plurals", @"Number of folders"); }
// expect-file: fr.lproj/Plurals.stringsdict id=folders
// expect-nofile: id=folders

//--- keys with an ignored prefix are not looked up
| options: {"ignoredKeyPrefixes": ["fare", "Greet"]}
void f(void) { (void)NSLocalizedString(@"farewell", @"Leaving the app"); }

//--- the development region must hold the keys when it is checked
| options: {"checkDevRegion": true}
void f(void) { (void)NSLocalizedString(@"farewell", @"Leaving the app"); }
// expect-file: fr.lproj/Localizable.strings id=farewell
// expect-file: de.lproj/Localizable.strings id=farewell
// expect-file: en.lproj/Localizable.strings id=welcome
// expect-info: The English translation for welcome is missing

//--- a function named as a localized-string routine loads its first argument from the default table
| options: {"localizedStringRoutines": ["AppString"]}
NSString *AppString(NSString *key, NSString *fallback);
void f(BOOL formal) { (void)AppString(formal ? @"farewell" : @"greeting", @"Bye"); }
// expect-file: fr.lproj/Localizable.strings id=farewell
// expect-file: de.lproj/Localizable.strings id=farewell

//--- a function that is not named as a routine loads nothing
NSString *AppString(NSString *key, NSString *fallback);
void f(void) { (void)AppString(@"farewell", @"Bye"); }

//--- the Core Foundation lookup counts in the main bundle only
void f(CFBundleRef plugin) {
    CFStringRef main = CFBundleCopyLocalizedString(CFBundleGetMainBundle(), CFSTR("farewell"), NULL, NULL);
    CFStringRef other = CFBundleCopyLocalizedString(plugin, CFSTR("elsewhere"), NULL, NULL);
    CFRelease(main);
    CFRelease(other);
}
// expect-file: fr.lproj/Localizable.strings id=farewell
// expect-file: de.lproj/Localizable.strings id=farewell

//--- a lookup in another bundle is not held against the application's tables
void f(NSBundle *plugin) { (void)[plugin localizedStringForKey:@"elsewhere" value:@"" table:nil]; }
