/* NSDateFormatter.h: formatting dates as text and parsing them, by style or by format pattern. */
#import <Foundation/NSFormatter.h>

@class NSLocale, NSDate, NSCalendar, NSTimeZone, NSError, NSArray<ObjectType>, NSMutableDictionary, NSString;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSDateFormatterStyle) {
    NSDateFormatterNoStyle = 0,
    NSDateFormatterShortStyle = 1,
    NSDateFormatterMediumStyle = 2,
    NSDateFormatterLongStyle = 3,
    NSDateFormatterFullStyle = 4
};

typedef NS_ENUM(NSUInteger, NSDateFormatterBehavior) {
    NSDateFormatterBehaviorDefault = 0,
    NSDateFormatterBehavior10_4 = 1040,
};

@interface NSDateFormatter : NSFormatter

@property NSFormattingContext formattingContext API_AVAILABLE(macos(10.10), ios(8.0));
- (BOOL)getObjectValue:(out id _Nullable *_Nullable)obj
             forString:(NSString *)string
                 range:(inout nullable NSRange *)rangep
                 error:(out NSError **)error;
- (NSString *)stringFromDate:(NSDate *)date;
- (nullable NSDate *)dateFromString:(NSString *)string;
+ (NSString *)localizedStringFromDate:(NSDate *)date
                            dateStyle:(NSDateFormatterStyle)dstyle
                            timeStyle:(NSDateFormatterStyle)tstyle API_AVAILABLE(macos(10.6), ios(4.0));
+ (nullable NSString *)dateFormatFromTemplate:(NSString *)tmplate
                                      options:(NSUInteger)opts
                                       locale:(nullable NSLocale *)locale API_AVAILABLE(macos(10.6), ios(4.0));
- (void)setLocalizedDateFormatFromTemplate:(NSString *)dateFormatTemplate API_AVAILABLE(macos(10.10), ios(8.0));

@property (null_resettable, copy) NSString *dateFormat;
@property NSDateFormatterStyle dateStyle;
@property NSDateFormatterStyle timeStyle;
@property (null_resettable, copy) NSLocale *locale;
@property BOOL generatesCalendarDates;
@property NSDateFormatterBehavior formatterBehavior;
@property (null_resettable, copy) NSTimeZone *timeZone;
@property (null_resettable, copy) NSCalendar *calendar;
@property (getter=isLenient) BOOL lenient;
@property (nullable, copy) NSDate *twoDigitStartDate;
@property (nullable, copy) NSDate *defaultDate;
@property (null_resettable, copy) NSArray<NSString *> *monthSymbols;
@property (null_resettable, copy) NSArray<NSString *> *shortMonthSymbols;
@property (null_resettable, copy) NSArray<NSString *> *weekdaySymbols;
@property (null_resettable, copy) NSArray<NSString *> *shortWeekdaySymbols;
@property (null_resettable, copy) NSString *AMSymbol;
@property (null_resettable, copy) NSString *PMSymbol;
@property BOOL doesRelativeDateFormatting API_AVAILABLE(macos(10.6), ios(4.0));

@end

/* Dates in the ISO 8601 format (2020-01-31T12:00:00Z). */
typedef NS_OPTIONS(NSUInteger, NSISO8601DateFormatOptions) {
    NSISO8601DateFormatWithYear = 1UL,
    NSISO8601DateFormatWithMonth = 2UL,
    NSISO8601DateFormatWithWeekOfYear = 4UL,
    NSISO8601DateFormatWithDay = 16UL,
    NSISO8601DateFormatWithTime = 32UL,
    NSISO8601DateFormatWithTimeZone = 64UL,
    NSISO8601DateFormatWithSpaceBetweenDateAndTime = 128UL,
    NSISO8601DateFormatWithDashSeparatorInDate = 256UL,
    NSISO8601DateFormatWithColonSeparatorInTime = 512UL,
    NSISO8601DateFormatWithColonSeparatorInTimeZone = 1024UL,
    NSISO8601DateFormatWithFractionalSeconds API_AVAILABLE(macos(10.13), ios(11.0)) = 2048UL,
    NSISO8601DateFormatWithFullDate = NSISO8601DateFormatWithYear | NSISO8601DateFormatWithMonth |
                                      NSISO8601DateFormatWithDay | NSISO8601DateFormatWithDashSeparatorInDate,
    NSISO8601DateFormatWithFullTime = NSISO8601DateFormatWithTime | NSISO8601DateFormatWithColonSeparatorInTime |
                                      NSISO8601DateFormatWithTimeZone |
                                      NSISO8601DateFormatWithColonSeparatorInTimeZone,
    NSISO8601DateFormatWithInternetDateTime = NSISO8601DateFormatWithFullDate | NSISO8601DateFormatWithFullTime,
} API_AVAILABLE(macos(10.12), ios(10.0));

API_AVAILABLE(macos(10.12), ios(10.0))
@interface NSISO8601DateFormatter : NSFormatter <NSSecureCoding>
@property (null_resettable, copy) NSTimeZone *timeZone;
@property NSISO8601DateFormatOptions formatOptions;
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (NSString *)stringFromDate:(NSDate *)date;
- (nullable NSDate *)dateFromString:(NSString *)string;
+ (NSString *)stringFromDate:(NSDate *)date
                    timeZone:(NSTimeZone *)timeZone
               formatOptions:(NSISO8601DateFormatOptions)formatOptions;
@end

NS_ASSUME_NONNULL_END
