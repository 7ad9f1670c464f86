/* CGColor.h: colours in a colour space. */
#ifndef CGCOLOR_H_
#define CGCOLOR_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGColorSpace.h>
#include <CoreFoundation/CFDictionary.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGColor *CGColorRef;

CG_EXTERN CGColorRef _Nullable CGColorCreate(CGColorSpaceRef _Nullable space, const CGFloat *_Nullable components);
CG_EXTERN CGColorRef CGColorCreateGenericRGB(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha)
    CG_AVAILABLE_STARTING(10_5, 13_0);
CG_EXTERN CGColorRef CGColorCreateGenericGray(CGFloat gray, CGFloat alpha) CG_AVAILABLE_STARTING(10_5, 13_0);
CG_EXTERN CGColorRef CGColorCreateSRGB(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha)
    CG_AVAILABLE_STARTING(10_15, 13_0);
CG_EXTERN CGColorRef _Nullable CGColorCreateCopyWithAlpha(CGColorRef _Nullable color, CGFloat alpha);
CG_EXTERN CGColorRef _Nullable CGColorRetain(CGColorRef _Nullable color);
CG_EXTERN void CGColorRelease(CGColorRef _Nullable color);
CG_EXTERN bool CGColorEqualToColor(CGColorRef _Nullable color1, CGColorRef _Nullable color2);
CG_EXTERN size_t CGColorGetNumberOfComponents(CGColorRef _Nullable color);
CG_EXTERN const CGFloat *_Nullable CGColorGetComponents(CGColorRef _Nullable color);
CG_EXTERN CGFloat CGColorGetAlpha(CGColorRef _Nullable color);
CG_EXTERN CGColorSpaceRef _Nullable CGColorGetColorSpace(CGColorRef _Nullable color);
CG_EXTERN CGColorRef _Nullable CGColorCreateCopy(CGColorRef _Nullable color);
CG_EXTERN CGColorRef _Nullable CGColorCreateCopyByMatchingToColorSpace(CGColorSpaceRef _Nullable space,
                                                                       CGColorRenderingIntent intent,
                                                                       CGColorRef _Nullable color,
                                                                       CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.11), ios(9.0));
CG_EXTERN CGColorRef CGColorCreateGenericCMYK(CGFloat cyan, CGFloat magenta, CGFloat yellow, CGFloat black,
                                              CGFloat alpha) API_AVAILABLE(macos(10.5), ios(13.0));
CG_EXTERN CGColorRef CGColorCreateGenericGrayGamma2_2(CGFloat gray, CGFloat alpha)
    API_AVAILABLE(macos(10.15), ios(13.0));
CG_EXTERN CGColorRef _Nullable CGColorGetConstantColor(CFStringRef _Nullable colorName)
    API_AVAILABLE(macos(10.5), ios(14.0));
CG_EXTERN CFTypeID CGColorGetTypeID(void);

/* The names of the constant colours, for CGColorGetConstantColor. */
CG_EXTERN const CFStringRef kCGColorWhite API_AVAILABLE(macos(10.5), ios(14.0));
CG_EXTERN const CFStringRef kCGColorBlack API_AVAILABLE(macos(10.5), ios(14.0));
CG_EXTERN const CFStringRef kCGColorClear API_AVAILABLE(macos(10.5), ios(14.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGCOLOR_H_ */
