/* UIDatePicker.h: pickers of dates, times and countdown durations. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIControl.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIDatePickerMode) {
    UIDatePickerModeTime,
    UIDatePickerModeDate,
    UIDatePickerModeDateAndTime,
    UIDatePickerModeCountDownTimer,
    UIDatePickerModeYearAndMonth API_AVAILABLE(ios(17.4)),
} API_UNAVAILABLE(tvos);

typedef NS_ENUM(NSInteger, UIDatePickerStyle) {
    UIDatePickerStyleAutomatic,
    UIDatePickerStyleWheels,
    UIDatePickerStyleCompact,
    UIDatePickerStyleInline API_AVAILABLE(ios(14.0)),
} API_AVAILABLE(ios(13.4)) API_UNAVAILABLE(tvos);

API_UNAVAILABLE(tvos)
@interface UIDatePicker : UIControl <NSCoding>
@property (nonatomic) UIDatePickerMode datePickerMode;
@property (nullable, nonatomic, strong) NSLocale *locale;
@property (null_resettable, nonatomic, copy) NSCalendar *calendar;
@property (nullable, nonatomic, strong) NSTimeZone *timeZone;
@property (nonatomic, strong) NSDate *date;
@property (nullable, nonatomic, strong) NSDate *minimumDate;
@property (nullable, nonatomic, strong) NSDate *maximumDate;
@property (nonatomic) NSTimeInterval countDownDuration;
@property (nonatomic) NSInteger minuteInterval;
- (void)setDate:(NSDate *)date animated:(BOOL)animated;
@property (nonatomic, readwrite, assign) UIDatePickerStyle preferredDatePickerStyle API_AVAILABLE(ios(13.4));
@property (nonatomic, readonly, assign) UIDatePickerStyle datePickerStyle API_AVAILABLE(ios(13.4));
@end

NS_ASSUME_NONNULL_END
