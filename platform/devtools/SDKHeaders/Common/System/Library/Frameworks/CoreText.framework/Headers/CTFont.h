/* CTFont.h: fonts: creation, names, metrics, glyphs and their paths and drawing, tables and features. */
#ifndef __CTFONT__
#define __CTFONT__

#include <CoreText/CTDefines.h>
#include <CoreText/CTFontDescriptor.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CTFont *CTFontRef;

CT_EXPORT CFTypeID CTFontGetTypeID(void);

/* Name specifiers of CTFontCopyName. */
CT_EXPORT const CFStringRef kCTFontCopyrightNameKey;
CT_EXPORT const CFStringRef kCTFontFamilyNameKey;
CT_EXPORT const CFStringRef kCTFontSubFamilyNameKey;
CT_EXPORT const CFStringRef kCTFontStyleNameKey;
CT_EXPORT const CFStringRef kCTFontUniqueNameKey;
CT_EXPORT const CFStringRef kCTFontFullNameKey;
CT_EXPORT const CFStringRef kCTFontVersionNameKey;
CT_EXPORT const CFStringRef kCTFontPostScriptNameKey;
CT_EXPORT const CFStringRef kCTFontTrademarkNameKey;
CT_EXPORT const CFStringRef kCTFontManufacturerNameKey;
CT_EXPORT const CFStringRef kCTFontDesignerNameKey;
CT_EXPORT const CFStringRef kCTFontDescriptionNameKey;
CT_EXPORT const CFStringRef kCTFontVendorURLNameKey;
CT_EXPORT const CFStringRef kCTFontDesignerURLNameKey;
CT_EXPORT const CFStringRef kCTFontLicenseNameKey;
CT_EXPORT const CFStringRef kCTFontLicenseURLNameKey;
CT_EXPORT const CFStringRef kCTFontSampleTextNameKey;
CT_EXPORT const CFStringRef kCTFontPostScriptCIDNameKey;

typedef CF_OPTIONS(CFOptionFlags, CTFontOptions) {
    kCTFontOptionsDefault = 0,
    kCTFontOptionsPreventAutoActivation = 1 << 0,
    kCTFontOptionsPreventAutoDownload = 1 << 1,
    kCTFontOptionsPreferSystemFont = 1 << 2
};

typedef CF_ENUM(uint32_t, CTFontUIFontType) {
    kCTFontUIFontNone = (uint32_t)-1,
    kCTFontUIFontUser = 0,
    kCTFontUIFontUserFixedPitch = 1,
    kCTFontUIFontSystem = 2,
    kCTFontUIFontEmphasizedSystem = 3,
    kCTFontUIFontSmallSystem = 4,
    kCTFontUIFontSmallEmphasizedSystem = 5,
    kCTFontUIFontMiniSystem = 6,
    kCTFontUIFontMiniEmphasizedSystem = 7,
    kCTFontUIFontViews = 8,
    kCTFontUIFontApplication = 9,
    kCTFontUIFontLabel = 10,
    kCTFontUIFontMenuTitle = 11,
    kCTFontUIFontMenuItem = 12,
    kCTFontUIFontMenuItemMark = 13,
    kCTFontUIFontMenuItemCmdKey = 14,
    kCTFontUIFontWindowTitle = 15,
    kCTFontUIFontPushButton = 16,
    kCTFontUIFontUtilityWindowTitle = 17,
    kCTFontUIFontAlertHeader = 18,
    kCTFontUIFontSystemDetail = 19,
    kCTFontUIFontEmphasizedSystemDetail = 20,
    kCTFontUIFontToolbar = 21,
    kCTFontUIFontSmallToolbar = 22,
    kCTFontUIFontMessage = 23,
    kCTFontUIFontPalette = 24,
    kCTFontUIFontToolTip = 25,
    kCTFontUIFontControlContent = 26
};

typedef FourCharCode CTFontTableTag;
enum {
    kCTFontTableBASE = 'BASE',
    kCTFontTableCFF = 'CFF ',
    kCTFontTableCFF2 = 'CFF2',
    kCTFontTableCOLR = 'COLR',
    kCTFontTableCPAL = 'CPAL',
    kCTFontTableGDEF = 'GDEF',
    kCTFontTableGPOS = 'GPOS',
    kCTFontTableGSUB = 'GSUB',
    kCTFontTableOS2 = 'OS/2',
    kCTFontTableCmap = 'cmap',
    kCTFontTableGlyf = 'glyf',
    kCTFontTableHead = 'head',
    kCTFontTableHhea = 'hhea',
    kCTFontTableHmtx = 'hmtx',
    kCTFontTableKern = 'kern',
    kCTFontTableLoca = 'loca',
    kCTFontTableMaxp = 'maxp',
    kCTFontTableName = 'name',
    kCTFontTablePost = 'post',
    kCTFontTableSbix = 'sbix',
    kCTFontTableVhea = 'vhea',
    kCTFontTableVmtx = 'vmtx'
};

