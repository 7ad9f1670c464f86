/* NSRegularExpression.h: ICU regular expressions over strings: matching, enumerating and replacing. */
#import <Foundation/NSObject.h>
#import <Foundation/NSString.h>
#import <Foundation/NSTextCheckingResult.h>

@class NSArray<ObjectType>, NSError;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSRegularExpressionOptions) {
    NSRegularExpressionCaseInsensitive = 1 << 0,
    NSRegularExpressionAllowCommentsAndWhitespace = 1 << 1,
    NSRegularExpressionIgnoreMetacharacters = 1 << 2,
    NSRegularExpressionDotMatchesLineSeparators = 1 << 3,
    NSRegularExpressionAnchorsMatchLines = 1 << 4,
    NSRegularExpressionUseUnixLineSeparators = 1 << 5,
    NSRegularExpressionUseUnicodeWordBoundaries = 1 << 6
};

typedef NS_OPTIONS(NSUInteger, NSMatchingOptions) {
    NSMatchingReportProgress = 1 << 0,
    NSMatchingReportCompletion = 1 << 1,
    NSMatchingAnchored = 1 << 2,
    NSMatchingWithTransparentBounds = 1 << 3,
    NSMatchingWithoutAnchoringBounds = 1 << 4
};

typedef NS_OPTIONS(NSUInteger, NSMatchingFlags) {
    NSMatchingProgress = 1 << 0,
    NSMatchingCompleted = 1 << 1,
    NSMatchingHitEnd = 1 << 2,
    NSMatchingRequiredEnd = 1 << 3,
    NSMatchingInternalError = 1 << 4
};

API_AVAILABLE(macos(10.7), ios(4.0))
@interface NSRegularExpression : NSObject <NSCopying, NSSecureCoding>

+ (nullable NSRegularExpression *)regularExpressionWithPattern:(NSString *)pattern
                                                       options:(NSRegularExpressionOptions)options
                                                         error:(NSError **)error;
- (nullable instancetype)initWithPattern:(NSString *)pattern
                                 options:(NSRegularExpressionOptions)options
                                   error:(NSError **)error NS_DESIGNATED_INITIALIZER;
@property (readonly, copy) NSString *pattern;
@property (readonly) NSRegularExpressionOptions options;
@property (readonly) NSUInteger numberOfCaptureGroups;
+ (NSString *)escapedPatternForString:(NSString *)string;

#if defined(__BLOCKS__)
- (void)enumerateMatchesInString:(NSString *)string
                         options:(NSMatchingOptions)options
                           range:(NSRange)range
                      usingBlock:(void(NS_NOESCAPE ^)(NSTextCheckingResult *_Nullable result, NSMatchingFlags flags,
                                                      BOOL *stop))block;
#endif
- (NSArray<NSTextCheckingResult *> *)matchesInString:(NSString *)string
                                             options:(NSMatchingOptions)options
                                               range:(NSRange)range;
- (NSUInteger)numberOfMatchesInString:(NSString *)string options:(NSMatchingOptions)options range:(NSRange)range;
- (nullable NSTextCheckingResult *)firstMatchInString:(NSString *)string
                                              options:(NSMatchingOptions)options
                                                range:(NSRange)range;
- (NSRange)rangeOfFirstMatchInString:(NSString *)string options:(NSMatchingOptions)options range:(NSRange)range;
- (NSString *)stringByReplacingMatchesInString:(NSString *)string
                                       options:(NSMatchingOptions)options
                                         range:(NSRange)range
                                  withTemplate:(NSString *)templ;
- (NSUInteger)replaceMatchesInString:(NSMutableString *)string
                             options:(NSMatchingOptions)options
                               range:(NSRange)range
                        withTemplate:(NSString *)templ;
+ (NSString *)escapedTemplateForString:(NSString *)string;

@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface NSDataDetector : NSRegularExpression
+ (nullable NSDataDetector *)dataDetectorWithTypes:(NSTextCheckingTypes)checkingTypes error:(NSError **)error;
- (nullable instancetype)initWithTypes:(NSTextCheckingTypes)checkingTypes
                                 error:(NSError **)error NS_DESIGNATED_INITIALIZER;
@property (readonly) NSTextCheckingTypes checkingTypes;
@end

NS_ASSUME_NONNULL_END
