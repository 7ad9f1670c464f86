/* CTRun.h: runs of glyphs of one line that share their attributes: glyphs, positions, advances and bounds. */
#ifndef __CTRUN__
#define __CTRUN__

#include <CoreText/CTDefines.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CTRun *CTRunRef;

typedef CF_OPTIONS(uint32_t, CTRunStatus) {
    kCTRunStatusNoStatus = 0,
    kCTRunStatusRightToLeft = (1 << 0),
    kCTRunStatusNonMonotonic = (1 << 1),
    kCTRunStatusHasNonIdentityMatrix = (1 << 2)
};

CT_EXPORT CFTypeID CTRunGetTypeID(void);
CT_EXPORT CFIndex CTRunGetGlyphCount(CTRunRef run);
CT_EXPORT CFDictionaryRef CTRunGetAttributes(CTRunRef run);
CT_EXPORT CTRunStatus CTRunGetStatus(CTRunRef run);
CT_EXPORT const CGGlyph *_Nullable CTRunGetGlyphsPtr(CTRunRef run);
CT_EXPORT void CTRunGetGlyphs(CTRunRef run, CFRange range, CGGlyph buffer[_Nonnull]);
CT_EXPORT const CGPoint *_Nullable CTRunGetPositionsPtr(CTRunRef run);
CT_EXPORT void CTRunGetPositions(CTRunRef run, CFRange range, CGPoint buffer[_Nonnull]);
CT_EXPORT const CGSize *_Nullable CTRunGetAdvancesPtr(CTRunRef run);
CT_EXPORT void CTRunGetAdvances(CTRunRef run, CFRange range, CGSize buffer[_Nonnull]);
CT_EXPORT const CFIndex *_Nullable CTRunGetStringIndicesPtr(CTRunRef run);
CT_EXPORT void CTRunGetStringIndices(CTRunRef run, CFRange range, CFIndex buffer[_Nonnull]);
CT_EXPORT CFRange CTRunGetStringRange(CTRunRef run);
CT_EXPORT double CTRunGetTypographicBounds(CTRunRef run, CFRange range, CGFloat *_Nullable ascent,
                                           CGFloat *_Nullable descent, CGFloat *_Nullable leading);
CT_EXPORT CGRect CTRunGetImageBounds(CTRunRef run, CGContextRef _Nullable context, CFRange range);
CT_EXPORT CGAffineTransform CTRunGetTextMatrix(CTRunRef run);
CT_EXPORT void CTRunGetBaseAdvancesAndOrigins(CTRunRef runRef, CFRange range, CGSize advancesBuffer[_Nullable],
                                              CGPoint originsBuffer[_Nullable]) API_AVAILABLE(macos(10.16),
                                                                                              ios(14.0));
CT_EXPORT void CTRunDraw(CTRunRef run, CGContextRef context, CFRange range);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTRUN__ */
