/* NSParagraphStyle.h: paragraph attributes of attributed strings: alignment, line breaking, spacing and tabs. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSText.h>
#import <AppKit/NSControl.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSTextTabOptionKey NS_TYPED_ENUM;
APPKIT_EXTERN NSTextTabOptionKey const NSTabColumnTerminatorsAttributeName;

@interface NSTextTab : NSObject <NSCopying, NSCoding, NSSecureCoding>
- (instancetype)initWithTextAlignment:(NSTextAlignment)alignment
                             location:(CGFloat)location
                              options:(NSDictionary<NSTextTabOptionKey, id> *)options NS_DESIGNATED_INITIALIZER;
@property (readonly) NSTextAlignment alignment;
@property (readonly) CGFloat location;
@property (readonly) NSDictionary<NSTextTabOptionKey, id> *options;
@end

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
@property (readonly) float hyphenationFactor;
@property (readonly, copy) NSArray<NSTextTab *> *tabStops;
@property (readonly) CGFloat defaultTabInterval;
@property (readonly) BOOL allowsDefaultTighteningForTruncation API_AVAILABLE(macos(10.11));
@end

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
@property float hyphenationFactor;
@property (null_resettable, copy) NSArray<NSTextTab *> *tabStops;
@property CGFloat defaultTabInterval;
@property BOOL allowsDefaultTighteningForTruncation API_AVAILABLE(macos(10.11));
- (void)addTabStop:(NSTextTab *)anObject;
- (void)removeTabStop:(NSTextTab *)anObject;
- (void)setParagraphStyle:(NSParagraphStyle *)obj;
@end

NS_ASSUME_NONNULL_END
