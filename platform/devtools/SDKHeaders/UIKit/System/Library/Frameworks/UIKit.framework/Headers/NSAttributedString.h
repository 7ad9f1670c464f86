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
UIKIT_EXTERN NSAttributedStringKey const NSLigatureAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSTextEffectAttributeName API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringKey const NSAttachmentAttributeName API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringKey const NSUnderlineColorAttributeName API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringKey const NSStrikethroughColorAttributeName API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringKey const NSObliquenessAttributeName API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringKey const NSExpansionAttributeName API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringKey const NSWritingDirectionAttributeName API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringKey const NSVerticalGlyphFormAttributeName API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSAttributedStringKey const NSTrackingAttributeName API_AVAILABLE(ios(14.0));

typedef NSString *NSTextEffectStyle NS_TYPED_ENUM;
UIKIT_EXTERN NSTextEffectStyle const NSTextEffectLetterpressStyle API_AVAILABLE(ios(7.0));

typedef NS_ENUM(NSInteger, NSWritingDirectionFormatType) {
    NSWritingDirectionEmbedding = (0 << 1),
    NSWritingDirectionOverride = (1 << 1)
} API_AVAILABLE(ios(9.0));

/* Document types and options of reading and writing attributed strings. */
typedef NSString *NSAttributedStringDocumentType NS_TYPED_EXTENSIBLE_ENUM;
UIKIT_EXTERN NSAttributedStringDocumentType const NSPlainTextDocumentType API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringDocumentType const NSRTFTextDocumentType API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringDocumentType const NSRTFDTextDocumentType API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringDocumentType const NSHTMLTextDocumentType API_AVAILABLE(ios(7.0));
typedef NSString *NSAttributedStringDocumentAttributeKey NS_TYPED_EXTENSIBLE_ENUM;
UIKIT_EXTERN NSAttributedStringDocumentAttributeKey const NSDocumentTypeDocumentAttribute API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSAttributedStringDocumentAttributeKey const NSCharacterEncodingDocumentAttribute
    API_AVAILABLE(ios(7.0));
typedef NSString *NSAttributedStringDocumentReadingOptionKey NS_TYPED_EXTENSIBLE_ENUM;
UIKIT_EXTERN NSAttributedStringDocumentReadingOptionKey const NSDocumentTypeDocumentOption API_AVAILABLE(ios(13.0));
UIKIT_EXTERN NSAttributedStringDocumentReadingOptionKey const NSCharacterEncodingDocumentOption
    API_AVAILABLE(ios(13.0));

@interface NSAttributedString (NSAttributedStringDocumentFormats)
- (nullable instancetype)initWithURL:(NSURL *)url
                             options:(NSDictionary<NSAttributedStringDocumentReadingOptionKey, id> *)options
                  documentAttributes:(NSDictionary<NSAttributedStringDocumentAttributeKey, id> *_Nullable
                                          *_Nullable)dict
                               error:(NSError **)error API_AVAILABLE(ios(9.0));
- (nullable instancetype)initWithData:(NSData *)data
                              options:(NSDictionary<NSAttributedStringDocumentReadingOptionKey, id> *)options
                   documentAttributes:(NSDictionary<NSAttributedStringDocumentAttributeKey, id> *_Nullable
                                           *_Nullable)dict
                                error:(NSError **)error API_AVAILABLE(ios(7.0));
- (nullable NSData *)dataFromRange:(NSRange)range
                documentAttributes:(NSDictionary<NSAttributedStringDocumentAttributeKey, id> *)dict
                             error:(NSError **)error API_AVAILABLE(ios(7.0));
@end

/* The scale a drawing used and the bounds it took. */
API_AVAILABLE(ios(6.0))
@interface NSStringDrawingContext : NSObject
@property (nonatomic) CGFloat minimumScaleFactor;
@property (nonatomic, readonly) CGFloat actualScaleFactor;
@property (nonatomic, readonly) CGRect totalBounds;
@end


typedef NS_ENUM(NSInteger, NSUnderlineStyle) {
    NSUnderlineStyleNone = 0x00,
    NSUnderlineStyleSingle = 0x01,
    NSUnderlineStyleThick = 0x02,
    NSUnderlineStyleDouble = 0x09,
    NSUnderlineStylePatternSolid = 0x0000,
    NSUnderlineStylePatternDot = 0x0100,
    NSUnderlineStylePatternDash = 0x0200,
    NSUnderlineStylePatternDashDot = 0x0300,
    NSUnderlineStylePatternDashDotDot = 0x0400,
    NSUnderlineStyleByWord = 0x8000,
    NSUnderlinePatternSolid API_DEPRECATED_WITH_REPLACEMENT("NSUnderlineStylePatternSolid", ios(6.0, 12.0)) = 0x0000,
    NSUnderlinePatternDot API_DEPRECATED_WITH_REPLACEMENT("NSUnderlineStylePatternDot", ios(6.0, 12.0)) = 0x0100,
    NSUnderlinePatternDash API_DEPRECATED_WITH_REPLACEMENT("NSUnderlineStylePatternDash", ios(6.0, 12.0)) = 0x0200,
    NSUnderlinePatternDashDot API_DEPRECATED_WITH_REPLACEMENT("NSUnderlineStylePatternDashDot", ios(6.0, 12.0)) = 0x0300,
    NSUnderlinePatternDashDotDot
        API_DEPRECATED_WITH_REPLACEMENT("NSUnderlineStylePatternDashDotDot", ios(6.0, 12.0)) = 0x0400,
    NSUnderlineByWord API_DEPRECATED_WITH_REPLACEMENT("NSUnderlineStyleByWord", ios(6.0, 12.0)) = 0x8000,
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
                       context:(nullable NSStringDrawingContext *)context API_AVAILABLE(ios(7.0));
- (void)drawWithRect:(CGRect)rect
             options:(NSStringDrawingOptions)options
          attributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attributes
             context:(nullable NSStringDrawingContext *)context API_AVAILABLE(ios(7.0));
@end

@interface NSAttributedString (NSStringDrawing)
- (CGSize)size API_AVAILABLE(ios(6.0));
- (void)drawAtPoint:(CGPoint)point API_AVAILABLE(ios(6.0));
- (void)drawInRect:(CGRect)rect API_AVAILABLE(ios(6.0));
- (CGRect)boundingRectWithSize:(CGSize)size
                       options:(NSStringDrawingOptions)options
                       context:(nullable NSStringDrawingContext *)context API_AVAILABLE(ios(6.0));
@end

NS_ASSUME_NONNULL_END
