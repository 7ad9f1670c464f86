/* NSTextCheckingResult.h: the results of text checking, such as the matches of a regular expression. */
#import <Foundation/NSObject.h>
#import <Foundation/NSRange.h>

@class NSString, NSArray<ObjectType>, NSDictionary, NSRegularExpression, NSURL;

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

NS_ASSUME_NONNULL_END
