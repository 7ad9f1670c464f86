| fixture: l10n-broken
#import <Foundation/Foundation.h>

//--- a table that cannot be read is reported and skipped; the other tables are still checked
void f(void) { (void)NSLocalizedString(@"hello", @"Greeting"); }
// expect-error: Cannot read strings file
// expect-file: en.lproj/Localizable.strings id=Localizable bye
// expect-file: de.lproj/Localizable.strings id=Localizable extra
