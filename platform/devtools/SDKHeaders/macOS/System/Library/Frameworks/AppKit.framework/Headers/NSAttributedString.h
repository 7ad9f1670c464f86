/* NSAttributedString.h: AppKit's additions to attributed strings: the attribute names of fonts, colours, paragraph styles, links and more, and the underline styles. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSGraphics.h>

NS_ASSUME_NONNULL_BEGIN

APPKIT_EXTERN NSAttributedStringKey const NSFontAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSParagraphStyleAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSForegroundColorAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSBackgroundColorAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSLigatureAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSKernAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSTrackingAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSStrikethroughStyleAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSUnderlineStyleAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSStrokeColorAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSStrokeWidthAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSShadowAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSTextEffectAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSAttachmentAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSLinkAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSBaselineOffsetAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSUnderlineColorAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSStrikethroughColorAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSObliquenessAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSExpansionAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSWritingDirectionAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSVerticalGlyphFormAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSCursorAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSToolTipAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSMarkedClauseSegmentAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSTextAlternativesAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSSpellingStateAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSSuperscriptAttributeName;
APPKIT_EXTERN NSAttributedStringKey const NSGlyphInfoAttributeName;

typedef NS_OPTIONS(NSInteger, NSUnderlineStyle) {
    NSUnderlineStyleNone = 0x00,
    NSUnderlineStyleSingle = 0x01,
    NSUnderlineStyleThick = 0x02,
    NSUnderlineStyleDouble = 0x09,
    NSUnderlineStylePatternSolid = 0x0000,
    NSUnderlineStylePatternDot = 0x0100,
    NSUnderlineStylePatternDash = 0x0200,
    NSUnderlineStylePatternDashDot = 0x0300,
    NSUnderlineStylePatternDashDotDot = 0x0400,
    NSUnderlineStyleByWord = 0x8000
} API_AVAILABLE(macos(10.0));

@interface NSAttributedString (NSAttributedStringAppKitAdditions)
- (nullable instancetype)initWithRTF:(NSData *)data documentAttributes:(NSDictionary<NSString *, id> *_Nullable *_Nullable)dict;
- (nullable instancetype)initWithHTML:(NSData *)data documentAttributes:(NSDictionary<NSString *, id> *_Nullable *_Nullable)dict;
- (nullable NSData *)RTFFromRange:(NSRange)range documentAttributes:(NSDictionary<NSString *, id> *)dict;
- (NSRange)doubleClickAtIndex:(NSUInteger)location;
@end

NS_ASSUME_NONNULL_END
