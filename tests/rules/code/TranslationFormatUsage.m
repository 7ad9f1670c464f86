| fixture: l10n-app
#import <Foundation/Foundation.h>

//--- an int argument for a translation's object specifier is reported, with the specifiers an int takes
void f(int count) { (void)↓[NSString stringWithFormat:NSLocalizedString(@"count", @"Items"), count]; } // expect: id=Localizable.count
// expect-info: The format specifiers in the French translation for key count (%@ éléments) do not match the usage here:
// expect-info: The first format argument type is int, but the format specifier is %@ (the format specifier should be one of: %i, %d, %D, %c, %C)

//--- a long argument needs a long specifier; %ld and %lld are accepted
void f(long size) { (void)↓[NSString stringWithFormat:NSLocalizedString(@"size", @"Bytes"), size]; } // expect: id=Localizable.size
// expect-info: French translation for key size (%d octets)
// expect-info: The first format argument type is long, but the format specifier is %d

//--- a translation with more specifiers than arguments is reported
void f(NSString *name) { (void)↓[NSString stringWithFormat:NSLocalizedString(@"pair", @"Files"), name]; }
// expect-info: German translation for key pair (%@ von %@)
// expect-info: No value is given for the second format specifier %@

//--- positional specifiers are held against the arguments in their positions' order
void f(NSString *name, int count) {
    (void)[NSString stringWithFormat:NSLocalizedString(@"swap", @"Owner and count"), name, count];
}

//--- positional specifiers against arguments in another order are reported in every translation
void f(NSString *name, int count) {
    (void)↓↓↓[NSString stringWithFormat:NSLocalizedString(@"swap", @"Owner and count"), count, name];
}

//--- a specifier with a star width is not checked
void f(NSString *name) { (void)[NSString stringWithFormat:NSLocalizedString(@"stars", @"Rating"), name]; }

//--- an argument of an enumeration or a typedef type leaves the call unchecked
typedef NS_ENUM(NSInteger, Mood) { MoodHappy };
void f(Mood mood, NSInteger total) {
    (void)[NSString stringWithFormat:NSLocalizedString(@"count", @"Items"), mood];
    (void)[NSString stringWithFormat:NSLocalizedString(@"count", @"Items"), total];
}

//--- intmax_t is known by its name
#include <stdint.h>
void f(intmax_t total) { (void)↓↓↓[NSString stringWithFormat:NSLocalizedString(@"count", @"Items"), total]; }
// expect-info: The first format argument type is intmax_t, but the format specifier is

//--- a plain string literal as the format, or another bundle's lookup, is not checked
void f(int count, NSBundle *plugin) {
    (void)[NSString stringWithFormat:@"%@ items", count];
    (void)[NSString stringWithFormat:[plugin localizedStringForKey:@"count" value:@"" table:nil], count];
}
