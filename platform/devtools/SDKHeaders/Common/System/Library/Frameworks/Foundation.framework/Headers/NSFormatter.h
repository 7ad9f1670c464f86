/* NSFormatter.h: the abstract formatter that turns values into strings and strings back into values. */
#import <Foundation/NSObject.h>
#import <Foundation/NSRange.h>

@class NSString, NSAttributedString, NSDictionary;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSFormattingContext) {
    NSFormattingContextUnknown = 0,
    NSFormattingContextDynamic = 1,
    NSFormattingContextStandalone = 2,
    NSFormattingContextListItem = 3,
    NSFormattingContextBeginningOfSentence = 4,
    NSFormattingContextMiddleOfSentence = 5
} API_AVAILABLE(macos(10.10), ios(8.0));

typedef NS_ENUM(NSInteger, NSFormattingUnitStyle) {
    NSFormattingUnitStyleShort = 1,
    NSFormattingUnitStyleMedium,
    NSFormattingUnitStyleLong
} API_AVAILABLE(macos(10.10), ios(8.0));

@interface NSFormatter : NSObject <NSCopying, NSCoding>

- (nullable NSString *)stringForObjectValue:(nullable id)obj;
- (nullable NSAttributedString *)attributedStringForObjectValue:(id)obj
                                          withDefaultAttributes:(nullable NSDictionary *)attrs;
- (nullable NSString *)editingStringForObjectValue:(id)obj;
- (BOOL)getObjectValue:(out id _Nullable *_Nullable)obj
             forString:(NSString *)string
      errorDescription:(out NSString *_Nullable *_Nullable)error;
- (BOOL)isPartialStringValid:(NSString *)partialString
            newEditingString:(NSString *_Nullable *_Nullable)newString
            errorDescription:(NSString *_Nullable *_Nullable)error;

@end

NS_ASSUME_NONNULL_END
