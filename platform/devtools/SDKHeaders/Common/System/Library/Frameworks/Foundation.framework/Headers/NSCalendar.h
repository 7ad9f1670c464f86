/* NSCalendar.h: calendars and date components: splitting dates into components and date arithmetic. */
#import <Foundation/NSObject.h>
#import <Foundation/NSRange.h>
#import <Foundation/NSDate.h>
#import <Foundation/NSNotification.h>

@class NSDateComponents, NSLocale, NSTimeZone, NSString, NSArray<ObjectType>;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSCalendarIdentifier NS_TYPED_ENUM;

FOUNDATION_EXPORT NSCalendarIdentifier const NSCalendarIdentifierGregorian API_AVAILABLE(macos(10.6), ios(8.0));
FOUNDATION_EXPORT NSCalendarIdentifier const NSCalendarIdentifierISO8601 API_AVAILABLE(macos(10.6), ios(8.0));

typedef NS_OPTIONS(NSUInteger, NSCalendarUnit) {
    NSCalendarUnitEra = (1UL << 1),
    NSCalendarUnitYear = (1UL << 2),
    NSCalendarUnitMonth = (1UL << 3),
    NSCalendarUnitDay = (1UL << 4),
    NSCalendarUnitHour = (1UL << 5),
    NSCalendarUnitMinute = (1UL << 6),
    NSCalendarUnitSecond = (1UL << 7),
    NSCalendarUnitWeekday = (1UL << 9),
    NSCalendarUnitWeekdayOrdinal = (1UL << 10),
    NSCalendarUnitQuarter API_AVAILABLE(macos(10.6), ios(4.0)) = (1UL << 11),
    NSCalendarUnitWeekOfMonth API_AVAILABLE(macos(10.7), ios(5.0)) = (1UL << 12),
    NSCalendarUnitWeekOfYear API_AVAILABLE(macos(10.7), ios(5.0)) = (1UL << 13),
    NSCalendarUnitYearForWeekOfYear API_AVAILABLE(macos(10.7), ios(5.0)) = (1UL << 14),
    NSCalendarUnitNanosecond API_AVAILABLE(macos(10.7), ios(5.0)) = (1UL << 15),
    NSCalendarUnitCalendar API_AVAILABLE(macos(10.7), ios(4.0)) = (1UL << 20),
    NSCalendarUnitTimeZone API_AVAILABLE(macos(10.7), ios(4.0)) = (1UL << 21),
};

typedef NS_OPTIONS(NSUInteger, NSCalendarOptions) {
    NSCalendarWrapComponents = (1UL << 0),
    NSCalendarMatchStrictly API_AVAILABLE(macos(10.9), ios(7.0)) = (1ULL << 1),
    NSCalendarSearchBackwards API_AVAILABLE(macos(10.9), ios(7.0)) = (1ULL << 2),
    NSCalendarMatchPreviousTimePreservingSmallerUnits API_AVAILABLE(macos(10.9), ios(7.0)) = (1ULL << 8),
    NSCalendarMatchNextTimePreservingSmallerUnits API_AVAILABLE(macos(10.9), ios(7.0)) = (1ULL << 9),
    NSCalendarMatchNextTime API_AVAILABLE(macos(10.9), ios(7.0)) = (1ULL << 10),
    NSCalendarMatchFirst API_AVAILABLE(macos(10.9), ios(7.0)) = (1ULL << 12),
    NSCalendarMatchLast API_AVAILABLE(macos(10.9), ios(7.0)) = (1ULL << 13)
};

@interface NSCalendar : NSObject <NSCopying, NSSecureCoding>

@property (class, readonly, copy) NSCalendar *currentCalendar;
@property (class, readonly, strong) NSCalendar *autoupdatingCurrentCalendar API_AVAILABLE(macos(10.5), ios(2.0));
+ (nullable NSCalendar *)calendarWithIdentifier:(NSCalendarIdentifier)calendarIdentifierConstant
    API_AVAILABLE(macos(10.9), ios(8.0));
- (nullable id)initWithCalendarIdentifier:(NSCalendarIdentifier)ident NS_DESIGNATED_INITIALIZER;

