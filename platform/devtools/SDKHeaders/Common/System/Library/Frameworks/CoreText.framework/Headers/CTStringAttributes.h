/* CTStringAttributes.h: the attributes of attributed strings that Core Text lays out. */
#ifndef __CTSTRINGATTRIBUTES__
#define __CTSTRINGATTRIBUTES__

#include <CoreText/CTDefines.h>
#include <CoreText/CTFont.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

CT_EXPORT const CFStringRef kCTFontAttributeName;
CT_EXPORT const CFStringRef kCTForegroundColorFromContextAttributeName;
CT_EXPORT const CFStringRef kCTKernAttributeName;
CT_EXPORT const CFStringRef kCTTrackingAttributeName API_AVAILABLE(macos(10.12), ios(10.0));
CT_EXPORT const CFStringRef kCTLigatureAttributeName;
CT_EXPORT const CFStringRef kCTForegroundColorAttributeName;
CT_EXPORT const CFStringRef kCTBackgroundColorAttributeName API_AVAILABLE(macos(10.15), ios(13.0));
CT_EXPORT const CFStringRef kCTParagraphStyleAttributeName;
CT_EXPORT const CFStringRef kCTStrokeWidthAttributeName;
CT_EXPORT const CFStringRef kCTStrokeColorAttributeName;
CT_EXPORT const CFStringRef kCTUnderlineStyleAttributeName;
CT_EXPORT const CFStringRef kCTSuperscriptAttributeName;
CT_EXPORT const CFStringRef kCTUnderlineColorAttributeName;
CT_EXPORT const CFStringRef kCTVerticalFormsAttributeName;
CT_EXPORT const CFStringRef kCTHorizontalInVerticalFormsAttributeName API_AVAILABLE(macos(10.12), ios(10.0));
CT_EXPORT const CFStringRef kCTGlyphInfoAttributeName;
CT_EXPORT const CFStringRef kCTCharacterShapeAttributeName
    API_DEPRECATED("Use feature type kCharacterShapeType", macos(10.5, 10.11), ios(3.2, 9.0));
CT_EXPORT const CFStringRef kCTLanguageAttributeName;
CT_EXPORT const CFStringRef kCTRunDelegateAttributeName;
CT_EXPORT const CFStringRef kCTBaselineClassAttributeName;
CT_EXPORT const CFStringRef kCTBaselineInfoAttributeName;
CT_EXPORT const CFStringRef kCTBaselineReferenceInfoAttributeName;
CT_EXPORT const CFStringRef kCTBaselineOffsetAttributeName API_AVAILABLE(macos(10.15), ios(13.0));
CT_EXPORT const CFStringRef kCTWritingDirectionAttributeName;
CT_EXPORT const CFStringRef kCTRubyAnnotationAttributeName API_AVAILABLE(macos(10.10), ios(8.0));

CT_EXPORT const CFStringRef kCTBaselineClassRoman;
CT_EXPORT const CFStringRef kCTBaselineClassIdeographicCentered;
CT_EXPORT const CFStringRef kCTBaselineClassIdeographicLow;
CT_EXPORT const CFStringRef kCTBaselineClassIdeographicHigh;
CT_EXPORT const CFStringRef kCTBaselineClassHanging;
CT_EXPORT const CFStringRef kCTBaselineClassMath;
CT_EXPORT const CFStringRef kCTBaselineReferenceFont;
CT_EXPORT const CFStringRef kCTBaselineOriginalFont;

typedef CF_OPTIONS(int32_t, CTUnderlineStyle) {
    kCTUnderlineStyleNone = 0x00,
    kCTUnderlineStyleSingle = 0x01,
    kCTUnderlineStyleThick = 0x02,
    kCTUnderlineStyleDouble = 0x09
};

typedef CF_OPTIONS(int32_t, CTUnderlineStyleModifiers) {
    kCTUnderlinePatternSolid = 0x0000,
    kCTUnderlinePatternDot = 0x0100,
    kCTUnderlinePatternDash = 0x0200,
    kCTUnderlinePatternDashDot = 0x0300,
    kCTUnderlinePatternDashDotDot = 0x0400
};

typedef CF_OPTIONS(uint32_t, CTWritingDirectionEmbedding) {
    kCTWritingDirectionEmbedding = (0 << 1),
    kCTWritingDirectionOverride = (1 << 1)
};

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTSTRINGATTRIBUTES__ */
