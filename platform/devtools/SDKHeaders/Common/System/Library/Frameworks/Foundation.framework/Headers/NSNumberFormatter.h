/* NSNumberFormatter.h: formatting numbers as text (decimal, currency, percent...) and parsing them. */
#import <Foundation/NSFormatter.h>

@class NSLocale, NSError, NSNumber, NSString;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSNumberFormatterBehavior) {
    NSNumberFormatterBehaviorDefault = 0,
    NSNumberFormatterBehavior10_4 = 1040,
};

typedef NS_ENUM(NSUInteger, NSNumberFormatterStyle) {
    NSNumberFormatterNoStyle = 0,
    NSNumberFormatterDecimalStyle = 1,
    NSNumberFormatterCurrencyStyle = 2,
    NSNumberFormatterPercentStyle = 3,
    NSNumberFormatterScientificStyle = 4,
    NSNumberFormatterSpellOutStyle = 5,
    NSNumberFormatterOrdinalStyle API_AVAILABLE(macos(10.11), ios(9.0)) = 6,
    NSNumberFormatterCurrencyISOCodeStyle API_AVAILABLE(macos(10.11), ios(9.0)) = 8,
    NSNumberFormatterCurrencyPluralStyle API_AVAILABLE(macos(10.11), ios(9.0)) = 9,
    NSNumberFormatterCurrencyAccountingStyle API_AVAILABLE(macos(10.11), ios(9.0)) = 10,
};

typedef NS_ENUM(NSUInteger, NSNumberFormatterRoundingMode) {
    NSNumberFormatterRoundCeiling,
    NSNumberFormatterRoundFloor,
    NSNumberFormatterRoundDown,
    NSNumberFormatterRoundUp,
    NSNumberFormatterRoundHalfEven,
    NSNumberFormatterRoundHalfDown,
    NSNumberFormatterRoundHalfUp
};

@interface NSNumberFormatter : NSFormatter

@property NSFormattingContext formattingContext API_AVAILABLE(macos(10.10), ios(8.0));
- (BOOL)getObjectValue:(out id _Nullable *_Nullable)obj
             forString:(NSString *)string
                 range:(inout nullable NSRange *)rangep
                 error:(out NSError **)error;
- (nullable NSString *)stringFromNumber:(NSNumber *)number;
- (nullable NSNumber *)numberFromString:(NSString *)string;
+ (NSString *)localizedStringFromNumber:(NSNumber *)num
                            numberStyle:(NSNumberFormatterStyle)nstyle API_AVAILABLE(macos(10.6), ios(4.0));

@property NSNumberFormatterStyle numberStyle;
@property (null_resettable, copy) NSLocale *locale;
@property BOOL generatesDecimalNumbers;
@property NSNumberFormatterBehavior formatterBehavior;
@property (null_resettable, copy) NSString *negativeFormat;
@property (null_resettable, copy) NSString *positiveFormat;
@property (null_resettable, copy) NSString *decimalSeparator;
@property BOOL alwaysShowsDecimalSeparator;
@property (null_resettable, copy) NSString *currencyDecimalSeparator;
@property BOOL usesGroupingSeparator;
@property (null_resettable, copy) NSString *groupingSeparator;
@property (nullable, copy) NSString *zeroSymbol;
@property (null_resettable, copy) NSString *nilSymbol;
@property (null_resettable, copy) NSString *notANumberSymbol;
@property (null_resettable, copy) NSString *positivePrefix;
@property (null_resettable, copy) NSString *positiveSuffix;
@property (null_resettable, copy) NSString *negativePrefix;
@property (null_resettable, copy) NSString *negativeSuffix;
@property (null_resettable, copy) NSString *currencyCode;
@property (null_resettable, copy) NSString *currencySymbol;
@property (null_resettable, copy) NSString *percentSymbol;
@property (null_resettable, copy) NSString *minusSign;
@property NSUInteger groupingSize;
@property NSUInteger secondaryGroupingSize;
@property (nullable, copy) NSNumber *multiplier;
@property NSUInteger formatWidth;
@property NSNumberFormatterRoundingMode roundingMode;
@property (null_resettable, copy) NSNumber *roundingIncrement;
@property NSUInteger minimumIntegerDigits;
@property NSUInteger maximumIntegerDigits;
@property NSUInteger minimumFractionDigits;
@property NSUInteger maximumFractionDigits;
@property (nullable, copy) NSNumber *minimum;
@property (nullable, copy) NSNumber *maximum;
@property BOOL usesSignificantDigits API_AVAILABLE(macos(10.5), ios(2.0));
@property NSUInteger minimumSignificantDigits API_AVAILABLE(macos(10.5), ios(2.0));
@property NSUInteger maximumSignificantDigits API_AVAILABLE(macos(10.5), ios(2.0));
@property (getter=isLenient) BOOL lenient API_AVAILABLE(macos(10.5), ios(2.0));

@end

NS_ASSUME_NONNULL_END