typedef CF_OPTIONS(uint32_t, CTFontTableOptions) {
    kCTFontTableOptionNoOptions = 0,
    kCTFontTableOptionExcludeSynthetic = (1 << 0)
};

/* Creation. */
CT_EXPORT CTFontRef CTFontCreateWithName(CFStringRef _Nullable name, CGFloat size,
                                         const CGAffineTransform *_Nullable matrix);
CT_EXPORT CTFontRef CTFontCreateWithFontDescriptor(CTFontDescriptorRef descriptor, CGFloat size,
                                                   const CGAffineTransform *_Nullable matrix);
CT_EXPORT CTFontRef CTFontCreateWithNameAndOptions(CFStringRef name, CGFloat size,
                                                   const CGAffineTransform *_Nullable matrix, CTFontOptions options);
CT_EXPORT CTFontRef _Nullable CTFontCreateUIFontForLanguage(CTFontUIFontType uiType, CGFloat size,
                                                            CFStringRef _Nullable language);
CT_EXPORT CTFontRef CTFontCreateCopyWithAttributes(CTFontRef font, CGFloat size,
                                                   const CGAffineTransform *_Nullable matrix,
                                                   CTFontDescriptorRef _Nullable attributes);
CT_EXPORT CTFontRef _Nullable CTFontCreateCopyWithSymbolicTraits(CTFontRef font, CGFloat size,
                                                                 const CGAffineTransform *_Nullable matrix,
                                                                 CTFontSymbolicTraits symTraitValue,
                                                                 CTFontSymbolicTraits symTraitMask);
CT_EXPORT CTFontRef _Nullable CTFontCreateCopyWithFamily(CTFontRef font, CGFloat size,
                                                         const CGAffineTransform *_Nullable matrix,
                                                         CFStringRef family);
CT_EXPORT CTFontRef CTFontCreateForString(CTFontRef currentFont, CFStringRef string, CFRange range);
CT_EXPORT CTFontRef CTFontCreateWithGraphicsFont(CGFontRef graphicsFont, CGFloat size,
                                                 const CGAffineTransform *_Nullable matrix,
                                                 CTFontDescriptorRef _Nullable attributes);

/* Attributes and names. */
CT_EXPORT CTFontDescriptorRef CTFontCopyFontDescriptor(CTFontRef font);
CT_EXPORT CFTypeRef _Nullable CTFontCopyAttribute(CTFontRef font, CFStringRef attribute);
CT_EXPORT CGFloat CTFontGetSize(CTFontRef font);
CT_EXPORT CGAffineTransform CTFontGetMatrix(CTFontRef font);
CT_EXPORT CTFontSymbolicTraits CTFontGetSymbolicTraits(CTFontRef font);
CT_EXPORT CFDictionaryRef CTFontCopyTraits(CTFontRef font);
CT_EXPORT CFStringRef CTFontCopyPostScriptName(CTFontRef font);
CT_EXPORT CFStringRef CTFontCopyFamilyName(CTFontRef font);
CT_EXPORT CFStringRef CTFontCopyFullName(CTFontRef font);
CT_EXPORT CFStringRef CTFontCopyDisplayName(CTFontRef font);
CT_EXPORT CFStringRef _Nullable CTFontCopyName(CTFontRef font, CFStringRef nameKey);
CT_EXPORT CFStringRef _Nullable CTFontCopyLocalizedName(CTFontRef font, CFStringRef nameKey,
                                                        CFStringRef _Nullable *_Nullable actualLanguage);
CT_EXPORT CFCharacterSetRef CTFontCopyCharacterSet(CTFontRef font);
CT_EXPORT CFStringEncoding CTFontGetStringEncoding(CTFontRef font);
CT_EXPORT CFArrayRef CTFontCopySupportedLanguages(CTFontRef font);
CT_EXPORT CFArrayRef _Nullable CTFontCopyDefaultCascadeListForLanguages(CTFontRef font,
                                                                        CFArrayRef _Nullable languagePrefList);

