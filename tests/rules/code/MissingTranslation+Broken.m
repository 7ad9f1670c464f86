| fixture: l10n-broken
#import <Foundation/Foundation.h>

//--- a table that cannot be read is reported and counts as empty; the other tables are still read
void f(void) {
    (void)NSLocalizedString(@"hello", @"Greeting");
    (void)NSLocalizedString(@"bye", @"Leaving");
}
// expect-error: Cannot read strings file
// expect-file: fr.lproj/Localizable.strings id=hello
// expect-file: fr.lproj/Localizable.strings id=bye
