/* NSTextCheckingResult.h: the results of text checking, such as the matches of a regular expression. */
#import <Foundation/NSObject.h>
#import <Foundation/NSRange.h>

@class NSString, NSArray<ObjectType>, NSDate, NSDictionary<KeyType, ObjectType>, NSOrthography, NSRegularExpression,
    NSTimeZone, NSURL;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(uint64_t, NSTextCheckingType) {
    NSTextCheckingTypeOrthography = 1ULL << 0,
    NSTextCheckingTypeSpelling = 1ULL << 1,
    NSTextCheckingTypeGrammar = 1ULL << 2,
    NSTextCheckingTypeDate = 1ULL << 3,
    NSTextCheckingTypeAddress = 1ULL << 4,
    NSTextCheckingTypeLink = 1ULL << 5,
    NSTextCheckingTypeQuote = 1ULL << 6,
    NSTextCheckingTypeDash = 1ULL << 7,
    NSTextCheckingTypeReplacement = 1ULL << 8,
    NSTextCheckingTypeCorrection = 1ULL << 9,
    NSTextCheckingTypeRegularExpression API_AVAILABLE(macos(10.7), ios(4.0)) = 1ULL << 10,
    NSTextCheckingTypePhoneNumber API_AVAILABLE(macos(10.7), ios(4.0)) = 1ULL << 11,
    NSTextCheckingTypeTransitInformation API_AVAILABLE(macos(10.7), ios(4.0)) = 1ULL << 12
};

typedef uint64_t NSTextCheckingTypes;
NS_ENUM(NSTextCheckingTypes){
    NSTextCheckingAllSystemTypes = 0xffffffffULL,
    NSTextCheckingAllCustomTypes = 0xffffffffULL << 32,
    NSTextCheckingAllTypes = (NSTextCheckingAllSystemTypes | NSTextCheckingAllCustomTypes)
};

typedef NSString *NSTextCheckingKey NS_TYPED_EXTENSIBLE_ENUM;
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingNameKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingJobTitleKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingOrganizationKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingStreetKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingCityKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingStateKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingZIPKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingCountryKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingPhoneKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingAirlineKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXPORT NSTextCheckingKey const NSTextCheckingFlightKey API_AVAILABLE(macos(10.7), ios(4.0));

@interface NSTextCheckingResult : NSObject <NSCopying, NSSecureCoding>
@property (readonly) NSTextCheckingType resultType;
@property (readonly) NSRange range;
@property (nullable, readonly, copy) NSRegularExpression *regularExpression API_AVAILABLE(macos(10.7), ios(4.0));
@property (nullable, readonly, copy) NSURL *URL;
@property (readonly) NSUInteger numberOfRanges API_AVAILABLE(macos(10.7), ios(4.0));
- (NSRange)rangeAtIndex:(NSUInteger)idx API_AVAILABLE(macos(10.7), ios(4.0));
- (NSRange)rangeWithName:(NSString *)name API_AVAILABLE(macos(10.13), ios(11.0));
- (NSTextCheckingResult *)resultByAdjustingRangesWithOffset:(NSInteger)offset API_AVAILABLE(macos(10.7), ios(5.0));
@end

@interface NSTextCheckingResult (NSTextCheckingResultOptional)
@property (nullable, readonly, copy) NSOrthography *orthography;
@property (nullable, readonly, copy) NSArray<NSDictionary<NSString *, id> *> *grammarDetails;
@property (nullable, readonly, copy) NSDate *date;
@property (nullable, readonly, copy) NSTimeZone *timeZone;
@property (readonly) NSTimeInterval duration;
@property (nullable, readonly, copy) NSDictionary<NSTextCheckingKey, NSString *> *components
    API_AVAILABLE(macos(10.7), ios(4.0));
@property (nullable, readonly, copy) NSString *replacementString;
@property (nullable, readonly, copy) NSArray<NSString *> *alternativeStrings API_AVAILABLE(macos(10.9), ios(7.0));
@property (nullable, readonly, copy) NSString *phoneNumber API_AVAILABLE(macos(10.7), ios(4.0));
@property (nullable, readonly, copy) NSDictionary<NSTextCheckingKey, NSString *> *addressComponents;
@end

@interface NSTextCheckingResult (NSTextCheckingResultCreation)
+ (NSTextCheckingResult *)orthographyCheckingResultWithRange:(NSRange)range orthography:(NSOrthography *)orthography;
+ (NSTextCheckingResult *)spellCheckingResultWithRange:(NSRange)range;
+ (NSTextCheckingResult *)grammarCheckingResultWithRange:(NSRange)range
                                                 details:(NSArray<NSDictionary<NSString *, id> *> *)details;
+ (NSTextCheckingResult *)dateCheckingResultWithRange:(NSRange)range date:(NSDate *)date;
+ (NSTextCheckingResult *)dateCheckingResultWithRange:(NSRange)range
                                                 date:(NSDate *)date
                                             timeZone:(NSTimeZone *)timeZone
                                             duration:(NSTimeInterval)duration;
+ (NSTextCheckingResult *)addressCheckingResultWithRange:(NSRange)range
                                              components:(NSDictionary<NSTextCheckingKey, NSString *> *)components;
+ (NSTextCheckingResult *)linkCheckingResultWithRange:(NSRange)range URL:(NSURL *)url;
+ (NSTextCheckingResult *)quoteCheckingResultWithRange:(NSRange)range replacementString:(NSString *)replacementString;
+ (NSTextCheckingResult *)dashCheckingResultWithRange:(NSRange)range replacementString:(NSString *)replacementString;
+ (NSTextCheckingResult *)replacementCheckingResultWithRange:(NSRange)range
                                           replacementString:(NSString *)replacementString;
+ (NSTextCheckingResult *)correctionCheckingResultWithRange:(NSRange)range
                                          replacementString:(NSString *)replacementString;
+ (NSTextCheckingResult *)regularExpressionCheckingResultWithRanges:(NSRangePointer)ranges
                                                              count:(NSUInteger)count
                                                  regularExpression:(NSRegularExpression *)regularExpression
    API_AVAILABLE(macos(10.7), ios(4.0));
+ (NSTextCheckingResult *)phoneNumberCheckingResultWithRange:(NSRange)range phoneNumber:(NSString *)phoneNumber
    API_AVAILABLE(macos(10.7), ios(4.0));
+ (NSTextCheckingResult *)transitInformationCheckingResultWithRange:(NSRange)range
                                                         components:(NSDictionary<NSTextCheckingKey, NSString *> *)
                                                                        components API_AVAILABLE(macos(10.7), ios(4.0));
@end

NS_ASSUME_NONNULL_END