/* Metrics. */
CT_EXPORT CGFloat CTFontGetAscent(CTFontRef font);
CT_EXPORT CGFloat CTFontGetDescent(CTFontRef font);
CT_EXPORT CGFloat CTFontGetLeading(CTFontRef font);
CT_EXPORT unsigned CTFontGetUnitsPerEm(CTFontRef font);
CT_EXPORT CFIndex CTFontGetGlyphCount(CTFontRef font);
CT_EXPORT CGRect CTFontGetBoundingBox(CTFontRef font);
CT_EXPORT CGFloat CTFontGetUnderlinePosition(CTFontRef font);
CT_EXPORT CGFloat CTFontGetUnderlineThickness(CTFontRef font);
CT_EXPORT CGFloat CTFontGetSlantAngle(CTFontRef font);
CT_EXPORT CGFloat CTFontGetCapHeight(CTFontRef font);
CT_EXPORT CGFloat CTFontGetXHeight(CTFontRef font);

/* Glyphs. */
CT_EXPORT CGGlyph CTFontGetGlyphWithName(CTFontRef font, CFStringRef glyphName);
CT_EXPORT CFStringRef _Nullable CTFontCopyNameForGlyph(CTFontRef font, CGGlyph glyph);
CT_EXPORT bool CTFontGetGlyphsForCharacters(CTFontRef font, const UniChar characters[_Nonnull], CGGlyph glyphs[_Nonnull],
                                            CFIndex count);
CT_EXPORT CGRect CTFontGetBoundingRectsForGlyphs(CTFontRef font, CTFontOrientation orientation,
                                                 const CGGlyph glyphs[_Nonnull], CGRect *_Nullable boundingRects,
                                                 CFIndex count);
CT_EXPORT CGRect CTFontGetOpticalBoundsForGlyphs(CTFontRef font, const CGGlyph glyphs[_Nonnull],
                                                 CGRect *_Nullable boundingRects, CFIndex count,
                                                 CFOptionFlags options);
CT_EXPORT double CTFontGetAdvancesForGlyphs(CTFontRef font, CTFontOrientation orientation, const CGGlyph glyphs[_Nonnull],
                                            CGSize *_Nullable advances, CFIndex count);
CT_EXPORT void CTFontGetVerticalTranslationsForGlyphs(CTFontRef font, const CGGlyph glyphs[_Nonnull], CGSize translations[_Nonnull],
                                                      CFIndex count);
CT_EXPORT CGPathRef _Nullable CTFontCreatePathForGlyph(CTFontRef font, CGGlyph glyph,
                                                       const CGAffineTransform *_Nullable matrix);
CT_EXPORT void CTFontDrawGlyphs(CTFontRef font, const CGGlyph glyphs[_Nonnull], const CGPoint positions[_Nonnull], size_t count,
                                CGContextRef context);
CT_EXPORT CFIndex CTFontGetLigatureCaretPositions(CTFontRef font, CGGlyph glyph, CGFloat *_Nullable positions,
                                                  CFIndex maxPositions);

/* Variations, features, graphics fonts and tables. */
CT_EXPORT CFArrayRef _Nullable CTFontCopyVariationAxes(CTFontRef font);
CT_EXPORT CFDictionaryRef _Nullable CTFontCopyVariation(CTFontRef font);
CT_EXPORT CFArrayRef _Nullable CTFontCopyFeatures(CTFontRef font);
CT_EXPORT CFArrayRef _Nullable CTFontCopyFeatureSettings(CTFontRef font);
CT_EXPORT CGFontRef CTFontCopyGraphicsFont(CTFontRef font, CTFontDescriptorRef _Nullable *_Nullable attributes);
CT_EXPORT CFArrayRef _Nullable CTFontCopyAvailableTables(CTFontRef font, CTFontTableOptions options);
CT_EXPORT CFDataRef _Nullable CTFontCopyTable(CTFontRef font, CTFontTableTag table, CTFontTableOptions options);

CT_EXPORT const CFStringRef kCTFontVariationAxisIdentifierKey;
CT_EXPORT const CFStringRef kCTFontVariationAxisMinimumValueKey;
CT_EXPORT const CFStringRef kCTFontVariationAxisMaximumValueKey;
CT_EXPORT const CFStringRef kCTFontVariationAxisDefaultValueKey;
CT_EXPORT const CFStringRef kCTFontVariationAxisNameKey;
CT_EXPORT const CFStringRef kCTFontFeatureTypeIdentifierKey;
CT_EXPORT const CFStringRef kCTFontFeatureTypeNameKey;
CT_EXPORT const CFStringRef kCTFontFeatureSelectorIdentifierKey;
CT_EXPORT const CFStringRef kCTFontFeatureSelectorNameKey;
CT_EXPORT const CFStringRef kCTFontOpenTypeFeatureTag;
CT_EXPORT const CFStringRef kCTFontOpenTypeFeatureValue;

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTFONT__ */
