/* CGFont.h: fonts as Core Graphics draws them: glyphs, their metrics and the font's tables. */
#ifndef CGFONT_H_
#define CGFONT_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGDataProvider.h>
#include <CoreGraphics/CGGeometry.h>
#include <CoreFoundation/CFArray.h>
#include <CoreFoundation/CFData.h>
#include <CoreFoundation/CFDictionary.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGFont *CGFontRef;
typedef unsigned short CGFontIndex;
typedef CGFontIndex CGGlyph;

typedef CF_ENUM(int32_t, CGFontPostScriptFormat) {
    kCGFontPostScriptFormatType1 = 1,
    kCGFontPostScriptFormatType42 = 42
};

static const CGFontIndex kCGFontIndexMax = ((1 << 16) - 2);
static const CGFontIndex kCGFontIndexInvalid = ((1 << 16) - 1);
static const CGFontIndex kCGGlyphMax = kCGFontIndexMax;

CG_EXTERN CFTypeID CGFontGetTypeID(void);
CG_EXTERN CGFontRef _Nullable CGFontCreateWithDataProvider(CGDataProviderRef provider);
CG_EXTERN CGFontRef _Nullable CGFontCreateWithFontName(CFStringRef _Nullable name);
CG_EXTERN CGFontRef _Nullable CGFontCreateCopyWithVariations(CGFontRef _Nullable font,
                                                             CFDictionaryRef _Nullable variations);
CG_EXTERN CGFontRef _Nullable CGFontRetain(CGFontRef _Nullable font);
CG_EXTERN void CGFontRelease(CGFontRef _Nullable font);
CG_EXTERN size_t CGFontGetNumberOfGlyphs(CGFontRef _Nullable font);
CG_EXTERN int CGFontGetUnitsPerEm(CGFontRef _Nullable font);
CG_EXTERN CFStringRef _Nullable CGFontCopyPostScriptName(CGFontRef _Nullable font);
CG_EXTERN CFStringRef _Nullable CGFontCopyFullName(CGFontRef _Nullable font);
CG_EXTERN int CGFontGetAscent(CGFontRef _Nullable font);
CG_EXTERN int CGFontGetDescent(CGFontRef _Nullable font);
CG_EXTERN int CGFontGetLeading(CGFontRef _Nullable font);
CG_EXTERN int CGFontGetCapHeight(CGFontRef _Nullable font);
CG_EXTERN int CGFontGetXHeight(CGFontRef _Nullable font);
CG_EXTERN CGRect CGFontGetFontBBox(CGFontRef _Nullable font);
CG_EXTERN CGFloat CGFontGetItalicAngle(CGFontRef _Nullable font);
CG_EXTERN CGFloat CGFontGetStemV(CGFontRef _Nullable font);
CG_EXTERN CFArrayRef _Nullable CGFontCopyVariationAxes(CGFontRef _Nullable font);
CG_EXTERN CFDictionaryRef _Nullable CGFontCopyVariations(CGFontRef _Nullable font);
CG_EXTERN bool CGFontGetGlyphAdvances(CGFontRef _Nullable font, const CGGlyph *glyphs, size_t count, int *advances);
CG_EXTERN bool CGFontGetGlyphBBoxes(CGFontRef _Nullable font, const CGGlyph *glyphs, size_t count, CGRect *bboxes);
CG_EXTERN CGGlyph CGFontGetGlyphWithGlyphName(CGFontRef _Nullable font, CFStringRef _Nullable name);
CG_EXTERN CFStringRef _Nullable CGFontCopyGlyphNameForGlyph(CGFontRef _Nullable font, CGGlyph glyph);
CG_EXTERN bool CGFontCanCreatePostScriptSubset(CGFontRef _Nullable font, CGFontPostScriptFormat format);
CG_EXTERN CFArrayRef _Nullable CGFontCopyTableTags(CGFontRef _Nullable font);
CG_EXTERN CFDataRef _Nullable CGFontCopyTableForTag(CGFontRef _Nullable font, uint32_t tag);

CG_EXTERN const CFStringRef kCGFontVariationAxisName;
CG_EXTERN const CFStringRef kCGFontVariationAxisMinValue;
CG_EXTERN const CFStringRef kCGFontVariationAxisMaxValue;
CG_EXTERN const CFStringRef kCGFontVariationAxisDefaultValue;

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGFONT_H_ */
