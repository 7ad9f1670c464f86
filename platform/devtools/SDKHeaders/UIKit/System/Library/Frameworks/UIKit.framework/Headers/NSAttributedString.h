/* NSAttributedString.h (UIKit): the attribute keys of text drawing (font, colours, paragraph style...) and sizing. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

UIKIT_EXTERN NSAttributedStringKey const NSFontAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSParagraphStyleAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSForegroundColorAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSBackgroundColorAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSKernAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSStrikethroughStyleAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSUnderlineStyleAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSStrokeColorAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSStrokeWidthAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSShadowAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSLinkAttributeName API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringKey const NSBaselineOffsetAttributeName API_AVAILABLE(ios(7.0));

typedef NS_ENUM(NSInteger, NSUnderlineStyle) {
    NSUnderlineStyleNone = 0x00,
    NSUnderlineStyleSingle = 0x01,
    NSUnderlineStyleThick = 0x02,
    NSUnderlineStyleDouble = 0x09,
} API_AVAILABLE(ios(6.0));

typedef NS_OPTIONS(NSInteger, NSStringDrawingOptions) {
    NSStringDrawingUsesLineFragmentOrigin = 1 << 0,
    NSStringDrawingUsesFontLeading = 1 << 1,
    NSStringDrawingUsesDeviceMetrics = 1 << 3,
    NSStringDrawingTruncatesLastVisibleLine API_AVAILABLE(ios(6.0)) = 1 << 5,
} API_AVAILABLE(ios(6.0));

@interface NSString (NSStringDrawing)
- (CGSize)sizeWithAttributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attrs API_AVAILABLE(ios(7.0));
- (void)drawAtPoint:(CGPoint)point withAttributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attrs
    API_AVAILABLE(ios(7.0));
- (void)drawInRect:(CGRect)rect withAttributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attrs
    API_AVAILABLE(ios(7.0));
- (CGRect)boundingRectWithSize:(CGSize)size
                       options:(NSStringDrawingOptions)options
                    attributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attributes
                       context:(nullable id)context API_AVAILABLE(ios(7.0));
@end

@interface NSAttributedString (NSStringDrawing)
- (CGSize)size API_AVAILABLE(ios(6.0));
- (void)drawAtPoint:(CGPoint)point API_AVAILABLE(ios(6.0));
- (void)drawInRect:(CGRect)rect API_AVAILABLE(ios(6.0));
- (CGRect)boundingRectWithSize:(CGSize)size
                       options:(NSStringDrawingOptions)options
                       context:(nullable id)context API_AVAILABLE(ios(6.0));
@end

NS_ASSUME_NONNULL_END
