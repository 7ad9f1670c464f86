/* CTRubyAnnotation.h: ruby annotations, the small text set above, below or beside East Asian base text. */
#ifndef __CTRUBYANNOTATION__
#define __CTRUBYANNOTATION__

#include <CoreText/CTDefines.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CTRubyAnnotation *CTRubyAnnotationRef;

CT_EXPORT CFTypeID CTRubyAnnotationGetTypeID(void) API_AVAILABLE(macos(10.10), ios(8.0));

typedef CF_ENUM(uint8_t, CTRubyAlignment) {
    kCTRubyAlignmentInvalid = (uint8_t)-1,
    kCTRubyAlignmentAuto = 0,
    kCTRubyAlignmentStart = 1,
    kCTRubyAlignmentCenter = 2,
    kCTRubyAlignmentEnd = 3,
    kCTRubyAlignmentDistributeLetter = 4,
    kCTRubyAlignmentDistributeSpace = 5,
    kCTRubyAlignmentLineEdge = 6
} API_AVAILABLE(macos(10.10), ios(8.0));

typedef CF_ENUM(uint8_t, CTRubyOverhang) {
    kCTRubyOverhangInvalid = (uint8_t)-1,
    kCTRubyOverhangAuto = 0,
    kCTRubyOverhangStart = 1,
    kCTRubyOverhangEnd = 2,
    kCTRubyOverhangNone = 3
} API_AVAILABLE(macos(10.10), ios(8.0));

typedef CF_ENUM(uint8_t, CTRubyPosition) {
    kCTRubyPositionBefore = 0,
    kCTRubyPositionAfter = 1,
    kCTRubyPositionInterCharacter = 2,
    kCTRubyPositionInline = 3,
    kCTRubyPositionCount
} API_AVAILABLE(macos(10.10), ios(8.0));

CT_EXPORT const CFStringRef kCTRubyAnnotationSizeFactorAttributeName API_AVAILABLE(macos(10.12), ios(10.0));
CT_EXPORT const CFStringRef kCTRubyAnnotationScaleToFitAttributeName API_AVAILABLE(macos(10.12), ios(10.0));

CT_EXPORT CTRubyAnnotationRef CTRubyAnnotationCreate(CTRubyAlignment alignment, CTRubyOverhang overhang,
                                                     CGFloat sizeFactor,
                                                     CFStringRef _Nullable text[_Nonnull kCTRubyPositionCount])
    API_AVAILABLE(macos(10.10), ios(8.0));
CT_EXPORT CTRubyAnnotationRef CTRubyAnnotationCreateWithAttributes(CTRubyAlignment alignment,
                                                                   CTRubyOverhang overhang, CTRubyPosition position,
                                                                   CFStringRef string, CFDictionaryRef attributes)
    API_AVAILABLE(macos(10.12), ios(10.0));
CT_EXPORT CTRubyAnnotationRef CTRubyAnnotationCreateCopy(CTRubyAnnotationRef rubyAnnotation)
    API_AVAILABLE(macos(10.10), ios(8.0));
CT_EXPORT CTRubyAlignment CTRubyAnnotationGetAlignment(CTRubyAnnotationRef rubyAnnotation)
    API_AVAILABLE(macos(10.10), ios(8.0));
CT_EXPORT CTRubyOverhang CTRubyAnnotationGetOverhang(CTRubyAnnotationRef rubyAnnotation)
    API_AVAILABLE(macos(10.10), ios(8.0));
CT_EXPORT CGFloat CTRubyAnnotationGetSizeFactor(CTRubyAnnotationRef rubyAnnotation)
    API_AVAILABLE(macos(10.10), ios(8.0));
CT_EXPORT CFStringRef _Nullable CTRubyAnnotationGetTextForPosition(CTRubyAnnotationRef rubyAnnotation,
                                                                   CTRubyPosition position)
    API_AVAILABLE(macos(10.10), ios(8.0));

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTRUBYANNOTATION__ */
