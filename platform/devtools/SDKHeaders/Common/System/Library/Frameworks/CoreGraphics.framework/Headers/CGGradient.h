/* CGGradient.h: colour gradients between locations, drawn linearly or radially by a context. */
#ifndef CGGRADIENT_H_
#define CGGRADIENT_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGColorSpace.h>
#include <CoreFoundation/CFArray.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGGradient *CGGradientRef;

typedef CF_OPTIONS(uint32_t, CGGradientDrawingOptions) {
    kCGGradientDrawsBeforeStartLocation = (1 << 0),
    kCGGradientDrawsAfterEndLocation = (1 << 1)
};

CG_EXTERN CFTypeID CGGradientGetTypeID(void);
CG_EXTERN CGGradientRef _Nullable CGGradientCreateWithColorComponents(CGColorSpaceRef _Nullable space,
                                                                      const CGFloat *_Nullable components,
                                                                      const CGFloat *_Nullable locations,
                                                                      size_t count);
CG_EXTERN CGGradientRef _Nullable CGGradientCreateWithColors(CGColorSpaceRef _Nullable space,
                                                             CFArrayRef _Nullable colors,
                                                             const CGFloat *_Nullable locations);
CG_EXTERN CGGradientRef _Nullable CGGradientRetain(CGGradientRef _Nullable gradient);
CG_EXTERN void CGGradientRelease(CGGradientRef _Nullable gradient);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGGRADIENT_H_ */
