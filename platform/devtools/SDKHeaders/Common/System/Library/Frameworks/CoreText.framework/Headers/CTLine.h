/* CTLine.h: lines of laid-out text: their runs, bounds, caret offsets, truncation and justification. */
#ifndef __CTLINE__
#define __CTLINE__

#include <CoreText/CTDefines.h>
#include <CoreText/CTRun.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CTLine *CTLineRef;

typedef CF_OPTIONS(CFOptionFlags, CTLineBoundsOptions) {
    kCTLineBoundsExcludeTypographicLeading = 1 << 0,
    kCTLineBoundsExcludeTypographicShifts = 1 << 1,
    kCTLineBoundsUseHangingPunctuation = 1 << 2,
    kCTLineBoundsUseGlyphPathBounds = 1 << 3,
    kCTLineBoundsUseOpticalBounds = 1 << 4,
    kCTLineBoundsIncludeLanguageExtents = 1 << 5
};

typedef CF_ENUM(uint32_t, CTLineTruncationType) {
    kCTLineTruncationStart = 0,
    kCTLineTruncationEnd = 1,
    kCTLineTruncationMiddle = 2
};

CT_EXPORT CFTypeID CTLineGetTypeID(void);
CT_EXPORT CTLineRef CTLineCreateWithAttributedString(CFAttributedStringRef attrString);
CT_EXPORT CTLineRef _Nullable CTLineCreateTruncatedLine(CTLineRef line, double width,
                                                        CTLineTruncationType truncationType,
                                                        CTLineRef _Nullable truncationToken);
CT_EXPORT CTLineRef _Nullable CTLineCreateJustifiedLine(CTLineRef line, CGFloat justificationFactor,
                                                        double justificationWidth);
CT_EXPORT CFIndex CTLineGetGlyphCount(CTLineRef line);
CT_EXPORT CFArrayRef CTLineGetGlyphRuns(CTLineRef line);
CT_EXPORT CFRange CTLineGetStringRange(CTLineRef line);
CT_EXPORT double CTLineGetPenOffsetForFlush(CTLineRef line, CGFloat flushFactor, double flushWidth);
CT_EXPORT void CTLineDraw(CTLineRef line, CGContextRef context);
CT_EXPORT double CTLineGetTypographicBounds(CTLineRef line, CGFloat *_Nullable ascent, CGFloat *_Nullable descent,
                                            CGFloat *_Nullable leading);
CT_EXPORT CGRect CTLineGetBoundsWithOptions(CTLineRef line, CTLineBoundsOptions options);
CT_EXPORT double CTLineGetTrailingWhitespaceWidth(CTLineRef line);
CT_EXPORT CGRect CTLineGetImageBounds(CTLineRef line, CGContextRef _Nullable context);
CT_EXPORT CFIndex CTLineGetStringIndexForPosition(CTLineRef line, CGPoint position);
CT_EXPORT CGFloat CTLineGetOffsetForStringIndex(CTLineRef line, CFIndex charIndex,
                                                CGFloat *_Nullable secondaryOffset);
#if defined(__BLOCKS__)
CT_EXPORT void CTLineEnumerateCaretOffsets(CTLineRef line,
                                           void (^block)(double offset, CFIndex charIndex, bool leadingEdge,
                                                         bool *stop)) API_AVAILABLE(macos(10.11), ios(9.0));
#endif

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTLINE__ */
