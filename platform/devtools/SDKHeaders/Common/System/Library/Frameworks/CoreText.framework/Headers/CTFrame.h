/* CTFrame.h: frames: the lines of text laid into a path, their origins and drawing. */
#ifndef __CTFRAME__
#define __CTFRAME__

#include <CoreText/CTDefines.h>
#include <CoreText/CTLine.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CTFrame *CTFrameRef;

typedef CF_ENUM(uint32_t, CTFrameProgression) {
    kCTFrameProgressionTopToBottom = 0,
    kCTFrameProgressionRightToLeft = 1,
    kCTFrameProgressionLeftToRight = 2
};

typedef CF_ENUM(uint32_t, CTFramePathFillRule) {
    kCTFramePathFillEvenOdd = 0,
    kCTFramePathFillWindingNumber = 1
};

CT_EXPORT const CFStringRef kCTFrameProgressionAttributeName;
CT_EXPORT const CFStringRef kCTFramePathFillRuleAttributeName;
CT_EXPORT const CFStringRef kCTFramePathWidthAttributeName;
CT_EXPORT const CFStringRef kCTFrameClippingPathsAttributeName;
CT_EXPORT const CFStringRef kCTFramePathClippingPathAttributeName;

CT_EXPORT CFTypeID CTFrameGetTypeID(void);
CT_EXPORT CFRange CTFrameGetStringRange(CTFrameRef frame);
CT_EXPORT CFRange CTFrameGetVisibleStringRange(CTFrameRef frame);
CT_EXPORT CGPathRef CTFrameGetPath(CTFrameRef frame);
CT_EXPORT CFDictionaryRef _Nullable CTFrameGetFrameAttributes(CTFrameRef frame);
CT_EXPORT CFArrayRef CTFrameGetLines(CTFrameRef frame);
CT_EXPORT void CTFrameGetLineOrigins(CTFrameRef frame, CFRange range, CGPoint origins[_Nonnull]);
CT_EXPORT void CTFrameDraw(CTFrameRef frame, CGContextRef context);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTFRAME__ */
