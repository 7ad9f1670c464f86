/* CTFontTraits.h: the traits of a font: weight, width, slant and the symbolic traits (bold, italic, ...). */
#ifndef __CTFONTTRAITS__
#define __CTFONTTRAITS__

#include <CoreText/CTDefines.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

CT_EXPORT const CFStringRef kCTFontSymbolicTrait;
CT_EXPORT const CFStringRef kCTFontWeightTrait;
CT_EXPORT const CFStringRef kCTFontWidthTrait;
CT_EXPORT const CFStringRef kCTFontSlantTrait;

enum {
    kCTFontClassMaskShift = 28
};

typedef CF_OPTIONS(uint32_t, CTFontSymbolicTraits) {
    kCTFontTraitItalic = (1 << 0),
    kCTFontTraitBold = (1 << 1),
    kCTFontTraitExpanded = (1 << 5),
    kCTFontTraitCondensed = (1 << 6),
    kCTFontTraitMonoSpace = (1 << 10),
    kCTFontTraitVertical = (1 << 11),
    kCTFontTraitUIOptimized = (1 << 12),
    kCTFontTraitColorGlyphs = (1 << 13),
    kCTFontTraitComposite = (1 << 14),
    kCTFontTraitClassMask = (15U << kCTFontClassMaskShift),
    kCTFontItalicTrait = kCTFontTraitItalic,
    kCTFontBoldTrait = kCTFontTraitBold,
    kCTFontExpandedTrait = kCTFontTraitExpanded,
    kCTFontCondensedTrait = kCTFontTraitCondensed,
    kCTFontMonoSpaceTrait = kCTFontTraitMonoSpace,
    kCTFontVerticalTrait = kCTFontTraitVertical,
    kCTFontUIOptimizedTrait = kCTFontTraitUIOptimized,
    kCTFontColorGlyphsTrait = kCTFontTraitColorGlyphs,
    kCTFontCompositeTrait = kCTFontTraitComposite,
    kCTFontClassMaskTrait = kCTFontTraitClassMask
};

typedef CF_OPTIONS(uint32_t, CTFontStylisticClass) {
    kCTFontClassUnknown = (0 << kCTFontClassMaskShift),
    kCTFontClassOldStyleSerifs = (1 << kCTFontClassMaskShift),
    kCTFontClassTransitionalSerifs = (2 << kCTFontClassMaskShift),
    kCTFontClassModernSerifs = (3 << kCTFontClassMaskShift),
    kCTFontClassClarendonSerifs = (4 << kCTFontClassMaskShift),
    kCTFontClassSlabSerifs = (5 << kCTFontClassMaskShift),
    kCTFontClassFreeformSerifs = (7 << kCTFontClassMaskShift),
    kCTFontClassSansSerif = (8U << kCTFontClassMaskShift),
    kCTFontClassOrnamentals = (9U << kCTFontClassMaskShift),
    kCTFontClassScripts = (10U << kCTFontClassMaskShift),
    kCTFontClassSymbolic = (12U << kCTFontClassMaskShift)
};

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTFONTTRAITS__ */
