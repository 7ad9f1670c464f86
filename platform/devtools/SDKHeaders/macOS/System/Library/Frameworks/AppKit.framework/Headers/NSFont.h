/* NSFont.h: fonts: system fonts by size and weight, named fonts and their metrics. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSFontDescriptor.h>

@class NSAffineTransform, NSGraphicsContext;

NS_ASSUME_NONNULL_BEGIN

typedef unsigned int NSGlyph;
enum {
    NSControlGlyph = 0x00FFFFFF,
    NSNullGlyph = 0x0
};

typedef NS_ENUM(NSUInteger, NSFontRenderingMode) {
    NSFontDefaultRenderingMode = 0,
    NSFontAntialiasedRenderingMode = 1,
    NSFontIntegerAdvancementsRenderingMode = 2,
    NSFontAntialiasedIntegerAdvancementsRenderingMode = 3
};

typedef NSUInteger NSMultibyteGlyphPacking;
enum {
    NSNativeShortGlyphPacking = 5
};

APPKIT_EXTERN const CGFloat *NSFontIdentityMatrix;

NS_AUTOMATED_REFCOUNT_WEAK_UNAVAILABLE
@interface NSFont : NSObject <NSCopying, NSSecureCoding>
+ (nullable NSFont *)fontWithName:(NSString *)fontName size:(CGFloat)fontSize;
+ (NSFont *)systemFontOfSize:(CGFloat)fontSize;
+ (NSFont *)boldSystemFontOfSize:(CGFloat)fontSize;
+ (NSFont *)systemFontOfSize:(CGFloat)fontSize weight:(NSFontWeight)weight API_AVAILABLE(macos(10.11));
+ (NSFont *)monospacedDigitSystemFontOfSize:(CGFloat)fontSize weight:(NSFontWeight)weight API_AVAILABLE(macos(10.11));
+ (NSFont *)monospacedSystemFontOfSize:(CGFloat)fontSize weight:(NSFontWeight)weight API_AVAILABLE(macos(10.15));
+ (NSFont *)labelFontOfSize:(CGFloat)fontSize;
+ (NSFont *)userFixedPitchFontOfSize:(CGFloat)fontSize;
@property (class, readonly) CGFloat systemFontSize;
@property (class, readonly) CGFloat smallSystemFontSize;
@property (class, readonly) CGFloat labelFontSize;
@property (readonly, copy) NSString *fontName;
@property (readonly) CGFloat pointSize;
@property (nullable, readonly, copy) NSString *familyName;
@property (nullable, readonly, copy) NSString *displayName;
@property (readonly) CGFloat ascender;
@property (readonly) CGFloat descender;
@property (readonly) CGFloat leading;
@property (readonly) CGFloat capHeight;
@property (readonly) CGFloat xHeight;
+ (nullable NSFont *)fontWithName:(NSString *)fontName matrix:(const CGFloat *)fontMatrix;
+ (nullable NSFont *)fontWithDescriptor:(NSFontDescriptor *)fontDescriptor size:(CGFloat)fontSize;
+ (nullable NSFont *)fontWithDescriptor:(NSFontDescriptor *)fontDescriptor textTransform:(nullable NSAffineTransform *)textTransform;
+ (nullable NSFont *)userFontOfSize:(CGFloat)fontSize;
+ (NSFont *)preferredFontForTextStyle:(NSFontTextStyle)style options:(NSDictionary<NSFontTextStyleOptionKey, id> *)options API_AVAILABLE(macos(11.0));
+ (void)setUserFont:(nullable NSFont *)font;
+ (void)setUserFixedPitchFont:(nullable NSFont *)font;
+ (NSFont *)messageFontOfSize:(CGFloat)fontSize;
+ (NSFont *)menuFontOfSize:(CGFloat)fontSize;
+ (NSFont *)menuBarFontOfSize:(CGFloat)fontSize;
+ (NSFont *)titleBarFontOfSize:(CGFloat)fontSize;
+ (NSFont *)paletteFontOfSize:(CGFloat)fontSize;
+ (NSFont *)toolTipsFontOfSize:(CGFloat)fontSize;
+ (NSFont *)controlContentFontOfSize:(CGFloat)fontSize;
@property (readonly) NSUInteger numberOfGlyphs;
@property (readonly) NSStringEncoding mostCompatibleStringEncoding;
@property (readonly, strong) NSCharacterSet *coveredCharacterSet;
@property (readonly) NSRect boundingRectForFont;
@property (readonly) NSSize maximumAdvancement;
@property (readonly) CGFloat underlinePosition;
@property (readonly) CGFloat underlineThickness;
@property (readonly) CGFloat italicAngle;
@property (readonly, getter=isFixedPitch) BOOL fixedPitch;
@property (readonly, strong) NSFontDescriptor *fontDescriptor;
@property (readonly, copy) NSFont *screenFont API_DEPRECATED("", macos(10.0, 10.15));
@property (readonly, copy) NSFont *printerFont API_DEPRECATED("", macos(10.0, 10.15));
@property (readonly, getter=isVertical) BOOL vertical;
@property (readonly, copy) NSFont *verticalFont;
@property (readonly) const CGFloat *matrix NS_RETURNS_INNER_POINTER;
@property (readonly, copy) NSAffineTransform *textTransform;
@property (readonly) NSFontRenderingMode renderingMode;
- (NSFont *)screenFontWithRenderingMode:(NSFontRenderingMode)renderingMode;
- (NSRect)boundingRectForCGGlyph:(CGGlyph)glyph API_AVAILABLE(macos(10.13));
- (NSSize)advancementForCGGlyph:(CGGlyph)glyph API_AVAILABLE(macos(10.13));
- (void)getBoundingRects:(NSRectArray)bounds forCGGlyphs:(const CGGlyph *)glyphs count:(NSUInteger)glyphCount API_AVAILABLE(macos(10.13));
- (void)getAdvancements:(NSSizeArray)advancements forCGGlyphs:(const CGGlyph *)glyphs count:(NSUInteger)glyphCount API_AVAILABLE(macos(10.13));
- (NSGlyph)glyphWithName:(NSString *)name API_DEPRECATED("", macos(10.0, 10.13));
- (NSRect)boundingRectForGlyph:(NSGlyph)glyph API_DEPRECATED("", macos(10.0, 10.13));
- (NSSize)advancementForGlyph:(NSGlyph)glyph API_DEPRECATED("", macos(10.0, 10.13));
- (void)set;
- (void)setInContext:(NSGraphicsContext *)graphicsContext;
@end

APPKIT_EXTERN NSNotificationName NSAntialiasThresholdChangedNotification;
APPKIT_EXTERN NSNotificationName NSFontSetChangedNotification;

NS_ASSUME_NONNULL_END