@property (readonly, copy) NSCalendarIdentifier calendarIdentifier;
@property (nullable, copy) NSLocale *locale;
@property (copy) NSTimeZone *timeZone;
@property NSUInteger firstWeekday;
@property NSUInteger minimumDaysInFirstWeek;

- (NSRange)rangeOfUnit:(NSCalendarUnit)smaller inUnit:(NSCalendarUnit)larger forDate:(NSDate *)date;
- (nullable NSDate *)dateFromComponents:(NSDateComponents *)comps;
- (NSDateComponents *)components:(NSCalendarUnit)unitFlags fromDate:(NSDate *)date;
- (nullable NSDate *)dateByAddingComponents:(NSDateComponents *)comps toDate:(NSDate *)date options:(NSCalendarOptions)opts;
- (NSDateComponents *)components:(NSCalendarUnit)unitFlags
                        fromDate:(NSDate *)startingDate
                          toDate:(NSDate *)resultDate
                         options:(NSCalendarOptions)opts;
- (NSInteger)component:(NSCalendarUnit)unit fromDate:(NSDate *)date API_AVAILABLE(macos(10.9), ios(8.0));
- (NSDate *)startOfDayForDate:(NSDate *)date API_AVAILABLE(macos(10.9), ios(8.0));
- (BOOL)isDate:(NSDate *)date1 inSameDayAsDate:(NSDate *)date2 API_AVAILABLE(macos(10.9), ios(8.0));
- (BOOL)isDateInToday:(NSDate *)date API_AVAILABLE(macos(10.9), ios(8.0));
- (BOOL)isDateInYesterday:(NSDate *)date API_AVAILABLE(macos(10.9), ios(8.0));
- (BOOL)isDateInTomorrow:(NSDate *)date API_AVAILABLE(macos(10.9), ios(8.0));
- (BOOL)isDateInWeekend:(NSDate *)date API_AVAILABLE(macos(10.9), ios(8.0));
- (nullable NSDate *)dateByAddingUnit:(NSCalendarUnit)unit
                                value:(NSInteger)value
                               toDate:(NSDate *)date
                              options:(NSCalendarOptions)options API_AVAILABLE(macos(10.9), ios(8.0));

@end

FOUNDATION_EXPORT NSNotificationName const NSCalendarDayChangedNotification API_AVAILABLE(macos(10.9), ios(8.0));

NS_ENUM(NSInteger) {
    NSDateComponentUndefined = NSIntegerMax
};

@interface NSDateComponents : NSObject <NSCopying, NSSecureCoding>
@property (nullable, copy) NSCalendar *calendar API_AVAILABLE(macos(10.7), ios(4.0));
@property (nullable, copy) NSTimeZone *timeZone API_AVAILABLE(macos(10.7), ios(4.0));
@property NSInteger era;
@property NSInteger year;
@property NSInteger month;
@property NSInteger day;
@property NSInteger hour;
@property NSInteger minute;
@property NSInteger second;
@property NSInteger nanosecond API_AVAILABLE(macos(10.7), ios(5.0));
@property NSInteger weekday;
@property NSInteger weekdayOrdinal;
@property NSInteger quarter API_AVAILABLE(macos(10.6), ios(4.0));
@property NSInteger weekOfMonth API_AVAILABLE(macos(10.7), ios(5.0));
@property NSInteger weekOfYear API_AVAILABLE(macos(10.7), ios(5.0));
@property NSInteger yearForWeekOfYear API_AVAILABLE(macos(10.7), ios(5.0));
@property (getter=isLeapMonth) BOOL leapMonth API_AVAILABLE(macos(10.8), ios(6.0));
@property (nullable, readonly, copy) NSDate *date API_AVAILABLE(macos(10.7), ios(4.0));
- (void)setValue:(NSInteger)value forComponent:(NSCalendarUnit)unit API_AVAILABLE(macos(10.9), ios(8.0));
- (NSInteger)valueForComponent:(NSCalendarUnit)unit API_AVAILABLE(macos(10.9), ios(8.0));
@end

NS_ASSUME_NONNULL_END
