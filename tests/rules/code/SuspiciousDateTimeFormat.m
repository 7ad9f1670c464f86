#import <Foundation/Foundation.h>

//--- a week-year format is reported with its longest run of Y
void configure(NSDateFormatter *formatter) {
    ↓[formatter setDateFormat:@"YYYY-MM-dd"];
}
// expect-info: The date format YYYY-MM-dd uses the ‘week-year’ specifier YYYY which might not be desirable — perhaps yyyy was meant instead.

//--- an assignment to the dateFormat property is reported
void configure(NSDateFormatter *formatter) {
    ↓formatter.dateFormat = @"dd.MM.YY";
}
// expect-info: specifier YY which might not be desirable — perhaps yy was meant

//--- a format with a week-of-year field uses the week-year on purpose
void configure(NSDateFormatter *formatter) {
    [formatter setDateFormat:@"YYYY-'W'ww"];
}

//--- a quoted Y is a literal
void configure(NSDateFormatter *formatter) {
    [formatter setDateFormat:@"yyyy-MM-dd 'Y'"];
    formatter.dateFormat = @"'YYYY' yyyy";
}

//--- a template is examined like a format
NSString *format(NSLocale *locale) {
    return ↓[NSDateFormatter dateFormatFromTemplate:@"MMMdY" options:0 locale:locale];
}

//--- a format held in a variable assigned elsewhere in the function is reported
void configure(NSDateFormatter *formatter, BOOL sortable) {
    NSString *format = nil;
    if (sortable) {
        format = @"YYYYMMdd";
    } else {
        format = @"dd.MM.yyyy";
    }
    ↓[formatter setDateFormat:format];
}
// expect-info: The date format YYYYMMdd uses

//--- a format whose values are not known is not reported
NSString *userFormat(void);
void configure(NSDateFormatter *formatter, NSString *given) {
    [formatter setDateFormat:userFormat()];
    [formatter setDateFormat:given];
    NSString *format = @"YYYY";
    format = given;
    [formatter setDateFormat:format];
}
