#import <Foundation/Foundation.h>

//--- a fixed format without a locale is reported at the format, without instance text
NSDate *parse(NSString *text) {
    NSDateFormatter *formatter = [[NSDateFormatter alloc] init];
    ↓[formatter setDateFormat:@"yyyy-MM-dd"];
    return [formatter dateFromString:text];
}

//--- the POSIX locale set before or after the format silences it
NSDate *parse(NSString *text) {
    NSDateFormatter *before = [[NSDateFormatter alloc] init];
    [before setLocale:[[NSLocale alloc] initWithLocaleIdentifier:@"en_US_POSIX"]];
    [before setDateFormat:@"yyyy-MM-dd"];
    NSDateFormatter *after = [[NSDateFormatter alloc] init];
    after.dateFormat = @"yyyy-MM-dd";
    after.locale = [NSLocale localeWithLocaleIdentifier:@"en_US_POSIX"];
    return [before dateFromString:[after stringFromDate:[NSDate date]]];
}

//--- the POSIX locale through a local variable silences it
NSDate *parse(NSString *text) {
    NSLocale *posix = [[NSLocale alloc] initWithLocaleIdentifier:@"en_US_POSIX"];
    NSLocale *chosen = posix;
    NSDateFormatter *formatter = [[NSDateFormatter alloc] init];
    [formatter setLocale:posix];
    [formatter setDateFormat:@"yyyy-MM-dd"];
    NSDateFormatter *other = [[NSDateFormatter alloc] init];
    [other setLocale:chosen];
    ↓[other setDateFormat:@"yyyy"];
    return [formatter dateFromString:[other stringFromDate:[NSDate date]]];
}

//--- another locale is named in the instance text
NSString *format(NSDate *date) {
    NSDateFormatter *formatter = [[NSDateFormatter alloc] init];
    formatter.locale = [NSLocale localeWithLocaleIdentifier:@"de_DE"];
    ↓formatter.dateFormat = @"dd.MM.yyyy";
    return [formatter stringFromDate:date];
}
// expect-info: Locale is set to de_DE for NSDateFormatter that uses an explicit date format

//--- the current locale counts as unknown
NSString *format(NSDate *date) {
    NSDateFormatter *formatter = [[NSDateFormatter alloc] init];
    formatter.locale = [NSLocale currentLocale];
    ↓formatter.dateFormat = @"dd.MM.yyyy";
    return [formatter stringFromDate:date];
}

//--- a format from a template is not fixed, directly or through a variable
NSString *format(NSDate *date, NSLocale *locale) {
    NSDateFormatter *formatter = [[NSDateFormatter alloc] init];
    [formatter setDateFormat:[NSDateFormatter dateFormatFromTemplate:@"yMMMd" options:0 locale:locale]];
    NSDateFormatter *other = [[NSDateFormatter alloc] init];
    NSString *pattern = [NSDateFormatter dateFormatFromTemplate:@"yMMMd" options:0 locale:locale];
    other.dateFormat = pattern;
    return [formatter stringFromDate:[other dateFromString:@""]];
}

//--- two formats on one formatter are reported once, at the first
NSString *format(NSDate *date) {
    NSDateFormatter *formatter = [[NSDateFormatter alloc] init];
    ↓[formatter setDateFormat:@"yyyy"];
    [formatter setDateFormat:@"yyyy-MM"];
    return [formatter stringFromDate:date];
}

//--- formatters made inline are formatters of their own
@interface Stamp : NSObject
@end
@implementation Stamp
- (void)first {
    ↓[[NSDateFormatter new] setDateFormat:@"yyyy"];
}
- (void)second {
    ↓[[[NSDateFormatter alloc] init] setDateFormat:@"yyyy"];
}
- (void)third {
    [[NSDateFormatter new] setLocale:[NSLocale localeWithLocaleIdentifier:@"en_US_POSIX"]];
}
@end

//--- a property's formatter set up in two methods is one formatter
@interface Stamp : NSObject
@property (nonatomic, strong) NSDateFormatter *formatter;
@end
@implementation Stamp
- (instancetype)init {
    self = [super init];
    _formatter = [[NSDateFormatter alloc] init];
    [self.formatter setDateFormat:@"yyyy-MM-dd"];
    return self;
}
- (void)prepare {
    [_formatter setLocale:[NSLocale localeWithLocaleIdentifier:@"en_US_POSIX"]];
}
@end
