/* NSParagraphStyle.h (UIKit): paragraph styles: line breaking, alignment, spacing and indents. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/NSText.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSLineBreakMode) {
    NSLineBreakByWordWrapping = 0,
    NSLineBreakByCharWrapping,
    NSLineBreakByClipping,
    NSLineBreakByTruncatingHead,
    NSLineBreakByTruncatingTail,
    NSLineBreakByTruncatingMiddle
} API_AVAILABLE(ios(6.0));

typedef NS_ENUM(NSInteger, NSLineBreakStrategy) {
    NSLineBreakStrategyNone = 0,
    NSLineBreakStrategyPushOut = 1 << 0,
    NSLineBreakStrategyHangulWordPriority = 1 << 1,
    NSLineBreakStrategyStandard = 0xFFFF
} API_AVAILABLE(ios(9.0));

typedef NSString *NSTextTabOptionKey NS_TYPED_ENUM;
UIKIT_EXTERN NSTextTabOptionKey const NSTabColumnTerminatorsAttributeName API_AVAILABLE(ios(7.0));

API_AVAILABLE(ios(7.0))
@interface NSTextTab : NSObject <NSCopying, NSSecureCoding>
+ (NSCharacterSet *)columnTerminatorsForLocale:(nullable NSLocale *)aLocale;
- (instancetype)initWithTextAlignment:(NSTextAlignment)alignment
                             location:(CGFloat)loc
                              options:(NSDictionary<NSTextTabOptionKey, id> *)options NS_DESIGNATED_INITIALIZER;
@property (readonly) NSTextAlignment alignment;
@property (readonly) CGFloat location;
@property (readonly) NSDictionary<NSTextTabOptionKey, id> *options;
@end

API_AVAILABLE(ios(6.0))
@interface NSParagraphStyle : NSObject <NSCopying, NSMutableCopying, NSSecureCoding>
@property (class, readonly, copy) NSParagraphStyle *defaultParagraphStyle;
@property (readonly) CGFloat lineSpacing;
@property (readonly) CGFloat paragraphSpacing;
@property (readonly) NSTextAlignment alignment;
@property (readonly) CGFloat headIndent;
@property (readonly) CGFloat tailIndent;
@property (readonly) CGFloat firstLineHeadIndent;
@property (readonly) CGFloat minimumLineHeight;
@property (readonly) CGFloat maximumLineHeight;
@property (readonly) NSLineBreakMode lineBreakMode;
@property (readonly) CGFloat lineHeightMultiple;
@property (readonly) CGFloat paragraphSpacingBefore;
@property (readonly) NSWritingDirection baseWritingDirection;
+ (NSWritingDirection)defaultWritingDirectionForLanguage:(nullable NSString *)languageName;
@property (readonly) float hyphenationFactor;
@property (readonly) float usesDefaultHyphenation API_AVAILABLE(ios(15.0));
@property (readonly, copy) NSArray<NSTextTab *> *tabStops API_AVAILABLE(ios(7.0));
@property (readonly) CGFloat defaultTabInterval API_AVAILABLE(ios(7.0));
@property (readonly) BOOL allowsDefaultTighteningForTruncation API_AVAILABLE(ios(9.0));
@property (readonly) NSLineBreakStrategy lineBreakStrategy API_AVAILABLE(ios(9.0));
@end

API_AVAILABLE(ios(6.0))
@interface NSMutableParagraphStyle : NSParagraphStyle
@property CGFloat lineSpacing;
@property CGFloat paragraphSpacing;
@property NSTextAlignment alignment;
@property CGFloat firstLineHeadIndent;
@property CGFloat headIndent;
@property CGFloat tailIndent;
@property NSLineBreakMode lineBreakMode;
@property CGFloat minimumLineHeight;
@property CGFloat maximumLineHeight;
@property CGFloat lineHeightMultiple;
@property CGFloat paragraphSpacingBefore;
@property NSWritingDirection baseWritingDirection;
@property float hyphenationFactor;
@property (null_resettable, copy) NSArray<NSTextTab *> *tabStops API_AVAILABLE(ios(7.0));
@property CGFloat defaultTabInterval API_AVAILABLE(ios(7.0));
@property BOOL allowsDefaultTighteningForTruncation API_AVAILABLE(ios(9.0));
@property NSLineBreakStrategy lineBreakStrategy API_AVAILABLE(ios(9.0));
- (void)addTabStop:(NSTextTab *)anObject API_AVAILABLE(ios(9.0));
- (void)removeTabStop:(NSTextTab *)anObject API_AVAILABLE(ios(9.0));
- (void)setParagraphStyle:(NSParagraphStyle *)obj API_AVAILABLE(ios(9.0));
@end

NS_ASSUME_NONNULL_END
